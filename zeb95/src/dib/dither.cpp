#include <algorithm>

#include "dib/dib_convert.h"
#include "dib/dib_handle.h"
#include "dib/palette.h"

namespace {

const int kStep = 51;

// Ordered-dither thresholds, indexed [x mod 8][y mod 8].
const BYTE kThreshold[8][8] = {
    {0, 38, 9, 47, 2, 40, 11, 50},   {25, 12, 35, 22, 27, 15, 37, 24},
    {6, 44, 3, 41, 8, 47, 5, 43},    {31, 19, 28, 15, 34, 21, 31, 18},
    {1, 39, 11, 49, 0, 39, 10, 48},  {27, 14, 36, 23, 26, 13, 35, 23},
    {7, 46, 4, 43, 7, 45, 3, 42},    {33, 20, 30, 17, 32, 19, 29, 16}};

int Level(BYTE c, int nThreshold)
{
    return c / kStep + (c % kStep > nThreshold ? 1 : 0);
}

// One row of the source as colours: 24-bit pixels or 8-bit indexes into a
// table of nColors entries (indexes beyond it take the last entry).
void DitherRow(const BYTE* pSource, WORD wBitCount, const RGBQUAD* pTable, DWORD nColors, LONG nWidth, int y,
               BYTE* pTarget)
{
    for (LONG x = 0; x < nWidth; ++x) {
        RGBQUAD c;
        if (wBitCount == 24) {
            c = {pSource[3 * x], pSource[3 * x + 1], pSource[3 * x + 2], 0};
        } else {
            c = nColors != 0 ? pTable[std::min<DWORD>(pSource[x], nColors - 1)] : RGBQUAD{0, 0, 0, 0};
        }
        pTarget[x] = DitherIndex(c.rgbRed, c.rgbGreen, c.rgbBlue, static_cast<int>(x), y);
    }
}

bool FillDithered(const BYTE* pSource, const DibGeometry& g, BYTE* pTarget)
{
    auto* pHeader = reinterpret_cast<BITMAPINFOHEADER*>(pTarget);
    const DWORD dwTargetStride = (static_cast<DWORD>(g.nWidth) + 3) & ~3u;
    pHeader->biSize = sizeof(BITMAPINFOHEADER);
    pHeader->biWidth = g.nWidth;
    pHeader->biHeight = g.nHeight;
    pHeader->biPlanes = 1;
    pHeader->biBitCount = 8;
    pHeader->biSizeImage = dwTargetStride * static_cast<DWORD>(g.nHeight);
    pHeader->biClrUsed = kFixedPaletteSize;
    auto* pTable = reinterpret_cast<RGBQUAD*>(pTarget + sizeof(BITMAPINFOHEADER));
    const PALETTEENTRY* pEntries = FixedPaletteEntries();
    for (int i = 0; i < kFixedPaletteSize; ++i)
        pTable[i] = {pEntries[i].peBlue, pEntries[i].peGreen, pEntries[i].peRed, 0};
    const SIZE_T dwSourceStride = static_cast<SIZE_T>(DibStride(g.nWidth, g.wBitCount));
    const auto* pSourceTable = reinterpret_cast<const RGBQUAD*>(pSource + g.dwHeaderSize);
    const DWORD nSourceColors = g.dwTableBytes / sizeof(RGBQUAD);
    BYTE* pBits = pTarget + sizeof(BITMAPINFOHEADER) + kFixedPaletteSize * sizeof(RGBQUAD);
    for (LONG y = 0; y < g.nHeight; ++y)
        DitherRow(pSource + DibBitsOffset(g) + y * dwSourceStride, g.wBitCount, pSourceTable, nSourceColors,
                  g.nWidth, static_cast<int>(y), pBits + y * dwTargetStride);
    return true;
}

}  // namespace

BYTE DitherIndex(BYTE red, BYTE green, BYTE blue, int x, int y)
{
    const int nThreshold = kThreshold[x % 8][y % 8];
    return CubeMapIndex(Level(red, nThreshold), Level(green, nThreshold), Level(blue, nThreshold));
}

HGLOBAL DitherDibToFixedPalette(HGLOBAL hDib, BOOL bMakePalette)
{
    CGlobalLock source(hDib);
    DibGeometry g;
    if (!GetCheckedGeometry(hDib, source, &g))
        return nullptr;
    const auto* pHeader = reinterpret_cast<const BITMAPINFOHEADER*>(source.Bytes());
    const bool bCompressed = g.dwHeaderSize == sizeof(BITMAPINFOHEADER) && pHeader->biCompression != BI_RGB;
    if ((g.wBitCount != 8 && g.wBitCount != 24) || bCompressed || g.dwHeaderSize != sizeof(BITMAPINFOHEADER))
        return hDib;
    const SIZE_T cbTarget = sizeof(BITMAPINFOHEADER) + kFixedPaletteSize * sizeof(RGBQUAD) +
                            ((static_cast<SIZE_T>(g.nWidth) + 3) & ~SIZE_T(3)) * g.nHeight + sizeof(DWORD);
    HGLOBAL hTarget = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, cbTarget);
    if (hTarget == nullptr)
        return nullptr;
    hTarget = FillDibOrFree(hTarget, [&](BYTE* pTarget) { return FillDithered(source.Bytes(), g, pTarget); });
    if (hTarget != nullptr && bMakePalette)
        SetDibPalette(hTarget, CreateDibPalette(hTarget));
    return hTarget;
}
