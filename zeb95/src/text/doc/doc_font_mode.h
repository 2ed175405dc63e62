// Moving a whiteboard's text documents between the whiteboard's shared pair
// of font tables (mode 0) and a table of their own each (mode 1).
#pragma once
#include <windows.h>

const LONG kDocFontsShared = 0;
const LONG kDocFontsOwn = 1;

// Sets the document font mode. Every font the documents' text, marks,
// typing and default fonts use is found in or added to the tables switched
// to, and the documents are renumbered; all documents switch or, when a
// font cannot be added (a table full at 256 fonts, a font that cannot be
// made, no memory), none does and the mode stays. The previous mode; -1
// for another mode, no whiteboard or a failed switch.
LONG WbSetDocFontMode(HWND hWb, LONG nMode);
