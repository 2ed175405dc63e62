#include "dialogs/dlg_internal.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

namespace {

LPCDLGTEMPLATEA LoadDialogTemplate(HINSTANCE hInstance, LPCSTR lpszTemplateName)
{
    const HRSRC hResource = ::FindResourceA(hInstance, lpszTemplateName, RT_DIALOG);
    const HGLOBAL hTemplate = hResource != nullptr ? ::LoadResource(hInstance, hResource) : nullptr;
    return static_cast<LPCDLGTEMPLATEA>(::LockResource(hTemplate));
}

// The dialog manager sends WM_SETFONT and WM_INITDIALOG only to dialogs
// with a procedure. The CDialog gets every message first (WM_INITDIALOG
// through its map); what it leaves, the dialog manager handles by default.
INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

}  // namespace

CDialog::CDialog() : m_lpszTemplateName(nullptr), m_pParentWnd(nullptr), m_bRoutingOut(FALSE)
{
}

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd), m_bRoutingOut(FALSE)
{
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(MAKEINTRESOURCEA(nIDTemplate), pParentWnd)
{
}

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    m_pParentWnd = pParentWnd;
    if (pParentWnd == nullptr)
        pParentWnd = AfxGetMainWnd();
    return CreateFromTemplate(pParentWnd->GetSafeHwnd());
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateFromTemplate(HWND hWndParent)
{
    if (m_hWnd != nullptr)
        return FALSE;
    const HINSTANCE hInstance = AfxGetResourceHandle();
    const LPCDLGTEMPLATEA pTemplate = LoadDialogTemplate(hInstance, m_lpszTemplateName);
    if (pTemplate == nullptr)
        return FALSE;
    AfxInitCommonControls();   // for the template's up-down controls
    AfxHookWindowCreate(this);
    const HWND hWnd = ::CreateDialogIndirectParamA(hInstance, pTemplate, hWndParent, &DialogProc, 0);
    if (!AfxUnhookWindowCreate()) {
        // Failed before the dialog window was made: nothing was attached.
        if (hWnd != nullptr)
            ::DestroyWindow(hWnd);
        return FALSE;
    }
    return hWnd != nullptr;
}

INT_PTR CDialog::DoModal()
{
    AfxModalOwner owner(m_pParentWnd);
    // EndDialog from OnInitDialog ends the dialog before its loop starts.
    m_nFlags |= WF_CONTINUEMODAL;
    m_nModalResult = -1;
    if (!CreateFromTemplate(owner.m_hWnd)) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        return -1;
    }
    const INT_PTR nResult = (m_nFlags & WF_CONTINUEMODAL) ? RunModalLoop(MLF_SHOWONIDLE) : m_nModalResult;
    owner.Release(m_hWnd);
    DestroyWindow();
    return nResult;
}

void CDialog::EndDialog(int nResult)
{
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    else
        ::EndDialog(m_hWnd, nResult);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->GetSafeHwnd()), TRUE);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    const UINT nNotify = static_cast<UINT>(nCode);
    if (m_bRoutingOut || (nNotify != CN_COMMAND && nNotify != CN_UPDATE_COMMAND_UI))
        return FALSE;
    const HWND hWndOwner = (GetStyle() & WS_CHILD) ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER);
    CCmdTarget* pTargets[] = {FromHandlePermanent(hWndOwner), AfxGetApp()};
    // Cleared also when a handler throws.
    struct RoutingOut
    {
        BOOL& bFlag;
        ~RoutingOut() { bFlag = FALSE; }
    };
    m_bRoutingOut = TRUE;
    const RoutingOut routing{m_bRoutingOut};
    for (CCmdTarget* pTarget : pTargets) {
        if (pTarget != nullptr && pTarget->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
    }
    return FALSE;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}
