// A whiteboard with everything on it turned into one bitmap.
#pragma once
#include <windows.h>

// Draws the client area with the space of its scroll bars (background,
// text items, bitmap items, then every visible child from the bottom of the
// z-order up) into a bitmap compatible with the screen and hands out the
// region: the origin clamped into the area ((0, 0) without one), the size
// (a dimension below 1, or none, taking the area's) cut to stay inside. On
// a palette display bitmap items and pictures are dithered onto a fixed
// palette, handed out in *phPalette (deleted when not asked for); on other
// displays they keep their colours and the palette is null. *pnBitsPixel =
// planes x bits per pixel of the screen. 1, 0 without record or for an
// empty region.
BOOL CaptureWhiteBoard(HWND hWb, const POINT* pOrigin, const SIZE* pSize, HBITMAP* phBitmap, HPALETTE* phPalette,
                       int* pnBitsPixel);
