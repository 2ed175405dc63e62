// The sizing frame of a selected object: its hit table, hit testing and
// painting.
#pragma once
#include <windows.h>

#include <array>

struct ZebHitEntry
{
    RECT rc;  // screen coordinates
    LRESULT nCode;
};
using ZebHitTable = std::array<ZebHitEntry, 16>;

// The table for a window rectangle and frame sizes: the 8 painted handles
// first, then the 8 edge strips between them.
ZebHitTable BuildHitTable(const RECT& rcWindow, int cxFrame, int cyFrame);
// The same from the window's rectangle and the system's frame sizes.
ZebHitTable BuildHitTable(HWND hwnd);
// WM_NCHITTEST of an object: a handle's code, HTCAPTION in the client area,
// HTERROR elsewhere, without record or in view mode.
LRESULT ObjHitTest(HWND hwnd, POINT ptScreen);
// Paints the 8 handles black in the window's whole-window DC.
void DrawSizingFrame(HWND hwnd);
