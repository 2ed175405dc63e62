// Days of the Gregorian calendar and Japan's national holidays by rule,
// against the published calendars of chosen years.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendarday.h"

namespace {

TEST(CalendarDayTest, DaysInMonth)
{
    struct Case
    {
        int nYear;
        int nMonth;
        int nDays;
    } cases[] = {
        {2024, 2, 29}, {2000, 2, 29}, {2023, 2, 28}, {1900, 2, 28}, {2100, 2, 28}, {2400, 2, 29},
        {2024, 1, 31}, {2024, 4, 30}, {2024, 6, 30}, {2024, 9, 30}, {2024, 11, 30}, {2024, 12, 31},
        {2024, 0, 0},  {2024, 13, 0}, {2024, -1, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nDays, MirtDaysInMonth(c.nYear, c.nMonth)) << c.nYear << "/" << c.nMonth;
}

// 1 Sunday .. 7 Saturday, across centuries and outside 1970..2037.
TEST(CalendarDayTest, WeekdaysAcrossCenturies)
{
    struct Case
    {
        int nYear;
        int nMonth;
        int nDay;
        int nWeekday;
    } cases[] = {
        {1, 1, 1, 2},        {1600, 1, 1, 7},    {1752, 9, 14, 5},   {1899, 12, 31, 1}, {1900, 1, 1, 2},
        {1969, 12, 31, 4},   {1970, 1, 1, 5},    {2000, 2, 29, 3},   {2024, 5, 1, 4},   {2037, 12, 31, 5},
        {2038, 1, 19, 3},    {2100, 1, 1, 6},    {2100, 3, 1, 2},    {2400, 2, 29, 3},  {9999, 12, 31, 6},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nWeekday, MirtWeekday(c.nYear, c.nMonth, c.nDay)) << c.nYear << "/" << c.nMonth << "/" << c.nDay;
}

TEST(CalendarDayTest, EquinoxDaysByTheFormula)
{
    struct Case
    {
        int nYear;
        int nVernal;
        int nAutumnal;
    } cases[] = {
        {1976, 20, 23}, {1979, 21, 24}, {1990, 21, 23}, {2012, 20, 22}, {2020, 20, 22}, {2024, 20, 22},
        {2025, 20, 23}, {2026, 20, 23}, {2032, 20, 22}, {2044, 20, 22}, {2099, 20, 23}, {2100, 20, 23},
        {1899, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.nVernal, MirtVernalEquinoxDay(c.nYear)) << c.nYear;
        EXPECT_EQ(c.nAutumnal, MirtAutumnalEquinoxDay(c.nYear)) << c.nYear;
    }
}

// Every day off of a year as "M/D" with its kind: N named, S substitute,
// C citizens'.
std::vector<std::string> HolidaysOf(int nYear)
{
    std::vector<std::string> days;
    for (int nMonth = 1; nMonth <= 12; nMonth++) {
        for (int nDay = 1; nDay <= MirtDaysInMonth(nYear, nMonth); nDay++) {
            const int nKind = MirtHolidayKind(nYear, nMonth, nDay);
            if (nKind != HOLIDAY_NONE)
                days.push_back(std::to_string(nMonth) + "/" + std::to_string(nDay) + " NSC"[nKind]);
        }
    }
    return days;
}

TEST(CalendarDayTest, HolidaysOfPublishedCalendars)
{
    struct Case
    {
        int nYear;
        std::vector<std::string> days;
    } cases[] = {
        {1990, {"1/1N", "1/15N", "2/11N", "2/12S", "3/21N", "4/29N", "4/30S", "5/3N", "5/4C", "5/5N", "9/15N",
                   "9/23N", "9/24S", "10/10N", "11/3N", "11/12N", "11/23N", "12/23N", "12/24S"}},
        {2000, {"1/1N", "1/10N", "2/11N", "3/20N", "4/29N", "5/3N", "5/4C", "5/5N", "7/20N", "9/15N", "9/23N",
                   "10/9N", "11/3N", "11/23N", "12/23N"}},
        {2019, {"1/1N", "1/14N", "2/11N", "3/21N", "4/29N", "4/30C", "5/1N", "5/2C", "5/3N", "5/4N", "5/5N",
                   "5/6S", "7/15N", "8/11N", "8/12S", "9/16N", "9/23N", "10/14N", "10/22N", "11/3N", "11/4S",
                   "11/23N"}},
        {2020, {"1/1N", "1/13N", "2/11N", "2/23N", "2/24S", "3/20N", "4/29N", "5/3N", "5/4N", "5/5N", "5/6S",
                   "7/23N", "7/24N", "8/10N", "9/21N", "9/22N", "11/3N", "11/23N"}},
        {2021, {"1/1N", "1/11N", "2/11N", "2/23N", "3/20N", "4/29N", "5/3N", "5/4N", "5/5N", "7/22N", "7/23N",
                   "8/8N", "8/9S", "9/20N", "9/23N", "11/3N", "11/23N"}},
        {2024, {"1/1N", "1/8N", "2/11N", "2/12S", "2/23N", "3/20N", "4/29N", "5/3N", "5/4N", "5/5N", "5/6S",
                   "7/15N", "8/11N", "8/12S", "9/16N", "9/22N", "9/23S", "10/14N", "11/3N", "11/4S", "11/23N"}},
        {2026, {"1/1N", "1/12N", "2/11N", "2/23N", "3/20N", "4/29N", "5/3N", "5/4N", "5/5N", "5/6S", "7/20N",
                   "8/11N", "9/21N", "9/22C", "9/23N", "10/12N", "11/3N", "11/23N"}},
        // By the rules in force and the formula.
        {2100, {"1/1N", "1/11N", "2/11N", "2/23N", "3/20N", "4/29N", "5/3N", "5/4N", "5/5N", "7/19N", "8/11N",
                   "9/20N", "9/23N", "10/11N", "11/3N", "11/23N"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.days, HolidaysOf(c.nYear)) << c.nYear;
}

// Before the law there were no holidays; 1948 has those from 20 July on.
TEST(CalendarDayTest, NoHolidaysBeforeTheLaw)
{
    EXPECT_TRUE(HolidaysOf(1900).empty());
    EXPECT_EQ(std::vector<std::string>({"9/23N", "11/3N", "11/23N"}), HolidaysOf(1948));
}

}  // namespace
