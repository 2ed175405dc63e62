// Painting of a whiteboard: its background and page, and the redrawing of
// its children.
#pragma once
#include <windows.h>

// The client rectangle clipped to the page (a page dimension below 1 takes
// the client's); the client rectangle without page size. 0 without record.
BOOL WbGetPageRect(HWND hwnd, RECT* pRect);
// WM_ERASEBKGND: the page in the background colour, the rest of the client
// area in the border colour. 1.
LRESULT WbEraseBackground(HWND hwnd, HDC hdc);
// WM_PAINT, into hdcGiven when it is not null: the background, the text
// items, then every child window redraws where it meets the painted
// rectangle.
void WbPaint(HWND hwnd, HDC hdcGiven);
