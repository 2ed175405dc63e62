// CWnd's relations: owners, top-level parents, parent frames, descendants
// and centring.
#include "win/winstate.h"

namespace {

// The window itself if it is not a child, else its first ancestor that is not.
HWND FirstNonChild(HWND hWnd)
{
    while (hWnd != nullptr && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    return hWnd;
}

// The last window up the chain of parents and owners.
HWND Outermost(HWND hWnd)
{
    for (HWND hWndUp = hWnd; hWndUp != nullptr; hWndUp = ::GetParent(hWndUp))
        hWnd = hWndUp;
    return hWnd;
}

// The child of hWnd with the id nID, or, failing that, the first such
// descendant of its children in their order.
HWND FindDescendant(HWND hWnd, int nID)
{
    if (HWND hWndChild = ::GetDlgItem(hWnd, nID))
        return hWndChild;
    for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild != nullptr;
         hWndChild = ::GetNextWindow(hWndChild, GW_HWNDNEXT)) {
        if (HWND hWndFound = FindDescendant(hWndChild, nID))
            return hWndFound;
    }
    return nullptr;
}

}  // namespace

CWnd* CWnd::GetSafeOwner(CWnd* pParent, HWND* pWndTop)
{
    HWND hWnd = FirstNonChild(pParent != nullptr ? pParent->m_hWnd : AfxGetMainWnd()->GetSafeHwnd());
    const HWND hWndTop = Outermost(hWnd);
    if (pParent == nullptr && hWnd != nullptr)
        hWnd = ::GetLastActivePopup(hWnd);
    if (pWndTop != nullptr) {
        *pWndTop = nullptr;
        if (hWndTop != nullptr && hWndTop != hWnd && ::IsWindowEnabled(hWndTop)) {
            ::EnableWindow(hWndTop, FALSE);
            *pWndTop = hWndTop;
        }
    }
    return FromHandle(hWnd);
}

CWnd* CWnd::GetTopLevelParent() const
{
    return FromHandle(Outermost(m_hWnd));
}

CFrameWnd* CWnd::GetParentFrame() const
{
    for (HWND hWnd = ::GetParent(m_hWnd); hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            return static_cast<CFrameWnd*>(pWnd);
    }
    return nullptr;
}

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const
{
    const HWND hWndFound = FindDescendant(m_hWnd, nID);
    if (hWndFound == nullptr)
        return nullptr;
    return bOnlyPerm ? FromHandlePermanent(hWndFound) : FromHandle(hWndFound);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm)
{
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr;
         hWndChild = ::GetNextWindow(hWndChild, GW_HWNDNEXT)) {
        if (!bOnlyPerm) {
            ::SendMessageA(hWndChild, message, wParam, lParam);
        } else if (CWnd* pChild = FromHandlePermanent(hWndChild)) {
            pChild->SendMessage(message, wParam, lParam);
        }
        if (bDeep && ::GetTopWindow(hWndChild) != nullptr)
            FromHandle(hWndChild)->SendMessageToDescendants(message, wParam, lParam, bDeep, bOnlyPerm);
    }
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    const bool bChild = (GetStyle() & WS_CHILD) != 0;
    HWND hWndCenter = pAlternateOwner != nullptr ? pAlternateOwner->m_hWnd
                                                 : (bChild ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER));
    // Against the area it may occupy: the parent's client area for a
    // child (and the area centred on, when it is the parent), else the work
    // area of the monitor.
    RECT rcArea;
    if (bChild) {
        ::GetClientRect(::GetParent(m_hWnd), &rcArea);
    } else {
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcArea, 0);
    }
    RECT rcCenter = rcArea;
    const bool bOverParent = bChild && hWndCenter == ::GetParent(m_hWnd);
    if (hWndCenter != nullptr && !bOverParent &&
        (bChild || (::IsWindowVisible(hWndCenter) && !::IsIconic(hWndCenter)))) {
        ::GetWindowRect(hWndCenter, &rcCenter);
        if (bChild)
            ::MapWindowPoints(nullptr, ::GetParent(m_hWnd), reinterpret_cast<POINT*>(&rcCenter), 2);
    }
    RECT rcWnd;
    ::GetWindowRect(m_hWnd, &rcWnd);
    const int cx = rcWnd.right - rcWnd.left;
    const int cy = rcWnd.bottom - rcWnd.top;
    int x = (rcCenter.left + rcCenter.right - cx) / 2;
    int y = (rcCenter.top + rcCenter.bottom - cy) / 2;
    // Kept inside the area where it fits.
    x = x + cx > rcArea.right ? rcArea.right - cx : x;
    x = x < rcArea.left ? rcArea.left : x;
    y = y + cy > rcArea.bottom ? rcArea.bottom - cy : y;
    y = y < rcArea.top ? rcArea.top : y;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
