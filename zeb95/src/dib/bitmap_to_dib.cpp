#include <algorithm>
#include <vector>

#include "dib/dib_convert.h"
#include "dib/dib_handle.h"
#include "dib/palette.h"
#include "globalmem.h"

WORD NormaliseBitCount(UINT nBits)
{
    if (nBits < 2)
        return 1;
    if (nBits <= 4)
        return 4;
    if (nBits <= 8)
        return 8;
    return 24;
}

namespace {

// The screen's DC with a palette selected and realised for the scope.
class ScreenWithPalette
{
public:
    explicit ScreenWithPalette(HPALETTE hPalette) : m_hdc(::GetDC(nullptr))
    {
        m_hOld = ::SelectPalette(m_hdc, hPalette, FALSE);
        ::RealizePalette(m_hdc);
    }
    ~ScreenWithPalette()
    {
        ::SelectPalette(m_hdc, m_hOld, FALSE);
        ::ReleaseDC(nullptr, m_hdc);
    }
    ScreenWithPalette(const ScreenWithPalette&) = delete;
    ScreenWithPalette& operator=(const ScreenWithPalette&) = delete;

    HDC Dc() const { return m_hdc; }

private:
    HDC m_hdc;
    HPALETTE m_hOld;
};

// Asks GetDIBits for the image size and then the bits, into a block that
// grows to hold them and the slot; 0 on failure (the block freed).
HGLOBAL ReadBitmapBits(HBITMAP hBitmap, HPALETTE hPalette, const BITMAPINFOHEADER& header, DWORD dwColors)
{
    const SIZE_T cbHead = sizeof(BITMAPINFOHEADER) + dwColors * sizeof(RGBQUAD);
    std::vector<BYTE> info(cbHead);
    auto* pInfo = reinterpret_cast<BITMAPINFO*>(info.data());
    pInfo->bmiHeader = header;
    ScreenWithPalette screen(hPalette);
    if (!::GetDIBits(screen.Dc(), hBitmap, 0, header.biHeight, nullptr, pInfo, DIB_RGB_COLORS))
        return nullptr;
    BITMAPINFOHEADER& h = pInfo->bmiHeader;
    if (h.biSizeImage == 0)
        h.biSizeImage = static_cast<DWORD>(DibStride(h.biWidth, h.biBitCount) * static_cast<DWORD>(h.biHeight));
    HGLOBAL hDib = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, cbHead + h.biSizeImage + sizeof(DWORD));
    if (hDib == nullptr)
        return nullptr;
    return FillDibOrFree(hDib, [&](BYTE* pBytes) {
        std::copy(info.begin(), info.end(), pBytes);
        if (::GetDIBits(screen.Dc(), hBitmap, 0, h.biHeight, pBytes + cbHead, reinterpret_cast<BITMAPINFO*>(pBytes),
                        DIB_RGB_COLORS) == 0)
            return false;
        auto* pHeader = reinterpret_cast<BITMAPINFOHEADER*>(pBytes);
        pHeader->biClrUsed = dwColors;
        pHeader->biSizeImage = h.biSizeImage;
        return true;
    });
}

}  // namespace

HGLOBAL BitmapToDib(HBITMAP hBitmap, WORD wBitCount, HPALETTE hPalette, BOOL bMakePalette)
{
    BITMAP bm;
    if (hBitmap == nullptr || ::GetObjectA(hBitmap, sizeof(bm), &bm) == 0)
        return nullptr;
    if (hPalette == nullptr)
        hPalette = static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE));
    if (wBitCount == 0)
        wBitCount = static_cast<WORD>(bm.bmPlanes * bm.bmBitsPixel);
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = bm.bmWidth;
    header.biHeight = bm.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = NormaliseBitCount(wBitCount);
    HGLOBAL hDib = ReadBitmapBits(hBitmap, hPalette, header, DibColorsOfBitCount(header.biBitCount));
    if (hDib != nullptr && bMakePalette)
        SetDibPalette(hDib, CreateDibPalette(hDib));
    return hDib;
}
