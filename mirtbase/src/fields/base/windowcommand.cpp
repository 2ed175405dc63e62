#include "windowcommand.h"

#include <afxdlgs.h>

IMPLEMENT_DYNAMIC(CWindowCommandDlg, CWnd)

CWindowCommandDlg::CWindowCommandDlg(DWORD nCommand) : m_command{1, nCommand, 0, 0}
{
}

BOOL CWindowCommandDlg::Send(CWnd* pTarget, DWORD nCommand, BOOL bSaveAndValidate)
{
    if (pTarget == nullptr || pTarget->GetSafeHwnd() == nullptr)
        return FALSE;
    CWindowCommandDlg dlg(nCommand);
    CDataExchange dx(&dlg, bSaveAndValidate);
    pTarget->DoDataExchange(&dx);
    return TRUE;
}

const WindowCommand* CWindowCommandDlg::FromExchange(const CDataExchange* pDX)
{
    if (pDX == nullptr || pDX->m_pDlgWnd == nullptr || !pDX->m_pDlgWnd->IsKindOf(RUNTIME_CLASS(CWindowCommandDlg)))
        return nullptr;
    return &static_cast<const CWindowCommandDlg*>(pDX->m_pDlgWnd)->m_command;
}
