// The yearly calendar's settings sheet and its pages (dialogs 192, 193).
#pragma once
#include "dialogs/calndpropsheet.h"

#pragma pack(push, 4)

class MIRT_API CCalndYearPropPage1 : public CCalndPropPage1
{
    DECLARE_DYNCREATE(CCalndYearPropPage1)
public:
    CCalndYearPropPage1();

    int m_nYearTitleColor = -1;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // The colours and faces, then the year title colours.
    void FillLists() override;

private:
    CCalndColorCombo m_comboYearTitle;
};

class MIRT_API CCalndYearPropPage2 : public CCalndPropPage2
{
    DECLARE_DYNCREATE(CCalndYearPropPage2)
public:
    CCalndYearPropPage2();

protected:
    DECLARE_MESSAGE_MAP()
};

class MIRT_API CCalndYearPropSheet : public CCalndPropSheet
{
    DECLARE_DYNAMIC(CCalndYearPropSheet)
public:
    explicit CCalndYearPropSheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr);

protected:
    DECLARE_MESSAGE_MAP()
};

#pragma pack(pop)
