// Scrolling of a whiteboard over its page.
#pragma once
#include <windows.h>

// Sets both scroll bars for the page size (or the client size where the
// page or the bar is missing).
void WbSetScrollBars(HWND hwnd);
// Scrolls along one bar (SB_HORZ moves origin x, SB_VERT origin y) for a
// scroll-bar code and the position that came with it.
void WbScroll(HWND hwnd, int nBar, int nCode, int nPosition);
// WM_HSCROLL or WM_VSCROLL: the tracking position for the thumb codes,
// then WbScroll.
void WbOnScrollMessage(HWND hwnd, int nBar, WPARAM wParam);
