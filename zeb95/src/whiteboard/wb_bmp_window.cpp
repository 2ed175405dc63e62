#include "whiteboard/wb_bmp_window.h"

#include "dib/dib_draw.h"
#include "objects/global_mem.h"
#include "objects/obj_classes.h"
#include "whiteboard/wb_record.h"

namespace {

const int kCopyWord = sizeof(LONG_PTR);

bool CreateCopy(HWND hwnd)
{
    void* pCopy = LockedGlobalAlloc(GHND, sizeof(ZebWbBmpItem));
    ::SetWindowLongPtrA(hwnd, kCopyWord, reinterpret_cast<LONG_PTR>(pCopy));
    return pCopy != nullptr;
}

void FreeCopy(HWND hwnd)
{
    LockedGlobalFree(WbBmpItemOfWindow(hwnd));
    ::SetWindowLongPtrA(hwnd, kCopyWord, 0);
}

void Paint(HWND hwnd, HDC hdcGiven)
{
    PAINTSTRUCT ps;
    HDC hdc = hdcGiven != nullptr ? hdcGiven : ::BeginPaint(hwnd, &ps);
    const ZebWbBmpItem* pItem = WbBmpItemOfWindow(hwnd);
    if (pItem != nullptr && pItem->hDib != nullptr) {
        RECT rc;
        ::GetClientRect(hwnd, &rc);
        HPALETTE hOld = pItem->hPalette != nullptr ? ::SelectPalette(hdc, pItem->hPalette, TRUE) : nullptr;
        ::RealizePalette(hdc);
        DrawDibStretch(hdc, 0, 0, rc.right, rc.bottom, pItem->hDib, 0, 0, pItem->size.cx, pItem->size.cy, SRCCOPY);
        if (hOld != nullptr)
            ::SelectPalette(hdc, hOld, TRUE);
    }
    if (hdcGiven == nullptr)
        ::EndPaint(hwnd, &ps);
}

// Realizes the item's palette; repaints at once when colours changed. The
// number of entries that changed.
UINT Realize(HWND hwnd, BOOL bBackground)
{
    const ZebWbBmpItem* pItem = WbBmpItemOfWindow(hwnd);
    if (pItem == nullptr || pItem->hPalette == nullptr)
        return 0;
    HDC hdc = ::GetDC(hwnd);
    HPALETTE hOld = ::SelectPalette(hdc, pItem->hPalette, bBackground);
    const UINT nChanged = ::RealizePalette(hdc);
    ::SelectPalette(hdc, hOld, TRUE);
    ::ReleaseDC(hwnd, hdc);
    if (nChanged != 0 && nChanged != GDI_ERROR)
        ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return nChanged == GDI_ERROR ? 0 : nChanged;
}

}  // namespace

ZebWbBmpItem* WbBmpItemOfWindow(HWND hwnd)
{
    if (hwnd == nullptr || !IsWbBmpItemWindow(hwnd))
        return nullptr;
    return reinterpret_cast<ZebWbBmpItem*>(::GetWindowLongPtrA(hwnd, kCopyWord));
}

LRESULT CALLBACK WbBmpItemWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_NCCREATE:
        if (!CreateCopy(hwnd))
            return FALSE;
        break;
    case WM_NCDESTROY:
        FreeCopy(hwnd);
        break;
    case WM_PAINT:
        Paint(hwnd, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_QUERYNEWPALETTE:
        return static_cast<LRESULT>(Realize(hwnd, FALSE));
    case WM_PALETTECHANGED:
        if (reinterpret_cast<HWND>(wParam) != hwnd)
            Realize(hwnd, TRUE);
        return 1;
    default:
        break;
    }
    return ::DefWindowProcA(hwnd, uMsg, wParam, lParam);
}
