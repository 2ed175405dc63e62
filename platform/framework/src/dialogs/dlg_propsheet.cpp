#include <vector>
#include "dialogs/dlg_internal.h"

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    m_strCaption.LoadString(nIDCaption);
    Construct(iSelectPage, pParentWnd);
}

CPropertySheet::CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage) : m_strCaption(pszCaption)
{
    Construct(iSelectPage, pParentWnd);
}

void CPropertySheet::Construct(UINT iSelectPage, CWnd* pParentWnd)
{
    m_pParentWnd = pParentWnd;
    m_bCancelled = FALSE;
    m_psh = PROPSHEETHEADERA{};
    m_psh.dwSize = sizeof(PROPSHEETHEADERA);
    m_psh.dwFlags = PSH_PROPSHEETPAGE;
    m_psh.nStartPage = iSelectPage;
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    m_pages.Add(pPage);
}

void CPropertySheet::RemovePage(int nPage)
{
    if (m_hWnd != nullptr)
        PropSheet_RemovePage(m_hWnd, nPage, nullptr);
    m_pages.RemoveAt(nPage);
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const
{
    for (int nPage = 0; nPage < GetPageCount(); ++nPage) {
        if (GetPage(nPage) == pPage)
            return nPage;
    }
    return -1;
}

int CPropertySheet::GetActiveIndex() const
{
    if (m_hWnd == nullptr)
        return static_cast<int>(m_psh.nStartPage);
    const HWND hWndPage = PropSheet_GetCurrentPageHwnd(m_hWnd);
    for (int nPage = 0; nPage < GetPageCount(); ++nPage) {
        if (GetPage(nPage)->m_hWnd == hWndPage)
            return nPage;
    }
    return -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    const int nPage = GetActiveIndex();
    return nPage >= 0 && nPage < GetPageCount() ? GetPage(nPage) : nullptr;
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return FALSE;
    if (m_hWnd == nullptr) {
        m_psh.nStartPage = static_cast<UINT>(nPage);
        return TRUE;
    }
    return PropSheet_SetCurSel(m_hWnd, nullptr, nPage);
}

void CPropertySheet::SetTitle(LPCSTR lpszText)
{
    m_strCaption = lpszText;
    if (m_hWnd != nullptr)
        PropSheet_SetTitle(m_hWnd, 0, lpszText);
}

HWND CPropertySheet::CreateModeless(HWND hWndOwner, PROPSHEETPAGEA* pPages)
{
    PROPSHEETHEADERA psh = m_psh;
    psh.dwFlags |= PSH_PROPSHEETPAGE | PSH_MODELESS;
    psh.hwndParent = hWndOwner;
    psh.hInstance = AfxGetResourceHandle();
    psh.pszCaption = m_strCaption;
    psh.nPages = static_cast<UINT>(GetPageCount());
    psh.ppsp = pPages;
    AfxHookWindowCreate(this);
    const INT_PTR nResult = AfxPropertySheet(&psh);
    // A sheet made without being attached to this object cannot run here.
    if (!AfxUnhookWindowCreate() && nResult != 0 && nResult != -1)
        ::DestroyWindow(reinterpret_cast<HWND>(nResult));
    return m_hWnd;
}

INT_PTR CPropertySheet::DoModal()
{
    std::vector<PROPSHEETPAGEA> pages;
    for (int nPage = 0; nPage < GetPageCount(); ++nPage)
        pages.push_back(GetPage(nPage)->m_psp);
    AfxModalOwner owner(m_pParentWnd);
    m_bCancelled = FALSE;
    if (pages.empty() || CreateModeless(owner.m_hWnd, pages.data()) == nullptr)
        return -1;
    const INT_PTR nResult = RunModalLoop(MLF_SHOWONIDLE);
    owner.Release(m_hWnd);
    DestroyWindow();
    return nResult;
}

void CPropertySheet::EndDialog(int nEndID)
{
    EndModalLoop(nEndID);
}

BOOL CPropertySheet::ContinueModal()
{
    if (!CWnd::ContinueModal())
        return FALSE;
    if (PropSheet_GetCurrentPageHwnd(m_hWnd) != nullptr)
        return TRUE;
    // OK or Cancel has closed the pages; Cancel told them first.
    EndModalLoop(m_bCancelled ? IDCANCEL : IDOK);
    return FALSE;
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    return PropSheet_IsDialogMessage(m_hWnd, pMsg);
}
