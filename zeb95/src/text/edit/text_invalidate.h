// Repainting after a change of text or selection.
#pragma once
#include <windows.h>

// Repaints what shows the text between two positions (either order; null
// stands for the start or the end of the text): the document's object.
void InvalidateTextRange(HWND hwnd, const POINT* pFrom, const POINT* pTo);
