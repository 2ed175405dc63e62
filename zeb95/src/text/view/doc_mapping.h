// Text positions (column, line) and document pixels, both ways, and the
// attribute in effect at a place of the text. They read the line table and
// the text only, so they serve while the layout thread runs.
#pragma once
#include <windows.h>

#include "text/storage/char_attr.h"

struct ZebDocRecord;

// The top-left corner of the position in document pixels, the caret's
// size on its line (2 across the writing direction, the line's height
// along the other) and the attribute there: colour, font, vertical
// position and user byte in effect (DocEffectiveAttr), flags of the last
// character before it on the line (of the line's first byte when none), a
// font not in the table given as 0 when the size is asked for. A negative
// column or line is the caret's. Each output may be null. 1; 0 without
// record, for a line outside the table or a column beyond the line's last.
int DocPositionToPoint(HWND hwnd, int nColumn, int nLine, POINT* pPoint, SIZE* pSize, ZebCharAttr* pAttr);
// The position under the document point: the line across (first and last
// lines beyond the ends), the unit along it whose extent holds the point,
// the line's last position beyond its end. 1; 0 without record or output.
int DocPointToPosition(HWND hwnd, int x, int y, POINT* pPosition);
// The attribute of the nearest character (no break, no bitmap) before the
// place in the text, else after it: 1; else the typing attributes and 0.
// A block beyond the list means the end of the text, an offset beyond a
// block's text its end.
int DocEffectiveAttr(const ZebDocRecord& doc, int nBlock, int nOffset, ZebCharAttr* pAttr);
