#include "core/threadslot.h"
#include "win/winstate.h"

namespace {

void DeleteTemporaries(std::unordered_map<HWND, CWnd*>& map)
{
    for (auto& entry : map) {
        entry.second->m_hWnd = nullptr;  // a temporary never destroys its window
        delete entry.second;
    }
    AfxCountTemporary(-static_cast<int>(map.size()));
    map.clear();
}

}  // namespace

AfxWinThreadState& AfxGetWinThreadState()
{
    static AfxThreadSlot<AfxWinThreadState> s_slot;
    return s_slot.Get();
}

AfxWinThreadState::~AfxWinThreadState()
{
    DeleteTemporaries(temporaryMap);
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
        AfxCountTemporary(1);
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
    DeleteTemporaries(AfxGetWinThreadState().temporaryMap);
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
