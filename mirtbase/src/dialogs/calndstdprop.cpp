#include "dialogs/calndstdprop.h"

#include <cstdlib>

#include "dialogs/calnddays.h"
#include "dialogs/calndres.h"

IMPLEMENT_DYNCREATE(CCalndStdPropPage1, CCalndPropPage1)
IMPLEMENT_DYNCREATE(CCalndStdPropPage2, CCalndPropPage2)
IMPLEMENT_DYNAMIC(CCalndStdPropSheet, CCalndPropSheet)

namespace {

const int kMonthChars = 2;

}  // namespace

CCalndStdPropPage1::CCalndStdPropPage1() : CCalndPropPage1(IDD_CALND_STD_PAGE1, MsgCalndStdDate)
{
}

int CCalndStdPropPage1::GetDateMonth() const
{
    return atoi(m_strMonth);
}

void CCalndStdPropPage1::DoDataExchange(CDataExchange* pDX)
{
    CCalndPropPage1::DoDataExchange(pDX);
    DDX_CBString(pDX, IDC_CALND_MONTH, m_strMonth);
    DDV_MaxChars(pDX, m_strMonth, kMonthChars);
}

void CCalndStdPropPage1::FillLists()
{
    CCalndPropPage1::FillLists();
    CCalndDays::AddMonthItems(::GetDlgItem(m_hWnd, IDC_CALND_MONTH));
}

BEGIN_MESSAGE_MAP(CCalndStdPropPage2, CCalndPropPage2)
    ON_MESSAGE(MsgCalndStdPage2Date, OnPage2Date)
    ON_BN_CLICKED(IDC_WEEKDAY_STD_CLEAR, OnClearWeekday)
END_MESSAGE_MAP()

CCalndStdPropPage2::CCalndStdPropPage2() : CCalndPropPage2(IDD_CALND_STD_PAGE2, FALSE)
{
}

BEGIN_MESSAGE_MAP(CCalndStdPropSheet, CCalndPropSheet)
    ON_MESSAGE(MsgCalndStdDate, OnPageDate)
END_MESSAGE_MAP()

CCalndStdPropSheet::CCalndStdPropSheet(LPCSTR pszCaption, CWnd* pParentWnd)
    : CCalndPropSheet(pszCaption, pParentWnd, MsgCalndStdPage2Date)
{
}
