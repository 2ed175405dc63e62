#include "winstate.h"

AfxWinThreadState& AfxGetWinThreadState()
{
    // Never freed: window objects destroyed at the program's exit, after
    // the thread's own destructors, still find their maps.
    thread_local AfxWinThreadState* t_pState = nullptr;
    if (t_pState == nullptr)
        t_pState = new AfxWinThreadState;
    return *t_pState;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    if (CWnd* pWnd = FromHandlePermanent(hWnd))
        return pWnd;
    CWnd*& pTemp = AfxGetWinThreadState().temporaryMap[hWnd];
    if (pTemp == nullptr) {
        pTemp = new CWnd;
        pTemp->m_hWnd = hWnd;
    }
    return pTemp;
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    const auto& map = AfxGetWinThreadState().permanentMap;
    const auto it = map.find(hWnd);
    return it != map.end() ? it->second : nullptr;
}

void CWnd::DeleteTempMap()
{
    auto& map = AfxGetWinThreadState().temporaryMap;
    for (auto& entry : map) {
        entry.second->m_hWnd = nullptr;  // a temporary never destroys its window
        delete entry.second;
    }
    map.clear();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == nullptr || m_hWnd != nullptr)
        return FALSE;
    if (!AfxGetWinThreadState().permanentMap.emplace(hWndNew, this).second)
        return FALSE;
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    const HWND hWnd = m_hWnd;
    if (hWnd != nullptr) {
        auto& map = AfxGetWinThreadState().permanentMap;
        const auto it = map.find(hWnd);
        if (it != map.end() && it->second == this)
            map.erase(it);
        m_hWnd = nullptr;
    }
    return hWnd;
}
