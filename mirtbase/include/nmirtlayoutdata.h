// CNMirtLayoutData: the layout of one form. Started with its header values,
// which the form windows read: the layout id and the table part (first and
// last order of the table's fields and its number of rows; none when the
// first order is 0).
#pragma once
#include <afx.h>
#include "mirtapi.h"

#pragma pack(push, 4)

class MIRT_API CNMirtLayoutData : public CObject
{
    DECLARE_DYNCREATE(CNMirtLayoutData)
public:
    CNMirtLayoutData();

    UINT m_nVersion;
    UINT m_nLayoutID;
    DWORD m_dwSettingA;
    COleDateTime m_dateCreated;     // now at construction
    DWORD m_dwSettingB;
    UINT m_nTableFirstOrder;
    UINT m_nTableLastOrder;
    UINT m_nTableLine;
    DWORD m_dwSettingF;
    DWORD m_dwSettingG;
    CString m_strText1;
    CString m_strText2;
};

#pragma pack(pop)
