// The picture object's window (class ZEB95POWCLASS, kind 16).
#pragma once
#include <windows.h>

LRESULT CALLBACK PicObjWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
