#include "tolvaneapp.h"

CTolvaneApp theApp;

// The main window until the document template and main frame arrive.
BOOL CTolvaneApp::InitInstance()
{
    if (!m_wndMain.CreateEx(0, AfxRegisterWndClass(0), "Tolvane", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                            CW_USEDEFAULT, 800, 600, nullptr, nullptr))
        return FALSE;
    m_pMainWnd = &m_wndMain;
    m_wndMain.ShowWindow(m_nCmdShow);
    return TRUE;
}
