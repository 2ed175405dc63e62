#include "text/edit/doc_edit.h"

#include "cp932.h"
#include "objects/obj_children.h"
#include "text/caret/doc_caret.h"
#include "text/doc/doc_fonts.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_record.h"
#include "text/edit/block_edit.h"
#include "text/edit/plain_insert.h"
#include "text/layout/line_layout.h"
#include "text/select/doc_positions.h"
#include "text/tables/bmp_table.h"
#include "text/tables/font_entry.h"
#include "text/view/doc_invalidate.h"

namespace {

const int kAfterEdit = kCaretScroll | kCaretTakeAttrs;

ZebCharAttr TypingAttr(const ZebDocRecord& doc)
{
    return MakeCharAttr(doc.nTypingColor, doc.nTypingFont, doc.nTypingVPos, doc.nTypingUser);
}

// The layout thread stopped and the caret's storage place; false when the
// caret line is not laid out or lies beyond the text.
bool StopAtCaret(ZebDocRecord& doc, bool bAtByte, ZebTextSpot* pSpot)
{
    DocStopLayout(doc);
    const POINT caret = doc.head.CaretPos();
    return DocPositionSpot(doc, caret.x, caret.y, bAtByte, pSpot);
}

// The selected text in storage: where it starts, its first byte and the
// place after it.
struct SelectionPlace
{
    ZebSelectionSpan span;
    POINT start;
    ZebTextSpot from;
    ZebTextSpot to;
};

// The layout thread stopped and the selection's place in storage.
SelectionPlace StopAtSelection(ZebDocRecord& doc)
{
    DocStopLayout(doc);
    SelectionPlace sel = {ZebSelectionNone, {}, {}, {}};
    sel.span = DocSelectionSpots(doc, &sel.start, &sel.from, &sel.to);
    return sel;
}

// Lays the lines out again after an edit at the position, repaints from
// the first line laid out to the end and puts the caret at the spot.
int Finish(HWND hwnd, ZebDocRecord& doc, POINT edit, const ZebTextSpot& spot, int nMode, bool bWait)
{
    const int nLine = RelayoutStartLine(*doc.Lines(), edit.x, edit.y);
    DocReflowFrom(hwnd, nLine);
    if (bWait)
        DocWaitLayout(hwnd, -1);
    const POINT from = {0, nLine};
    DocInvalidateRange(hwnd, &from, nullptr);
    POINT caret = {};
    if (BlockToPosition(hwnd, spot.block, spot.offset, &caret))
        return DocSetCaret(hwnd, caret.x, caret.y, nMode);
    DocSetCaret(hwnd, -1, -1, nMode);
    return 0;
}

// Stores one or two bytes at the caret and finishes the edit.
int InsertAtCaret(HWND hwnd, ZebDocRecord& doc, const char* pBytes, const ZebCharAttr* pAttrs, int n, int nMode)
{
    ZebTextSpot spot = {};
    if (!StopAtCaret(doc, false, &spot) || !StoreBytes(*doc.Blocks(), spot, pBytes, pAttrs, n))
        return 0;
    return Finish(hwnd, doc, doc.head.CaretPos(), spot, nMode, false);
}

// Deletes the character at the caret and finishes the edit.
int DeleteAtCaret(HWND hwnd, ZebDocRecord& doc)
{
    ZebTextSpot spot = {};
    if (!StopAtCaret(doc, true, &spot) || EraseChar(*doc.Blocks(), spot) == 0)
        return 0;
    return Finish(hwnd, doc, doc.head.CaretPos(), spot, kAfterEdit, false);
}

}  // namespace

bool TypingIsShiftJis(ZebDocRecord& doc)
{
    const ZebFontEntry* pFont = DocFontEntry(doc, doc.nTypingFont);
    return pFont != nullptr && pFont->logfont.lfCharSet == SHIFTJIS_CHARSET;
}

int DocInsertChar(HWND hwnd, int nCode)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    const ZebCharAttr attr = TypingAttr(*pDoc);
    if (nCode <= 0xFF)
    {
        const char c = static_cast<char>(nCode);
        const ZebCharAttr attrOne = attr | (c == '\n' || c == '\f' ? ZebAttrBreak : 0);
        return InsertAtCaret(hwnd, *pDoc, &c, &attrOne, 1, kAfterEdit);
    }
    const char bytes[2] = {static_cast<char>(nCode >> 8), static_cast<char>(nCode)};
    ZebCharAttr attrs[2] = {attr, attr};
    if (TypingIsShiftJis(*pDoc))
    {
        if (!cp932::IsLeadByte(static_cast<unsigned char>(bytes[0])) ||
            !cp932::IsTrailByte(static_cast<unsigned char>(bytes[1])))
            return 0;
        attrs[0] |= ZebAttrLead;
        attrs[1] |= ZebAttrTrail;
    }
    return InsertAtCaret(hwnd, *pDoc, bytes, attrs, 2, kAfterEdit);
}

int DocInsertText(HWND hwnd, const char* psz)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    ZebTextSpot spot = {};
    if (pDoc == nullptr || psz == nullptr || !StopAtCaret(*pDoc, false, &spot))
        return 0;
    const bool bStored = StorePlainText(*pDoc->Blocks(), spot, psz, TypingAttr(*pDoc), TypingIsShiftJis(*pDoc));
    return Finish(hwnd, *pDoc, pDoc->head.CaretPos(), spot, kAfterEdit, true) == 1 && bStored ? 1 : 0;
}

int DocInsertBmp(HWND hwnd, int nBitmap)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr || nBitmap < 0 || nBitmap >= pDoc->Bitmaps()->Count())
        return 0;
    const char c = ' ';
    const ZebCharAttr attr = AttrWithFont(TypingAttr(*pDoc), nBitmap) | ZebAttrBitmap;
    return InsertAtCaret(hwnd, *pDoc, &c, &attr, 1, kCaretScroll | kCaretAlways);
}

int DocDeleteChar(HWND hwnd)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    return pDoc != nullptr ? DeleteAtCaret(hwnd, *pDoc) : 0;
}

int DocBackspace(HWND hwnd)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    const ZebLineTable& lines = *pDoc->Lines();
    const POINT caret = pDoc->head.CaretPos();
    if (caret.y < 0 || caret.y >= lines.Count() || (caret.x <= 0 && caret.y == 0))
        return 0;
    POINT target = {caret.x - 1, caret.y};
    if (caret.x <= 0)
    {
        const ZebLineEntry& before = lines.At(caret.y - 1);
        target = {before.length > 0 && before.endKind != ZebLineEndText ? before.length - 1 : before.length,
                  caret.y - 1};
    }
    if (!DocSetCaret(hwnd, target.x, target.y, kCaretTakeAttrs))
        return 0;
    return DeleteAtCaret(hwnd, *pDoc);
}

int DocDeleteSelection(HWND hwnd)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    SelectionPlace sel = StopAtSelection(*pDoc);
    const int nCaretLine = pDoc->head.CaretPos().y;
    if (nCaretLine < 0 || nCaretLine >= pDoc->Lines()->Count())
        return 0;
    if (sel.span != ZebSelectionSome)
        return sel.span == ZebSelectionNone ? 1 : 0;
    if (!EraseRange(*pDoc->Blocks(), sel.from, sel.to))
        return 0;
    pDoc->anchor = {-1, -1};
    return Finish(hwnd, *pDoc, sel.start, sel.from, kAfterEdit, true);
}

int DocSetSelectionFont(HWND hwnd)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    const SelectionPlace sel = StopAtSelection(*pDoc);
    if (sel.span != ZebSelectionSome)
        return sel.span == ZebSelectionNone ? 1 : 0;
    SetRangeFont(*pDoc->Blocks(), sel.from, sel.to, pDoc->nTypingFont);
    const int nLine = RelayoutStartLine(*pDoc->Lines(), sel.start.x, sel.start.y);
    DocReflowFrom(hwnd, nLine);
    const POINT lineStart = {0, nLine};
    DocInvalidateRange(hwnd, &lineStart, nullptr);
    return DocSetCaret(hwnd, -1, -1, kCaretScroll | kCaretExtend | kCaretAlways);
}

int DocClearText(HWND hwnd)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    DocStopLayout(*pDoc);
    ZebBlockList& blocks = *pDoc->Blocks();
    while (blocks.Count() > 1)
        blocks.BlockFree(blocks.Count() - 1);
    ZebTextBlock* pFirst = blocks.Block(0);
    BlockErase(pFirst, 0, BlockTextLength(pFirst));
    pDoc->head.SetOrigin({0, 0});
    pDoc->anchor = {-1, -1};
    DocReflowFrom(hwnd, 0);
    DocSetCaret(hwnd, 0, 0, kCaretAlways);
    InvalidateObj(hwnd);
    return 1;
}
