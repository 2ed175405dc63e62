#include "fields/calendar/calendarpainter.h"

#include "calendarday.h"
#include "fields/base/clampint.h"
#include "mirtbase.h"

namespace {

const int kDaysInWeek = 7;
// The largest font the calendar makes, in points.
const int kMaxPoints = 0x7FFF;

int Truncate(double dValue)
{
    return MirtClampInt(static_cast<long long>(dValue));
}

}  // namespace

// A month's frame in device units and its week start.
struct CCalendarPainter::Month
{
    int nYear;
    int nMonth;
    DWORD dwKeyMonth;
    long long x;
    long long y;
    long long w;
    long long h;

    int X(double dFraction) const { return Truncate(static_cast<double>(x) + dFraction * static_cast<double>(w)); }
    int Y(double dFraction) const { return Truncate(static_cast<double>(y) + dFraction * static_cast<double>(h)); }
    // x + n * w / d and y + n * h / d in integer arithmetic.
    int XDiv(long long n, long long d) const { return MirtClampInt(x + n * w / d); }
    int YDiv(long long n, long long d) const { return MirtClampInt(y + n * h / d); }
};

CCalendarPainter::CCalendarPainter(CNPropObjCalnd& field, CDC* pDC)
    : m_field(field),
      m_pDC(pDC),
      m_nPercent(field.m_pOwner != nullptr ? static_cast<int>(field.m_pOwner->GetPercent()) : 100),
      m_nSavedDC(pDC->SaveDC())
{
}

CCalendarPainter::~CCalendarPainter()
{
    m_pDC->RestoreDC(m_nSavedDC);
}

int CCalendarPainter::Scale(long long nValue) const
{
    return MirtClampInt(nValue * m_nPercent / 100);
}

int CCalendarPainter::ToDevice(int nLength) const
{
    return Scale(CNPropObj::ConvertLengthUnits(m_pDC, nLength, TRUE));
}

CPoint CCalendarPainter::OffsetToDevice(CPoint offset, BOOL bScaleFirst) const
{
    POINT point = offset;
    if (bScaleFirst)
        point = {Scale(point.x), Scale(point.y)};
    CNPropObj::ConvertPointUnits(m_pDC, &point, TRUE);
    if (!bScaleFirst)
        point = {Scale(point.x), Scale(point.y)};
    return point;
}

UINT CCalendarPainter::TitleAlign() const
{
    return m_field.m_nTitleAlign == CNPropObjCalnd::TITLE_BOTTOM ? TA_BOTTOM | TA_LEFT : TA_TOP | TA_LEFT;
}

BOOL CCalendarPainter::MakeFont(CFont& font, long long nPoints) const
{
    LOGFONT lf = {};
    lf.lfHeight = CNPropObj::PointsToPixels(m_pDC, MirtClampRange(nPoints, 0, kMaxPoints));
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    ::lstrcpynA(lf.lfFaceName, m_field.m_strFace, LF_FACESIZE);
    return font.CreateFontIndirect(&lf);
}

// Whole points of the size at the zoom, then of its tenths.
BOOL CCalendarPainter::MakeSizedFont(CFont& font, int nSize) const
{
    return MakeFont(font, static_cast<long long>(nSize) * m_nPercent / 100 / 10);
}

BOOL CCalendarPainter::DrawTitle(const CString& strText, int nSize, CPoint offset, CPoint origin, COLORREF crText,
    UINT nAlign, BOOL bScaleFirst)
{
    if (strText.IsEmpty())
        return TRUE;
    CFont font;
    if (!MakeFont(font, static_cast<long long>(nSize) * m_nPercent / 1000))
        return FALSE;
    const CPoint at = OffsetToDevice(offset, bScaleFirst);
    CFont* pOldFont = m_pDC->SelectObject(&font);
    m_pDC->SetTextAlign(nAlign);
    m_pDC->SetBkMode(TRANSPARENT);
    m_pDC->SetTextColor(crText);
    m_pDC->TextOut(MirtClampInt(static_cast<long long>(origin.x) + at.x),
        MirtClampInt(static_cast<long long>(origin.y) + at.y), strText);
    m_pDC->SetTextAlign(TA_TOP | TA_LEFT);
    m_pDC->SelectObject(pOldFont);
    return TRUE;
}

RECT CCalendarPainter::Frame(long long x, long long y, long long w, long long h)
{
    return {MirtClampInt(x), MirtClampInt(y), MirtClampInt(x + w), MirtClampInt(y + h)};
}

BOOL CCalendarPainter::DrawMonthTitles(int nMonth, CPoint origin)
{
    const CNPropObjCalnd& f = m_field;
    const COLORREF crTitle = CNPropObjCalnd::CalendarColor(f.m_nTitleColor);
    BOOL bDone = TRUE;
    if (f.m_bMonthTitle1)
        bDone &= DrawTitle(CNPropObjCalnd::MonthTitle(f.m_nMonthStyle1, nMonth), f.m_nMonthSize1, f.m_ptMonthTitle1,
            origin, crTitle, TitleAlign(), TRUE);
    if (f.m_bMonthTitle2)
        bDone &= DrawTitle(CNPropObjCalnd::MonthTitle(f.m_nMonthStyle2, nMonth), f.m_nMonthSize2, f.m_ptMonthTitle2,
            origin, crTitle, TitleAlign(), TRUE);
    return bDone;
}

CString CCalendarPainter::YearTitle() const
{
    CString strYear;
    strYear.Format(m_field.m_bYearSuffix ? "%d年" : "%d", m_field.m_nYear);
    return strYear;
}

BOOL CCalendarPainter::DrawMonth(int nYear, int nMonth, DWORD dwKeyMonth, const RECT& frame)
{
    if (nMonth < 1 || nMonth > 12)
        return FALSE;
    const Month month = {nYear, nMonth, dwKeyMonth, frame.left, frame.top,
        static_cast<long long>(frame.right) - frame.left, static_cast<long long>(frame.bottom) - frame.top};
    CFont weekFont;
    CFont dayFont;
    if (!MakeSizedFont(weekFont, m_field.m_nWeekSize) || !MakeSizedFont(dayFont, m_field.m_nDaySize))
        return FALSE;
    CFont* pOldFont = m_pDC->SelectObject(&weekFont);
    m_pDC->SetBkMode(TRANSPARENT);
    DrawWeekdayNames(month);
    m_pDC->SelectObject(&dayFont);
    const int nRows = DrawDays(month);
    m_pDC->SelectObject(pOldFont);
    m_pDC->SetTextColor(RGB(0, 0, 0));
    if (m_field.m_bGrid) {
        DrawLines(month, nRows);
        DrawBoxes(month, nRows);
    }
    return TRUE;
}

// Columns from the week start.
int CCalendarPainter::Column(int nWeekday) const
{
    if (m_field.m_nWeekStart == CNPropObjCalnd::WEEK_MONDAY)
        return nWeekday == WEEKDAY_SUNDAY ? kDaysInWeek - 1 : nWeekday - 2;
    return nWeekday - 1;
}

void CCalendarPainter::DrawWeekdayNames(const Month& month)
{
    const COLORREF crNormal = CNPropObjCalnd::CalendarColor(m_field.m_nNormalColor);
    const COLORREF crSaturday =
        m_field.m_bSatColor ? CNPropObjCalnd::CalendarColor(m_field.m_nSatColorIndex) : crNormal;
    m_pDC->SetTextAlign(TA_BASELINE | TA_CENTER);
    for (int nWeekday = WEEKDAY_SUNDAY; nWeekday <= WEEKDAY_SATURDAY; nWeekday++) {
        COLORREF crText = crNormal;
        if (nWeekday == WEEKDAY_SUNDAY)
            crText = CNPropObjCalnd::CalendarColor(m_field.m_nHolidayColor);
        else if (nWeekday == WEEKDAY_SATURDAY)
            crText = crSaturday;
        m_pDC->SetTextColor(crText);
        m_pDC->TextOut(month.XDiv(2 * Column(nWeekday) + 1, 2 * kDaysInWeek), month.YDiv(1, 8),
            CNPropObjCalnd::WeekdayName(m_field.m_nWeekStyle, nWeekday));
    }
}

int CCalendarPainter::DrawDays(const Month& month)
{
    const BOOL bMonday = m_field.m_nWeekStart == CNPropObjCalnd::WEEK_MONDAY;
    const int nDays = MirtDaysInMonth(month.nYear, month.nMonth);
    double dFraction = 0.05;
    UINT nAlign = TA_LEFT | TA_TOP;
    if (m_field.m_nNumberPos == CNPropObjCalnd::NUMBER_CENTER) {
        dFraction = 0.5;
        nAlign = TA_CENTER | TA_TOP;
    } else if (m_field.m_nNumberPos == CNPropObjCalnd::NUMBER_RIGHT) {
        dFraction = 0.95;
        nAlign = TA_RIGHT | TA_TOP;
    }
    m_pDC->SetTextAlign(m_field.m_bGrid ? nAlign : TA_BOTTOM | TA_CENTER);
    int nWeekday = MirtWeekday(month.nYear, month.nMonth, 1);
    int nRow = 2;
    for (int nDay = 1; nDay <= nDays; nDay++) {
        m_pDC->SetTextColor(
            DayColor(month.nYear, month.nMonth, nDay, nWeekday, month.dwKeyMonth | static_cast<DWORD>(nDay)));
        CString strDay;
        strDay.Format("%d", nDay);
        const int nColumn = Column(nWeekday);
        if (m_field.m_bGrid)
            m_pDC->TextOut(month.X((nColumn + dFraction) / kDaysInWeek), month.Y((nRow - 1 + 0.01) / kDaysInWeek),
                strDay);
        else
            m_pDC->TextOut(month.XDiv(2 * nColumn + 1, 2 * kDaysInWeek), month.YDiv(nRow, kDaysInWeek), strDay);
        const BOOL bLastColumn = Column(nWeekday) == kDaysInWeek - 1;
        if (bLastColumn && (bMonday || nDay != nDays))
            nRow++;
        nWeekday = nWeekday % kDaysInWeek + 1;
    }
    // A Monday-start month that ends on a Sunday has opened no row more.
    return bMonday && nWeekday == WEEKDAY_MONDAY ? nRow - 1 : nRow;
}

COLORREF CCalendarPainter::DayColor(int nYear, int nMonth, int nDay, int nWeekday, DWORD dwKey) const
{
    const CNPropObjCalnd& f = m_field;
    if (CNPropObjCalnd::HasDay(f.m_arNormalDays, dwKey))
        return CNPropObjCalnd::CalendarColor(f.m_nNormalColor);
    if (CNPropObjCalnd::HasDay(f.m_arMarkedDays, dwKey))
        return CNPropObjCalnd::CalendarColor(f.m_bMarkedColor ? f.m_nMarkedColorIndex : f.m_nHolidayColor);
    if (nWeekday == WEEKDAY_SUNDAY || MirtHolidayKind(nYear, nMonth, nDay) != HOLIDAY_NONE)
        return CNPropObjCalnd::CalendarColor(f.m_nHolidayColor);
    if (f.m_bSatColor && nWeekday == WEEKDAY_SATURDAY)
        return CNPropObjCalnd::CalendarColor(f.m_nSatColorIndex);
    return CNPropObjCalnd::CalendarColor(f.m_nNormalColor);
}

void CCalendarPainter::DrawLine(int nKind, BOOL bInner, int x1, int y1, int x2, int y2)
{
    int nStyle = PS_SOLID;
    int nWidth = 1;
    if (nKind == CNPropObjCalnd::LINE_WIDE && !bInner)
        nWidth = 2;
    else if (nKind == CNPropObjCalnd::LINE_DOTTED && bInner)
        nStyle = PS_DOT;
    else if (nKind != CNPropObjCalnd::LINE_SOLID)
        return;
    CPen pen(nStyle, nWidth, CNPropObjCalnd::CalendarColor(m_field.m_nLineColor));
    CPen* pOldPen = m_pDC->SelectObject(&pen);
    m_pDC->MoveTo(x1, y1);
    m_pDC->LineTo(x2, y2);
    m_pDC->SelectObject(pOldPen);
}

void CCalendarPainter::DrawLines(const Month& month, int nRows)
{
    const int nTop = month.YDiv(1, 2 * kDaysInWeek);
    const int nBottom = month.YDiv(nRows, kDaysInWeek);
    for (int k = 0; k <= kDaysInWeek; k++) {
        const BOOL bOuter = k == 0 || k == kDaysInWeek;
        const int x = month.XDiv(k, kDaysInWeek);
        DrawLine(bOuter ? m_field.m_nOuterVLine : m_field.m_nInnerVLine, !bOuter, x, nTop, x, nBottom);
    }
    const int nLeft = month.XDiv(0, 1);
    const int nRight = month.XDiv(1, 1);
    const int nBorder = month.Y(0.5 / kDaysInWeek);
    DrawLine(m_field.m_nOuterHLine, FALSE, nLeft, nBorder, nRight, nBorder);
    const int nHeading = month.YDiv(1, kDaysInWeek);
    DrawLine(m_field.m_nHeadLine, FALSE, nLeft, nHeading, nRight, nHeading);
    for (int i = 2; i < nRows; i++) {
        const int y = month.YDiv(i, kDaysInWeek);
        DrawLine(m_field.m_nInnerHLine, TRUE, nLeft, y, nRight, y);
    }
    DrawLine(m_field.m_nOuterHLine, FALSE, nLeft, nBottom, nRight, nBottom);
}

// A small frame in the corner of every cell where the number stands: the
// top-left corner for left numbers, the top-right one for right numbers.
void CCalendarPainter::DrawBoxes(const Month& month, int nRows)
{
    const int nPos = m_field.m_nNumberPos;
    if (m_field.m_bNoHatch || nPos == CNPropObjCalnd::NUMBER_CENTER)
        return;
    const BOOL bRight = nPos == CNPropObjCalnd::NUMBER_RIGHT;
    for (int j = 0; j + 2 <= nRows; j++) {
        const int yStroke = month.YDiv(3 * j + 4, 3 * kDaysInWeek);
        const int yTop = month.YDiv(j + 1, kDaysInWeek);
        for (int k = 0; k < kDaysInWeek; k++) {
            const int xEdge = month.XDiv(bRight ? k + 1 : k, kDaysInWeek);
            const int xStroke = month.XDiv(bRight ? 3 * k + 2 : 3 * k + 1, 3 * kDaysInWeek);
            DrawLine(CNPropObjCalnd::LINE_SOLID, FALSE, xEdge, yStroke, xStroke, yStroke);
            DrawLine(CNPropObjCalnd::LINE_SOLID, FALSE, xStroke, yTop, xStroke, yStroke);
        }
    }
}
