#include "draw/object_paint.h"

#include <richedit.h>

#include <vector>

#include "draw/units.h"
#include "objects/obj_dpi.h"

namespace {

struct Resolution
{
    int x;
    int y;
};

Resolution DcResolution(HDC hdc) { return {::GetDeviceCaps(hdc, LOGPIXELSX), ::GetDeviceCaps(hdc, LOGPIXELSY)}; }

Resolution ScreenResolution()
{
    HDC hdc = ::GetDC(nullptr);
    const Resolution r = DcResolution(hdc);
    ::ReleaseDC(nullptr, hdc);
    return r;
}

// The resolution of the whiteboard the window stands on: 96 for each value
// unset or not above 0.
Resolution WhiteBoardResolution(HWND hwnd)
{
    HWND hWb = ::GetParent(hwnd);
    return {GetObjDpiX(hWb), GetObjDpiY(hWb)};
}

// The destination in device pixels.
RECT DeviceDestination(HWND hwnd, HDC hdc, const RECT& dest, const POINT* pOffset)
{
    const Resolution wb = WhiteBoardResolution(hwnd);
    const Resolution dev = DcResolution(hdc);
    RECT rc = {::MulDiv(dest.left, dev.x, wb.x), ::MulDiv(dest.top, dev.y, wb.y), ::MulDiv(dest.right, dev.x, wb.x),
               ::MulDiv(dest.bottom, dev.y, wb.y)};
    if (pOffset != nullptr)
        ::OffsetRect(&rc, TenthMmToPixels(pOffset->x, dev.x), TenthMmToPixels(pOffset->y, dev.y));
    return rc;
}

// Maps the child's client area onto the destination.
void MapClientOnto(HDC hdc, HWND hwnd, const RECT& dest)
{
    RECT rcClient;
    ::GetClientRect(hwnd, &rcClient);
    ::SetMapMode(hdc, MM_ANISOTROPIC);
    ::SetWindowOrgEx(hdc, 0, 0, nullptr);
    ::SetWindowExtEx(hdc, rcClient.right, rcClient.bottom, nullptr);
    ::SetViewportOrgEx(hdc, dest.left, dest.top, nullptr);
    ::SetViewportExtEx(hdc, dest.right - dest.left, dest.bottom - dest.top, nullptr);
}

void PaintInto(HWND hwnd, HDC hdc)
{
    ::SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
    ::SendMessageA(hwnd, WM_PAINT, reinterpret_cast<WPARAM>(hdc), 0);
}

void DrawStatic(HWND hwnd, HDC hdc, const RECT& dest)
{
    const int nSaved = ::SaveDC(hdc);
    MapClientOnto(hdc, hwnd, dest);
    PaintInto(hwnd, hdc);
    ::RestoreDC(hdc, nSaved);
}

LONG FirstVisibleChar(HWND hwnd)
{
    const LRESULT nFirstLine = ::SendMessageA(hwnd, EM_GETFIRSTVISIBLELINE, 0, 0);
    if ((::GetWindowLongA(hwnd, GWL_STYLE) & ES_MULTILINE) == 0)
        return static_cast<LONG>(nFirstLine);
    return static_cast<LONG>(::SendMessageA(hwnd, EM_LINEINDEX, nFirstLine, 0));
}

void DrawRichEdit(HWND hwnd, HDC hdc, const RECT& dest)
{
    const Resolution screen = ScreenResolution();
    const Resolution dev = DcResolution(hdc);
    RECT rcClient;
    ::GetClientRect(hwnd, &rcClient);
    const int nSaved = ::SaveDC(hdc);
    ::SetBkMode(hdc, TRANSPARENT);
    MapClientOnto(hdc, hwnd, dest);
    ::ScaleWindowExtEx(hdc, dev.x, screen.x, dev.y, screen.y, nullptr);
    ::SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
    FORMATRANGE range = {};
    range.hdc = hdc;
    range.hdcTarget = hdc;
    range.rc = {::MulDiv(dest.left, 1440, screen.x), ::MulDiv(dest.top, 1440, screen.y),
                ::MulDiv(dest.left, 1440, screen.x) + ::MulDiv(dest.right - dest.left, 1440, screen.x),
                ::MulDiv(dest.top, 1440, screen.y) + ::MulDiv(dest.bottom - dest.top, 1440, screen.y)};
    range.rcPage = {0, 0, ::MulDiv(rcClient.right, 1440, screen.x), ::MulDiv(rcClient.bottom, 1440, screen.y)};
    range.chrg = {FirstVisibleChar(hwnd), -1};
    ::SendMessageA(hwnd, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    ::RestoreDC(hdc, nSaved);
    ::SendMessageA(hwnd, EM_FORMATRANGE, FALSE, 0);
}

void DrawThroughBitmap(HWND hwnd, HDC hdc, const RECT& dest)
{
    RECT rcClient;
    ::GetClientRect(hwnd, &rcClient);
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hBitmap = CreateDrawBitmap(hScreen, rcClient.right, rcClient.bottom);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    ::ReleaseDC(nullptr, hScreen);
    if (hBitmap == nullptr || hMem == nullptr) {
        if (hBitmap != nullptr)
            ::DeleteObject(hBitmap);
        if (hMem != nullptr)
            ::DeleteDC(hMem);
        return;
    }
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    ::SetMapMode(hMem, MM_ANISOTROPIC);
    ::SetWindowExtEx(hMem, rcClient.right, rcClient.bottom, nullptr);
    ::SetViewportExtEx(hMem, rcClient.right, rcClient.bottom, nullptr);
    PaintInto(hwnd, hMem);
    ::StretchBlt(hdc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, hMem, 0, 0,
                 rcClient.right, rcClient.bottom, SRCCOPY);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::DeleteObject(hBitmap);
}

}  // namespace

void DrawObjBorder(HDC hdc, RECT* pRect, DWORD dwStyle, DWORD dwExStyle)
{
    if ((dwExStyle & WS_EX_STATICEDGE) != 0)
        ::DrawEdge(hdc, pRect, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    if ((dwStyle & WS_BORDER) != 0) {
        if ((dwExStyle & WS_EX_CLIENTEDGE) != 0)
            ::DrawEdge(hdc, pRect, BDR_RAISEDINNER | BDR_SUNKENINNER, BF_RECT | BF_ADJUST | BF_FLAT);
        else
            ::DrawEdge(hdc, pRect, BDR_RAISEDOUTER | BDR_SUNKENOUTER, BF_RECT | BF_ADJUST | BF_MONO);
    }
    if ((dwExStyle & WS_EX_CLIENTEDGE) != 0)
        ::DrawEdge(hdc, pRect, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
}

UINT GetDcPaletteTable(HDC hdc, RGBQUAD* pTable)
{
    HPALETTE hPalette = ::SelectPalette(hdc, static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE)), FALSE);
    ::SelectPalette(hdc, hPalette, FALSE);
    PALETTEENTRY entries[256];
    const UINT nCount = ::GetPaletteEntries(hPalette, 0, 256, entries);
    for (UINT i = 0; i < nCount; ++i)
        pTable[i] = {entries[i].peBlue, entries[i].peGreen, entries[i].peRed, 0};
    return nCount;
}

HBITMAP CreateDrawBitmap(HDC hdc, int nWidth, int nHeight)
{
    if ((::GetDeviceCaps(hdc, RASTERCAPS) & RC_PALETTE) != 0) {
        std::vector<BYTE> info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
        auto* pInfo = reinterpret_cast<BITMAPINFO*>(info.data());
        pInfo->bmiHeader = {sizeof(BITMAPINFOHEADER), nWidth, nHeight, 1, 8, BI_RGB, 0, 0, 0, 0, 0};
        pInfo->bmiHeader.biClrUsed = GetDcPaletteTable(hdc, pInfo->bmiColors);
        void* pBits = nullptr;
        HBITMAP hSection = ::CreateDIBSection(hdc, pInfo, DIB_RGB_COLORS, &pBits, nullptr, 0);
        if (hSection != nullptr)
            return hSection;
    }
    return ::CreateCompatibleBitmap(hdc, nWidth, nHeight);
}

BOOL DrawForeignChild(HWND hwnd, HDC hdc, const RECT* pDest, const POINT* pOffset)
{
    if (hwnd == nullptr || pDest == nullptr)
        return FALSE;
    char szClass[64] = "";
    ::GetClassNameA(hwnd, szClass, sizeof(szClass));
    const RECT dest = DeviceDestination(hwnd, hdc, *pDest, pOffset);
    if (::lstrcmpiA(szClass, "Static") == 0)
        DrawStatic(hwnd, hdc, dest);
    else if (::lstrcmpA(szClass, "RICHEDIT") == 0)
        DrawRichEdit(hwnd, hdc, dest);
    else
        DrawThroughBitmap(hwnd, hdc, dest);
    return TRUE;
}
