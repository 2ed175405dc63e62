// The children of a whiteboard on a printer page.
#pragma once
#include <windows.h>

#include "print/page_render.h"

// rcPrint in whiteboard coordinates: a child outside it is skipped (1).
// Whole page: at its place, clipped also to hClip, with its border; else
// alone at the page origin. -1 for a whiteboard without record, a child
// of unknown kind, a clip region that cannot be made, or a window that is
// no library object and cannot be drawn.
LONG PrintWbChild(HWND hWb, HWND hChild, const ZebPrintTarget& target, const RECT& rcPrint, HRGN hClip,
                  bool bWholePage);
// The line with its client area at pt (whiteboard coordinates), the pen
// width scaled, solid from a width of 2 on. 1, 3, or -1 without record.
LONG PrintLineObj(HWND hLine, const ZebPrintTarget& target, POINT pt);
// The border rings of these styles from the outside in, each a system
// border unit of the whiteboard wide, drawn at device scale; *pRect (in
// whiteboard coordinates) shrinks ring by ring.
void PrintObjBorder(const ZebPrintTarget& target, RECT* pRect, DWORD dwStyle, DWORD dwExStyle);
