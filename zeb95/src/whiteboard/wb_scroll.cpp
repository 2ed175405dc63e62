#include "whiteboard/wb_scroll.h"

#include "draw/scroll_bars.h"
#include "whiteboard/wb_record.h"

void WbSetScrollBars(HWND hwnd)
{
    ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(hwnd));
    if (pWb == nullptr)
        return;
    const DWORD dwStyle = pWb->Head().Style();
    const SIZE page = pWb->Head().PageSize();
    RECT rcClient;
    GetClientRectWithScrollBars(hwnd, &rcClient);
    SIZE extent = {rcClient.right - rcClient.left, rcClient.bottom - rcClient.top};
    const bool bBoth = (dwStyle & (WS_HSCROLL | WS_VSCROLL)) != 0 && page.cx > 0 && page.cy > 0;
    if (page.cx > 0 && (bBoth || (dwStyle & WS_HSCROLL) != 0))
        extent.cx = page.cx;
    if (page.cy > 0 && (bBoth || (dwStyle & WS_VSCROLL) != 0))
        extent.cy = page.cy;
    SetObjScrollBars(hwnd, &extent, WS_HSCROLL | WS_VSCROLL);
}

namespace {

// The step of a code over a visible length; nCurrent is the bar position.
LONG ScrollStep(int nCode, LONG nVisible, LONG nCurrent, int nPosition)
{
    switch (nCode) {
    case SB_LINEUP: return -(nVisible / 16) - 1;
    case SB_LINEDOWN: return nVisible / 16 + 1;
    case SB_PAGEUP: return -(nVisible / 2) - 1;
    case SB_PAGEDOWN: return nVisible / 2 + 1;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: return nPosition - nCurrent;
    default: return 0;  // the origin is brought back to the bar
    }
}

}  // namespace

void WbScroll(HWND hwnd, int nBar, int nCode, int nPosition)
{
    ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(hwnd));
    if (pWb == nullptr)
        return;
    if (nCode == SB_ENDSCROLL) {
        ::InvalidateRect(hwnd, nullptr, TRUE);
        return;
    }
    const bool bHorz = nBar == SB_HORZ;
    RECT rcClient;
    ::GetClientRect(hwnd, &rcClient);
    const LONG nVisible = bHorz ? rcClient.right : rcClient.bottom;
    SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_POS};
    ::GetScrollInfo(hwnd, nBar, &si);
    LONG nNew = si.nPos + ScrollStep(nCode, nVisible, si.nPos, nPosition);
    if (nNew > si.nMax - nVisible)
        nNew = si.nMax - nVisible;
    if (nNew < si.nMin)
        nNew = si.nMin;
    POINT origin = pWb->Head().Origin();
    LONG& nOrigin = bHorz ? origin.x : origin.y;
    const LONG nDelta = nOrigin - nNew;
    if (nDelta == 0)
        return;
    nOrigin = nNew;
    pWb->Head().SetOrigin(origin);
    ::ScrollWindow(hwnd, bHorz ? nDelta : 0, bHorz ? 0 : nDelta, nullptr, nullptr);
    ::SetScrollPos(hwnd, nBar, nNew, TRUE);
}

void WbOnScrollMessage(HWND hwnd, int nBar, WPARAM wParam)
{
    const int nCode = LOWORD(wParam);
    int nPosition = HIWORD(wParam);
    if (nCode == SB_THUMBPOSITION || nCode == SB_THUMBTRACK) {
        SCROLLINFO si = {sizeof(si), SIF_TRACKPOS};
        ::GetScrollInfo(hwnd, nBar, &si);
        nPosition = si.nTrackPos;
    }
    WbScroll(hwnd, nBar, nCode, nPosition);
}
