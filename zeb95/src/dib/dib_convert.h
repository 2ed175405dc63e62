// DIB handles made from device bitmaps, and the ordered dither onto the
// fixed palette.
#pragma once
#include <windows.h>

// Normalised bit count of a device bitmap: 1, 4, 8 or 24.
WORD NormaliseBitCount(UINT nBits);
// The bitmap's bits at wBitCount (0: its own) read through hPalette (0: the
// default palette); a palette of the DIB's own in the slot when asked.
HGLOBAL BitmapToDib(HBITMAP hBitmap, WORD wBitCount, HPALETTE hPalette, BOOL bMakePalette);

// Fixed-palette index of a colour at pixel (x, y) of the ordered dither.
BYTE DitherIndex(BYTE red, BYTE green, BYTE blue, int x, int y);
// A new 8-bit DIB handle on the fixed palette for 8- and 24-bit sources;
// any other source is returned as it is; 0 on failure.
HGLOBAL DitherDibToFixedPalette(HGLOBAL hDib, BOOL bMakePalette);
