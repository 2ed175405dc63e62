// The window procedures of movie ("ZEB95MOWCLASS", kind 64) and sound
// ("ZEB95SOWCLASS", kind 32) objects.
#pragma once
#include <windows.h>

LRESULT CALLBACK MovieObjWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK SoundObjWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
