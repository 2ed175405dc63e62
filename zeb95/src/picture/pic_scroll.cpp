#include "picture/pic_scroll.h"

#include "dib/dib_handle.h"
#include "draw/scroll_bars.h"
#include "picture/pic_record.h"

namespace {

struct BarSetting
{
    LONG nOverflow;  // 0: the bar is hidden
    LONG nPage;
};

void SetBar(HWND hwnd, int nBar, const BarSetting& bar, BOOL bRedraw)
{
    SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
    if (bar.nOverflow > 0) {
        si.nMax = bar.nPage + bar.nOverflow - 1;
        si.nPage = static_cast<UINT>(bar.nPage);
    }
    ::SetScrollInfo(hwnd, nBar, &si, bRedraw);
}

bool ShowsActualSize(const ZebPicRecord& rec)
{
    return rec.ActualSize() && rec.Stretch() == 0 && rec.Picture() != nullptr;
}

int StepFor(HWND hwnd, int nBar, int nCode, int nPos, const SCROLLINFO& si)
{
    RECT rc;
    ::GetClientRect(hwnd, &rc);
    const int nHalfPage = (nBar == SB_HORZ ? rc.right : rc.bottom) / 2;
    switch (nCode) {
    case SB_LINEUP: return si.nPos - 1;
    case SB_LINEDOWN: return si.nPos + 1;
    case SB_PAGEUP: return si.nPos - nHalfPage;
    case SB_PAGEDOWN: return si.nPos + nHalfPage;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: return nPos;
    case SB_TOP: return si.nMin;
    case SB_BOTTOM: return si.nMax;
    default: return si.nPos;
    }
}

}  // namespace

void UpdatePicScrollBars(HWND hwnd)
{
    ZebPicRecord* pRec = ZebPicRecord::Of(hwnd);
    if (pRec == nullptr)
        return;
    BarSetting horz = {0, 0};
    BarSetting vert = {0, 0};
    if (ShowsActualSize(*pRec)) {
        RECT rcDib;
        GetDibRect(pRec->Picture(), &rcDib);
        RECT rc;
        GetClientRectWithScrollBars(hwnd, &rc);
        const LONG cxV = ::GetSystemMetrics(SM_CXVSCROLL);
        const LONG cyH = ::GetSystemMetrics(SM_CYHSCROLL);
        const LONG W = rcDib.right, H = rcDib.bottom;
        if (W <= rc.right && H <= rc.bottom) {
            // fits: no bar
        } else if (W <= rc.right - cxV) {
            vert = {H - rc.bottom, rc.bottom};
        } else if (H > rc.bottom - cyH) {
            horz = {W - (rc.right - cxV), rc.right - cxV};
            vert = {H - (rc.bottom - cyH), rc.bottom - cyH};
        } else {
            horz = {W - rc.right, rc.right};
        }
    }
    SetBar(hwnd, SB_HORZ, horz, FALSE);
    SetBar(hwnd, SB_VERT, vert, TRUE);
}

void OnPicScroll(HWND hwnd, int nBar, WPARAM wParam)
{
    SCROLLINFO si = {sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
    if (!::GetScrollInfo(hwnd, nBar, &si))
        return;
    const int nMaxPos = si.nMax - static_cast<int>(si.nPage) + 1;
    int nNew = StepFor(hwnd, nBar, LOWORD(wParam), static_cast<int>(HIWORD(wParam)), si);
    if (nNew > nMaxPos)
        nNew = nMaxPos;
    if (nNew < 0)
        nNew = 0;
    if (nNew == si.nPos)
        return;
    ::SetScrollPos(hwnd, nBar, nNew, TRUE);
    const int nDelta = si.nPos - nNew;
    ::ScrollWindowEx(hwnd, nBar == SB_HORZ ? nDelta : 0, nBar == SB_VERT ? nDelta : 0, nullptr, nullptr, nullptr,
                     nullptr, SW_INVALIDATE);
    ::UpdateWindow(hwnd);
}

POINT PicScrollOrigin(HWND hwnd)
{
    ZebPicRecord* pRec = ZebPicRecord::Of(hwnd);
    if (pRec == nullptr || !ShowsActualSize(*pRec))
        return {0, 0};
    return {::GetScrollPos(hwnd, SB_HORZ), ::GetScrollPos(hwnd, SB_VERT)};
}
