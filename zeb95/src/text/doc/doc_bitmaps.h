// A document's inline bitmaps: added and removed with the text and the
// marks renumbered, then the document relaid out.
#pragma once
#include <windows.h>

// Takes the DIB into the bitmap table at the index (below 0 or at or after
// the count: appends), dithered when the document's dither flag asks for
// it on a palette display. The index; -1 when the table is full, the DIB
// is not valid or memory runs out (the DIB then stays the caller's).
int DocAddBmp(HWND hwnd, int nAt, HGLOBAL hDib, const char* pszName);
// Removes the bitmap (below 0: all); references to it become 255 and later
// ones fall by 1. 1; 0 for an index at or beyond the count.
int DocRemoveBmp(HWND hwnd, int nAt);
