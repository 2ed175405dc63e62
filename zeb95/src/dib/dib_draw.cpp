#include "dib/dib_draw.h"

#include <algorithm>

#include "dib/dib_handle.h"

namespace {

// Runs draw(bitmap info, bits, geometry) with the DIB's palette selected and
// realised; the DC's previous palette is selected again afterwards.
template <class F>
int WithDibPalette(HDC hdc, HGLOBAL hDib, F draw)
{
    CGlobalLock lock(hDib);
    DibGeometry g;
    if (!GetCheckedGeometry(hDib, lock, &g))
        return 0;
    HPALETTE hPalette = ReadPaletteSlot(lock.Bytes() + DibSlotOffset(g));
    HPALETTE hOld = nullptr;
    if (hPalette != nullptr) {
        hOld = ::SelectPalette(hdc, hPalette, FALSE);
        ::RealizePalette(hdc);
    }
    const int nResult = draw(reinterpret_cast<const BITMAPINFO*>(lock.Bytes()), lock.Bytes() + DibBitsOffset(g), g);
    if (hOld != nullptr)
        ::SelectPalette(hdc, hOld, FALSE);
    return nResult;
}

}  // namespace

int DrawDibStretch(HDC hdc, int x, int y, int cx, int cy, HGLOBAL hDib, int xSrc, int ySrc, int cxSrc, int cySrc,
                   DWORD dwRop)
{
    if (hDib == nullptr)
        return ::PatBlt(hdc, x, y, cx, cy, dwRop);
    return WithDibPalette(hdc, hDib, [&](const BITMAPINFO* pInfo, const BYTE* pBits, const DibGeometry&) {
        return ::StretchDIBits(hdc, x, y, cx, cy, xSrc, ySrc, cxSrc, cySrc, pBits, pInfo, DIB_RGB_COLORS, dwRop);
    });
}

BOOL DrawDib(HDC hdc, int x, int y, int cx, int cy, HGLOBAL hDib, int xSrc, int ySrc, DWORD dwRop)
{
    if (hDib == nullptr)
        return ::PatBlt(hdc, x, y, cx, cy, dwRop);
    return WithDibPalette(hdc, hDib, [&](const BITMAPINFO* pInfo, const BYTE* pBits, const DibGeometry& g) {
        const int cxDraw = std::min<LONG>(cx, g.nWidth);
        const int cyDraw = std::min<LONG>(cy, g.nHeight);
        return ::SetDIBitsToDevice(hdc, x, y, cxDraw, cyDraw, xSrc, ySrc, 0, g.nHeight, pBits, pInfo,
                                   DIB_RGB_COLORS) > 0;
    });
}
