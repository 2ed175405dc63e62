#include "text/doc/doc_layout.h"

#include "objects/obj_children.h"
#include "text/caret/doc_caret.h"
#include "text/doc/doc_fonts.h"
#include "text/doc/doc_geometry.h"
#include "text/doc/doc_record.h"
#include "text/tables/font_entry.h"

namespace {

bool IsLayoutCellMode(int nAlignment)
{
    return (nAlignment >= 4 && nAlignment <= 6) || (nAlignment >= 8 && nAlignment <= 10);
}

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
    if (IsLayoutCellMode(doc.nAlignment) && doc.nUserCellCount > 0 && doc.UserCells() != nullptr)
    {
        in.pCells = static_cast<const ZebUserCell*>(doc.UserCells());
        in.nCells = doc.nUserCellCount;
    }
    return in;
}

// The client size in document pixels, rounded up.
SIZE ClientSizeInDoc(HWND hwnd, int nScale)
{
    RECT rc = {};
    ::GetClientRect(hwnd, &rc);
    if (nScale == 100 || nScale < 1)
        return {rc.right, rc.bottom};
    return {static_cast<LONG>((rc.right * 100LL + nScale - 1) / nScale),
            static_cast<LONG>((rc.bottom * 100LL + nScale - 1) / nScale)};
}

// Where the lines laid out at once must reach, across the lines.
long long VisibleEnd(HWND hwnd, const ZebDocRecord& doc)
{
    const SIZE client = ClientSizeInDoc(hwnd, doc.nScale);
    const POINT origin = doc.head.Origin();
    if (doc.head.Vertical() != 0)
        return static_cast<long long>(doc.nDocWidth) - origin.x + client.cx;
    return static_cast<long long>(origin.y) + client.cy;
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

void DocRelayout(HWND hwnd, bool bRepaint)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr || pDoc->head.Kind() != ZebKindDoc)
        return;
    DocReflowFrom(hwnd, 0);
    DocSetCaret(hwnd, -1, -1, kCaretTakeAttrs);
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
