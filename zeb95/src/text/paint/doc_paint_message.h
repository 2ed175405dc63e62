// WM_PAINT and WM_ERASEBKGND of the text document window.
#pragma once
#include <windows.h>

// Paints through the painter of the alignment mode: into hdcGiven over the
// whole client area, else between BeginPaint and EndPaint over the update
// rectangle; then the sizing frame of a selected object. Clears the "not
// painted yet" flag. 0.
LRESULT DocOnPaint(HWND hwnd, HDC hdcGiven);
// Fills the client area outside the document's extent (scrolled and
// zoomed) with the border colour; a transparent document erases nothing.
// 1.
LRESULT DocOnEraseBkgnd(HWND hwnd, HDC hdc);
