#include "text/select/doc_selection.h"

#include "objects/obj_children.h"
#include "text/doc/doc_record.h"
#include "text/select/doc_positions.h"
#include "text/view/doc_invalidate.h"

namespace {

const int kUpdateNow = 1;

// Moves the anchor to a valid, snapped position, repainting the text
// between it and the old anchor (the caret when there was no selection).
int MoveAnchor(HWND hwnd, ZebDocRecord& doc, POINT anchor)
{
    if (!DocIsValidPosition(hwnd, anchor.x, anchor.y))
        return 0;
    DocSnapPosition(hwnd, &anchor);
    const POINT from = doc.HasSelection() ? doc.anchor : doc.head.CaretPos();
    if (anchor.x == doc.anchor.x && anchor.y == doc.anchor.y)
        return 1;
    DocInvalidateRange(hwnd, &anchor, &from);
    doc.anchor = anchor;
    return 1;
}

// Sets the anchor column (bColumn) or line.
int SetAnchorPart(HWND hwnd, int nValue, bool bColumn)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    LONG& part = bColumn ? pDoc->anchor.x : pDoc->anchor.y;
    const LONG other = bColumn ? pDoc->anchor.y : pDoc->anchor.x;
    if (pDoc->HasSelection() && nValue < 0)
        return DocClearSelection(hwnd, kUpdateNow);
    if (nValue < 0 || other < 0)
    {
        part = nValue;
        return 1;
    }
    const POINT anchor = bColumn ? POINT{nValue, other} : POINT{other, nValue};
    return MoveAnchor(hwnd, *pDoc, anchor);
}

}  // namespace

int DocClearSelection(HWND hwnd, int nHow)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    if (!pDoc->HasSelection())
        return 1;
    pDoc->anchor = {-1, -1};
    InvalidateObj(hwnd);
    if ((nHow & kUpdateNow) != 0)
        ::UpdateWindow(hwnd);
    return 1;
}

int DocSetSelCol(HWND hwnd, int nColumn) { return SetAnchorPart(hwnd, nColumn, true); }

int DocSetSelRow(HWND hwnd, int nLine) { return SetAnchorPart(hwnd, nLine, false); }

int DocSetAnchor(HWND hwnd, POINT anchor)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    return pDoc != nullptr ? MoveAnchor(hwnd, *pDoc, anchor) : 0;
}
