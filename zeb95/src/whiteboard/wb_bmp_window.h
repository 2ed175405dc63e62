// The window of a whiteboard bitmap item (ZEB95WBBMPWCLASS): it shows the
// item's DIB and lets the mouse through to the whiteboard. It has no record
// and no library mark; its second window word holds its copy of the item.
#pragma once
#include <windows.h>

struct ZebWbBmpItem;

LRESULT CALLBACK WbBmpItemWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
// The window's copy of its item, or null for any other window.
ZebWbBmpItem* WbBmpItemOfWindow(HWND hwnd);
