#include "dialogs/calndpropsheet.h"

IMPLEMENT_DYNAMIC(CCalndPropSheet, CPropertySheet)

BEGIN_MESSAGE_MAP(CCalndPropSheet, CPropertySheet)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CCalndPropSheet::CCalndPropSheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT nPage2Message)
    : CPropertySheet(pszCaption, pParentWnd), m_nPage2Message(nPage2Message)
{
}

LRESULT CCalndPropSheet::OnPageDate(WPARAM wParam, LPARAM lParam)
{
    CPropertyPage* pPage2 = GetPageCount() > 1 ? GetPage(1) : nullptr;
    if (pPage2 != nullptr && pPage2->GetSafeHwnd() != nullptr)
        pPage2->PostMessage(m_nPage2Message, wParam, lParam);
    return 0;
}

void CCalndPropSheet::OnDestroy()
{
    if (GetPageCount() > 1) {
        auto* pPage1 = static_cast<CCalndPropPage1*>(GetPage(0));
        auto* pPage2 = static_cast<CCalndPropPage2*>(GetPage(1));
        if (pPage1->m_nYear != pPage2->m_nYear || pPage1->GetDateMonth() != pPage2->m_nMonth)
            pPage2->DropDays();
    }
    CPropertySheet::OnDestroy();
}
