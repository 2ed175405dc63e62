// The text document window: its record from creation to destruction.
#pragma once
#include <windows.h>

LRESULT CALLBACK DocObjWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
