// Resolution in which an object's lengths are given.
#pragma once
#include <windows.h>

// Horizontal dots per inch: a whiteboard's word 147; a child's (kinds 8 to
// 128) its owner whiteboard's, or without one its own display context's;
// 96 for anything else or a value below 1.
LONG GetObjDpiX(HWND hwnd);
// Vertical dots per inch: as GetObjDpiX with word 148, except that a child
// without owner whiteboard asks its parent's display context.
LONG GetObjDpiY(HWND hwnd);
