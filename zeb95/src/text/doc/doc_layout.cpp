#include "text/doc/doc_layout.h"

#include <vector>

#include "objects/obj_children.h"
#include "text/caret/doc_caret.h"
#include "text/doc/doc_fonts.h"
#include "text/doc/doc_geometry.h"
#include "text/doc/doc_record.h"
#include "text/edit/text_spot.h"
#include "text/layout/text_cursor.h"
#include "text/select/doc_positions.h"
#include "text/tables/font_entry.h"

namespace {

// Joins the pass, if any, and keeps its result; a pass that finished
// leaves its completion for MsgLayoutDone.
void JoinRun(ZebDocRecord& doc, bool bAbort, int nAbortAfter)
{
    ZebLayoutRun* pRun = doc.LayoutRun();
    if (pRun == nullptr)
        return;
    const UINT nNumber = pRun->Number();
    doc.nLayoutResult = ZebLayoutRun::Join(pRun, bAbort, nAbortAfter);
    doc.SetLayoutRun(nullptr);
    doc.SetLayoutDoneRun(doc.nLayoutResult != ZebLineEndNone ? nNumber : 0);
}

// A typing font or a mark that names what the tables lack is put right in
// the record before a pass reads it.
void RepairRecord(ZebDocRecord& doc, const ZebUnitMeasure& measure)
{
    if (doc.nTypingFont >= measure.FontCount())
        doc.nTypingFont = 0;
    const ZebMark lineFeed = {doc.wLineFeedCode, doc.lineFeedAttr};
    if (!measure.MarkIsValid(lineFeed))
        doc.wLineFeedCode = kZebNoMark;
    const ZebMark formFeed = {doc.wFormFeedCode, doc.formFeedAttr};
    if (!measure.MarkIsValid(formFeed))
        doc.wFormFeedCode = kZebNoMark;
}

// What a pass lays out with, from the record as it is now.
ZebLayoutInput InputOf(HWND hwnd, ZebDocRecord& doc, const ZebTableFonts& fonts)
{
    const bool bVertical = doc.head.Vertical() != 0;
    ZebLayoutInput in = {};
    in.pBlocks = doc.Blocks();
    RepairRecord(doc, DocUnitMeasure(hwnd, doc, fonts));
    in.measure = DocUnitMeasure(hwnd, doc, fonts);
    in.nWidth = (bVertical ? doc.nDocHeight : doc.nDocWidth) - 2;
    in.nLimit = doc.nLimit;
    in.pszLineStart = doc.head.LineStartString();
    in.nTypingFont = doc.nTypingFont;
    const ZebFontEntry* pCurrent = fonts.Entry(doc.nCurrentFont);
    in.nEmptyHeight = pCurrent != nullptr ? pCurrent->logfont.lfHeight : 0;
    if (IsCellMode(doc.nAlignment) && doc.nUserCellCount > 0 && doc.UserCells() != nullptr)
    {
        in.pCells = static_cast<const ZebUserCell*>(doc.UserCells());
        in.nCells = doc.nUserCellCount;
    }
    return in;
}

// Where the lines laid out at once must reach, across the lines.
long long VisibleEnd(HWND hwnd, const ZebDocRecord& doc)
{
    const RECT client = DocClientInDoc(hwnd, doc.nScale);
    const POINT origin = doc.head.Origin();
    if (doc.head.Vertical() != 0)
        return static_cast<long long>(doc.nDocWidth) - origin.x + client.right;
    return static_cast<long long>(origin.y) + client.bottom;
}

// The extent, and the scroll bars when it changed.
void TakeCompletion(HWND hwnd, ZebDocRecord& doc, bool bAlways)
{
    const SIZE before = {doc.nDocWidth, doc.nDocHeight};
    DocUpdateExtent(hwnd);
    if (bAlways || before.cx != doc.nDocWidth || before.cy != doc.nDocHeight)
        DocRefreshScrollBars(hwnd);
}

}  // namespace

void DocStopLayout(ZebDocRecord& doc) { JoinRun(doc, true, -1); }

ZebLayoutPause::ZebLayoutPause(HWND hwnd) : m_hwnd(hwnd), m_bResume(false)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr || pDoc->LayoutRun() == nullptr)
        return;
    DocStopLayout(*pDoc);
    m_bResume = pDoc->nLayoutResult == ZebLineEndNone;
}

ZebLayoutPause::ZebLayoutPause(ZebLayoutPause&& other) noexcept : m_hwnd(other.m_hwnd), m_bResume(other.m_bResume)
{
    other.m_bResume = false;
}

ZebLayoutPause::~ZebLayoutPause()
{
    ZebDocRecord* pDoc = m_bResume ? ZebDocRecord::From(m_hwnd) : nullptr;
    if (pDoc != nullptr && pDoc->LayoutRun() == nullptr && pDoc->nLayoutResult == ZebLineEndNone)
        DocReflow(m_hwnd);
}

void DocWaitLine(HWND hwnd, int nLine)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc != nullptr && pDoc->LayoutRun() != nullptr)
        pDoc->LayoutRun()->WaitUntil([nLine](const ZebLineTable& lines) { return lines.Count() > nLine; });
}

void DocWaitSpot(HWND hwnd, const ZebTextSpot& spot)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr || pDoc->LayoutRun() == nullptr)
        return;
    pDoc->LayoutRun()->WaitUntil([&spot](const ZebLineTable& lines) {
        const int nCount = lines.Count();
        if (nCount == 0)
            return false;
        const ZebLineEntry& last = lines.At(nCount - 1);
        return SpotBefore(spot, {last.block, last.offset + last.length});
    });
}

int DocWaitLayout(HWND hwnd, int nLine)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return -1;
    JoinRun(*pDoc, false, nLine);
    return pDoc->nLayoutResult;
}

int DocReflow(HWND hwnd)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return ZebLineEndNone;
    ZebDocRecord& doc = *pDoc;
    DocStopLayout(doc);
    doc.SetLayoutDoneRun(0);
    ZebLineTable& lines = *doc.Lines();
    const ZebTableFonts fonts(DocFontTable(doc, false), doc.head.Vertical() != 0);
    const ZebLayoutInput in = InputOf(hwnd, doc, fonts);
    const int nFirst = lines.Count();
    const int nKind = LayoutThrough(in, lines, VisibleEnd(hwnd, doc));
    doc.nLayoutResult = nKind;
    if (nKind != ZebLineEndText && nKind != ZebLineEndNone)
    {
        doc.SetLayoutRun(ZebLayoutRun::Start(hwnd, in, fonts, lines, lines.Count()));
        return nKind;
    }
    if (doc.head.CaretPos().y >= nFirst)
        DocFixCaret(hwnd);
    TakeCompletion(hwnd, doc, false);
    return nKind;
}

int DocReflowFrom(HWND hwnd, int nLine)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return ZebLineEndNone;
    DocStopLayout(*pDoc);
    pDoc->Lines()->Truncate(nLine < 0 ? 0 : nLine);
    pDoc->nLayoutResult = ZebLineEndNone;
    return DocReflow(hwnd);
}

namespace {

// Where an old line that starts at or after the change starts now; false
// for one that started before it or inside the bytes removed.
bool ShiftedStart(const ZebLineEntry& line, const ZebTextEdit& edit, ZebTextSpot* pStart)
{
    *pStart = {line.block, line.offset};
    if (line.block != edit.nBlock)
        return line.block > edit.nBlock;
    if (line.offset < edit.nOffset + edit.nRemoved || line.offset < edit.nOffset)
        return false;
    pStart->offset += edit.nAdded - edit.nRemoved;
    return true;
}

// Where the line after the line starts.
ZebTextSpot NextLineStart(const ZebBlockList& blocks, const ZebLineEntry& line)
{
    const ZebTextCursor at(blocks, line.block, line.offset + line.length);
    return {at.Block(), at.Offset()};
}

// The old lines from n on start after the change: those of the changed
// block move with its bytes.
void ShiftOldLines(ZebLineTable& lines, int n, const ZebTextEdit& edit)
{
    for (; n < lines.Count() && lines.At(n).block == edit.nBlock; ++n)
    {
        ZebLineEntry line = lines.At(n);
        line.offset = static_cast<WORD>(line.offset + edit.nAdded - edit.nRemoved);
        lines.Set(n, line);
    }
}

// The first old line from n on that starts, after the change, at the text
// place or beyond it; the line count when none does.
int OldLineFrom(const ZebLineTable& lines, int n, const ZebTextEdit& edit, const ZebTextSpot& at, ZebTextSpot* pStart)
{
    for (; n < lines.Count(); ++n)
    {
        if (ShiftedStart(lines.At(n), edit, pStart) && !SpotBefore(*pStart, at))
            break;
    }
    return n;
}

}  // namespace

int DocReflowEdit(HWND hwnd, int nLine, const ZebTextEdit* pEdit)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr || pEdit == nullptr)
        return DocReflowFrom(hwnd, nLine);
    ZebDocRecord& doc = *pDoc;
    DocStopLayout(doc);
    ZebLineTable& lines = *doc.Lines();
    const int nOld = lines.Count();
    const int nFirst = nLine < 0 ? 0 : nLine;
    if (nFirst >= nOld)
        return DocReflowFrom(hwnd, nFirst);
    const ZebTableFonts fonts(DocFontTable(doc, false), doc.head.Vertical() != 0);
    const ZebLayoutInput in = InputOf(hwnd, doc, fonts);
    const long long nReach = VisibleEnd(hwnd, doc);
    long long nHeight = lines.Top(nFirst);
    ZebTextSpot at = nFirst > 0 ? NextLineStart(*in.pBlocks, lines.At(nFirst - 1)) : ZebTextSpot{0, 0};
    // The lines laid out anew, until one ends where an old line (shifted by
    // the change) starts: from there the old lines stay.
    std::vector<ZebLineEntry> fresh;
    int nResume = nOld;  // the first old line kept
    for (int nOldAt = nFirst + 1;;)
    {
        ZebLineEntry entry = {};
        const int nKind = LayoutEntry(in, at.block, at.offset, &entry);
        fresh.push_back(entry);
        nHeight += entry.height;
        if (nKind == ZebLineEndText || nKind == ZebLineEndNone)
            break;
        at = NextLineStart(*in.pBlocks, entry);
        ZebTextSpot old = {};
        nOldAt = OldLineFrom(lines, nOldAt, *pEdit, at, &old);
        if (nOldAt < nOld && old.block == at.block && old.offset == at.offset)
        {
            nResume = nOldAt;
            break;
        }
        if (nHeight > nReach && fresh.size() >= 3)
            break;
    }
    const int nFresh = static_cast<int>(fresh.size());
    if (nResume == nOld || !lines.Replace(nFirst, nResume - nFirst, fresh.data(), nFresh))
    {
        lines.Truncate(nFirst);
        for (int i = 0; i < nFresh && lines.Insert(nFirst + i, fresh[i]); ++i)
        {
        }
    }
    else
    {
        ShiftOldLines(lines, nFirst + nFresh, *pEdit);
    }
    doc.nLayoutResult = ZebLineEndNone;
    return DocReflow(hwnd);
}

void DocSplitLines(ZebDocRecord& doc, const ZebTextSpot& at)
{
    ZebLineTable& lines = *doc.Lines();
    for (int n = 0; n < lines.Count(); ++n)
    {
        ZebLineEntry line = lines.At(n);
        if (line.block < at.block || (line.block == at.block && line.offset < at.offset))
            continue;
        if (line.block == at.block)
            line.offset = static_cast<WORD>(line.offset - at.offset);
        ++line.block;
        lines.Set(n, line);
    }
}

void DocRelayout(HWND hwnd, bool bRepaint)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr || pDoc->head.Kind() != ZebKindDoc)
        return;
    ZebDocRecord& doc = *pDoc;
    DocStopLayout(doc);
    const POINT caret = doc.head.CaretPos();
    ZebTextSpot caretSpot = {};
    ZebTextSpot anchorSpot = {};
    const bool bCaret = DocPositionSpot(doc, caret.x, caret.y, false, &caretSpot);
    const bool bAnchor = doc.HasSelection() && DocPositionSpot(doc, doc.anchor.x, doc.anchor.y, false, &anchorSpot);
    DocReflowFrom(hwnd, 0);
    POINT at = {-1, -1};
    doc.anchor = bAnchor && DocSpotPosition(hwnd, anchorSpot, &at) ? at : POINT{-1, -1};
    if (!bCaret || !DocSpotPosition(hwnd, caretSpot, &at))
        at = {-1, -1};
    DocSetCaret(hwnd, at.x, at.y, kCaretTakeAttrs | (doc.HasSelection() ? kCaretExtend : 0));
    if (bRepaint)
        InvalidateObj(hwnd);
}

int DocLayoutDone(HWND hwnd, UINT nRun)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    const ZebLayoutRun* pRun = pDoc->LayoutRun();
    if (pRun != nullptr && pRun->Number() == nRun)
        JoinRun(*pDoc, false, -1);
    if (nRun == 0 || pDoc->LayoutDoneRun() != nRun)
        return 0;
    pDoc->SetLayoutDoneRun(0);
    if (pDoc->nLayoutResult == ZebLineEndNone)
        return 0;
    DocFixCaret(hwnd);
    TakeCompletion(hwnd, *pDoc, true);
    return 1;
}

ZebUnitMeasure DocUnitMeasure(HWND hwnd, const ZebDocRecord& doc, const ZebFontSource& fonts)
{
    return {hwnd,
            &fonts,
            doc.Bitmaps(),
            doc.head.Vertical() != 0,
            doc.nCharExtra,
            {doc.wLineFeedCode, doc.lineFeedAttr},
            {doc.wFormFeedCode, doc.formFeedAttr}};
}

int DocGetLineCount(HWND hwnd)
{
    if (DocWaitLayout(hwnd, -1) < 0)
        return -1;
    const ZebLineTable& lines = *ZebDocRecord::From(hwnd)->Lines();
    const int nCount = lines.Count();
    if (nCount > 0 && lines.At(nCount - 1).length == 0 && lines.At(nCount - 1).endKind == ZebLineEndText)
        return nCount - 1;
    return nCount;
}
