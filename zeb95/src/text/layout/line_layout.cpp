#include "text/layout/line_layout.h"

#include <climits>

#include "text/layout/line_start.h"
#include "text/layout/text_cursor.h"

namespace {

// One character or bitmap as it is placed.
struct Unit
{
    int nSize;  // bytes
    int nAdvance;
    int nCross;
    BYTE bClass;
};

// A line while it is filled, with its user-cell bookkeeping.
struct LineState
{
    long long nWidth;
    int nHeight;
    int nLength;
    BYTE bLastUnit;
    int nCell;
    int nCellBytes;
    long long nCellUsed;  // pixels in the current cell
};

// A font index not in the table becomes the typing font, in both bytes of a
// double-byte character.
ZebCharAttr RepairFont(const ZebLayoutInput& in, const ZebTextCursor& at, ZebCharAttr attr, int nSize)
{
    if (AttrFont(attr) < in.measure.FontCount())
        return attr;
    const ZebCharAttr repaired = AttrWithFont(attr, in.nTypingFont);
    at.RepairAttr(repaired);
    if (nSize == 2)
    {
        ZebTextCursor trail = at;
        trail.Skip(1);
        if (!trail.AtEnd())
            trail.RepairAttr(AttrWithFont(trail.Attr(), in.nTypingFont));
    }
    return repaired;
}

// Measures the unit at the cursor. A bitmap not in the table becomes a
// plain character of font 0 in the text; false when the character's font
// cannot be had.
bool MeasureUnit(const ZebLayoutInput& in, const ZebTextCursor& at, Unit* pUnit)
{
    ZebCharAttr attr = at.Attr();
    if ((attr & ZebAttrBitmap) != 0)
    {
        pUnit->nSize = 1;
        pUnit->bClass = kZebUnitBitmap;
        if (in.measure.Bitmap(AttrFont(attr), &pUnit->nAdvance, &pUnit->nCross))
            return true;
        attr = (attr & 0xFFFF0000) | (attr & ZebAttrColorMask);
        at.RepairAttr(attr);
    }
    pUnit->nSize = (attr & ZebAttrLead) != 0 ? 2 : 1;
    pUnit->bClass = pUnit->nSize == 2 ? kZebUnitDouble : kZebUnitSingle;
    attr = RepairFont(in, at, attr, pUnit->nSize);
    const BYTE text[2] = {at.Byte(), pUnit->nSize == 2 ? at.NextByte() : static_cast<BYTE>(0)};
    return in.measure.Char(attr, text, &pUnit->nAdvance, &pUnit->nCross);
}

bool CellIsFull(const ZebLayoutInput& in, const LineState& line, int nSize)
{
    return line.nCellBytes + nSize > in.pCells[line.nCell].wCapacity;
}

// Whether the unit goes to the next line: it passes the byte limit, the
// last user cell or the layout width.
bool Wraps(const ZebLayoutInput& in, const LineState& line, const Unit& unit)
{
    if (in.nLimit > 1 && line.nLength + unit.nSize > in.nLimit)
        return true;
    if (in.pCells != nullptr && line.nCell == in.nCells - 1 && CellIsFull(in, line, unit.nSize))
        return true;
    return in.nWidth > 0 && line.nWidth + unit.nAdvance > in.nWidth;
}

// A unit that overflows its cell opens the next one: a cell left short of
// its span counts as filled, pixels beyond it carry over.
void TakeCell(const ZebLayoutInput& in, LineState* pLine, const Unit& unit)
{
    if (in.pCells == nullptr)
        return;
    if (CellIsFull(in, *pLine, unit.nSize))
    {
        const ZebUserCell& cell = in.pCells[pLine->nCell];
        const int nSpan = cell.wRight - cell.wLeft;
        long long nCarry = pLine->nCellUsed - nSpan;
        if (nCarry < 0)
        {
            pLine->nWidth -= nCarry;
            nCarry = 0;
        }
        pLine->nCell = (pLine->nCell + 1) % in.nCells;
        pLine->nCellBytes = 0;
        pLine->nCellUsed = nCarry;
    }
    pLine->nCellBytes += unit.nSize;
    pLine->nCellUsed += unit.nAdvance;
}

void PlaceUnit(const ZebLayoutInput& in, LineState* pLine, const Unit& unit)
{
    TakeCell(in, pLine, unit);
    pLine->nWidth += unit.nAdvance;
    if (unit.nCross > pLine->nHeight)
        pLine->nHeight = unit.nCross;
    pLine->bLastUnit = unit.bClass;
    pLine->nLength += unit.nSize;
}

// The code the line-start rule looks up: 0 for a break or a bitmap.
UINT CodeAt(const ZebTextCursor& at)
{
    if (at.AtEnd())
        return 0;
    const ZebCharAttr attr = at.Attr();
    if ((attr & (ZebAttrBreak | ZebAttrBitmap)) != 0)
        return 0;
    return (attr & ZebAttrLead) != 0 ? static_cast<UINT>(at.Byte()) << 8 | at.NextByte() : at.Byte();
}

// Fills the line from the cursor; its end kind.
int Fill(const ZebLayoutInput& in, ZebTextCursor& at, LineState* pLine)
{
    LineState before = *pLine;
    for (;;)
    {
        if (at.AtEnd())
            return ZebLineEndText;
        const ZebCharAttr attr = at.Attr();
        if ((attr & ZebAttrBreak) != 0)
        {
            const BYTE bBreak = at.Byte();
            pLine->nWidth += in.measure.MarkAdvance(bBreak);
            pLine->bLastUnit = kZebUnitBreak;
            pLine->nLength += 1;
            return bBreak == '\f' ? ZebLineEndFormFeed : ZebLineEndLineFeed;
        }
        if (pLine->nLength + ((attr & ZebAttrLead) != 0 ? 2 : 1) > kZebMostLineBytes)
            return ZebLineEndCut;
        Unit unit = {};
        if (!MeasureUnit(in, at, &unit))
            return ZebLineEndNone;
        if (pLine->nLength > 0 && Wraps(in, *pLine, unit))
        {
            if (in.pszLineStart != nullptr && pLine->nLength >= 3 && IsLineStartChar(in.pszLineStart, CodeAt(at)))
            {
                *pLine = before;
                return ZebLineEndLineStart;
            }
            return ZebLineEndWrapped;
        }
        before = *pLine;
        PlaceUnit(in, pLine, unit);
        at.Skip(unit.nSize);
    }
}

}  // namespace

int LayoutEntry(const ZebLayoutInput& in, int nBlock, int nOffset, ZebLineEntry* pEntry)
{
    ZebTextCursor at(*in.pBlocks, nBlock, nOffset);
    ZebLineEntry& entry = *pEntry;
    entry = {};
    entry.block = static_cast<WORD>(at.Block());
    entry.offset = static_cast<WORD>(at.Offset());
    LineState line = {0, in.nEmptyHeight, 0, kZebUnitSingle, 0, 0, 0};
    int nKind = Fill(in, at, &line);
    if (line.nLength == 0)
    {
        nKind = ZebLineEndText;
        line = {0, in.nEmptyHeight, 0, kZebUnitSingle, 0, 0, 0};
    }
    entry.width = static_cast<int>(line.nWidth < INT_MAX ? line.nWidth : INT_MAX);
    entry.height = line.nHeight;
    entry.length = static_cast<short>(line.nLength);
    entry.endKind = static_cast<BYTE>(nKind);
    entry.lastUnit = line.bLastUnit;
    return nKind;
}

int LayoutLine(const ZebLayoutInput& in, ZebLineTable& lines, int n)
{
    const int nCount = lines.Count();
    if (n < 0 || n > nCount)
        return ZebLineEndNone;
    if (n == nCount && n > 0 && lines.At(n - 1).endKind == ZebLineEndText)
        return ZebLineEndText;
    int nBlock = 0;
    int nOffset = 0;
    if (n > 0)
    {
        const ZebLineEntry& previous = lines.At(n - 1);
        nBlock = previous.block;
        nOffset = previous.offset + previous.length;
    }
    ZebLineEntry entry = {};
    const int nKind = LayoutEntry(in, nBlock, nOffset, &entry);
    if (n < nCount)
        lines.Set(n, entry);
    else if (!lines.Insert(n, entry))
        return ZebLineEndNone;
    return nKind;
}

int LayoutThrough(const ZebLayoutInput& in, ZebLineTable& lines, long long nReach)
{
    const int kAtLeast = 3;
    const int nFirst = lines.Count();
    long long nHeight = lines.Top(nFirst);
    for (int n = nFirst;; ++n)
    {
        const int nKind = LayoutLine(in, lines, n);
        if (nHeight > nReach && n + 1 - nFirst >= kAtLeast)
            return nKind;
        if (n < lines.Count())
            nHeight += lines.At(n).height;
        if (nKind == ZebLineEndText || nKind == ZebLineEndNone)
            return nKind;
    }
}

int RelayoutStartLine(const ZebLineTable& lines, int nColumn, int nLine)
{
    if (nLine > lines.Count())
        nLine = lines.Count();
    if (nLine < 1)
        return 0;
    const BYTE bKind = lines.At(nLine - 1).endKind;
    const bool bWrapped = bKind == ZebLineEndCut || bKind == ZebLineEndWrapped || bKind == ZebLineEndLineStart;
    return nColumn == 0 || bWrapped ? nLine - 1 : nLine;
}
