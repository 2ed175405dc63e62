#include "strelmainapp.h"
#include <cstdlib>
#include "mirtenv.h"

CStrelMainApp theApp;

CStrelMainApp::CStrelMainApp() : m_bMutexCreated(0), m_hMutex(nullptr)
{
}

BOOL CStrelMainApp::InitInstance()
{
    CString root;
    {
        CMirtEnv env;
        root = env.m_strInstallRoot;
    }
    // The programs the launcher starts inherit this folder.
    ::SetCurrentDirectoryA(root + "\\exe");

    HANDLE hOther = ::OpenMutexA(MUTEX_ALL_ACCESS, FALSE, STRELMAIN_MUTEX);
    if (hOther != nullptr) {
        HWND hRunning = ::FindWindowA(nullptr, STRELMAIN_TITLE);
        if (hRunning != nullptr) {
            ::SetForegroundWindow(hRunning);
            ::ShowWindow(hRunning, SW_SHOWNORMAL);
        }
        ::CloseHandle(hOther);
        return FALSE;
    }
    m_hMutex = ::CreateMutexA(nullptr, FALSE, STRELMAIN_MUTEX);
    m_bMutexCreated = m_hMutex != nullptr;

    std::free(const_cast<LPSTR>(m_pszHelpFilePath));
    m_pszHelpFilePath = _strdup(root + "\\exe\\DevEdiz.hlp");
    return CreateMainWindow();
}

// The launcher's window until its main dialog takes its place.
BOOL CStrelMainApp::CreateMainWindow()
{
    LPCSTR wndClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW),
                                          reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!m_wndMain.CreateEx(0, wndClass, STRELMAIN_TITLE, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                            640, 480, nullptr, nullptr))
        return FALSE;
    m_pMainWnd = &m_wndMain;
    m_wndMain.ShowWindow(m_nCmdShow);
    m_wndMain.UpdateWindow();
    return TRUE;
}

int CStrelMainApp::ExitInstance()
{
    ::ReleaseMutex(m_hMutex);
    if (m_bMutexCreated == 1)
        ::CloseHandle(m_hMutex);
    return CWinApp::ExitInstance();
}
