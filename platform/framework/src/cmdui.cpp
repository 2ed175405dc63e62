#include "winstate.h"

CCmdUI::CCmdUI() : m_nID(0), m_pOther(nullptr), m_bEnableChanged(FALSE), m_bContinueRouting(FALSE)
{
}

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pOther != nullptr) {
        // Move the focus on before its control goes grey.
        if (!bOn && ::GetFocus() == m_pOther->m_hWnd)
            ::SendMessageA(::GetParent(m_pOther->m_hWnd), WM_NEXTDLGCTL, 0, FALSE);
        m_pOther->EnableWindow(bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pOther != nullptr && (m_pOther->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON))
        m_pOther->SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck));
}

void CCmdUI::SetRadio(BOOL bOn)
{
    SetCheck(bOn ? 1 : 0);
}

void CCmdUI::SetText(LPCSTR lpszText)
{
    if (m_pOther == nullptr)
        return;
    CString current;
    m_pOther->GetWindowText(current);
    if (current != lpszText)   // unchanged text is not repainted
        m_pOther->SetWindowText(lpszText);
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

// Buttons that work by themselves stay enabled without a command handler.
bool IsSelfContainedButton(HWND hWnd)
{
    if (!(::SendMessageA(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON))
        return false;
    const UINT nStyle = static_cast<UINT>(::GetWindowLongA(hWnd, GWL_STYLE)) & BS_TYPEMASK;
    return nStyle == BS_AUTOCHECKBOX || nStyle == BS_AUTO3STATE || nStyle == BS_AUTORADIOBUTTON
        || nStyle == BS_GROUPBOX;
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
        state.DoUpdate(pTarget, bDisableIfNoHndler && !IsSelfContainedButton(hWndChild));
    }
}
