// Days of the calendar settings pages: the entry text a list shows for a
// day, the days of a weekday in a month and the holidays that decide
// whether a day may be listed as a weekday.
#pragma once
#include <afx.h>
#include <vector>
#include "mirtapi.h"

class MIRT_API CCalndDays
{
public:
    // Day keys of a yearly calendar: month in the high 16 bits.
    static DWORD YearKey(int nMonth, int nDay) { return static_cast<DWORD>(nMonth) << 16 | static_cast<DWORD>(nDay); }

    // "%Y年 %m月 %d日 " and the weekday letter; empty for a day outside
    // the month.
    static CString EntryText(int nYear, int nMonth, int nDay);
    // The month and the day an entry text shows; 0 for a text too short.
    static int EntryMonth(const CString& strEntry);
    static int EntryDay(const CString& strEntry);
    // "日" .. "土" for nWeekday 0 (Sunday) .. 6.
    static CString WeekdayLetter(int nWeekday);
    // Adds the items "1" .. "12" to a combo box.
    static void AddMonthItems(HWND hCombo);
    // The days of the month falling on nWeekday (0 Sunday .. 6 Saturday).
    static std::vector<int> DaysOfWeekday(int nYear, int nMonth, int nWeekday);
    // A national holiday of the pages' table, or its Monday substitute.
    static BOOL IsHoliday(int nYear, int nMonth, int nDay);
    // A Saturday, a Sunday or a holiday: a day that may be drawn as a weekday.
    static BOOL IsDayOff(int nYear, int nMonth, int nDay);
};
