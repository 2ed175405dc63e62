#include "draw/scroll_bars.h"

#include "globalmem.h"

namespace {

// The visible sizes in the extent's units: the whole client area, and the
// area less the other bar (W - V, H - S).
struct VisibleSizes
{
    LONG nWidth;
    LONG nHeight;
    LONG nWidthLessBar;
    LONG nHeightLessBar;
};

// Range 0 to nLength - 1 (0 when nLength is below 1) with the page.
void SetBar(HWND hwnd, int nBar, LONG nLength, LONG nPage, BOOL bRedraw)
{
    SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE, 0, nLength >= 1 ? nLength - 1 : 0,
                     static_cast<UINT>(nPage), 0, 0};
    ::SetScrollInfo(hwnd, nBar, &si, bRedraw);
}

void RemoveBar(HWND hwnd, int nBar) { ::SetScrollRange(hwnd, nBar, 0, 0, TRUE); }

void ApplyBars(HWND hwnd, SIZE* pExtent, DWORD dwBars, const VisibleSizes& v)
{
    switch (dwBars & (WS_HSCROLL | WS_VSCROLL)) {
    case WS_HSCROLL:
        pExtent->cy = pExtent->cx > v.nWidth ? v.nHeightLessBar : v.nHeight;
        RemoveBar(hwnd, SB_VERT);
        SetBar(hwnd, SB_HORZ, pExtent->cx, v.nWidth, TRUE);
        break;
    case WS_VSCROLL:
        pExtent->cx = pExtent->cy > v.nHeight ? v.nWidthLessBar : v.nWidth;
        RemoveBar(hwnd, SB_HORZ);
        SetBar(hwnd, SB_VERT, pExtent->cy, v.nHeight, TRUE);
        break;
    case WS_HSCROLL | WS_VSCROLL: {
        LONG nWidth = v.nWidth, nHeight = v.nHeight, nOverX = 0, nOverY = 0;
        const bool bFits = pExtent->cx <= v.nWidth && pExtent->cy <= v.nHeight;
        if (!bFits && pExtent->cx > v.nWidthLessBar && pExtent->cy > v.nHeightLessBar) {
            nWidth = v.nWidthLessBar;
            nHeight = v.nHeightLessBar;
            nOverX = pExtent->cx - nWidth;
            nOverY = pExtent->cy - nHeight;
        } else if (!bFits && pExtent->cx > v.nWidthLessBar) {
            nOverX = pExtent->cx - nWidth;
        } else if (!bFits) {
            nOverY = pExtent->cy - nHeight;
        }
        SetBar(hwnd, SB_HORZ, nOverX >= 1 ? nOverX + nWidth : 0, nWidth, FALSE);
        SetBar(hwnd, SB_VERT, nOverY >= 1 ? nOverY + nHeight : 0, nHeight, TRUE);
        break;
    }
    default:
        *pExtent = {v.nWidth, v.nHeight};
        RemoveBar(hwnd, SB_HORZ);
        RemoveBar(hwnd, SB_VERT);
        break;
    }
}

// Client sizes of the window, converted by toUnits, applied under the
// routine's own nesting flag.
template <class F>
void UpdateBars(bool* pbBusy, HWND hwnd, SIZE* pExtent, DWORD dwBars, F toUnits)
{
    if (*pbBusy)
        return;
    *pbBusy = true;
    CScopeExit done([pbBusy] { *pbBusy = false; });
    RECT rc;
    GetClientRectWithScrollBars(hwnd, &rc);
    const LONG W = rc.right - rc.left, H = rc.bottom - rc.top;
    const VisibleSizes v = {toUnits(W), toUnits(H), toUnits(W - ::GetSystemMetrics(SM_CXVSCROLL)),
                            toUnits(H - ::GetSystemMetrics(SM_CYHSCROLL))};
    ApplyBars(hwnd, pExtent, dwBars, v);
}

bool g_bSettingBars = false;
bool g_bSettingZoomedBars = false;

}  // namespace

void GetClientRectWithScrollBars(HWND hwnd, RECT* pRect)
{
    ::GetClientRect(hwnd, pRect);
    const LONG style = ::GetWindowLongA(hwnd, GWL_STYLE);
    if ((style & WS_VSCROLL) != 0)
        pRect->right += ::GetSystemMetrics(SM_CXVSCROLL);
    if ((style & WS_HSCROLL) != 0)
        pRect->bottom += ::GetSystemMetrics(SM_CYHSCROLL);
}

void SetObjScrollBars(HWND hwnd, SIZE* pExtent, DWORD dwBars)
{
    UpdateBars(&g_bSettingBars, hwnd, pExtent, dwBars, [](LONG n) { return n; });
}

void SetObjScrollBarsZoomed(HWND hwnd, SIZE* pExtent, DWORD dwBars, int nZoom)
{
    if (nZoom == 100 || nZoom < 1) {
        SetObjScrollBars(hwnd, pExtent, dwBars);
        return;
    }
    UpdateBars(&g_bSettingZoomedBars, hwnd, pExtent, dwBars,
               [nZoom](LONG n) { return static_cast<LONG>((n * 200LL + nZoom) / (2LL * nZoom)); });
}
