#include "dialogs/calnddays.h"

#include <cstdlib>

#include "calendarday.h"
#include "npropobjcalnd.h"

namespace {

// The weekday names of the calendar fields in kanji.
const int kKanjiWeekdayStyle = 3;

// Bytes of the month and the day in an entry text.
const int kMonthAt = 7;
const int kDayAt = 12;

// Years whose equinox days are the vernal 20th and the autumnal 23rd, and
// the 20th and 22nd; every other year has the 21st and 23rd.
const int kEquinox20And23[] = {2000, 2001, 2004, 2005, 2008, 2009, 2013, 2017, 2021, 2025, 2026, 2029, 2030, 2033,
    2034, 2037};
const int kEquinox20And22[] = {2012, 2016, 2020, 2024, 2028, 2036};

template <size_t N>
bool Contains(const int (&years)[N], int nYear)
{
    for (int nListed : years) {
        if (nListed == nYear)
            return true;
    }
    return false;
}

int VernalDay(int nYear)
{
    return Contains(kEquinox20And23, nYear) || Contains(kEquinox20And22, nYear) ? 20 : 21;
}

int AutumnalDay(int nYear)
{
    return Contains(kEquinox20And22, nYear) ? 22 : 23;
}

// The named holidays of the month, without substitutes.
std::vector<int> NamedHolidays(int nYear, int nMonth)
{
    switch (nMonth) {
    case 1: return {1, 15};
    case 2: return {11};
    case 3: return {VernalDay(nYear)};
    case 4: return {29};
    case 5: return {3, 4, 5};
    case 7: return {20};
    case 9: return {15, AutumnalDay(nYear)};
    case 10: return {10};
    case 11: return {3, 23};
    case 12: return {23};
    default: return {};
    }
}

int TwoDigits(const CString& strEntry, int nAt)
{
    if (strEntry.GetLength() < nAt + 2)
        return 0;
    return atoi(strEntry.Mid(nAt, 2));
}

}  // namespace

CString CCalndDays::EntryText(int nYear, int nMonth, int nDay)
{
    if (nDay < 1 || nDay > MirtDaysInMonth(nYear, nMonth))
        return CString();
    CString strEntry;
    strEntry.Format("%04d年 %02d月 %02d日 %s", nYear, nMonth, nDay,
        static_cast<LPCSTR>(WeekdayLetter(MirtWeekday(nYear, nMonth, nDay) - WEEKDAY_SUNDAY)));
    return strEntry;
}

CString CCalndDays::WeekdayLetter(int nWeekday)
{
    return CNPropObjCalnd::WeekdayName(kKanjiWeekdayStyle, nWeekday + WEEKDAY_SUNDAY);
}

void CCalndDays::AddMonthItems(HWND hCombo)
{
    for (int nMonth = 1; nMonth <= 12; ++nMonth) {
        CString strMonth;
        strMonth.Format("%d", nMonth);
        ::SendMessageA(hCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strMonth)));
    }
}

int CCalndDays::EntryMonth(const CString& strEntry)
{
    return TwoDigits(strEntry, kMonthAt);
}

int CCalndDays::EntryDay(const CString& strEntry)
{
    return TwoDigits(strEntry, kDayAt);
}

std::vector<int> CCalndDays::DaysOfWeekday(int nYear, int nMonth, int nWeekday)
{
    std::vector<int> days;
    const int nLast = MirtDaysInMonth(nYear, nMonth);
    for (int nDay = 1; nDay <= nLast; ++nDay) {
        if (MirtWeekday(nYear, nMonth, nDay) - WEEKDAY_SUNDAY == nWeekday)
            days.push_back(nDay);
    }
    return days;
}

BOOL CCalndDays::IsHoliday(int nYear, int nMonth, int nDay)
{
    const BOOL bMonday = MirtWeekday(nYear, nMonth, nDay) == WEEKDAY_MONDAY;
    for (int nHoliday : NamedHolidays(nYear, nMonth)) {
        if (nDay == nHoliday || (bMonday && nDay == nHoliday + 1))
            return TRUE;
    }
    return FALSE;
}

BOOL CCalndDays::IsDayOff(int nYear, int nMonth, int nDay)
{
    const int nWeekday = MirtWeekday(nYear, nMonth, nDay);
    return nWeekday == WEEKDAY_SUNDAY || nWeekday == WEEKDAY_SATURDAY || IsHoliday(nYear, nMonth, nDay);
}
