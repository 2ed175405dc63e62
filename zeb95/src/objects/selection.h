// Selection of an object on a mouse-button press, and its clearing.
#pragma once
#include <windows.h>

// 1 when the object is (now) selected, 0 when view mode forbids it (an
// existing selection is then cleared) or without record.
BOOL SelectObj(HWND hwnd);
// Clears the selection; 1 when the object may be edited.
BOOL DeselectObj(HWND hwnd);
