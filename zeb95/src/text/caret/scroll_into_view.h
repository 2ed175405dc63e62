// Scrolling a document so that the caret, or a page step, is in view.
#pragma once
#include <windows.h>

struct ZebDocRecord;

// The client rectangle in document pixels (each edge converted at the
// scale), moved to the scroll origin.
RECT DocVisibleRect(HWND hwnd, const ZebDocRecord& doc);
// Scrolls to a new origin along y (bVertical) or x: through the scroll bar
// when the window has one in that direction, else by scrolling the window,
// storing the origin and repainting the object (nothing when unchanged).
void DocScrollTo(HWND hwnd, ZebDocRecord& doc, bool bVertical, int nOrigin);
// Scrolls so that the caret rectangle lies in the visible rectangle, as
// far as the document's extent allows.
void ScrollCaretIntoView(HWND hwnd, ZebDocRecord& doc);
