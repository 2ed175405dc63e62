// Painting of a whiteboard's text items.
#pragma once
#include <windows.h>

// Paints every text item with a valid font and a text, clipped to the page:
// horizontal or vertical by the font's escapement, a line feed or form feed
// starting a new line, and in wrap mode (horizontal) lines broken at the
// wrapping width so that no line begins with a line-start character.
void WbPaintTextItems(HWND hWb, HDC hdc);
