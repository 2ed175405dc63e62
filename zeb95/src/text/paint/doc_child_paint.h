// A text document drawn as a child of its whiteboard, into the
// whiteboard's device context (captures).
#pragma once
#include <windows.h>

// Clipped to the child's window rectangle (whiteboard client coordinates):
// the back colour unless transparent, the painter of the alignment mode
// over the client area with its scroll bars, offset to the child's client
// origin, then the border. 1 drawn; 0 without record or outside rcClip.
int DrawDocChildToDC(HWND hwndWb, HWND hwndChild, HDC hdc, const RECT& rcClip, HPALETTE hpal);
