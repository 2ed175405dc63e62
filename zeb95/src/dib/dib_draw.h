// Drawing DIB handles with the palette kept in their slot.
#pragma once
#include <windows.h>

// StretchDIBits of the source rectangle into the destination; without a DIB
// the destination is filled by PatBlt with the raster operation.
int DrawDibStretch(HDC hdc, int x, int y, int cx, int cy, HGLOBAL hDib, int xSrc, int ySrc, int cxSrc, int cySrc,
                   DWORD dwRop);
// 1:1 drawing of min(cx, width) x min(cy, height) pixels from the source
// origin; nonzero when any line was drawn.
BOOL DrawDib(HDC hdc, int x, int y, int cx, int cy, HGLOBAL hDib, int xSrc, int ySrc, DWORD dwRop);
