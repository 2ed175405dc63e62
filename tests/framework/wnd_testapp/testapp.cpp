// A program of the window tests made of a CWinApp object alone: the
// framework's WinMain runs it. Its exit code tells what happened: 42 when
// InitInstance, the main window's message, the idle call and ExitInstance
// all ran in order.
#include "afxwin.h"

namespace {

const UINT WM_STEP = 0x591;

class CStepWnd : public CWnd
{
protected:
    afx_msg LRESULT OnStep(WPARAM, LPARAM)
    {
        DestroyWindow();   // the main window's end quits the program
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CStepWnd, CWnd)
    ON_MESSAGE(WM_STEP, OnStep)
END_MESSAGE_MAP()

class CTestApp : public CWinApp
{
public:
    CTestApp() : CWinApp("WndTestApp") {}

    BOOL InitInstance() override
    {
        m_pMainWnd = &m_wnd;
        return m_wnd.CreateEx(0, nullptr, m_pszAppName, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr);
    }

    BOOL OnIdle(LONG lCount) override
    {
        if (!m_bIdled && m_pMainWnd != nullptr) {
            m_bIdled = true;
            m_pMainWnd->PostMessage(WM_STEP);
        }
        return CWinApp::OnIdle(lCount);
    }

    int ExitInstance() override
    {
        const bool bQuitByMainWnd = m_pMainWnd == nullptr && m_msgCur.message == WM_QUIT;
        return CWinApp::ExitInstance() + (m_bIdled && bQuitByMainWnd ? 42 : 1);
    }

private:
    CStepWnd m_wnd;
    bool m_bIdled = false;
};

CTestApp theApp;

}  // namespace
