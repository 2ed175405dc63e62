// Modal loops of CWnd.
#include "win/winstate.h"

namespace {
AFX_MODALLOOP_HOOK g_modalLoopHook = nullptr;
}

AFX_MODALLOOP_HOOK AfxSetModalLoopHook(AFX_MODALLOOP_HOOK hook)
{
    const AFX_MODALLOOP_HOOK previous = g_modalLoopHook;
    g_modalLoopHook = hook;
    return previous;
}

void AfxRunModalLoopHook(CWnd* pModalWnd)
{
    if (g_modalLoopHook != nullptr)
        g_modalLoopHook(pModalWnd);
}

int CWnd::RunModalLoop(DWORD dwFlags)
{
    m_nFlags |= WF_MODALLOOP | WF_CONTINUEMODAL;
    bool bIdle = true;
    bool bHookCalled = false;
    LONG lIdleCount = 0;
    MSG msgPeek;
    while (ContinueModal()) {
        if (bIdle && !::PeekMessageA(&msgPeek, nullptr, 0, 0, PM_NOREMOVE)) {
            if ((dwFlags & MLF_SHOWONIDLE) && !IsWindowVisible()) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
            }
            if (!bHookCalled) {
                bHookCalled = true;
                if (g_modalLoopHook != nullptr)
                    g_modalLoopHook(this);
            } else if (!SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++)) {
                bIdle = false;
            }
            continue;
        }
        if (!AfxPumpMessage()) {
            // Leave WM_QUIT for the loop outside.
            ::PostQuitMessage(static_cast<int>(AfxGetPumpedMessage().wParam));
            m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
            return -1;
        }
        if (AfxIsIdleMessage(&AfxGetPumpedMessage())) {
            bIdle = true;
            lIdleCount = 0;
        }
    }
    m_nFlags &= ~WF_MODALLOOP;
    return m_nModalResult;
}

BOOL CWnd::ContinueModal()
{
    return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        PostMessage(WM_NULL);   // wakes the loop up
    }
}
