// The line object's window (class ZEB95LOWCLASS, kind 128): always
// transparent, drawn over what lies below it.
#pragma once
#include <windows.h>

LRESULT CALLBACK LineObjWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
