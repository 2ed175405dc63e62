// Days of the Gregorian calendar and Japan's national holidays, for any
// year. Months are 1..12, weekdays 1 (Sunday) .. 7 (Saturday).
#pragma once
#include "mirtapi.h"

enum
{
    WEEKDAY_SUNDAY = 1,
    WEEKDAY_MONDAY = 2,
    WEEKDAY_SATURDAY = 7
};

// 0 for a month outside 1..12.
MIRT_API int MirtDaysInMonth(int nYear, int nMonth);
MIRT_API int MirtWeekday(int nYear, int nMonth, int nDay);

// What kind of day off a date is by the national holiday law (in force from
// 20 July 1948): a named holiday (fixed, Monday or equinox days and the
// one-off days of state), the substitute for a holiday on a Sunday, or a
// citizens' holiday between two named holidays. Sundays as such are not
// holidays here.
enum
{
    HOLIDAY_NONE = 0,
    HOLIDAY_NATIONAL = 1,
    HOLIDAY_SUBSTITUTE = 2,
    HOLIDAY_CITIZENS = 3
};
MIRT_API int MirtHolidayKind(int nYear, int nMonth, int nDay);

// Day of March (vernal) or September (autumnal) of the equinox holiday by
// the published formula (its 2100 form continued past 2150); 0 before 1900.
MIRT_API int MirtVernalEquinoxDay(int nYear);
MIRT_API int MirtAutumnalEquinoxDay(int nYear);
