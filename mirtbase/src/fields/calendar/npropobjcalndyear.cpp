#include "npropobjcalnd.h"

#include <cstdlib>

#include "fields/base/clampint.h"
#include "fields/calendar/calendarpainter.h"

IMPLEMENT_SERIAL(CNPropObjCalndYear, CNPropObjCalnd, CNPropObjCalnd::CALND_SCHEMA)

namespace {

const UINT kYearVersion = 1;

int Span(LONG nFrom, LONG nTo)
{
    return MirtClampInt(static_cast<long long>(nTo) - nFrom);
}

}  // namespace

CNPropObjCalndYear::CNPropObjCalndYear()
{
    CNPropObjCalndYear::InitDefaults();
}

CNPropObjCalndYear::CNPropObjCalndYear(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle)
    : CNPropObjCalnd(block, dwStyle, dwExStyle), m_nYearTitleColor(0), m_nYearVersion(kYearVersion)
{
    m_arBlocks.SetSize(MONTHS);
}

void CNPropObjCalndYear::InitDefaults()
{
    CNPropObjCalnd::InitDefaults();
    m_nYearTitleColor = 0;
    m_arBlocks.RemoveAll();
    m_arBlocks.SetSize(MONTHS);
    m_nYearVersion = kYearVersion;
}

// The blocks: their count in the archive's count form, then left, top,
// right and bottom of each. A load reads block by block, so a count larger
// than the record ends in the archive's end-of-file exception.
void CNPropObjCalndYear::Serialize(CArchive& ar)
{
    CNPropObjCalnd::Serialize(ar);
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_nYearVersion) << m_nYearTitleColor;
        ar.WriteCount(m_arBlocks.GetSize());
        for (int i = 0; i < m_arBlocks.GetSize(); i++)
            ar << m_arBlocks[i].left << m_arBlocks[i].top << m_arBlocks[i].right << m_arBlocks[i].bottom;
        return;
    }
    DWORD dwVersion;
    ar >> dwVersion >> m_nYearTitleColor;
    CArrayBase<CRect, const CRect&> blocks;
    for (DWORD_PTR nCount = ar.ReadCount(); nCount > 0; nCount--) {
        CRect block;
        ar >> block.left >> block.top >> block.right >> block.bottom;
        blocks.Add(block);
    }
    m_arBlocks.Copy(blocks);
}

int CNPropObjCalndYear::SetText(const CString& strText, int, const int*)
{
    if (!StorePeriodText(strText))
        return 0;
    const int nYear = std::atoi(strText);
    if (nYear > 0)
        m_nYear = nYear;
    return 1;
}

void CNPropObjCalndYear::CopyTo(CNPropObj* pOther)
{
    CNPropObjCalnd::CopyTo(pOther);
    if (!pOther->IsKindOf(RUNTIME_CLASS(CNPropObjCalndYear)))
        return;
    CNPropObjCalndYear* pYear = static_cast<CNPropObjCalndYear*>(pOther);
    pYear->m_nYearTitleColor = m_nYearTitleColor;
    pYear->m_arBlocks.Copy(m_arBlocks);
    pOther->LoadToControl(0);
}

UINT CNPropObjCalndYear::GetVersion()
{
    return m_nYearVersion;
}

int CNPropObjCalndYear::DrawCalendar(CDC* pDC, int, int x, int y)
{
    CCalendarPainter painter(*this, pDC);
    const CPoint origin(x, y);
    BOOL bDone = TRUE;
    if (m_bYearTitle)
        bDone = painter.DrawTitle(painter.YearTitle(), m_nYearSize, m_ptYearTitle, origin,
            CalendarColor(m_nYearTitleColor), TA_TOP | TA_LEFT, FALSE);
    if (m_arBlocks.GetSize() != MONTHS)
        return 0;
    for (int nMonth = 1; nMonth <= MONTHS; nMonth++) {
        const CRect& block = m_arBlocks[nMonth - 1];
        const int nWidth = painter.ToDevice(Span(block.left, block.right));
        const int nHeight = painter.ToDevice(Span(block.top, block.bottom));
        if (nWidth <= 0 || nHeight <= 0)
            continue;
        const CPoint offset = painter.OffsetToDevice(CPoint(block.left, block.top), FALSE);
        const RECT frame = CCalendarPainter::Frame(static_cast<long long>(x) + offset.x,
            static_cast<long long>(y) + offset.y, nWidth, nHeight);
        bDone &= painter.DrawMonth(m_nYear, nMonth, static_cast<DWORD>(nMonth) << 16, frame);
        bDone &= painter.DrawMonthTitles(nMonth, CPoint(frame.left, frame.top));
    }
    return bDone ? 1 : 0;
}
