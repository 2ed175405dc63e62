// The steps a painter takes through a line: a character's width in its font
// entry, and its advance along the line with its size across it.
#pragma once
#include <windows.h>

#include "text/storage/char_attr.h"
#include "text/tables/font_entry.h"

// A table of double-byte widths with nothing measured yet, null when memory
// runs out; and freeing one (null is ignored).
short* MakeDoubleWidths();
void FreeDoubleWidths(short* pWidths);
// The width of a code (a double-byte code is lead * 256 + trail) plus
// nExtra: the stored width of the code, or of the lead byte for a
// double-byte code, except that a double-byte character of a variable-pitch
// Japanese font is measured in the window's device context, a row of 256
// trail bytes at a time kept in the entry's double-byte widths.
int FontCharWidth(HWND hwnd, const ZebFontEntry& entry, UINT nCode, int nExtra);
// The advance along the line of the character at pText (two bytes when attr
// has the lead flag) and its cross size through pnCross when given. Width
// and the entry's height trade places when exactly one of "the font runs at
// a quarter or three quarters turn" and bSwap holds.
int FontCharExtent(HWND hwnd, const ZebFontEntry& entry, ZebCharAttr attr, const BYTE* pText, int nExtra, bool bSwap,
                   int* pnCross);
// The same for a mark's code.
int FontCodeExtent(HWND hwnd, const ZebFontEntry& entry, UINT nCode, int nExtra, bool bSwap, int* pnCross);
