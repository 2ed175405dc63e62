// The library's palettes: the fixed 256-colour palette with its colour cube
// map, the 16-colour palette, and palettes made from a DIB's colour table.
#pragma once
#include <windows.h>

const int kFixedPaletteSize = 256;

// The fixed palette's entries: the 20 static system colours at 0-9 and
// 246-255, the colour cube without its corners, greys and half colours.
const PALETTEENTRY* FixedPaletteEntries();
// Palette index of the cube colour with these levels (0..5 each, of the
// component steps 0, 51, ..., 255).
BYTE CubeMapIndex(int nRedLevel, int nGreenLevel, int nBlueLevel);
// The 16 colours of the 16-colour palette, in order.
const PALETTEENTRY* SixteenColorEntries();

HPALETTE CreatePaletteFromEntries(const PALETTEENTRY* pEntries, UINT nCount);
HPALETTE CreateFixedPalette();
HPALETTE CreateSixteenColorPalette();
// Palette of a packed DIB's colour table (40-byte headers only); a copy of
// the fixed palette for a 24-bit DIB without table; else 0.
HPALETTE CreatePackedDibPalette(const BYTE* pPackedDib);
HPALETTE CreateDibPalette(HGLOBAL hDib);
