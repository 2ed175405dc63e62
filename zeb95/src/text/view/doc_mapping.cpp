#include "text/view/doc_mapping.h"

#include <climits>

#include "text/doc/doc_fonts.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_record.h"
#include "text/paint/line_plan.h"
#include "text/view/line_placement.h"

namespace {

const ZebCharAttr kFlagBits = ZebAttrLead | ZebAttrTrail | ZebAttrBreak | ZebAttrBitmap;

bool IsCharacter(ZebCharAttr attr) { return (attr & (ZebAttrBreak | ZebAttrBitmap)) == 0; }

// The line whose band across holds nAcross (the first above, the last
// below) and its top; a line that ends past INT_MAX cannot be reached, the
// line before it is taken.
int LineUnder(const ZebLineTable& lines, long long nAcross, long long* pnTop)
{
    const int nLine = lines.LineAt(nAcross < INT_MAX ? nAcross : INT_MAX, pnTop);
    if (nLine <= 0)
    {
        *pnTop = 0;
        return 0;
    }
    if (*pnTop + lines.At(nLine).height <= INT_MAX)
        return nLine;
    *pnTop -= lines.At(nLine - 1).height;
    return nLine - 1;
}

// The top of the line; when it cannot be held in an int, the position moves
// to the last position of the last line whose top can.
long long LineTop(const ZebLineTable& lines, POINT* pPosition)
{
    const long long nTop = lines.Top(pPosition->y);
    if (nTop <= INT_MAX)
        return nTop;
    long long nLastTop = 0;
    pPosition->y = lines.LineAt(INT_MAX, &nLastTop);
    pPosition->x = LineLastColumn(lines.At(pPosition->y));
    return nLastTop;
}

// Walks an ordinary text place backwards (bStep -1) or forwards (1) for a
// character's attribute.
bool FindCharacter(const ZebBlockList& blocks, int nBlock, int nOffset, int nStep, ZebCharAttr* pAttr)
{
    for (int b = nBlock; b >= 0 && b < blocks.Count(); b += nStep)
    {
        const ZebTextBlock* pBlock = blocks.Block(b);
        const int nLength = BlockTextLength(pBlock);
        int o = b == nBlock ? nOffset : (nStep < 0 ? nLength - 1 : 0);
        for (; o >= 0 && o < nLength; o += nStep)
        {
            const ZebCharAttr attr = BlockAttrAt(pBlock, o);
            if (IsCharacter(attr))
            {
                *pAttr = attr;
                return true;
            }
        }
    }
    return false;
}

}  // namespace

int DocEffectiveAttr(const ZebDocRecord& doc, int nBlock, int nOffset, ZebCharAttr* pAttr)
{
    const ZebBlockList& blocks = *doc.Blocks();
    if (nBlock >= blocks.Count())
    {
        nBlock = blocks.Count() - 1;
        nOffset = INT_MAX;
    }
    if (nBlock < 0)
        nBlock = nOffset = 0;
    const ZebTextBlock* pBlock = blocks.Block(nBlock);
    const int nLength = pBlock != nullptr ? BlockTextLength(pBlock) : 0;
    if (nOffset > nLength)
        nOffset = nLength;
    if (FindCharacter(blocks, nBlock, nOffset - 1, -1, pAttr) || FindCharacter(blocks, nBlock, nOffset, 1, pAttr))
        return 1;
    *pAttr = MakeCharAttr(doc.nTypingColor, doc.nTypingFont, doc.nTypingVPos, doc.nTypingUser);
    return 0;
}

int DocPositionToPoint(HWND hwnd, int nColumn, int nLine, POINT* pPoint, SIZE* pSize, ZebCharAttr* pAttr)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    ZebDocRecord& doc = *pDoc;
    const ZebLineTable& lines = *doc.Lines();
    POINT pos = {nColumn < 0 ? doc.head.CaretPos().x : nColumn, nLine < 0 ? doc.head.CaretPos().y : nLine};
    if (pos.y < 0 || pos.y >= lines.Count() || pos.x < 0 || pos.x > LineLastColumn(lines.At(pos.y)))
        return 0;
    const long long nTop = LineTop(lines, &pos);
    const ZebLineEntry& line = lines.At(pos.y);
    const ZebTableFonts fonts(DocFontTable(doc, false), doc.head.Vertical() != 0);
    const ZebUnitMeasure measure = DocUnitMeasure(hwnd, doc, fonts);
    ZebLinePlan plan;
    if (!plan.Plan(DocLineShape(doc), *doc.Blocks(), measure, line, pos.x))
        return 0;
    const long long nAlong = plan.AlongAt(pos.x);
    ZebLineWalk walk(*doc.Blocks(), measure, line);
    ZebCharAttr flags = walk.AtEnd() ? 0 : walk.Cursor().Attr();
    for (; walk.Column() < pos.x && !walk.AtEnd(); walk.Next())
    {
        if (IsCharacter(walk.Cursor().Attr()))
            flags = walk.Cursor().Attr();
    }
    const bool bVertical = doc.head.Vertical() != 0;
    if (pPoint != nullptr)
    {
        const LONG nAlongValue = static_cast<LONG>(nAlong < INT_MAX ? nAlong : INT_MAX);
        *pPoint = bVertical ? POINT{static_cast<LONG>(doc.nDocWidth - nTop - line.height), nAlongValue}
                            : POINT{nAlongValue, static_cast<LONG>(nTop)};
    }
    if (pSize != nullptr)
        *pSize = bVertical ? SIZE{line.height, 2} : SIZE{2, line.height};
    if (pAttr != nullptr)
    {
        ZebCharAttr attr = 0;
        DocEffectiveAttr(doc, walk.Cursor().Block(), walk.Cursor().Offset(), &attr);
        attr = (attr & ~kFlagBits) | (flags & kFlagBits);
        if (pSize != nullptr && AttrFont(attr) >= fonts.Count())
            attr = AttrWithFont(attr, 0);
        *pAttr = attr;
    }
    return 1;
}

int DocPointToPosition(HWND hwnd, int x, int y, POINT* pPosition)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr || pPosition == nullptr)
        return 0;
    ZebDocRecord& doc = *pDoc;
    const ZebLineTable& lines = *doc.Lines();
    *pPosition = {0, 0};
    if (lines.Count() == 0)
        return 1;
    const bool bVertical = doc.head.Vertical() != 0;
    const long long nAlong = bVertical ? y : x;
    const long long nAcross = bVertical ? static_cast<long long>(doc.nDocWidth) - x : y;
    long long nTop = 0;
    const int nLine = LineUnder(lines, nAcross, &nTop);
    const ZebLineEntry& line = lines.At(nLine);
    const ZebTableFonts fonts(DocFontTable(doc, false), bVertical);
    const ZebUnitMeasure measure = DocUnitMeasure(hwnd, doc, fonts);
    ZebLinePlan plan;
    if (!plan.Plan(DocLineShape(doc), *doc.Blocks(), measure, line))
        return 0;
    *pPosition = {plan.ColumnAt(nAlong, LineLastColumn(line)), nLine};
    return 1;
}
