#include "npropobjcalnd.h"

#include <cstdlib>

#include "fields/calendar/calendarpainter.h"

IMPLEMENT_SERIAL(CNPropObjCalndStd, CNPropObjCalnd, CNPropObjCalnd::CALND_SCHEMA)

namespace {

const UINT kStdVersion = 1;

BOOL IsMonth(int nMonth)
{
    return nMonth >= 1 && nMonth <= 12;
}

int CurrentMonth()
{
    SYSTEMTIME now;
    AfxGetCurrentLocalTime(&now);
    return now.wMonth;
}

}  // namespace

CNPropObjCalndStd::CNPropObjCalndStd()
{
    CNPropObjCalndStd::InitDefaults();
}

CNPropObjCalndStd::CNPropObjCalndStd(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle)
    : CNPropObjCalnd(block, dwStyle, dwExStyle), m_nMonth(CurrentMonth()), m_nStdVersion(kStdVersion)
{
}

void CNPropObjCalndStd::InitDefaults()
{
    CNPropObjCalnd::InitDefaults();
    m_nMonth = CurrentMonth();
    m_nStdVersion = kStdVersion;
}

void CNPropObjCalndStd::Serialize(CArchive& ar)
{
    CNPropObjCalnd::Serialize(ar);
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_nStdVersion) << m_nMonth;
        return;
    }
    DWORD dwVersion;
    ar >> dwVersion >> m_nMonth;
    if (!IsMonth(m_nMonth))
        m_nMonth = CurrentMonth();
}

int CNPropObjCalndStd::SetText(const CString& strText, int, const int*)
{
    if (!StorePeriodText(strText))
        return 0;
    const int nYear = std::atoi(strText.Left(4));
    const int nMonth = std::atoi(strText.Right(2));
    if (nYear > 0)
        m_nYear = nYear;
    if (IsMonth(nMonth))
        m_nMonth = nMonth;
    return 1;
}

void CNPropObjCalndStd::CopyTo(CNPropObj* pOther)
{
    CNPropObjCalnd::CopyTo(pOther);
    if (!pOther->IsKindOf(RUNTIME_CLASS(CNPropObjCalndStd)))
        return;
    static_cast<CNPropObjCalndStd*>(pOther)->m_nMonth = m_nMonth;
    pOther->LoadToControl(0);
}

UINT CNPropObjCalndStd::GetVersion()
{
    return m_nStdVersion;
}

CString CNPropObjCalndStd::GetPeriodText()
{
    CString strText;
    strText.Format("%04d/%02d", m_nYear, m_nMonth);
    return strText;
}

int CNPropObjCalndStd::DrawCalendar(CDC* pDC, int, int x, int y)
{
    const long long nWidth = static_cast<long long>(m_rcDevice.right) - m_rcDevice.left;
    const long long nHeight = static_cast<long long>(m_rcDevice.bottom) - m_rcDevice.top;
    if (!IsMonth(m_nMonth) || nWidth <= 0 || nHeight <= 0)
        return 0;
    CCalendarPainter painter(*this, pDC);
    const RECT frame = CCalendarPainter::Frame(x, y, nWidth, nHeight);
    if (!painter.DrawMonth(m_nYear, m_nMonth, 0, frame))
        return 0;
    BOOL bDone = painter.DrawMonthTitles(m_nMonth, CPoint(x, y));
    if (m_bYearTitle)
        bDone &= painter.DrawTitle(painter.YearTitle(), m_nYearSize, m_ptYearTitle, CPoint(x, y),
            CalendarColor(m_nTitleColor), painter.TitleAlign(), TRUE);
    return bDone ? 1 : 0;
}
