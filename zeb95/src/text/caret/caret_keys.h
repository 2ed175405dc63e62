// The caret movement keys: arrows, Home, End, Ctrl+Home, Ctrl+End, Page Up
// and Page Down. Mode 2 takes the typing attributes where the caret lands,
// 6 (Shift) also extends the selection; the caret always scrolls into
// view. In vertical writing Left and Right go across the lines and Up and
// Down along them. Moves across lines probe at the goal x and keep it, so
// that a run of them keeps the first pixel column through short lines.
// Each returns the result of the caret move; 0 when no move is possible.
#pragma once
#include <windows.h>

int DocKeyLeft(HWND hwnd, int nMode);
int DocKeyRight(HWND hwnd, int nMode);
int DocKeyUp(HWND hwnd, int nMode);
int DocKeyDown(HWND hwnd, int nMode);
int DocKeyHome(HWND hwnd, int nMode);
int DocKeyEnd(HWND hwnd, int nMode);
int DocKeyCtrlHome(HWND hwnd, int nMode);
int DocKeyCtrlEnd(HWND hwnd, int nMode);
int DocKeyPageUp(HWND hwnd, int nMode);
int DocKeyPageDown(HWND hwnd, int nMode);
