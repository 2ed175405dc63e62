#include "text/caret/caret_keys.h"

#include <algorithm>

#include "text/caret/doc_caret.h"
#include "text/caret/scroll_into_view.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_record.h"
#include "text/layout/line_layout.h"
#include "text/view/doc_mapping.h"
#include "text/view/line_placement.h"

namespace {

bool IsVertical(const ZebDocRecord& doc) { return doc.head.Vertical() != 0; }

int LineCount(const ZebDocRecord& doc) { return doc.Lines()->Count(); }

// How far Right goes on a line before it goes on to the next one: before
// the last character of a wrapped line, whose end is the next line's start.
int RightLimit(const ZebLineEntry& line)
{
    if (line.endKind == ZebLineEndText || line.length <= 0)
        return line.length;
    const bool bDoubleLast = line.endKind != ZebLineEndLineFeed && line.lastUnit == kZebUnitDouble;
    return line.length - (bDoubleLast ? 2 : 1);
}

int Move(HWND hwnd, POINT target, int nMode) { return DocSetCaret(hwnd, target.x, target.y, nMode | kCaretScroll); }

// Moves to the position hit by the probe and puts the goal x back.
int MoveToHit(HWND hwnd, ZebDocRecord& doc, POINT probe, int nMode)
{
    POINT target = {};
    if (!DocPointToPosition(hwnd, probe.x, probe.y, &target))
        return 0;
    const int nGoal = doc.nGoalX;
    const int nResult = Move(hwnd, target, nMode);
    doc.nGoalX = nGoal;
    return nResult;
}

// The previous and next line, by character and line as on the keys of
// horizontal writing.
int ToPreviousChar(HWND hwnd, ZebDocRecord& doc, int nMode)
{
    const POINT caret = doc.head.CaretPos();
    if (caret.x > 0)
        return Move(hwnd, {caret.x - 1, caret.y}, nMode);
    if (caret.y < 1 || caret.y > LineCount(doc))
        return 0;
    return Move(hwnd, {LineLastColumn(doc.Lines()->At(caret.y - 1)), caret.y - 1}, nMode);
}

int ToNextChar(HWND hwnd, ZebDocRecord& doc, int nMode)
{
    const POINT caret = doc.head.CaretPos();
    const int nCount = LineCount(doc);
    if (caret.y >= 0 && caret.y < nCount && caret.x < RightLimit(doc.Lines()->At(caret.y)))
        return Move(hwnd, {caret.x + 1, caret.y}, nMode);
    if (caret.y + 1 >= nCount)
        return 0;
    return Move(hwnd, {0, caret.y + 1}, nMode);
}

// A line back (towards line 0) or on, probing across at the goal x.
int ToPreviousLine(HWND hwnd, ZebDocRecord& doc, int nMode)
{
    if (doc.head.CaretPos().y < 1)
        return 0;
    const RECT& c = doc.caret;  // x, y, width, height
    const POINT probe = IsVertical(doc) ? POINT{c.left + c.right + 1, doc.nGoalX} : POINT{doc.nGoalX, c.top - 1};
    return MoveToHit(hwnd, doc, probe, nMode);
}

int ToNextLine(HWND hwnd, ZebDocRecord& doc, int nMode)
{
    DocWaitLine(hwnd, doc.head.CaretPos().y + 1);
    if (doc.head.CaretPos().y >= LineCount(doc) - 1)
        return 0;
    const RECT& c = doc.caret;
    const POINT probe = IsVertical(doc) ? POINT{c.left - 1, doc.nGoalX} : POINT{doc.nGoalX, c.top + c.bottom};
    return MoveToHit(hwnd, doc, probe, nMode);
}

// A page back (nDirection -1) or on (+1): the probe a page away, the view
// scrolled by a page (or onto the target line without a scroll bar), then
// the caret moved there.
int ByPage(HWND hwnd, ZebDocRecord& doc, int nDirection, int nMode)
{
    const bool bVertical = IsVertical(doc);
    const RECT view = DocVisibleRect(hwnd, doc);
    const int nPage = (bVertical ? view.right - view.left : view.bottom - view.top) + 1;
    const RECT& c = doc.caret;
    const POINT probe = bVertical ? POINT{c.left - nDirection * nPage, doc.nGoalX}
                                  : POINT{doc.nGoalX, c.top + nDirection * nPage};
    POINT target = {};
    if (!DocPointToPosition(hwnd, probe.x, probe.y, &target))
        return 0;
    const POINT origin = doc.head.Origin();
    int nOrigin = bVertical ? origin.x - nDirection * nPage : origin.y + nDirection * nPage;
    const DWORD dwBar = bVertical ? WS_HSCROLL : WS_VSCROLL;
    if ((::GetWindowLongA(hwnd, GWL_STYLE) & dwBar) == 0)
    {
        POINT pt = {};
        SIZE size = {};
        ZebCharAttr attr = 0;
        if (DocPositionToPoint(hwnd, 0, target.y, &pt, &size, &attr))
            nOrigin = bVertical ? pt.x + c.right - (nPage - 1) : pt.y;
        const int nMost = (bVertical ? doc.nDocWidth : doc.nDocHeight) - (nPage - 1);
        if ((doc.head.Style() & (WS_HSCROLL | WS_VSCROLL)) != 0)
            nOrigin = std::max(0, std::min(nOrigin, nMost));
    }
    DocScrollTo(hwnd, doc, !bVertical, nOrigin);
    const int nGoal = doc.nGoalX;
    const int nResult = Move(hwnd, target, nMode);
    doc.nGoalX = nGoal;
    return nResult;
}

}  // namespace

int DocKeyLeft(HWND hwnd, int nMode)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    return IsVertical(*pDoc) ? ToNextLine(hwnd, *pDoc, nMode) : ToPreviousChar(hwnd, *pDoc, nMode);
}

int DocKeyRight(HWND hwnd, int nMode)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    return IsVertical(*pDoc) ? ToPreviousLine(hwnd, *pDoc, nMode) : ToNextChar(hwnd, *pDoc, nMode);
}

int DocKeyUp(HWND hwnd, int nMode)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    return IsVertical(*pDoc) ? ToPreviousChar(hwnd, *pDoc, nMode) : ToPreviousLine(hwnd, *pDoc, nMode);
}

int DocKeyDown(HWND hwnd, int nMode)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    return IsVertical(*pDoc) ? ToNextChar(hwnd, *pDoc, nMode) : ToNextLine(hwnd, *pDoc, nMode);
}

int DocKeyHome(HWND hwnd, int nMode)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    return pDoc != nullptr ? Move(hwnd, {0, pDoc->head.CaretPos().y}, nMode) : 0;
}

int DocKeyEnd(HWND hwnd, int nMode)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    const int nLine = pDoc != nullptr ? pDoc->head.CaretPos().y : -1;
    if (nLine < 0 || nLine >= LineCount(*pDoc))
        return 0;
    return Move(hwnd, {LineLastColumn(pDoc->Lines()->At(nLine)), nLine}, nMode);
}

int DocKeyCtrlHome(HWND hwnd, int nMode) { return ZebDocRecord::From(hwnd) != nullptr ? Move(hwnd, {0, 0}, nMode) : 0; }

int DocKeyCtrlEnd(HWND hwnd, int nMode)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    DocWaitLayout(hwnd, -1);
    const int nCount = LineCount(*pDoc);
    if (nCount == 0)
        return Move(hwnd, {0, 0}, nMode);
    return Move(hwnd, {LineLastColumn(pDoc->Lines()->At(nCount - 1)), nCount - 1}, nMode);
}

int DocKeyPageUp(HWND hwnd, int nMode)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr || pDoc->head.CaretPos().y <= 0)
        return 0;
    return ByPage(hwnd, *pDoc, -1, nMode);
}

int DocKeyPageDown(HWND hwnd, int nMode)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    DocWaitLayout(hwnd, -1);
    if (pDoc->head.CaretPos().y >= LineCount(*pDoc) - 1)
        return 0;
    return ByPage(hwnd, *pDoc, 1, nMode);
}
