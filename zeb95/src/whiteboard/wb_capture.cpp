#include "whiteboard/wb_capture.h"

#include <algorithm>

#include "dib/dib_convert.h"
#include "dib/dib_draw.h"
#include "dib/dib_handle.h"
#include "dib/palette.h"
#include "draw/scroll_bars.h"
#include "library/library_state.h"
#include "objects/obj_classes.h"
#include "whiteboard/child_draw.h"
#include "whiteboard/wb_record.h"
#include "whiteboard/wb_text_paint.h"

namespace {

struct Region
{
    POINT pt;
    SIZE size;
};

LONG Clamp(LONG n, LONG nLow, LONG nHigh) { return std::max(nLow, std::min(n, nHigh)); }

// The region inside an area of W x H at (0, 0); false when it is empty.
bool GetRegion(const RECT& rcArea, const POINT* pOrigin, const SIZE* pSize, Region* pRegion)
{
    const LONG nWidth = rcArea.right - rcArea.left;
    const LONG nHeight = rcArea.bottom - rcArea.top;
    POINT pt = {0, 0};
    if (pOrigin != nullptr)
        pt = {Clamp(pOrigin->x, rcArea.left, rcArea.right - 1), Clamp(pOrigin->y, rcArea.top, rcArea.bottom - 1)};
    SIZE size = {pSize != nullptr && pSize->cx >= 1 ? pSize->cx : nWidth,
                 pSize != nullptr && pSize->cy >= 1 ? pSize->cy : nHeight};
    size.cx = std::min(size.cx, nWidth - pt.x);
    size.cy = std::min(size.cy, nHeight - pt.y);
    *pRegion = {pt, size};
    return size.cx >= 1 && size.cy >= 1;
}

// Last to first, so that the first item, on top of the others on screen,
// is drawn last; through a copy dithered onto hFixed when it is given.
void DrawBmpItems(ZebWbRecord* pWb, HDC hdc, HPALETTE hFixed)
{
    const POINT origin = pWb->Head().Origin();
    HPALETTE hOld = hFixed != nullptr ? ::SelectPalette(hdc, hFixed, FALSE) : nullptr;
    ::RealizePalette(hdc);
    for (LONG i = pWb->ChildCount(kWbBmpItemSlot) - 1; i >= 0; --i) {
        const ZebWbBmpItem& item = pWb->BmpItems()[i];
        HGLOBAL hDraw = hFixed != nullptr ? DitherDibToFixedPalette(item.hDib, FALSE) : item.hDib;
        DrawDibStretch(hdc, item.pt.x - origin.x, item.pt.y - origin.y, item.size.cx, item.size.cy, hDraw, 0, 0,
                       item.size.cx, item.size.cy, SRCCOPY);
        if (hDraw != item.hDib)
            DestroyDib(hDraw);
    }
    if (hOld != nullptr)
        ::SelectPalette(hdc, hOld, FALSE);
}

// Every visible child (by its own style, so that a hidden whiteboard is
// drawn whole) from the bottom of the z-order up; the bitmap item windows
// were drawn as items.
void DrawChildren(HWND hWb, HDC hdc, const RECT& rcClip, HPALETTE hFixed)
{
    HWND hTop = ::GetWindow(hWb, GW_CHILD);
    for (HWND h = hTop != nullptr ? ::GetWindow(hTop, GW_HWNDLAST) : nullptr; h != nullptr;
         h = ::GetWindow(h, GW_HWNDPREV)) {
        const bool bVisible = (::GetWindowLongPtrA(h, GWL_STYLE) & WS_VISIBLE) != 0;
        if (bVisible && !IsWbBmpItemWindow(h))
            DrawChildToDC(hWb, h, hdc, &rcClip, hFixed);
    }
}

void DrawWhiteBoard(HWND hWb, ZebWbRecord* pWb, HDC hdc, const RECT& rcArea, HPALETTE hFixed)
{
    ::SendMessageA(hWb, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
    WbPaintTextItems(hWb, hdc);
    DrawBmpItems(pWb, hdc, hFixed);
    DrawChildren(hWb, hdc, rcArea, hFixed);
}

// A new bitmap of the region copied out of the memory DC, or null.
HBITMAP CopyRegion(HDC hScreen, HDC hMem, const Region& region)
{
    HBITMAP hPart = ::CreateCompatibleBitmap(hScreen, region.size.cx, region.size.cy);
    HDC hPartDc = ::CreateCompatibleDC(hScreen);
    if (hPart == nullptr || hPartDc == nullptr) {
        if (hPart != nullptr)
            ::DeleteObject(hPart);
        if (hPartDc != nullptr)
            ::DeleteDC(hPartDc);
        return nullptr;
    }
    HGDIOBJ hOld = ::SelectObject(hPartDc, hPart);
    ::BitBlt(hPartDc, 0, 0, region.size.cx, region.size.cy, hMem, region.pt.x, region.pt.y, SRCCOPY);
    ::SelectObject(hPartDc, hOld);
    ::DeleteDC(hPartDc);
    return hPart;
}

// The whole area drawn, then the region handed out: a bitmap, or null.
HBITMAP Capture(HWND hWb, ZebWbRecord* pWb, HDC hScreen, const RECT& rcArea, const Region& region, HPALETTE hFixed)
{
    HBITMAP hFull = ::CreateCompatibleBitmap(hScreen, rcArea.right, rcArea.bottom);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HBITMAP hResult = nullptr;
    if (hFull != nullptr && hMem != nullptr) {
        HGDIOBJ hOld = ::SelectObject(hMem, hFull);
        DrawWhiteBoard(hWb, pWb, hMem, rcArea, hFixed);
        const bool bWhole = region.size.cx == rcArea.right && region.size.cy == rcArea.bottom;
        hResult = bWhole ? hFull : CopyRegion(hScreen, hMem, region);
        ::SelectObject(hMem, hOld);
    }
    if (hMem != nullptr)
        ::DeleteDC(hMem);
    if (hFull != nullptr && hFull != hResult)
        ::DeleteObject(hFull);
    return hResult;
}

}  // namespace

BOOL CaptureWhiteBoard(HWND hWb, const POINT* pOrigin, const SIZE* pSize, HBITMAP* phBitmap, HPALETTE* phPalette,
                       int* pnBitsPixel)
{
    ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(hWb));
    RECT rcArea = {};
    Region region = {};
    if (pWb == nullptr || phBitmap == nullptr)
        return FALSE;
    GetClientRectWithScrollBars(hWb, &rcArea);
    if (!GetRegion(rcArea, pOrigin, pSize, &region))
        return FALSE;
    HPALETTE hFixed = ZebPaletteDisplay() ? CreateFixedPalette() : nullptr;
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hBitmap = Capture(hWb, pWb, hScreen, rcArea, region, hFixed);
    const int nBitsPixel = ::GetDeviceCaps(hScreen, PLANES) * ::GetDeviceCaps(hScreen, BITSPIXEL);
    ::ReleaseDC(nullptr, hScreen);
    if (hBitmap == nullptr || phPalette == nullptr) {
        if (hFixed != nullptr)
            ::DeleteObject(hFixed);
        hFixed = nullptr;
    }
    if (hBitmap == nullptr)
        return FALSE;
    *phBitmap = hBitmap;
    if (phPalette != nullptr)
        *phPalette = hFixed;
    if (pnBitsPixel != nullptr)
        *pnBitsPixel = nBitsPixel;
    return TRUE;
}
