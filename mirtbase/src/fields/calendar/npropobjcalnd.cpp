#include "npropobjcalnd.h"

#include "draw/fontarchive.h"
#include "fields/base/clampint.h"
#include "fields/fieldcommon.h"
#include "mirtbase.h"

IMPLEMENT_SERIAL(CNPropObjCalnd, CNPropObjCtrl, CNPropObjCalnd::CALND_SCHEMA)

namespace {

const UINT kCalndVersion = 1;

// The members stored as DWORDs, in their stored order, with their defaults
// (the year's is replaced by the current year).
struct StoredValue
{
    int CNPropObjCalnd::*pMember;
    int nDefault;
};

const StoredValue kStoredValues[CNPropObjCalnd::STORED_VALUES] = {
    {&CNPropObjCalnd::m_nYear, 0},
    {&CNPropObjCalnd::m_nWeekStart, CNPropObjCalnd::WEEK_SUNDAY},
    {&CNPropObjCalnd::m_bGrid, 1},
    {&CNPropObjCalnd::m_bYearTitle, 1},
    {&CNPropObjCalnd::m_bMonthTitle1, 1},
    {&CNPropObjCalnd::m_bMonthTitle2, 0},
    {&CNPropObjCalnd::m_bYearSuffix, 0},
    {&CNPropObjCalnd::m_nWeekStyle, 0},
    {&CNPropObjCalnd::m_nMonthStyle1, 0},
    {&CNPropObjCalnd::m_nMonthStyle2, 0},
    {&CNPropObjCalnd::m_nNumberPos, CNPropObjCalnd::NUMBER_LEFT},
    {&CNPropObjCalnd::m_bSatColor, 0},
    {&CNPropObjCalnd::m_bMarkedColor, 0},
    {&CNPropObjCalnd::m_nTitleColor, 0},
    {&CNPropObjCalnd::m_nLineColor, 0},
    {&CNPropObjCalnd::m_nHolidayColor, 9},
    {&CNPropObjCalnd::m_nNormalColor, 0},
    {&CNPropObjCalnd::m_nSatColorIndex, 4},
    {&CNPropObjCalnd::m_nMarkedColorIndex, 5},
    {&CNPropObjCalnd::m_nOuterVLine, 0},
    {&CNPropObjCalnd::m_nOuterHLine, 0},
    {&CNPropObjCalnd::m_nInnerVLine, 0},
    {&CNPropObjCalnd::m_nInnerHLine, 0},
    {&CNPropObjCalnd::m_nHeadLine, 0},
    {&CNPropObjCalnd::m_bNoHatch, 1},
    {&CNPropObjCalnd::m_nYearSize, 160},
    {&CNPropObjCalnd::m_nMonthSize1, 140},
    {&CNPropObjCalnd::m_nMonthSize2, 140},
    {&CNPropObjCalnd::m_nWeekSize, 100},
    {&CNPropObjCalnd::m_nDaySize, 100},
};

const char kCalendarDefaultFace[] = "ＭＳ Ｐゴシック";

const COLORREF kColorTable[CNPropObjCalnd::COLOR_TABLE_SIZE] = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

const char* const kWeekdayNames[CNPropObjCalnd::STYLE_LAST + 1][7] = {
    {"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"},
    {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
    {"S", "M", "T", "W", "T", "F", "S"},
    {"日", "月", "火", "水", "木", "金", "土"},
};

const char* const kEnglishMonthNames[12] = {"January", "February", "March", "April", "May", "June", "July", "August",
    "September", "October", "November", "December"};

const char* const kTraditionalNames[12] = {"睦 月", "如 月", "弥 生", "卯 月", "皐 月", "水 無 月", "文 月",
    "葉 月", "長 月", "神 無 月", "霜 月", "師 走"};

BOOL IsStyle(int nStyle)
{
    return nStyle >= 0 && nStyle <= CNPropObjCalnd::STYLE_LAST;
}

void SerializePoint(CArchive& ar, CPoint& point)
{
    if (ar.IsStoring())
        ar << point.x << point.y;
    else
        ar >> point.x >> point.y;
}

}  // namespace

CNPropObjCalnd::CNPropObjCalnd()
{
    CNPropObjCalnd::InitDefaults();
}

CNPropObjCalnd::CNPropObjCalnd(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle)
    : CNPropObjCtrl(block, dwStyle, dwExStyle)
{
    InitCalendarMembers();
}

CNPropObjCalnd::~CNPropObjCalnd()
{
    CNPropObjCalnd::DestroyControl();
}

void CNPropObjCalnd::InitDefaults()
{
    CNPropObjCtrl::InitDefaults();
    InitCalendarMembers();
}

void CNPropObjCalnd::InitCalendarMembers()
{
    for (const StoredValue& value : kStoredValues)
        this->*value.pMember = value.nDefault;
    SYSTEMTIME now;
    AfxGetCurrentLocalTime(&now);
    m_nYear = now.wYear;
    m_strFace = kCalendarDefaultFace;
    m_ptYearTitle = CPoint(0, 0);
    m_ptMonthTitle1 = CPoint(0, 0);
    m_ptMonthTitle2 = CPoint(0, 0);
    m_nTitleAlign = 0;
    m_arNormalDays.RemoveAll();
    m_arMarkedDays.RemoveAll();
    m_nCalndVersion = kCalndVersion;
}

void CNPropObjCalnd::Serialize(CArchive& ar)
{
    CNPropObjCtrl::Serialize(ar);
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_nCalndVersion);
        for (const StoredValue& value : kStoredValues)
            ar << this->*value.pMember;
        ar << m_strFace;
    } else {
        DWORD dwVersion;
        ar >> dwVersion;
        for (const StoredValue& value : kStoredValues)
            ar >> this->*value.pMember;
        ar >> m_strFace;
    }
    SerializePoint(ar, m_ptYearTitle);
    SerializePoint(ar, m_ptMonthTitle1);
    SerializePoint(ar, m_ptMonthTitle2);
    if (ar.IsStoring())
        ar << m_nTitleAlign;
    else
        ar >> m_nTitleAlign;
    m_arNormalDays.Serialize(ar);
    m_arMarkedDays.Serialize(ar);
    if (ar.IsLoading())
        ValidateLoaded();
}

// Values that index the name tables or choose between two settings, and
// font sizes, held to the fonts a text field's record may hold (a font of
// tens of thousands of points takes the rasteriser minutes); the rest
// (colours, line kinds) draw something or nothing for any value.
void CNPropObjCalnd::ValidateLoaded()
{
    SYSTEMTIME now;
    AfxGetCurrentLocalTime(&now);
    if (m_nYear == 0)
        m_nYear = now.wYear;
    for (int* pStyle : {&m_nWeekStyle, &m_nMonthStyle1, &m_nMonthStyle2}) {
        if (!IsStyle(*pStyle))
            *pStyle = 0;
    }
    if (m_nWeekStart != WEEK_SUNDAY && m_nWeekStart != WEEK_MONDAY)
        m_nWeekStart = WEEK_SUNDAY;
    for (int* pSize : {&m_nYearSize, &m_nMonthSize1, &m_nMonthSize2, &m_nWeekSize, &m_nDaySize})
        *pSize = MirtClampRange(*pSize, 0, MIRT_MAX_FONT_TENTHS);
}

int CNPropObjCalnd::Draw(CDC* pDC, int nMode)
{
    if (!CanDrawOn(pDC))
        return 0;
    CNPropObjCtrl::Draw(pDC, nMode);
    const CSize shift = PrintShift(pDC, m_pOwner);
    return DrawCalendar(pDC, nMode, MirtAdd(m_rcDevice.left, shift.cx), MirtAdd(m_rcDevice.top, shift.cy));
}

int CNPropObjCalnd::DrawCalendar(CDC*, int, int, int)
{
    return 0;
}

int CNPropObjCalnd::Activate()
{
    return 0;
}

CNPropObj* CNPropObjCalnd::Clone(int dx, int dy)
{
    CNPropObjCalnd* pClone = static_cast<CNPropObjCalnd*>(GetRuntimeClass()->CreateObject());
    pClone->m_nOrder = m_nOrder;
    pClone->m_rect = m_rect;
    for (int n = 1; n <= ATTRIBUTE_COUNT; n++)
        pClone->SetAttr(n, GetAttr(n));
    CopyTo(pClone);
    ::OffsetRect(&pClone->m_rect, dx, dy);
    return pClone;
}

int CNPropObjCalnd::StorePeriodText(const CString& strText)
{
    m_strData = strText;
    return strText.IsEmpty() ? 0 : 1;
}

int CNPropObjCalnd::SetText(const CString& strText, int, const int*)
{
    return StorePeriodText(strText);
}

void CNPropObjCalnd::LoadToControl(int)
{
    if (m_nMode == MODE_SHOWN || !IsLive())
        return;
    m_strData = GetPeriodText();
}

CString CNPropObjCalnd::GetPeriodText()
{
    CString strText;
    strText.Format("%d", m_nYear);
    return strText;
}

void CNPropObjCalnd::ApplySettings()
{
    m_strData = GetPeriodText();
    if (m_pOwner != nullptr)
        m_pOwner->RedrawAria(nullptr);
}

int CNPropObjCalnd::GetCarryOver()
{
    return 3;
}

void CNPropObjCalnd::SetCarryOver(BOOL)
{
}

int CNPropObjCalnd::GetModify()
{
    return 3;
}

void CNPropObjCalnd::SetModify(BOOL)
{
}

CString CNPropObjCalnd::GetFieldName()
{
    return "カレンダー";
}

int CNPropObjCalnd::GetNumKind()
{
    return 3;
}

int CNPropObjCalnd::GetShadow()
{
    return 3;
}

void CNPropObjCalnd::CopyTo(CNPropObj* pOther)
{
    CNPropObjCtrl::CopyTo(pOther);
    if (!pOther->IsKindOf(RUNTIME_CLASS(CNPropObjCalnd)))
        return;
    CNPropObjCalnd* pCalnd = static_cast<CNPropObjCalnd*>(pOther);
    for (const StoredValue& value : kStoredValues)
        pCalnd->*value.pMember = this->*value.pMember;
    pCalnd->m_strFace = m_strFace;
    pCalnd->m_ptYearTitle = m_ptYearTitle;
    pCalnd->m_ptMonthTitle1 = m_ptMonthTitle1;
    pCalnd->m_ptMonthTitle2 = m_ptMonthTitle2;
    pCalnd->m_nTitleAlign = m_nTitleAlign;
    pCalnd->m_arNormalDays.Copy(m_arNormalDays);
    pCalnd->m_arMarkedDays.Copy(m_arMarkedDays);
}

UINT CNPropObjCalnd::GetVersion()
{
    return m_nCalndVersion;
}

COLORREF CNPropObjCalnd::CalendarColor(int nIndex)
{
    if (nIndex >= 0 && nIndex < COLOR_TABLE_SIZE)
        return kColorTable[nIndex];
    return static_cast<COLORREF>(nIndex);
}

CString CNPropObjCalnd::WeekdayName(int nStyle, int nDay)
{
    if (!IsStyle(nStyle) || nDay < 1 || nDay > 7)
        return CString();
    return kWeekdayNames[nStyle][nDay - 1];
}

CString CNPropObjCalnd::MonthTitle(int nStyle, int nMonth)
{
    if (!IsStyle(nStyle) || nMonth < 1 || nMonth > 12)
        return CString();
    if (nStyle == 0)
        return kEnglishMonthNames[nMonth - 1];
    if (nStyle == 3)
        return kTraditionalNames[nMonth - 1];
    CString strTitle;
    strTitle.Format(nStyle == 2 ? "%d月" : "%d", nMonth);
    return strTitle;
}

BOOL CNPropObjCalnd::HasDay(const CDWordArray& days, DWORD dwKey)
{
    for (int i = 0; i < days.GetSize(); i++) {
        if (days[i] == dwKey)
            return TRUE;
    }
    return FALSE;
}
