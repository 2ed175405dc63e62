// The line branch of drawing a whiteboard's child into a device context.
#pragma once
#include <windows.h>

// The line's painter at its client position in the whiteboard: 1 drawn, 0
// outside the clip rectangle or not a line.
int DrawLineChildToDC(HWND hwndWb, HWND hwndChild, HDC hdc, const RECT& rcClip, HPALETTE hpal);
