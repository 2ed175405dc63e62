// The whiteboard's bitmap items: pictures at a position, each shown by a
// window of its own at the bottom of the z-order. Inserting moves later
// items up and removing moves them down; the marks that name items follow.
#pragma once
#include <windows.h>

// Adds a bitmap item at nIndex (negative or beyond the end appends) with a
// copy of the name, at the position. The whiteboard takes the DIB over,
// replaced by a copy dithered onto the fixed palette (and destroyed) when
// the whiteboard's dither flag is set on a palette display. Marks naming
// items at or above the index move up with them. Its index, or -1: the
// DIB then stays the caller's.
LONG WbAddBmpItem(HWND hWb, LONG nIndex, HGLOBAL hDib, const char* pszName, POINT pt);
// Frees a bitmap item (negative: all) with its name, window, DIB and own
// palette. A mark naming it is cleared; marks naming later items move
// down. 1, 0 for an index beyond the table.
BOOL WbRemoveBmpItem(HWND hWb, LONG nIndex);
// Frees every item and the table (the whiteboard is going).
void WbFreeBmpItems(HWND hWb);
