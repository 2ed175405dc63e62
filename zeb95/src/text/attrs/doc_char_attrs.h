// Colour, vertical position and user attribute of characters: each sets
// the typing value that the next typed or inserted text takes and writes
// it into every byte of the selection (its flags, font and other bytes
// kept). No relayout: these attributes do not change widths.
#pragma once
#include <windows.h>

// The fore colour and, as the typing colour index, its nearest entry of
// the 16-colour table. The previous fore colour; -1 without record.
LONG DocSetForeColor(HWND hwnd, COLORREF crFore);
// The vertical position (-6 .. 127, anything else 0) into byte 2. 1
// without a selection; 0 for a selection beyond the lines; else the result
// of putting the caret back in place.
int DocSetVPos(HWND hwnd, int nVPos);
// The user byte into byte 3; as DocSetVPos.
int DocSetUserAttr(HWND hwnd, int nUser);
