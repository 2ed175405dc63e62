// The whiteboard's text items and the table of their fonts. Inserting
// moves later entries up and removing moves them down, so indexes shift.
#pragma once
#include <windows.h>

// Finds an equal font in the table or appends it; it becomes the current
// font. Its index, or -1.
LONG WbAddTextFont(HWND hWb, const LOGFONTA& lf);
// Inserts the font at nIndex (negative or beyond the end appends); items
// and marks on fonts at or above it move up. Its index, or -1.
LONG WbInsertTextFont(HWND hWb, const LOGFONTA& lf, LONG nIndex);
// Removes a font (negative: all); items and marks on it get font 0, those
// above it move down. A table left empty while items remain gets the stock
// OEM fixed font. 1, 0 for an index beyond the table.
BOOL WbRemoveTextFont(HWND hWb, LONG nIndex);

// Adds a text item at nIndex (negative or beyond the end appends) in the
// font, at the position: its index, or -1.
LONG WbAddTextItem(HWND hWb, LONG nIndex, const char* pszText, const LOGFONTA& lf, POINT pt);
// Room for nItems more items, and as many more fonts: false when a table
// cannot grow (both then stay as they were).
bool WbReserveTextItems(HWND hWb, LONG nItems);
// WbAddTextItem of a copy of the text (LockedGlobalStrDup) that the item
// takes over, -1 leaving it the caller's. With room reserved it does not
// fail for memory.
LONG WbPlaceTextItem(HWND hWb, LONG nIndex, char* pszCopy, const LOGFONTA& lf, POINT pt);
// Removes a text item (negative: all, and the fonts that no mark uses):
// 1, 0 for an index beyond the table.
BOOL WbRemoveTextItem(HWND hWb, LONG nIndex);
// Extent of cb bytes of text in the font on the whiteboard's device context.
SIZE WbTextExtent(HWND hWb, const char* p, int cb, const LOGFONTA& lf);
// Frees every item, the item table and the font table.
void WbFreeTextItems(HWND hWb);
