// Scroll bars that show a document extent in an object window.
#pragma once
#include <windows.h>

// The client rectangle with the space of the scroll bars that the style has.
void GetClientRectWithScrollBars(HWND hwnd, RECT* pRect);
// Sets the ranges and pages of the bars in dwBars (WS_HSCROLL, WS_VSCROLL)
// for the extent; a direction without a bar gets the visible size as its
// extent. Calls that arrive while one runs return at once.
void SetObjScrollBars(HWND hwnd, SIZE* pExtent, DWORD dwBars);
// The same with the client size in document units at nZoom percent; 100 or
// below 1 is SetObjScrollBars.
void SetObjScrollBarsZoomed(HWND hwnd, SIZE* pExtent, DWORD dwBars, int nZoom);
