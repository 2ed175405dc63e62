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

// The caret's storage place; false when the caret line is not laid out or
// lies beyond the text.
bool CaretSpot(const ZebDocRecord& doc, bool bAtByte, ZebTextSpot* pSpot)
{
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

// The selection's place in storage.
SelectionPlace SelectionOf(const ZebDocRecord& doc)
{
    SelectionPlace sel = {ZebSelectionNone, {}, {}, {}};
    sel.span = DocSelectionSpots(doc, &sel.start, &sel.from, &sel.to);
    return sel;
}

// The change between the place before an edit and the place after it,
// when both lie in one block and the block list kept its length; else null.
const ZebTextEdit* ChangeIn(const ZebBlockList& blocks, int nBlocksBefore, ZebTextSpot at, int nRemoved, int nAdded,
                            ZebTextEdit* pEdit)
{
    if (blocks.Count() != nBlocksBefore)
        return nullptr;
    *pEdit = {at.block, at.offset, nRemoved, nAdded};
    return pEdit;
}

// The change of bytes stored at a place, n of them now before the spot:
// when the block list grew, the block was split at the place and the lines
// follow the split first.
const ZebTextEdit* StoreChange(ZebDocRecord& doc, int nBlocksBefore, const ZebTextSpot& at, const ZebTextSpot& spot,
                               int n, ZebTextEdit* pEdit)
{
    const ZebBlockList& blocks = *doc.Blocks();
    if (blocks.Count() != nBlocksBefore + 1)
        return ChangeIn(blocks, nBlocksBefore, at, 0, n, pEdit);
    DocSplitLines(doc, at);
    *pEdit = {spot.block, spot.offset - n, 0, n};
    return pEdit;
}

// Lays the lines out again after an edit at the position (over the old
// lines as far as they change when the change is known), repaints from the
// first line laid out to the end and puts the caret at the spot.
int Finish(HWND hwnd, ZebDocRecord& doc, POINT edit, const ZebTextSpot& spot, const ZebTextEdit* pChange, int nMode,
           bool bWait)
{
    const int nLine = RelayoutStartLine(*doc.Lines(), edit.x, edit.y);
    DocReflowEdit(hwnd, nLine, pChange);
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
    ZebLayoutPause pause(hwnd);
    ZebBlockList& blocks = *doc.Blocks();
    const int nBlocks = blocks.Count();
    ZebTextSpot spot = {};
    if (!CaretSpot(doc, false, &spot))
        return 0;
    const ZebTextSpot at = spot;
    if (!StoreBytes(blocks, spot, pBytes, pAttrs, n))
        return 0;
    ZebTextEdit change = {};
    return Finish(hwnd, doc, doc.head.CaretPos(), spot, StoreChange(doc, nBlocks, at, spot, n, &change), nMode, false);
}

// Deletes the character at the caret and finishes the edit.
int DeleteAtCaret(HWND hwnd, ZebDocRecord& doc)
{
    ZebLayoutPause pause(hwnd);
    ZebBlockList& blocks = *doc.Blocks();
    const int nBlocks = blocks.Count();
    ZebTextSpot spot = {};
    if (!CaretSpot(doc, true, &spot))
        return 0;
    const int nErased = EraseChar(blocks, spot);
    if (nErased == 0)
        return 0;
    ZebTextEdit change = {};
    return Finish(hwnd, doc, doc.head.CaretPos(), spot, ChangeIn(blocks, nBlocks, spot, nErased, 0, &change),
                  kAfterEdit, false);
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
    if (pDoc == nullptr || psz == nullptr)
        return 0;
    ZebLayoutPause pause(hwnd);
    ZebBlockList& blocks = *pDoc->Blocks();
    const int nBlocks = blocks.Count();
    ZebTextSpot spot = {};
    if (!CaretSpot(*pDoc, false, &spot))
        return 0;
    const ZebTextSpot at = spot;
    const bool bStored = StorePlainText(blocks, spot, psz, TypingAttr(*pDoc), TypingIsShiftJis(*pDoc));
    ZebTextEdit change = {};
    const ZebTextEdit* pChange =
        at.block == spot.block ? ChangeIn(blocks, nBlocks, at, 0, spot.offset - at.offset, &change) : nullptr;
    return Finish(hwnd, *pDoc, pDoc->head.CaretPos(), spot, pChange, kAfterEdit, true) == 1 && bStored ? 1 : 0;
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
    ZebLayoutPause pause(hwnd);
    SelectionPlace sel = SelectionOf(*pDoc);
    const int nCaretLine = pDoc->head.CaretPos().y;
    if (nCaretLine < 0 || nCaretLine >= pDoc->Lines()->Count())
        return 0;
    if (sel.span != ZebSelectionSome)
        return sel.span == ZebSelectionNone ? 1 : 0;
    ZebBlockList& blocks = *pDoc->Blocks();
    const int nBlocks = blocks.Count();
    const bool bOneBlock = sel.from.block == sel.to.block;
    const int nErased = sel.to.offset - sel.from.offset;
    if (!EraseRange(blocks, sel.from, sel.to))
        return 0;
    pDoc->anchor = {-1, -1};
    ZebTextEdit change = {};
    const ZebTextEdit* pChange = bOneBlock ? ChangeIn(blocks, nBlocks, sel.from, nErased, 0, &change) : nullptr;
    return Finish(hwnd, *pDoc, sel.start, sel.from, pChange, kAfterEdit, true);
}

int DocSetSelectionFont(HWND hwnd)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    ZebLayoutPause pause(hwnd);
    const SelectionPlace sel = SelectionOf(*pDoc);
    if (sel.span != ZebSelectionSome)
        return sel.span == ZebSelectionNone ? 1 : 0;
    SetRangeFont(*pDoc->Blocks(), sel.from, sel.to, pDoc->nTypingFont);
    const int nLine = RelayoutStartLine(*pDoc->Lines(), sel.start.x, sel.start.y);
    const int nSpan = sel.to.offset - sel.from.offset;
    const ZebTextEdit change = {sel.from.block, sel.from.offset, nSpan, nSpan};
    DocReflowEdit(hwnd, nLine, sel.from.block == sel.to.block ? &change : nullptr);
    const POINT lineStart = {0, nLine};
    DocInvalidateRange(hwnd, &lineStart, nullptr);
    return DocSetCaret(hwnd, -1, -1, kCaretScroll | kCaretExtend | kCaretAlways);
}

int DocClearText(HWND hwnd)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    ZebLayoutPause pause(hwnd);
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
