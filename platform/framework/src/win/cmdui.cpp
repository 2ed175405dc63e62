#include "win/winstate.h"

CCmdUI::CCmdUI()
    : m_nID(0), m_nIndex(0), m_nIndexMax(0), m_pMenu(nullptr), m_pSubMenu(nullptr), m_pOther(nullptr),
      m_bEnableChanged(FALSE), m_bContinueRouting(FALSE)
{
}

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pMenu != nullptr) {
        // A popup's item is enabled by position; so is a plain item.
        ::EnableMenuItem(m_pMenu->GetSafeHmenu(), m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : MF_GRAYED));
    } else if (m_pOther != nullptr) {
        // Move the focus on before its control goes grey.
        if (!bOn && ::GetFocus() == m_pOther->m_hWnd)
            ::SendMessageA(::GetParent(m_pOther->m_hWnd), WM_NEXTDLGCTL, 0, FALSE);
        m_pOther->EnableWindow(bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pMenu != nullptr) {
        if (m_pSubMenu == nullptr)
            ::CheckMenuItem(m_pMenu->GetSafeHmenu(), m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    } else if (m_pOther != nullptr && (m_pOther->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON))
        m_pOther->SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck));
}

void CCmdUI::SetRadio(BOOL bOn)
{
    SetCheck(bOn ? 1 : 0);
}

void CCmdUI::SetText(LPCSTR lpszText)
{
    if (m_pMenu != nullptr) {
        if (m_pSubMenu == nullptr)
            SetMenuItemText(lpszText);
        return;
    }
    if (m_pOther == nullptr)
        return;
    CString current;
    m_pOther->GetWindowText(current);
    if (current != lpszText)   // unchanged text is not repainted
        m_pOther->SetWindowText(lpszText);
}

void CCmdUI::SetMenuItemText(LPCSTR lpszText)
{
    const HMENU hMenu = m_pMenu->GetSafeHmenu();
    // The item keeps its id and its grey and check states.
    const UINT nState = ::GetMenuState(hMenu, m_nIndex, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED | MF_CHECKED);
    ::ModifyMenuA(hMenu, m_nIndex, MF_BYPOSITION | MF_STRING | nState, m_nID, lpszText);
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    m_bEnableChanged = FALSE;
    const BOOL bHandled = pTarget->OnCmdMsg(m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), this, nullptr);
    if (bDisableIfNoHndler && !m_bEnableChanged) {
        AFX_CMDHANDLERINFO info = {nullptr, nullptr};
        Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
    return bHandled;
}

namespace {

// Only buttons are greyed for want of a handler; those that work by
// themselves (automatic check boxes and radio buttons, group boxes) and
// other controls are left as they are.
bool IsGreyedWithoutHandler(HWND hWnd)
{
    if (!(::SendMessageA(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON))
        return false;
    const UINT nStyle = static_cast<UINT>(::GetWindowLongA(hWnd, GWL_STYLE)) & BS_TYPEMASK;
    return nStyle != BS_AUTOCHECKBOX && nStyle != BS_AUTO3STATE && nStyle != BS_AUTORADIOBUTTON
        && nStyle != BS_GROUPBOX;
}

}  // namespace

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    CCmdUI state;
    for (HWND hWndChild = ::GetWindow(m_hWnd, GW_CHILD); hWndChild != nullptr;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
        state.m_nID = static_cast<UINT>(::GetDlgCtrlID(hWndChild));
        if (state.m_nID == 0 || LOWORD(state.m_nID) == 0xFFFF)   // no id, or IDC_STATIC
            continue;
        state.m_pOther = FromHandle(hWndChild);
        state.DoUpdate(pTarget, bDisableIfNoHndler && IsGreyedWithoutHandler(hWndChild));
    }
}
