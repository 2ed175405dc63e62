#include "strelmainapp.h"

#include <afxdisp.h>
#include <cstdlib>

#include "mirtpath.h"
#include "strelmaindlg.h"

BEGIN_MESSAGE_MAP(CStrelMainApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

CStrelMainApp::CStrelMainApp() : m_bMutexCreated(0), m_hMutex(nullptr)
{
}

BOOL CStrelMainApp::ClaimSingleInstance()
{
    // Created and checked in one call, so that of two launchers started
    // together only one keeps running.
    m_hMutex = ::CreateMutexA(nullptr, FALSE, STRELMAIN_MUTEX);
    if (m_hMutex != nullptr && ::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(m_hMutex);
        m_hMutex = nullptr;
        HWND hRunning = ::FindWindowA(nullptr, STRELMAIN_TITLE);
        if (hRunning != nullptr) {
            ::SetForegroundWindow(hRunning);
            ::ShowWindow(hRunning, SW_SHOWNORMAL);
        }
        return FALSE;
    }
    m_bMutexCreated = m_hMutex != nullptr;
    return TRUE;
}

BOOL CStrelMainApp::InitInstance()
{
    // The programs the launcher starts inherit this folder.
    ::SetCurrentDirectoryA(MirtInstallPath("\\exe"));
    if (!ClaimSingleInstance())
        return FALSE;
    AfxEnableControlContainer();
    Enable3dControls();
    std::free(const_cast<LPSTR>(m_pszHelpFilePath));
    m_pszHelpFilePath = _strdup(MirtInstallPath("\\exe\\DevEdiz.hlp"));

    CStrelMainDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    // The modal loop leaves its last message here, whose wParam would
    // become the exit code; a launcher that closed normally ends with 0.
    m_msgCur = MSG();
    return FALSE;
}

int CStrelMainApp::ExitInstance()
{
    ::ReleaseMutex(m_hMutex);
    if (m_bMutexCreated == 1)
        ::CloseHandle(m_hMutex);
    return CWinApp::ExitInstance();
}
