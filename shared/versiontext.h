// The suite's version number as shown in the About boxes: of three
// right-aligned digits the first is the major version, the last two the
// minor (313 is "3.13").
#pragma once
#include <afx.h>

inline CString VersionNumberText(int nVersion)
{
    CString strNumber;
    strNumber.Format("%3d", nVersion);
    return strNumber.Left(1) + "." + strNumber.Right(2);
}
