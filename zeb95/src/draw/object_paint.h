// Drawing objects and foreign child windows into any device context.
#pragma once
#include <windows.h>

// The border of an object with these styles; each edge drawn shrinks
// *pRect for the next.
void DrawObjBorder(HDC hdc, RECT* pRect, DWORD dwStyle, DWORD dwExStyle);
// The DC's current palette as an RGBQUAD colour table (up to 256 entries);
// the number of entries.
UINT GetDcPaletteTable(HDC hdc, RGBQUAD* pTable);
// An off-screen bitmap for drawing: on a palette device an 8-bit DIB
// section with the DC's palette as its colour table, otherwise (or when
// that fails) a bitmap compatible with the DC.
HBITMAP CreateDrawBitmap(HDC hdc, int nWidth, int nHeight);
// Draws a child window that is no library object into the destination
// (whiteboard pixels, scaled to the device's resolution, moved by the
// offset in tenths of a millimetre when given): 1, 0 without window or
// destination.
BOOL DrawForeignChild(HWND hwnd, HDC hdc, const RECT* pDest, const POINT* pOffset);
