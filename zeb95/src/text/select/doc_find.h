// Searching a document's text for a string and selecting what is found.
#pragma once
#include <windows.h>

// Finds the zero-terminated Shift-JIS text (flags of text_search.h: 1
// backward, 2 fold the case of single-byte letters, 4 only report). The
// search starts at *pPosition when given, else at the caret, or with a
// selection at its end (forward) or its start (backward). Found: the match
// is selected with the caret at its start and the anchor at its end, and
// *pPosition gets its start; with flag 4 nothing moves and *pPosition gets
// the position after the match. 1 found; 0 not found, for an empty text or
// an invalid start.
int DocFindText(HWND hwnd, const char* pszText, int nFlags, POINT* pPosition);
