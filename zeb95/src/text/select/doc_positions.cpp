#include "text/select/doc_positions.h"

#include "text/doc/doc_layout.h"
#include "text/doc/doc_record.h"
#include "text/view/line_placement.h"

namespace {

const ZebLineEntry* LineAt(const ZebDocRecord& doc, int nLine)
{
    const ZebLineTable* pLines = doc.Lines();
    return pLines != nullptr && nLine >= 0 && nLine < pLines->Count() ? &pLines->At(nLine) : nullptr;
}

// The index of the last line that starts at or before the place (lines
// are in text order), -1 when none does.
int LastLineFrom(const ZebLineTable& lines, const ZebTextSpot& at)
{
    int nLow = 0;
    int nHigh = lines.Count() - 1;
    while (nLow <= nHigh)
    {
        const int nMiddle = nLow + (nHigh - nLow) / 2;
        const ZebLineEntry& line = lines.At(nMiddle);
        if (SpotBefore(at, {line.block, line.offset}))
            nHigh = nMiddle - 1;
        else
            nLow = nMiddle + 1;
    }
    return nHigh;
}

// Bytes from the place a to the place b at or after it.
long long Distance(const ZebBlockList& blocks, ZebTextSpot a, const ZebTextSpot& b)
{
    long long n = 0;
    for (; a.block < b.block; ++a.block, a.offset = 0)
        n += BlockTextLength(blocks.Block(a.block)) - a.offset;
    return n + b.offset - a.offset;
}

}  // namespace

int ComparePositions(int nColumnA, int nLineA, int nColumnB, int nLineB)
{
    return nLineA != nLineB ? (nLineA < nLineB ? -1 : 1) : (nColumnA < nColumnB ? -1 : nColumnA > nColumnB ? 1 : 0);
}

int DocIsValidPosition(HWND hwnd, int nColumn, int nLine)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    const ZebLineEntry* pLine = pDoc != nullptr ? LineAt(*pDoc, nLine) : nullptr;
    return pLine != nullptr && nColumn >= 0 && nColumn <= LineLastColumn(*pLine) ? 1 : 0;
}

int DocSnapPosition(HWND hwnd, POINT* pPosition)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr || pPosition == nullptr)
        return 0;
    const int nCount = pDoc->Lines()->Count();
    pPosition->y = pPosition->y < 0 || nCount == 0 ? 0 : pPosition->y >= nCount ? nCount - 1 : pPosition->y;
    const ZebLineEntry* pLine = LineAt(*pDoc, pPosition->y);
    if (pLine == nullptr)
    {
        pPosition->x = 0;
        return 1;
    }
    const int nLast = LineLastColumn(*pLine);
    pPosition->x = pPosition->x < 0 ? 0 : pPosition->x > nLast ? nLast : pPosition->x;
    ZebTextSpot spot = {};
    if (pPosition->x >= 1 && DocPositionSpot(*pDoc, pPosition->x, pPosition->y, true, &spot) &&
        (SpotAttr(*pDoc->Blocks(), spot) & ZebAttrTrail) != 0)
        --pPosition->x;
    return 1;
}

bool DocPositionSpot(const ZebDocRecord& doc, int nColumn, int nLine, bool bAtByte, ZebTextSpot* pSpot)
{
    const ZebLineEntry* pLine = LineAt(doc, nLine);
    if (pLine == nullptr || nColumn < 0)
        return false;
    ZebTextSpot spot = {pLine->block, pLine->offset + nColumn};
    if (!SpotNormalise(*doc.Blocks(), spot, bAtByte))
        return false;
    *pSpot = spot;
    return true;
}

int BlockToPosition(HWND hwnd, int nBlock, int nOffset, POINT* pPosition)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr || pPosition == nullptr)
        return 0;
    const ZebBlockList& blocks = *pDoc->Blocks();
    ZebTextSpot at = {nBlock, nOffset};
    if (!SpotNormalise(blocks, at, true))
    {
        at = {nBlock, nOffset};
        if (!SpotNormalise(blocks, at, false))
            return 0;
    }
    const ZebLineTable& lines = *pDoc->Lines();
    const int nLine = LastLineFrom(lines, at);
    if (nLine < 0)
        return 0;
    const ZebLineEntry& line = lines.At(nLine);
    const long long nColumn = Distance(blocks, {line.block, line.offset}, at);
    if (nColumn > line.length || (nColumn == line.length && line.endKind != ZebLineEndText))
        return 0;
    *pPosition = {static_cast<LONG>(nColumn), nLine};
    return 1;
}

int DocSpotPosition(HWND hwnd, const ZebTextSpot& spot, POINT* pPosition)
{
    DocWaitSpot(hwnd, spot);
    return BlockToPosition(hwnd, spot.block, spot.offset, pPosition);
}

ZebSelectionSpan DocSelectionSpots(const ZebDocRecord& doc, POINT* pStart, ZebTextSpot* pFrom, ZebTextSpot* pTo)
{
    const POINT caret = doc.head.CaretPos();
    const POINT anchor = doc.anchor;
    if (!doc.HasSelection() || (anchor.x == caret.x && anchor.y == caret.y))
        return ZebSelectionNone;
    const int nCount = doc.Lines()->Count();
    if (caret.y < 0 || caret.y >= nCount)
        return ZebSelectionBad;
    const bool bAnchorFirst = ComparePositions(anchor.x, anchor.y, caret.x, caret.y) < 0;
    const POINT start = bAnchorFirst ? anchor : caret;
    const POINT end = bAnchorFirst ? caret : anchor;
    if (anchor.y >= nCount || !DocPositionSpot(doc, start.x, start.y, true, pFrom) ||
        !DocPositionSpot(doc, end.x, end.y, false, pTo))
        return ZebSelectionBad;
    *pStart = start;
    return ZebSelectionSome;
}
