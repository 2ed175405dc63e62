#include "dialogs/dlg_internal.h"

IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

namespace {

// The dialog manager handles what the bar's map leaves.
INT_PTR CALLBACK BarDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

}  // namespace

CDialogBar::CDialogBar() = default;

BOOL CDialogBar::Create(CWnd* pParentWnd, LPCSTR lpszTemplateName, UINT nStyle, UINT nID)
{
    const HINSTANCE hInst = AfxGetResourceHandle();
    const HRSRC hResource = ::FindResourceA(hInst, lpszTemplateName, RT_DIALOG);
    const HGLOBAL hTemplate = hResource != nullptr ? ::LoadResource(hInst, hResource) : nullptr;
    const LPCDLGTEMPLATEA pTemplate = static_cast<LPCDLGTEMPLATEA>(::LockResource(hTemplate));
    if (pTemplate == nullptr)
        return FALSE;
    m_dwStyle = nStyle & 0xFFFF;
    AfxHookWindowCreate(this);
    const HWND hWnd = ::CreateDialogIndirectParamA(hInst, pTemplate, pParentWnd->GetSafeHwnd(), &BarDialogProc, 0);
    if (!AfxUnhookWindowCreate() || hWnd == nullptr) {
        if (hWnd != nullptr)
            ::DestroyWindow(hWnd);
        return FALSE;
    }
    ::SetWindowLongPtrA(hWnd, GWLP_ID, static_cast<LONG_PTR>(nID));
    CRect rect;
    GetWindowRect(&rect);
    m_sizeDefault = rect.Size();
    AttachToFrame(pParentWnd);
    if (nStyle & WS_VISIBLE)
        ShowWindow(SW_SHOWNOACTIVATE);
    return TRUE;
}

CSize CDialogBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (!bStretch)
        return m_sizeDefault;
    return bHorz ? CSize(32767, m_sizeDefault.cy) : CSize(m_sizeDefault.cx, 32767);
}

void CDialogBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

BOOL CDialogBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CControlBar::OnCommand(wParam, lParam))
        return TRUE;
    CWnd* pOwner = m_pDockSite != nullptr ? static_cast<CWnd*>(m_pDockSite) : GetParent();
    return pOwner != nullptr && pOwner->SendMessage(WM_COMMAND, wParam, lParam);
}

BOOL CDialogBar::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (CControlBar::OnNotify(wParam, lParam, pResult))
        return TRUE;
    CWnd* pOwner = m_pDockSite != nullptr ? static_cast<CWnd*>(m_pDockSite) : GetParent();
    if (pOwner == nullptr)
        return FALSE;
    *pResult = pOwner->SendMessage(WM_NOTIFY, wParam, lParam);
    return TRUE;
}
