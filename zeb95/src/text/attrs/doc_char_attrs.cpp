#include "text/attrs/doc_char_attrs.h"

#include "text/caret/doc_caret.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_record.h"
#include "text/select/doc_positions.h"
#include "text/tables/color_index.h"
#include "text/view/doc_invalidate.h"

namespace {

const int kMostVPos = 127;
const int kLeastVPos = -6;
const int kKeepSelection = kCaretScroll | kCaretExtend | kCaretAlways;

// Writes the bits of the value under the mask into every selected byte.
// 1 without a selection, 0 for one beyond the lines, else the caret's
// result.
int SetOnSelection(HWND hwnd, ZebDocRecord& doc, ZebCharAttr mask, ZebCharAttr value)
{
    ZebLayoutPause pause(hwnd);
    POINT start = {};
    ZebTextSpot from = {};
    ZebTextSpot to = {};
    const ZebSelectionSpan span = DocSelectionSpots(doc, &start, &from, &to);
    if (span != ZebSelectionSome)
    {
        DocReflow(hwnd);
        return span == ZebSelectionNone ? 1 : 0;
    }
    const ZebBlockList& blocks = *doc.Blocks();
    for (ZebTextSpot at = from; SpotBefore(at, to);)
    {
        ZebTextBlock* pBlock = blocks.Block(at.block);
        BlockSetAttr(pBlock, at.offset, (BlockAttrAt(pBlock, at.offset) & ~mask) | (value & mask));
        if (!SpotNextByte(blocks, at))
            break;
    }
    DocReflow(hwnd);
    const POINT caret = doc.head.CaretPos();
    DocInvalidateRange(hwnd, &doc.anchor, &caret);
    return DocSetCaret(hwnd, -1, -1, kKeepSelection);
}

}  // namespace

LONG DocSetForeColor(HWND hwnd, COLORREF crFore)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return -1;
    const COLORREF crPrevious = pDoc->head.ForeColor();
    pDoc->head.SetForeColor(crFore);
    pDoc->nTypingColor = ColorToIndex(crFore);
    SetOnSelection(hwnd, *pDoc, ZebAttrColorMask, static_cast<ZebCharAttr>(pDoc->nTypingColor));
    return static_cast<LONG>(crPrevious);
}

int DocSetVPos(HWND hwnd, int nVPos)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    pDoc->nTypingVPos = nVPos >= kLeastVPos && nVPos <= kMostVPos ? nVPos : 0;
    return SetOnSelection(hwnd, *pDoc, 0x00FF0000, MakeCharAttr(0, 0, pDoc->nTypingVPos, 0));
}

int DocSetUserAttr(HWND hwnd, int nUser)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    pDoc->nTypingUser = nUser & 0xFF;
    return SetOnSelection(hwnd, *pDoc, 0xFF000000, MakeCharAttr(0, 0, 0, pDoc->nTypingUser));
}
