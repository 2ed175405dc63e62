// Resolution in which an object's lengths are given.
#pragma once
#include <windows.h>

// Horizontal dots per inch, found as GetObjDpiY finds the vertical ones.
LONG GetObjDpiX(HWND hwnd);
// Vertical dots per inch: a whiteboard's word 148; a child's owner
// whiteboard's, or its parent's display without one; 96 for anything else
// or a value below 1.
LONG GetObjDpiY(HWND hwnd);
