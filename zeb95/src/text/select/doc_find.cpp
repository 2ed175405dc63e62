#include "text/select/doc_find.h"

#include "text/caret/doc_caret.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_record.h"
#include "text/select/doc_positions.h"
#include "text/select/text_search.h"

namespace {

POINT SearchStart(const ZebDocRecord& doc, int nFlags)
{
    const POINT caret = doc.head.CaretPos();
    if (!doc.HasSelection())
        return caret;
    const bool bAnchorFirst = ComparePositions(doc.anchor.x, doc.anchor.y, caret.x, caret.y) < 0;
    const bool bBackward = (nFlags & kFindBackward) != 0;
    return bAnchorFirst == bBackward ? doc.anchor : caret;
}

}  // namespace

int DocFindText(HWND hwnd, const char* pszText, int nFlags, POINT* pPosition)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr || pszText == nullptr || *pszText == '\0')
        return 0;
    DocWaitLayout(hwnd, -1);
    const POINT from = pPosition != nullptr ? *pPosition : SearchStart(*pDoc, nFlags);
    ZebTextSpot spot = {};
    if (!DocIsValidPosition(hwnd, from.x, from.y) || !DocPositionSpot(*pDoc, from.x, from.y, false, &spot))
        return 0;
    ZebTextSpot start = {};
    ZebTextSpot end = {};
    if (!FindInBlocks(*pDoc->Blocks(), spot, pszText, nFlags, &start, &end))
        return 0;
    POINT matchEnd = {};
    if (!BlockToPosition(hwnd, end.block, end.offset, &matchEnd))
        return 0;
    if ((nFlags & kFindReportOnly) != 0)
    {
        if (pPosition != nullptr)
            *pPosition = matchEnd;
        return 1;
    }
    POINT matchStart = {};
    if (!DocSetCaret(hwnd, matchEnd.x, matchEnd.y, kCaretScroll | kCaretTakeAttrs) ||
        !BlockToPosition(hwnd, start.block, start.offset, &matchStart) ||
        !DocSetCaret(hwnd, matchStart.x, matchStart.y, kCaretScroll | kCaretTakeAttrs | kCaretExtend))
        return 0;
    if (pPosition != nullptr)
        *pPosition = matchStart;
    return 1;
}
