#include "dialogs/dlg_internal.h"
#include "win/guardedcall.h"
#include "win/winstate.h"

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)

namespace {

// Posted by the hook at WM_INITDIALOG: handled once the dialog's loop runs.
const UINT WM_COMMONDLG_READY = 0x036E;

}  // namespace

BEGIN_MESSAGE_MAP(CCommonDialog, CDialog)
    ON_MESSAGE(WM_COMMONDLG_READY, OnDialogReady)
END_MESSAGE_MAP()

CCommonDialog::CCommonDialog(CWnd* pParentWnd) : CDialog(static_cast<LPCSTR>(nullptr), pParentWnd)
{
}

HWND CCommonDialog::OwnerHwnd() const
{
    return CWnd::GetSafeOwner(m_pParentWnd)->GetSafeHwnd();
}

BOOL CCommonDialog::AttachSystemDialog(HWND hWndDialog)
{
    if (!SubclassWindow(hWndDialog))
        return TRUE;
    m_nFlags |= WF_CONTINUEMODAL;
    PostMessage(WM_COMMONDLG_READY);
    // Called from the system's dialog code, which no exception may cross.
    return static_cast<BOOL>(
        AfxGuardedCall(hWndDialog, WM_INITDIALOG, [this] { return static_cast<LRESULT>(OnInitDialog()); }));
}

LRESULT CCommonDialog::OnDialogReady(WPARAM, LPARAM)
{
    if (!ContinueModal())
        return 0;
    if (!IsWindowVisible())
        ShowWindow(SW_SHOWNORMAL);
    AfxRunModalLoopHook(this);
    return 0;
}

BOOL CCommonDialog::ContinueModal()
{
    return m_hWnd != nullptr && (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CCommonDialog::EndModalLoop(int nResult)
{
    if (ContinueModal())
        SendMessage(WM_COMMAND, nResult == IDOK ? IDOK : IDCANCEL);
}

LRESULT CCommonDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The system ends its dialog by hiding it (EndDialog).
    if ((message == WM_WINDOWPOSCHANGED && (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_HIDEWINDOW))
        || message == WM_DESTROY)
        m_nFlags &= ~WF_CONTINUEMODAL;
    return CDialog::WindowProc(message, wParam, lParam);
}

void CCommonDialog::OnOK()
{
    Default();
}

void CCommonDialog::OnCancel()
{
    Default();
}
