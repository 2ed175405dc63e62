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

struct ZebWbBmpItem;
// The three steps of WbAddBmpItem, so that several items can be made
// first and then entered without failing. The item made for the DIB (its
// hidden window, name copy, the DIB or its dithered copy and palette):
// false when something cannot be had, nothing then left made.
bool WbMakeBmpItem(HWND hWb, HGLOBAL hDib, const char* pszName, POINT pt, ZebWbBmpItem* pItem);
// Releases an item made but not entered; the DIB given stays the caller's.
void WbDropBmpItem(const ZebWbBmpItem& item, HGLOBAL hDib);
// Room for nItems more items: false when the table cannot grow.
bool WbReserveBmpItems(HWND hWb, LONG nItems);
// Enters a made item at nIndex (negative or beyond the end appends) of a
// table with room; the whiteboard takes over the item and the DIB given.
// Its index.
LONG WbPlaceBmpItem(HWND hWb, LONG nIndex, const ZebWbBmpItem& item, HGLOBAL hDib);
// Frees a bitmap item (negative: all) with its name, window, DIB and own
// palette. A mark naming it is cleared; marks naming later items move
// down. 1, 0 for an index beyond the table.
BOOL WbRemoveBmpItem(HWND hWb, LONG nIndex);
// Frees every item and the table (the whiteboard is going).
void WbFreeBmpItems(HWND hWb);
