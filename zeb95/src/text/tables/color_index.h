// Colours of character attributes: the 16-colour table and the mapping of
// any colour onto it.
#pragma once
#include <windows.h>

// Entry 0..15 of the table the colour index of a ZebCharAttr names.
COLORREF IndexToColor(int nIndex);
// Value in bits 0-7, saturation in bits 8-15, hue 0..1535 in bits 16-31.
DWORD RgbToHsv(COLORREF color);
// The table entry equal to the colour, else the nearest by hue band and
// value; 0..15.
int ColorToIndex(COLORREF color);
