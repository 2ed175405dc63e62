// The whiteboard window: the container of the library's objects.
#pragma once
#include <windows.h>

LRESULT CALLBACK WbWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
// Characters that may not begin a line, a whiteboard's line-start string
// at creation (Shift-JIS).
extern const char kDefaultLineStart[];
