#include "text/paint/line_plan.h"

#include "objects/global_mem.h"
#include "text/doc/doc_record.h"
#include "text/paint/line_arrange.h"
#include "text/view/line_placement.h"

namespace {

const int kArrayStep = 4096;
const int kJustified = 3;
const int kAlignMask = 3;
const int kBackward = 8;

bool EndsParagraph(const ZebLineEntry& line)
{
    return line.endKind == ZebLineEndLineFeed || line.endKind == ZebLineEndFormFeed || line.endKind == ZebLineEndText;
}

// Where the caret of a line without arranged bytes stands.
int EmptyForwardStart(const ZebUserCell& first, int nAlign)
{
    const int nWidth = first.wRight - first.wLeft;
    return nAlign == 1 ? first.wRight : nAlign == 2 ? first.wLeft + nWidth / 2 : first.wLeft;
}

int EmptyBackwardStart(const ZebUsableCells& usable, int nAlign)
{
    const int nEnd = usable.nRunEnd;
    return nAlign == 1 ? nEnd : nAlign == 2 ? nEnd - (usable.nLastWidth + 1) / 2 : nEnd - usable.nLastWidth;
}

}  // namespace

ZebLineShape DocLineShape(const ZebDocRecord& doc)
{
    ZebLineShape shape = {doc.nAlignment, doc.head.Vertical() != 0 ? doc.nDocHeight : doc.nDocWidth, nullptr, 0};
    if (IsCellMode(doc.nAlignment) && doc.nUserCellCount > 0 && doc.UserCells() != nullptr)
    {
        shape.pCells = static_cast<const ZebUserCell*>(doc.UserCells());
        shape.nCells = doc.nUserCellCount;
    }
    return shape;
}

ZebPlacement LinePlacement(const ZebLineShape& shape, const ZebLineEntry& line)
{
    if (shape.nAlignment == kJustified || (shape.nAlignment >= 16 && shape.nAlignment <= 18 && !EndsParagraph(line)))
        return ZebPlacement::Justified;
    return shape.pCells != nullptr ? ZebPlacement::Cells : ZebPlacement::Plain;
}

ZebLinePlan::~ZebLinePlan() { LockedGlobalFree(m_pSteps); }

bool ZebLinePlan::Reserve(int nCount)
{
    if (nCount <= m_nCapacity && m_pSteps != nullptr)
        return true;
    const int nCapacity = (nCount / kArrayStep + 1) * kArrayStep;
    const SIZE_T cb = static_cast<SIZE_T>(nCapacity) * 2 * sizeof(int);
    void* p = LockedGlobalAlloc(GMEM_MOVEABLE, cb);
    if (p == nullptr)
        return false;
    LockedGlobalFree(m_pSteps);
    m_pSteps = static_cast<int*>(p);
    m_nCapacity = nCapacity;
    return true;
}

bool ZebLinePlan::Plan(const ZebLineShape& shape, const ZebBlockList& blocks, const ZebUnitMeasure& measure,
                       const ZebLineEntry& line, int nUpTo)
{
    m_placement = LinePlacement(shape, line);
    if (!Reserve(line.length > 0 ? line.length : 0))
        return false;
    Measure(blocks, measure, line, m_placement == ZebPlacement::Plain ? nUpTo : INT_MAX);
    if (m_placement == ZebPlacement::Justified)
        Justify(shape);
    else if (m_placement == ZebPlacement::Cells)
        ArrangeCells(shape, line);
    else
        m_nStart = AlignmentOffset(shape.nAlignment, shape.nExtent, line);
    return true;
}

void ZebLinePlan::Measure(const ZebBlockList& blocks, const ZebUnitMeasure& measure, const ZebLineEntry& line,
                          int nUpTo)
{
    const int nTrail = m_placement == ZebPlacement::Cells ? -1 : 0;
    m_nCount = 0;
    m_nItems = 0;
    m_nBreak = -1;
    m_nContent = 0;
    for (ZebLineWalk walk(blocks, measure, line); walk.Column() < line.length && walk.Column() < nUpTo && !walk.AtEnd();
         walk.Next())
    {
        const int i = walk.Column();
        const int nSize = i + walk.UnitSize() <= line.length ? walk.UnitSize() : 1;
        const int nAdvance = walk.Advance();
        m_pSteps[i] = m_pSteps[m_nCapacity + i] = nAdvance;
        if (nSize == 2)
        {
            m_pSteps[i + 1] = nTrail;
            m_pSteps[m_nCapacity + i + 1] = -1;
        }
        m_nCount = i + nSize;
        if (walk.IsBreak())
        {
            m_nBreak = i;
            continue;
        }
        ++m_nItems;
        m_nContent += nAdvance;
    }
}

void ZebLinePlan::Justify(const ZebLineShape& shape)
{
    const long long nLayout = static_cast<long long>(shape.nExtent) - 2;
    const long long nMark = m_nBreak >= 0 ? m_pSteps[m_nBreak] : 0;
    if (m_nCount == 0)
        m_nStart = shape.nExtent / 2 - 2 > 0 ? shape.nExtent / 2 - 2 : 0;
    else if (m_nItems >= 2)
    {
        m_nStart = 0;
        JustifyAdvances(m_pSteps, m_nBreak >= 0 ? m_nBreak : m_nCount, m_nItems, nLayout - m_nContent - nMark);
    }
    else
        m_nStart = CentredStart(nLayout, m_nContent, nMark);
}

void ZebLinePlan::ArrangeCells(const ZebLineShape& shape, const ZebLineEntry& line)
{
    const ZebUsableCells usable = FindUsableCells(shape.pCells, shape.nCells, shape.nExtent - 2);
    const int nAlign = (shape.nAlignment & kAlignMask) == kAlignMask ? 0 : shape.nAlignment & kAlignMask;
    const bool bBackward = (shape.nAlignment & kBackward) != 0;
    const int nArranged = m_nCount - (line.endKind == ZebLineEndLineFeed && m_nCount > 0 ? 1 : 0);
    if (nArranged == 0)
    {
        m_nStart = bBackward ? EmptyBackwardStart(usable, nAlign) : EmptyForwardStart(shape.pCells[0], nAlign);
    }
    else if (bBackward)
        m_nStart = FillCellsBackward(shape.pCells, usable, nAlign, m_pSteps, nArranged);
    else
        m_nStart = FillCellsForward(shape.pCells, usable, nAlign, m_pSteps, nArranged);
    for (int i = 0; i < m_nCount; ++i)
        m_pSteps[i] = m_pSteps[i] < 0 ? 0 : m_pSteps[i];
}

long long ZebLinePlan::AlongAt(int nColumn) const
{
    long long nAlong = m_nStart;
    for (int i = 0; i < nColumn && i < m_nCount; ++i)
        nAlong += m_pSteps[i];
    return nAlong;
}

int ZebLinePlan::ColumnAt(long long nAlong, int nLast) const
{
    long long nPen = m_nStart;
    for (int i = 0; i < nLast && i < m_nCount; ++i)
    {
        if (i == m_nBreak)
            return i;
        const long long nLeft = nPen;
        nPen += m_pSteps[i];
        if (Own(i) < 0)
            continue;
        const long long nEdge = m_placement == ZebPlacement::Cells ? nLeft + Own(i) : nPen;
        if (nAlong < nEdge)
            return i;
    }
    return nLast;
}
