#include "calendarday.h"

namespace {

typedef long long DayNumber;

// Floor division for any sign.
long long FloorDiv(long long a, long long b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// Days from 1970-01-01 of a proleptic Gregorian date.
DayNumber DaysFromCivil(long long y, int m, int d)
{
    y -= m <= 2 ? 1 : 0;
    const long long era = FloorDiv(y, 400);
    const long long yoe = y - era * 400;
    const long long doy = (153LL * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

struct CivilDate
{
    int nYear;
    int nMonth;
    int nDay;
};

CivilDate CivilFromDays(DayNumber z)
{
    z += 719468;
    const long long era = FloorDiv(z, 146097);
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0)), m, d};
}

// 1970-01-01 was a Thursday (5).
int WeekdayOf(DayNumber n)
{
    return static_cast<int>(n + 4 - FloorDiv(n + 4, 7) * 7) + 1;
}

bool IsLeapYear(long long y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

long long DateKey(int y, int m, int d)
{
    return static_cast<long long>(y) * 10000 + m * 100 + d;
}

// The equinox day: trunc(base + 0.242194 (y - 1980) - trunc((y - shift) / 4)),
// in millionths. The published constants for 1900-1979, 1980-2099 and from
// 2100 on.
int EquinoxDay(int nYear, long long nBase1900, long long nBase1980, long long nBase2100)
{
    if (nYear < 1900)
        return 0;
    const long long y = nYear;
    const long long nBase = y < 1980 ? nBase1900 : (y < 2100 ? nBase1980 : nBase2100);
    const long long nLeaps = (y - (y < 1980 ? 1983 : 1980)) / 4;
    return static_cast<int>((nBase + 242194 * (y - 1980) - 1000000 * nLeaps) / 1000000);
}

// The n-th Monday of the month.
bool IsNthMonday(int nDay, int nWeekday, int n)
{
    return nWeekday == WEEKDAY_MONDAY && (nDay - 1) / 7 == n - 1;
}

// The days of state that were holidays once.
bool IsOneOffHoliday(long long key)
{
    static const long long kDays[] = {
        19590410,   // royal wedding
        19890224,   // state funeral
        19901112,   // enthronement ceremony
        19930609,   // royal wedding
        20190501,   // accession
        20191022,   // enthronement ceremony
    };
    for (long long day : kDays) {
        if (day == key)
            return true;
    }
    return false;
}

bool IsJanuaryHoliday(int y, int d, int w)
{
    return d == 1 || (y < 2000 ? d == 15 : IsNthMonday(d, w, 2));
}

bool IsFebruaryHoliday(int y, int d)
{
    return (y >= 1967 && d == 11) || (y >= 2020 && d == 23);
}

bool IsMayHoliday(int y, int d)
{
    return d == 3 || d == 5 || (y >= 2007 && d == 4);
}

// Marine Day; moved for the 2020 games, held in 2021.
bool IsJulyHoliday(int y, int d, int w)
{
    if (y == 2020)
        return d == 23 || d == 24;
    if (y == 2021)
        return d == 22 || d == 23;
    if (y >= 2003)
        return IsNthMonday(d, w, 3);
    return y >= 1996 && d == 20;
}

// Mountain Day.
bool IsAugustHoliday(int y, int d)
{
    if (y == 2020)
        return d == 10;
    if (y == 2021)
        return d == 8;
    return y >= 2016 && d == 11;
}

bool IsSeptemberHoliday(int y, int d, int w)
{
    if (d == MirtAutumnalEquinoxDay(y))
        return true;
    if (y >= 2003)
        return IsNthMonday(d, w, 3);
    return y >= 1966 && d == 15;
}

// Sports Day; in 2020 and 2021 it was in July.
bool IsOctoberHoliday(int y, int d, int w)
{
    if (y == 2020 || y == 2021)
        return false;
    if (y >= 2000)
        return IsNthMonday(d, w, 2);
    return y >= 1966 && d == 10;
}

bool IsNamedHoliday(int y, int m, int d, int w)
{
    if (DateKey(y, m, d) < 19480720)
        return false;
    if (IsOneOffHoliday(DateKey(y, m, d)))
        return true;
    switch (m) {
    case 1:
        return IsJanuaryHoliday(y, d, w);
    case 2:
        return IsFebruaryHoliday(y, d);
    case 3:
        return d == MirtVernalEquinoxDay(y);
    case 4:
        return d == 29;
    case 5:
        return IsMayHoliday(y, d);
    case 7:
        return IsJulyHoliday(y, d, w);
    case 8:
        return IsAugustHoliday(y, d);
    case 9:
        return IsSeptemberHoliday(y, d, w);
    case 10:
        return IsOctoberHoliday(y, d, w);
    case 11:
        return d == 3 || d == 23;
    case 12:
        return y >= 1989 && y <= 2018 && d == 23;
    default:
        return false;
    }
}

bool IsNamedHolidayAt(DayNumber n)
{
    const CivilDate date = CivilFromDays(n);
    return IsNamedHoliday(date.nYear, date.nMonth, date.nDay, WeekdayOf(n));
}

// Until 2006 the Monday after a holiday on a Sunday; from 2007 the first day
// after it that is no holiday.
bool IsSubstituteHoliday(long long key, DayNumber n)
{
    if (key < 19730412)
        return false;
    if (key < 20070101)
        return WeekdayOf(n) == WEEKDAY_MONDAY && IsNamedHolidayAt(n - 1);
    for (DayNumber p = n - 1; IsNamedHolidayAt(p); p--) {
        if (WeekdayOf(p) == WEEKDAY_SUNDAY)
            return true;
    }
    return false;
}

// A day between two named holidays; until 2006 not on a Sunday.
bool IsCitizensHoliday(long long key, DayNumber n)
{
    if (key < 19851227 || (key < 20070101 && WeekdayOf(n) == WEEKDAY_SUNDAY))
        return false;
    return IsNamedHolidayAt(n - 1) && IsNamedHolidayAt(n + 1);
}

}  // namespace

int MirtDaysInMonth(int nYear, int nMonth)
{
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (nMonth < 1 || nMonth > 12)
        return 0;
    return nMonth == 2 && IsLeapYear(nYear) ? 29 : kDays[nMonth - 1];
}

int MirtWeekday(int nYear, int nMonth, int nDay)
{
    return WeekdayOf(DaysFromCivil(nYear, nMonth, nDay));
}

int MirtHolidayKind(int nYear, int nMonth, int nDay)
{
    const DayNumber n = DaysFromCivil(nYear, nMonth, nDay);
    if (IsNamedHoliday(nYear, nMonth, nDay, WeekdayOf(n)))
        return HOLIDAY_NATIONAL;
    const long long key = DateKey(nYear, nMonth, nDay);
    if (IsSubstituteHoliday(key, n))
        return HOLIDAY_SUBSTITUTE;
    if (IsCitizensHoliday(key, n))
        return HOLIDAY_CITIZENS;
    return HOLIDAY_NONE;
}

int MirtVernalEquinoxDay(int nYear)
{
    return EquinoxDay(nYear, 20835700, 20843100, 21851000);
}

int MirtAutumnalEquinoxDay(int nYear)
{
    return EquinoxDay(nYear, 23258800, 23248800, 24248800);
}
