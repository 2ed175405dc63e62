#include "afxpriv.h"
#include "win/winstate.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

namespace {

const UINT WM_SYSTIMER = 0x0118;   // the caret's blink timer

BOOL PumpInto(MSG& msg, CWinThread* pThread)
{
    if (::GetMessageA(&msg, nullptr, 0, 0) <= 0)
        return FALSE;
    const BOOL bTranslated = pThread != nullptr ? pThread->PreTranslateMessage(&msg)
                                                : CWnd::WalkPreTranslateTree(nullptr, &msg);
    if (!bTranslated) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return TRUE;
}

}  // namespace

CWinThread* AfxGetThread()
{
    return AfxGetWinThreadState().pCurrentThread;
}

CWnd* AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr ? pThread->GetMainWnd() : nullptr;
}

BOOL AfxPumpMessage()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr ? pThread->PumpMessage() : PumpInto(AfxGetWinThreadState().msgCur, nullptr);
}

MSG& AfxGetPumpedMessage()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr ? pThread->m_msgCur : AfxGetWinThreadState().msgCur;
}

BOOL AfxIsIdleMessage(MSG* pMsg)
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr)
        return pThread->IsIdleMessage(pMsg);
    return pMsg->message != WM_PAINT && pMsg->message != WM_SYSTIMER;
}

CWinThread::CWinThread()
    : m_pMainWnd(nullptr), m_hThread(nullptr), m_nThreadID(0), m_msgCur(), m_ptCursorLast{-1, -1}, m_nMsgLast(0)
{
}

CWnd* CWinThread::GetMainWnd()
{
    return m_pMainWnd;
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::ExitInstance()
{
    return static_cast<int>(m_msgCur.wParam);
}

int CWinThread::Run()
{
    bool bIdle = true;
    LONG lIdleCount = 0;
    for (;;) {
        MSG msgPeek;
        while (bIdle && !::PeekMessageA(&msgPeek, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++))
                bIdle = false;
        }
        if (!PumpMessage())
            return ExitInstance();
        if (IsIdleMessage(&m_msgCur)) {
            bIdle = true;
            lIdleCount = 0;
        }
    }
}

BOOL CWinThread::PumpMessage()
{
    return PumpInto(m_msgCur, this);
}

BOOL CWinThread::OnIdle(LONG)
{
    AfxDeleteTempMaps();
    return FALSE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    return CWnd::WalkPreTranslateTree(GetMainWnd()->GetSafeHwnd(), pMsg);
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
        // The same move again (as after a tool tip) is not new input.
        if (m_nMsgLast == pMsg->message && m_ptCursorLast.x == pMsg->pt.x && m_ptCursorLast.y == pMsg->pt.y)
            return FALSE;
        m_ptCursorLast = pMsg->pt;
        m_nMsgLast = pMsg->message;
        return TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != WM_SYSTIMER;
}
