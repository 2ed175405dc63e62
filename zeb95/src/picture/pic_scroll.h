// Scroll bars of a picture shown at actual size.
#pragma once
#include <windows.h>

// The ranges and pages of the bars for the picture against the client area
// (measured with the room of both bars); bars without overflow, or of a
// picture not shown at actual size or stretched, get the range 0-0.
void UpdatePicScrollBars(HWND hwnd);
// WM_HSCROLL (SB_HORZ) or WM_VSCROLL (SB_VERT): the new position, clamped
// to what the bar accepts; the client area scrolled and updated.
void OnPicScroll(HWND hwnd, int nBar, WPARAM wParam);
// The top-left corner of the visible part of an actual-size picture: the
// scroll positions; (0, 0) for a stretched or fitted one.
POINT PicScrollOrigin(HWND hwnd);
