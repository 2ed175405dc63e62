// Painting of a whiteboard's text items.
#pragma once
#include <windows.h>

struct ZebDeviceScale;

// Paints every text item with a valid font and a text, clipped to the page:
// horizontal or vertical by the font's escapement, a line feed or form feed
// starting a new line, and in wrap mode (horizontal) lines broken at the
// wrapping width so that no line begins with a line-start character.
void WbPaintTextItems(HWND hWb, HDC hdc);
// The same on a printer: positions, the page clip and the fonts scaled to
// the device, wrapping measured at the whiteboard's size, no line-feed or
// form-feed marks. 1 (also without items), 3 when pfnCancelled answers
// true before an item, -1 without record.
LONG WbPrintTextItems(HWND hWb, HDC hdc, const ZebDeviceScale& scale, bool (*pfnCancelled)());
