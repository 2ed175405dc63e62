// The selection of a text document: the text between the anchor and the
// caret (the caret end moves with DocSetCaret).
#pragma once
#include <windows.h>

// Drops the selection and repaints the object, at once with bit 1 of nHow.
// 1; 0 without record.
int DocClearSelection(HWND hwnd, int nHow);
// Sets the anchor's column or line. With a selection a negative value
// drops it, any other moves that coordinate of the anchor (a position
// outside the lines is refused with 0); without one, the value is stored
// and the selection appears once both coordinates are set. The anchor is
// kept off the second byte of a double-byte character. 1 when done.
int DocSetSelCol(HWND hwnd, int nColumn);
int DocSetSelRow(HWND hwnd, int nLine);
// Moves the anchor to a valid position, kept off the second byte of a
// double-byte character, repainting the text between it and the old anchor
// (the caret without a selection). 1; 0 without record or for a position
// outside the lines.
int DocSetAnchor(HWND hwnd, POINT anchor);
