// Repainting the part of a document's window that a range of text covers.
#pragma once
#include <windows.h>

// Invalidates (erasing) the client area over the text between the two
// positions, given in either order; none as the one is the start of the
// text, as the other its end, and both none the whole object. A range that
// starts at column 0 takes the line from the document's left edge (top
// when vertical), so that an aligned line's empty strip is covered. A
// transparent window repaints its whole object. 1; 0 without record, when
// a position cannot be mapped or its line has no height (what was
// invalidated before stays).
int DocInvalidateRange(HWND hwnd, const POINT* pFrom, const POINT* pTo);
