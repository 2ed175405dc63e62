// The application's help file: the help viewer and the help commands.
#include "afxwin.h"

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    const bool bHasFile = m_pszHelpFilePath != nullptr && m_pszHelpFilePath[0] != '\0';
    if (!bHasFile || !AfxShowHelp(m_pMainWnd->GetSafeHwnd(), m_pszHelpFilePath, nCmd, dwData))
        AfxMessageBox(AFX_IDP_FAILED_TO_LAUNCH_HELP);
}

void CWinApp::OnHelp()
{
    WinHelp(0, HELP_CONTENTS);
}

void CWinApp::OnHelpFinder()
{
    WinHelp(0, HELP_FINDER);
}
