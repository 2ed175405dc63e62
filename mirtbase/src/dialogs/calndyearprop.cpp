#include "dialogs/calndyearprop.h"

#include "dialogs/calndres.h"

IMPLEMENT_DYNCREATE(CCalndYearPropPage1, CCalndPropPage1)
IMPLEMENT_DYNCREATE(CCalndYearPropPage2, CCalndPropPage2)
IMPLEMENT_DYNAMIC(CCalndYearPropSheet, CCalndPropSheet)

CCalndYearPropPage1::CCalndYearPropPage1() : CCalndPropPage1(IDD_CALND_YEAR_PAGE1, MsgCalndYearDate)
{
}

void CCalndYearPropPage1::DoDataExchange(CDataExchange* pDX)
{
    CCalndPropPage1::DoDataExchange(pDX);
    DDX_CalndColor(pDX, IDC_CALND_YEAR_TITLE_COLOR, m_comboYearTitle, m_nYearTitleColor);
}

void CCalndYearPropPage1::FillLists()
{
    CCalndPropPage1::FillLists();
    FillColor(m_comboYearTitle, IDC_CALND_YEAR_TITLE_COLOR);
}

BEGIN_MESSAGE_MAP(CCalndYearPropPage2, CCalndPropPage2)
    ON_MESSAGE(MsgCalndYearPage2Date, OnPage2Date)
    ON_BN_CLICKED(IDC_WEEKDAY_YEAR_CLEAR, OnClearWeekday)
END_MESSAGE_MAP()

CCalndYearPropPage2::CCalndYearPropPage2() : CCalndPropPage2(IDD_CALND_YEAR_PAGE2, TRUE)
{
}

BEGIN_MESSAGE_MAP(CCalndYearPropSheet, CCalndPropSheet)
    ON_MESSAGE(MsgCalndYearDate, OnPageDate)
END_MESSAGE_MAP()

CCalndYearPropSheet::CCalndYearPropSheet(LPCSTR pszCaption, CWnd* pParentWnd)
    : CCalndPropSheet(pszCaption, pParentWnd, MsgCalndYearPage2Date)
{
}
