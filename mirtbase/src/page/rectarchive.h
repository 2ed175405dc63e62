// Stored form of a RECT inside the form model's records: left, top, right,
// bottom as LONGs.
#pragma once
#include <afx.h>

inline void MirtSerializeRect(CArchive& ar, RECT& rect)
{
    if (ar.IsStoring())
        ar << rect.left << rect.top << rect.right << rect.bottom;
    else
        ar >> rect.left >> rect.top >> rect.right >> rect.bottom;
}
