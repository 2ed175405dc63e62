#include "dib/dib_handle.h"

#include <cstring>

#include "dib/palette.h"
#include "globalmem.h"

UINT64 DibStride(LONG nWidth, WORD wBitCount)
{
    return ((static_cast<UINT64>(wBitCount) * static_cast<UINT64>(nWidth) + 31) >> 5) * 4;
}

DWORD DibColorsOfBitCount(WORD wBitCount)
{
    switch (wBitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

bool GetDibGeometry(const void* pHeader, DibGeometry* pGeometry)
{
    DibGeometry g = {};
    g.dwHeaderSize = *static_cast<const DWORD*>(pHeader);
    DWORD dwClrUsed = 0;
    if (g.dwHeaderSize == sizeof(BITMAPINFOHEADER)) {
        const auto* pInfo = static_cast<const BITMAPINFOHEADER*>(pHeader);
        g.nWidth = pInfo->biWidth;
        g.nHeight = pInfo->biHeight;
        g.wBitCount = pInfo->biBitCount;
        g.dwImageBytes = pInfo->biSizeImage;
        dwClrUsed = pInfo->biClrUsed;
    } else if (g.dwHeaderSize == sizeof(BITMAPCOREHEADER)) {
        const auto* pCore = static_cast<const BITMAPCOREHEADER*>(pHeader);
        g.nWidth = pCore->bcWidth;
        g.nHeight = pCore->bcHeight;
        g.wBitCount = pCore->bcBitCount;
    } else {
        return false;
    }
    g.dwColors = dwClrUsed != 0 ? dwClrUsed : DibColorsOfBitCount(g.wBitCount);
    // The table's length is a 16-bit quantity.
    g.dwTableBytes = (g.dwColors * (g.dwHeaderSize == sizeof(BITMAPCOREHEADER) ? 3 : 4)) & 0xFFFF;
    if (g.dwImageBytes == 0)
        g.dwImageBytes = static_cast<DWORD>(DibStride(g.nWidth, g.wBitCount) * static_cast<DWORD>(g.nHeight));
    *pGeometry = g;
    return true;
}

bool GetDibHandleGeometry(HGLOBAL hDib, DibGeometry* pGeometry)
{
    CGlobalLock lock(hDib);
    return lock && GetDibGeometry(lock.Bytes(), pGeometry);
}

bool GetCheckedGeometry(HGLOBAL hDib, const CGlobalLock& lock, DibGeometry* pGeometry)
{
    const SIZE_T cbBlock = ::GlobalSize(hDib);
    return lock && cbBlock >= sizeof(BITMAPINFOHEADER) && GetDibGeometry(lock.Bytes(), pGeometry) &&
           cbBlock >= DibSlotOffset(*pGeometry) + sizeof(DWORD);
}

HPALETTE ReadPaletteSlot(const BYTE* pSlot)
{
    DWORD dwValue;
    std::memcpy(&dwValue, pSlot, sizeof(dwValue));
    // Palette handles are 32-bit values, sign-extended on 64-bit Windows.
    return reinterpret_cast<HPALETTE>(static_cast<LONG_PTR>(static_cast<LONG>(dwValue)));
}

void WritePaletteSlot(BYTE* pSlot, HPALETTE hPalette)
{
    const DWORD dwValue = static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(hPalette));
    std::memcpy(pSlot, &dwValue, sizeof(dwValue));
}

HGLOBAL GrowDibOrFree(HGLOBAL hDib, SIZE_T cbSize)
{
    HGLOBAL hGrown = ::GlobalReAlloc(hDib, cbSize, GMEM_MOVEABLE | GMEM_ZEROINIT);
    if (hGrown == nullptr)
        ::GlobalFree(hDib);
    return hGrown;
}

HGLOBAL AttachDibPalette(HGLOBAL hPackedDib, HPALETTE hPalette)
{
    if (hPackedDib == nullptr)
        return nullptr;
    DibGeometry g;
    {
        CGlobalLock lock(hPackedDib);
        if (!lock || !GetDibGeometry(lock.Bytes(), &g)) {
            ::GlobalFree(hPackedDib);
            return nullptr;
        }
        if (g.dwHeaderSize == sizeof(BITMAPINFOHEADER))
            reinterpret_cast<BITMAPINFOHEADER*>(lock.Bytes())->biSizeImage = g.dwImageBytes;
    }
    HGLOBAL hDib = GrowDibOrFree(hPackedDib, DibSlotOffset(g) + sizeof(DWORD));
    if (hDib == nullptr || !SetDibPalette(hDib, hPalette)) {
        if (hDib != nullptr)
            ::GlobalFree(hDib);
        return nullptr;
    }
    return hDib;
}

HPALETTE GetDibPalette(HGLOBAL hDib)
{
    CGlobalLock lock(hDib);
    DibGeometry g;
    if (!GetCheckedGeometry(hDib, lock, &g))
        return nullptr;
    return ReadPaletteSlot(lock.Bytes() + DibSlotOffset(g));
}

BOOL SetDibPalette(HGLOBAL hDib, HPALETTE hPalette)
{
    CGlobalLock lock(hDib);
    DibGeometry g;
    if (!GetCheckedGeometry(hDib, lock, &g))
        return FALSE;
    WritePaletteSlot(lock.Bytes() + DibSlotOffset(g), hPalette);
    return TRUE;
}

BOOL DestroyDib(HGLOBAL hDib)
{
    if (hDib == nullptr)
        return FALSE;
    HPALETTE hPalette = GetDibPalette(hDib);
    if (hPalette != nullptr)
        ::DeleteObject(hPalette);
    ::GlobalFree(hDib);
    return TRUE;
}

BOOL GetDibRect(HGLOBAL hDib, RECT* pRect)
{
    ::SetRectEmpty(pRect);
    CGlobalLock lock(hDib);
    DibGeometry g;
    if (hDib == nullptr || !lock || !GetDibGeometry(lock.Bytes(), &g))
        return FALSE;
    ::SetRect(pRect, 0, 0, g.nWidth, g.nHeight);
    return TRUE;
}

HGLOBAL DuplicateDib(HGLOBAL hDib)
{
    if (hDib == nullptr)
        return nullptr;
    CGlobalLock source(hDib);
    DibGeometry g;
    if (!GetCheckedGeometry(hDib, source, &g))
        return nullptr;
    const SIZE_T cbBlock = DibSlotOffset(g) + sizeof(DWORD);
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, cbBlock);
    if (hCopy == nullptr)
        return nullptr;
    CGlobalLock copy(hCopy);
    if (!copy) {
        ::GlobalFree(hCopy);
        return nullptr;
    }
    std::memcpy(copy.Bytes(), source.Bytes(), cbBlock);
    BYTE* pSlot = copy.Bytes() + DibSlotOffset(g);
    if (ReadPaletteSlot(pSlot) != nullptr)
        WritePaletteSlot(pSlot, CreatePackedDibPalette(copy.Bytes()));
    return hCopy;
}
