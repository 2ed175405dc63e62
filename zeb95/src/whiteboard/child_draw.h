// Drawing one child of a whiteboard into a device context, in the
// whiteboard's client coordinates: a painter per object kind, and the
// drawing of windows that are no library objects.
#pragma once
#include <windows.h>

#include "objects/child_painter.h"

// A window without the library mark: its border and its content at its
// rectangle in the whiteboard. A library object of kinds 8 to 128 that
// meets the clip rectangle: its kind's painter. 1 drawn, 0 not (no record,
// another kind, no painter, outside the clip rectangle).
BOOL DrawChildToDC(HWND hWb, HWND hChild, HDC hdc, const RECT* prcClip, HPALETTE hPalette);
