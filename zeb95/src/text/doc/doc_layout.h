// The layout state of a document as its writers and settings see it.
#pragma once
#include <windows.h>

struct ZebDocRecord;

// Ends the document's layout thread, if one runs: raises the abort flag
// until the thread has ended, then closes its handle. Writers call it
// before they move a gap or renumber the text.
void DocStopLayout(ZebDocRecord& doc);
// Lays the whole document out again after a change of its settings,
// fonts or bitmaps: the line table starts again from the first line and
// the window is repainted.
void DocRelayout(HWND hwnd);
