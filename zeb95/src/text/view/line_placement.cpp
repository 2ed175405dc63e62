#include "text/view/line_placement.h"

namespace {

bool EndsWithBreakOrText(const ZebLineEntry& line)
{
    return line.endKind == ZebLineEndLineFeed || line.endKind == ZebLineEndFormFeed || line.endKind == ZebLineEndText;
}

}  // namespace

int LineLastColumn(const ZebLineEntry& line)
{
    return line.length > 0 && line.endKind != ZebLineEndText ? line.length - 1 : line.length;
}

int AlignmentOffset(int nAlignment, int nExtent, const ZebLineEntry& line)
{
    int nMode = nAlignment;
    if (nAlignment == 17 || nAlignment == 18)
        nMode = EndsWithBreakOrText(line) ? nAlignment - 16 : 0;
    long long nOffset = 0;
    if (nMode == 1)
        nOffset = static_cast<long long>(nExtent) - 2 - line.width;
    else if (nMode == 2)
        nOffset = (static_cast<long long>(nExtent) - line.width) / 2 - 2;
    return nOffset > 0 ? static_cast<int>(nOffset) : 0;
}

ZebLineWalk::ZebLineWalk(const ZebBlockList& blocks, const ZebUnitMeasure& measure, const ZebLineEntry& line)
    : m_pMeasure(&measure), m_at(blocks, line.block, line.offset)
{
}

int ZebLineWalk::UnitSize() const { return (m_at.Attr() & ZebAttrLead) != 0 ? 2 : 1; }

int ZebLineWalk::Advance() const
{
    const ZebCharAttr attr = m_at.Attr();
    if ((attr & ZebAttrBreak) != 0)
        return m_pMeasure->MarkAdvance(m_at.Byte());
    int nAdvance = 0;
    int nCross = 0;
    if ((attr & ZebAttrBitmap) != 0)
        return m_pMeasure->Bitmap(AttrFont(attr), &nAdvance, &nCross) ? nAdvance : 0;
    const BYTE text[2] = {m_at.Byte(), (attr & ZebAttrLead) != 0 ? m_at.NextByte() : static_cast<BYTE>(0)};
    return m_pMeasure->Char(attr, text, &nAdvance, &nCross) ? nAdvance : 0;
}

void ZebLineWalk::Next()
{
    const int nSize = UnitSize();
    m_at.Skip(nSize);
    m_nColumn += nSize;
}
