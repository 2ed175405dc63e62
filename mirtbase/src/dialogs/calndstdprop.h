// The monthly calendar's settings sheet and its pages (dialogs 190, 191).
#pragma once
#include "dialogs/calndpropsheet.h"

#pragma pack(push, 4)

class MIRT_API CCalndStdPropPage1 : public CCalndPropPage1
{
    DECLARE_DYNCREATE(CCalndStdPropPage1)
public:
    CCalndStdPropPage1();

    int GetDateMonth() const override;

    CString m_strMonth;   // "1" .. "12"

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // The colours and faces, then the months.
    void FillLists() override;
};

class MIRT_API CCalndStdPropPage2 : public CCalndPropPage2
{
    DECLARE_DYNCREATE(CCalndStdPropPage2)
public:
    CCalndStdPropPage2();

protected:
    DECLARE_MESSAGE_MAP()
};

class MIRT_API CCalndStdPropSheet : public CCalndPropSheet
{
    DECLARE_DYNAMIC(CCalndStdPropSheet)
public:
    explicit CCalndStdPropSheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr);

protected:
    DECLARE_MESSAGE_MAP()
};

#pragma pack(pop)
