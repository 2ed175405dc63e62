// Drawing one child object of a whiteboard into a device context, in the
// whiteboard's client coordinates (the whiteboard's capture draws each kind
// through a painter of this type).
#pragma once
#include <windows.h>

// 1 when the child was drawn, 0 when not (outside the clip rectangle,
// without record, of another kind).
using ZebChildPainter = int (*)(HWND hwndWb, HWND hwndChild, HDC hdc, const RECT& rcClip, HPALETTE hpal);

// The child's window and client rectangles in the whiteboard's client
// coordinates; false when the window rectangle does not meet rcClip.
bool GetChildRectsIn(HWND hwndWb, HWND hwndChild, const RECT& rcClip, RECT* pWindow, RECT* pClient);
