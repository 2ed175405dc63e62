#include "text/caret/doc_caret.h"

#include "objects/obj_children.h"
#include "text/caret/scroll_into_view.h"
#include "text/doc/doc_record.h"
#include "text/select/doc_positions.h"
#include "text/tables/color_index.h"
#include "text/view/doc_invalidate.h"
#include "text/view/doc_mapping.h"
#include "text/view/line_placement.h"

namespace {

const int kFixMode = kCaretScroll | kCaretAlways;

// The position made valid, or false for an explicit one outside the lines.
bool ResolveTarget(const ZebDocRecord& doc, bool bExplicitColumn, bool bExplicitLine, POINT& target)
{
    const ZebLineTable& lines = *doc.Lines();
    if (target.y >= lines.Count() || target.y < 0)
    {
        if (bExplicitLine || lines.Count() == 0)
            return false;
        target.y = target.y < 0 ? 0 : lines.Count() - 1;
    }
    const int nLast = LineLastColumn(lines.At(target.y));
    if (target.x > nLast || target.x < 0)
    {
        if (bExplicitColumn)
            return false;
        target.x = target.x < 0 ? 0 : nLast;
    }
    return true;
}

// The typing attributes of the attribute in effect at the caret.
void TakeTypingAttrs(ZebDocRecord& doc, ZebCharAttr attr)
{
    doc.nTypingFont = AttrFont(attr);
    doc.nTypingVPos = static_cast<signed char>((attr >> 16) & 0xFF);
    doc.nTypingUser = static_cast<int>((attr >> 24) & 0xFF);
    const DWORD dwFixedColor = 1;
    if ((doc.dwOptions & dwFixedColor) == 0)
    {
        doc.nTypingColor = AttrColor(attr);
        doc.head.SetForeColor(IndexToColor(doc.nTypingColor));
    }
}

// Whether the position stands on the second byte of a double-byte
// character.
bool OnTrailByte(const ZebDocRecord& doc, POINT pos)
{
    ZebTextSpot spot = {};
    return pos.x > 0 && DocPositionSpot(doc, pos.x, pos.y, true, &spot) &&
           (SpotAttr(*doc.Blocks(), spot) & ZebAttrTrail) != 0;
}

// Maps the target, stepping off the second byte of a double-byte
// character, and stores the caret there.
bool MoveTo(HWND hwnd, ZebDocRecord& doc, POINT target, POINT old, int nMode)
{
    if (OnTrailByte(doc, target))
    {
        const bool bRightward = target.x < LineLastColumn(doc.Lines()->At(target.y)) && old.y == target.y &&
                                old.x == target.x - 1;
        target.x += bRightward ? 1 : -1;
    }
    POINT pt = {};
    SIZE size = {};
    ZebCharAttr attr = 0;
    if (!DocPositionToPoint(hwnd, target.x, target.y, &pt, &size, &attr))
        return false;
    doc.head.SetCaretPos(target);
    doc.caret = {pt.x, pt.y, size.cx, size.cy};
    doc.nGoalX = doc.head.Vertical() != 0 ? pt.y : pt.x;
    if ((attr & 0xFF) < ZebAttrBreak && (nMode & kCaretTakeAttrs) != 0)
        TakeTypingAttrs(doc, attr);
    return true;
}

void UpdateSelection(HWND hwnd, ZebDocRecord& doc, POINT old, int nMode)
{
    const POINT caret = doc.head.CaretPos();
    const bool bMoved = caret.x != old.x || caret.y != old.y;
    if ((nMode & kCaretExtend) == 0)
    {
        if (doc.HasSelection())
        {
            doc.anchor = {-1, -1};
            InvalidateObj(hwnd);
        }
        return;
    }
    if (!doc.HasSelection())
        doc.anchor = old;
    if (bMoved)
        DocInvalidateRange(hwnd, &old, &caret);
}

}  // namespace

int DocSetCaret(HWND hwnd, int nColumn, int nLine, int nMode)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    const POINT old = pDoc->head.CaretPos();
    POINT target = {nColumn < 0 ? old.x : nColumn, nLine < 0 ? old.y : nLine};
    if (target.x != old.x || target.y != old.y || (nMode & (kCaretAlways | kCaretTakeAttrs)) != 0)
    {
        if (!ResolveTarget(*pDoc, nColumn >= 0, nLine >= 0, target) || !MoveTo(hwnd, *pDoc, target, old, nMode))
            return 0;
    }
    UpdateSelection(hwnd, *pDoc, old, nMode);
    if ((nMode & kCaretScroll) != 0)
        ScrollCaretIntoView(hwnd, *pDoc);
    DocUpdateCaret(hwnd, kCaretShow | kCaretRebuildNow);
    return 1;
}

int DocUpdateCaret(HWND hwnd, int nHow)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    WORD& state = pDoc->wCaretState;
    const bool bShow = (nHow & kCaretShow) != 0;
    const bool bComposing = (state & kCaretComposing) != 0;
    if ((state & kCaretFocus) != 0)
    {
        bool bCreate = bShow && (state & kCaretNoSystem) != 0;
        if ((state & kCaretNoSystem) == 0 && (!bShow || (nHow & kCaretRebuildNow) != 0 || (state & kCaretRebuild) != 0))
        {
            ::HideCaret(hwnd);
            ::DestroyCaret();
            bCreate = bShow;
            if (!bShow && (nHow & kCaretRebuildNow) != 0)
                state |= kCaretRebuild;
        }
        if (bCreate)
        {
            DocPlaceCaret(hwnd, !bComposing);
            if (!bComposing)
                state &= ~kCaretRebuild;
        }
    }
    if (bShow && !bComposing && (state & kCaretFocus) != 0)
    {
        state &= ~kCaretNoSystem;
        return 1;
    }
    state |= kCaretNoSystem;
    return 0;
}

int DocFixCaret(HWND hwnd)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    const int nMode = kFixMode | (pDoc->HasSelection() ? kCaretExtend : 0);
    const ZebLineTable& lines = *pDoc->Lines();
    const POINT caret = pDoc->head.CaretPos();
    if (lines.Count() == 0 || caret.y < 0)
        return DocSetCaret(hwnd, 0, 0, nMode);
    if (caret.y >= lines.Count())
        return DocSetCaret(hwnd, LineLastColumn(lines.At(lines.Count() - 1)), lines.Count() - 1, nMode);
    if (caret.x < 0)
        return DocSetCaret(hwnd, 0, caret.y, nMode);
    if (caret.x <= LineLastColumn(lines.At(caret.y)))
        return 1;
    POINT target = {LineLastColumn(lines.At(caret.y)), caret.y};
    int nColumn = caret.x;
    for (int k = caret.y + 1; k < lines.Count(); ++k)
    {
        nColumn -= lines.At(k - 1).length;
        target = {LineLastColumn(lines.At(k)), k};
        if (nColumn <= target.x)
        {
            target.x = nColumn;
            break;
        }
    }
    if (target.x == caret.x && target.y == caret.y)
        return 1;
    return DocSetCaret(hwnd, target.x, target.y, nMode);
}
