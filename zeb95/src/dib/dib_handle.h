// The DIB handle: a movable global block holding a packed DIB (header,
// colour table, bits) followed by a 4-byte slot for its palette handle.
#pragma once
#include <windows.h>

#include "globalmem.h"

// What the size computations need of a 40-byte info header or a 12-byte
// core header.
struct DibGeometry
{
    DWORD dwHeaderSize;  // 40 or 12
    LONG nWidth;
    LONG nHeight;
    WORD wBitCount;
    DWORD dwColors;      // entries of the colour table
    DWORD dwTableBytes;  // 4 per entry, 3 after a core header
    DWORD dwImageBytes;  // biSizeImage, or computed when it is 0
};

// Bytes of one row of pixels, padded to a multiple of 4.
UINT64 DibStride(LONG nWidth, WORD wBitCount);
// Entries of the colour table that a bit count gives: 2, 16, 256 or 0.
DWORD DibColorsOfBitCount(WORD wBitCount);
// Reads the geometry of the packed DIB at pHeader; false for a header size
// other than 40 or 12.
bool GetDibGeometry(const void* pHeader, DibGeometry* pGeometry);
// Offset of the bits and of the palette slot from the start of the block.
// The same for a DIB handle; false when it cannot be locked.
bool GetDibHandleGeometry(HGLOBAL hDib, DibGeometry* pGeometry);
// The geometry of a locked DIB handle whose block really holds its header,
// colour table, bits and slot; false for any other block.
bool GetCheckedGeometry(HGLOBAL hDib, const CGlobalLock& lock, DibGeometry* pGeometry);
inline SIZE_T DibBitsOffset(const DibGeometry& g) { return g.dwHeaderSize + g.dwTableBytes; }
inline SIZE_T DibSlotOffset(const DibGeometry& g) { return DibBitsOffset(g) + g.dwImageBytes; }

// The handle kept in a slot: 4 bytes in the block on every build.
HPALETTE ReadPaletteSlot(const BYTE* pSlot);
void WritePaletteSlot(BYTE* pSlot, HPALETTE hPalette);

HGLOBAL AttachDibPalette(HGLOBAL hPackedDib, HPALETTE hPalette);
BOOL DestroyDib(HGLOBAL hDib);
BOOL GetDibRect(HGLOBAL hDib, RECT* pRect);
HPALETTE GetDibPalette(HGLOBAL hDib);
BOOL SetDibPalette(HGLOBAL hDib, HPALETTE hPalette);
HGLOBAL DuplicateDib(HGLOBAL hDib);
// Grows hDib to cbSize bytes (moveable, zeroed); on failure frees it and
// returns 0.
HGLOBAL GrowDibOrFree(HGLOBAL hDib, SIZE_T cbSize);

// Locks hDib and runs fill(bytes) -> bool; when the lock or fill fails the
// block is freed and the result is 0, else hDib.
template <class F>
HGLOBAL FillDibOrFree(HGLOBAL hDib, F fill)
{
    bool bDone = false;
    {
        CGlobalLock lock(hDib);
        bDone = lock && fill(lock.Bytes());
    }
    if (!bDone) {
        ::GlobalFree(hDib);
        return nullptr;
    }
    return hDib;
}
