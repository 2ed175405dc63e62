// Creation of a text document on a whiteboard (or any parent) from its
// creation record.
#pragma once
#include <windows.h>

#include "zeb95.h"

// Creates the document window (with no record: 1 x 1 at (0, 0) without
// border; the position is in whiteboard coordinates on a whiteboard),
// brings it to the top, applies the record's fields in their order and
// relays it out. The window, or null; *pnIndex (may be null) receives the
// document's index on its whiteboard, -1 on another parent.
HWND DocCreateObj(HWND hParent, const ZebDocCreateInfo* pInfo, LONG* pnIndex);
