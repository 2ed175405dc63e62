#include "text/select/doc_positions.h"

#include <vector>

#include "text/doc/doc_record.h"
#include "text/view/line_placement.h"

namespace {

const ZebLineEntry* LineAt(const ZebDocRecord& doc, int nLine)
{
    const ZebLineTable* pLines = doc.Lines();
    return pLines != nullptr && nLine >= 0 && nLine < pLines->Count() ? &pLines->At(nLine) : nullptr;
}

// Text offsets of the blocks' starts, and of the end of the text last.
std::vector<long long> BlockStarts(const ZebBlockList& blocks)
{
    std::vector<long long> starts(1, 0);
    for (int i = 0; i < blocks.Count(); ++i)
        starts.push_back(starts.back() + BlockTextLength(blocks.Block(i)));
    return starts;
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
    if (pDoc == nullptr || pPosition == nullptr || nBlock < 0 || nBlock >= pDoc->Blocks()->Count())
        return 0;
    const std::vector<long long> starts = BlockStarts(*pDoc->Blocks());
    const long long nAt = starts[nBlock] + nOffset;
    if (nOffset < 0 || nAt > starts.back())
        return 0;
    const ZebLineTable& lines = *pDoc->Lines();
    for (int i = 0; i < lines.Count(); ++i)
    {
        const ZebLineEntry& line = lines.At(i);
        if (line.block >= pDoc->Blocks()->Count())
            return 0;
        const long long nStart = starts[line.block] + line.offset;
        if (nAt < nStart)
            return 0;
        if (nAt - nStart < line.length || (nAt - nStart == line.length && line.endKind == ZebLineEndText))
        {
            *pPosition = {static_cast<LONG>(nAt - nStart), i};
            return 1;
        }
    }
    return 0;
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
