// The marks that show a document's line feeds and form feeds.
#pragma once
#include <windows.h>

// Sets the mark: with a LOGFONT, the code (above 255 a double-byte code)
// in that font, found or added as when it becomes the typing font (the
// typing font stays); without one, the code names an inline bitmap
// (below the bitmap count and 255 at most); 65535 shows nothing. The
// typing colour, vertical position and user attribute go into the mark's
// attribute. A nonzero bRelayout relays the document out. 1; 0 when the
// font cannot be added or the bitmap does not exist (the old mark stays).
int DocSetNewLineMark(HWND hwnd, WORD wCode, const LOGFONTA* plf, BOOL bRelayout);
int DocSetFormFeedMark(HWND hwnd, WORD wCode, const LOGFONTA* plf, BOOL bRelayout);
