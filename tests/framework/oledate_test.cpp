#include <gtest/gtest.h>
#include <cstdio>
#include <string>
#include <vector>
#include "afx.h"

namespace {

const double kSecond = 1.0 / (24 * 60 * 60);

struct KnownDay
{
    int year, month, day, hour, minute, second;
    DATE date;
    int dayOfWeek;  // 1 = Sunday
    int dayOfYear;
};

const KnownDay kKnownDays[] = {
    { 1899, 12, 30, 0, 0, 0, 0.0, 7, 364 },
    { 1899, 12, 31, 0, 0, 0, 1.0, 1, 365 },
    { 1900, 1, 1, 0, 0, 0, 2.0, 2, 1 },
    { 1900, 2, 28, 0, 0, 0, 60.0, 4, 59 },
    { 1900, 3, 1, 0, 0, 0, 61.0, 5, 60 },  // no 1900-02-29 in DATE values
    { 2000, 1, 1, 0, 0, 0, 36526.0, 7, 1 },
    { 2000, 1, 1, 12, 0, 0, 36526.5, 7, 1 },
    { 2024, 5, 8, 18, 0, 0, 45420.75, 4, 129 },
    { 2000, 12, 31, 23, 59, 59, 36891.0 + 86399 * kSecond, 1, 366 },
    // Before day 0 the days count backwards, the time of day forwards.
    { 1899, 12, 29, 0, 0, 0, -1.0, 6, 363 },
    { 1899, 12, 29, 6, 0, 0, -1.25, 6, 363 },
    { 1899, 12, 29, 18, 0, 0, -1.75, 6, 363 },
    { 1800, 1, 1, 0, 0, 0, -36522.0, 4, 1 },
    { 100, 1, 1, 0, 0, 0, -657434.0, 6, 1 },
    { 9999, 12, 31, 0, 0, 0, 2958465.0, 6, 365 },
};

std::string Parts(const COleDateTime& t)
{
    char text[64];
    std::snprintf(text, sizeof text, "%d-%d-%d %d:%d:%d", t.GetYear(), t.GetMonth(), t.GetDay(),
                  t.GetHour(), t.GetMinute(), t.GetSecond());
    return text;
}

std::string Parts(const KnownDay& d)
{
    return Parts(COleDateTime(d.year, d.month, d.day, d.hour, d.minute, d.second));
}

}  // namespace

TEST(COleDateTimeTest, KnownDaysHaveTheirDateValuesAndParts)
{
    for (const KnownDay& d : kKnownDays)
    {
        const COleDateTime fromParts(d.year, d.month, d.day, d.hour, d.minute, d.second);
        const std::string name = Parts(d);
        EXPECT_EQ(fromParts.GetStatus(), COleDateTime::valid) << name;
        EXPECT_NEAR(fromParts.m_dt, d.date, 1e-9) << name;

        const COleDateTime fromDate(d.date);
        EXPECT_EQ(Parts(fromDate), name);
        EXPECT_EQ(fromDate.GetDayOfWeek(), d.dayOfWeek) << name;
        EXPECT_EQ(fromDate.GetDayOfYear(), d.dayOfYear) << name;
    }
}

TEST(COleDateTimeTest, SplittingRoundsToTheNearestSecond)
{
    const struct
    {
        DATE date;
        const char* parts;
    } cases[] = {
        { 36526.5 + 0.4 * kSecond, "2000-1-1 12:0:0" },
        { 36526.5 + 0.6 * kSecond, "2000-1-1 12:0:1" },
        { 36527.0 - 0.4 * kSecond, "2000-1-2 0:0:0" },
        { 36527.0 - 0.6 * kSecond, "2000-1-1 23:59:59" },
        { -1.25 - 0.4 * kSecond, "1899-12-29 6:0:0" },
        { -1.25 - 0.6 * kSecond, "1899-12-29 6:0:1" },
        { -0.5, "1899-12-30 12:0:0" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(Parts(COleDateTime(c.date)), c.parts) << c.date;
}

TEST(COleDateTimeTest, SetTimeAndSetDateAndSystemTime)
{
    COleDateTime t;
    EXPECT_EQ(t.SetTime(18, 0, 0), 0);
    EXPECT_DOUBLE_EQ(t.m_dt, 0.75);
    EXPECT_EQ(t.SetDate(2024, 2, 29), 0);
    EXPECT_DOUBLE_EQ(t.m_dt, 45351.0);

    SYSTEMTIME st = { 2024, 5, 3, 8, 13, 4, 5, 999 };
    const COleDateTime fromSystem(st);
    EXPECT_EQ(Parts(fromSystem), "2024-5-8 13:4:5");  // milliseconds are dropped
}

TEST(COleDateTimeTest, OutOfRangeValuesMakeTheDateInvalid)
{
    const struct
    {
        int year, month, day, hour, minute, second;
    } cases[] = {
        { 99, 12, 31, 0, 0, 0 }, { 10000, 1, 1, 0, 0, 0 }, { 2000, 0, 1, 0, 0, 0 },
        { 2000, 13, 1, 0, 0, 0 }, { 2000, 1, 0, 0, 0, 0 }, { 2000, 1, 32, 0, 0, 0 },
        { 2000, 4, 31, 0, 0, 0 }, { 1900, 2, 29, 0, 0, 0 }, { 2000, 2, 30, 0, 0, 0 },
        { 2000, 1, 1, 24, 0, 0 }, { 2000, 1, 1, -1, 0, 0 }, { 2000, 1, 1, 0, 60, 0 },
        { 2000, 1, 1, 0, 0, 60 }, { 2000, 1, 1, 0, 0, -1 },
    };
    for (const auto& c : cases)
    {
        COleDateTime t(2000, 1, 1, 0, 0, 0);
        EXPECT_EQ(t.SetDateTime(c.year, c.month, c.day, c.hour, c.minute, c.second), 1)
            << c.year << "-" << c.month << "-" << c.day << " " << c.hour << ":" << c.minute
            << ":" << c.second;
        EXPECT_EQ(t.GetStatus(), COleDateTime::invalid);
        EXPECT_EQ(t.GetYear(), AFX_OLE_DATETIME_ERROR);
        EXPECT_STREQ(t.Format("%Y"), "");
        EXPECT_EQ(COleDateTime(c.year, c.month, c.day, c.hour, c.minute, c.second).GetStatus(),
                  COleDateTime::invalid);
    }
}

TEST(COleDateTimeTest, DateValuesOutsideTheYearsHaveNoParts)
{
    for (DATE date : { -657435.0, 2958466.0, 2958466.0 - 0.4 * kSecond, 1e300 })
    {
        const COleDateTime t(date);
        EXPECT_EQ(t.GetDay(), AFX_OLE_DATETIME_ERROR) << date;
        EXPECT_EQ(t.GetDayOfWeek(), AFX_OLE_DATETIME_ERROR) << date;
        EXPECT_STREQ(t.Format("%Y"), "") << date;
    }
    COleDateTime nullDate(36526.0);
    nullDate.SetStatus(COleDateTime::null);
    EXPECT_EQ(nullDate.GetYear(), AFX_OLE_DATETIME_ERROR);
    EXPECT_STREQ(nullDate.Format("%Y"), "");
}

TEST(COleDateTimeTest, ComparesInTimeOrder)
{
    // Ascending; the negative values run backwards in days, forwards in time.
    const DATE ordered[] = { -2.5, -1.0, -1.25, -1.75, 0.0, 0.25, 1.0, 36526.5 };
    const int count = sizeof ordered / sizeof ordered[0];
    for (int i = 0; i < count; ++i)
    {
        for (int j = 0; j < count; ++j)
        {
            const COleDateTime a(ordered[i]);
            const COleDateTime b(ordered[j]);
            EXPECT_EQ(a < b, i < j) << ordered[i] << " " << ordered[j];
            EXPECT_EQ(a > b, i > j) << ordered[i] << " " << ordered[j];
            EXPECT_EQ(a <= b, i <= j) << ordered[i] << " " << ordered[j];
            EXPECT_EQ(a >= b, i >= j) << ordered[i] << " " << ordered[j];
            EXPECT_EQ(a == b, i == j) << ordered[i] << " " << ordered[j];
            EXPECT_EQ(a != b, i != j) << ordered[i] << " " << ordered[j];
        }
    }
    COleDateTime invalid(36526.5);
    invalid.SetStatus(COleDateTime::invalid);
    EXPECT_TRUE(invalid != COleDateTime(36526.5));
}

TEST(COleDateTimeTest, FormatCodes)
{
    const COleDateTime sunday(2005, 1, 2, 13, 4, 5);
    const COleDateTime morning(2024, 5, 8, 0, 30, 9);
    const struct
    {
        COleDateTime date;
        const char* format;
        const char* expected;
    } cases[] = {
        { sunday, "%Y/%m/%d %H:%M:%S", "2005/01/02 13:04:05" },
        { sunday, "%#Y/%#m/%#d %#H:%#M:%#S", "2005/1/2 13:4:5" },
        { sunday, "%y %#y %j %#j %w", "05 5 002 2 0" },
        { sunday, "%I %#I %p", "01 1 PM" },
        { sunday, "%a %A %b %B", "Sun Sunday Jan January" },
        { sunday, "%#a %#A %#b %#B %#p", "Sun Sunday Jan January PM" },
        { sunday, "%c|%x|%X", "01/02/05 13:04:05|01/02/05|13:04:05" },
        { sunday, "%#c|%#x|%#X", "Sunday, January 02, 2005 13:04:05|Sunday, January 02, 2005|13:04:05" },
        { sunday, "%Y年%#m月%#d日(表)", "2005年1月2日(表)" },
        { sunday, "100%% %Q%", "100% " },
        { morning, "%I:%M %p %w %a %b %j", "12:30 AM 3 Wed May 129" },
        { morning, "%#H %H", "0 00" },
        { COleDateTime(100, 3, 4, 0, 0, 0), "%Y %#Y %y", "0100 100 00" },
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.date.Format(c.format), c.expected) << c.format;
}

TEST(COleDateTimeTest, CurrentTimeComesFromTheSuiteClock)
{
    const SYSTEMTIME fixed = { 2024, 5, 3, 8, 9, 5, 7, 500 };
    AfxSetFixedLocalTime(&fixed);
    const COleDateTime now = COleDateTime::GetCurrentTime();
    const COleDateTime alias = COleDateTime::GetTickCount();
    AfxSetFixedLocalTime(nullptr);

    EXPECT_EQ(now.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(Parts(now), "2024-5-8 9:5:7");
    EXPECT_TRUE(alias == now);
}

namespace {

std::vector<BYTE> Store(const COleDateTime& date)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    ar << date;
    ar.Close();
    std::vector<BYTE> bytes(file.GetLength());
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

COleDateTime Load(std::vector<BYTE> bytes)
{
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    COleDateTime date;
    ar >> date;
    return date;
}

int LoadFailureCause(const std::vector<BYTE>& bytes)
{
    try
    {
        Load(bytes);
    }
    catch (CArchiveException* e)
    {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return CArchiveException::none;
}

}  // namespace

TEST(COleDateTimeArchiveTest, StoresStatusThenDate)
{
    COleDateTime invalid(-1.25);
    invalid.SetStatus(COleDateTime::invalid);
    const struct
    {
        COleDateTime date;
        std::vector<BYTE> bytes;
    } cases[] = {
        { COleDateTime(2000, 1, 1, 12, 0, 0),
          { 0, 0, 0, 0, 0x00, 0x00, 0x00, 0x00, 0xD0, 0xD5, 0xE1, 0x40 } },
        { invalid, { 1, 0, 0, 0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF4, 0xBF } },
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(Store(c.date), c.bytes);
        const COleDateTime loaded = Load(c.bytes);
        EXPECT_EQ(loaded.GetStatus(), c.date.GetStatus());
        EXPECT_EQ(loaded.m_dt, c.date.m_dt);
    }
}

TEST(COleDateTimeArchiveTest, RejectsBadStatusAndTruncatedDate)
{
    const std::vector<BYTE> badStatus = { 3, 0, 0, 0, 0, 0, 0, 0, 0xD0, 0xD5, 0xE1, 0x40 };
    EXPECT_EQ(LoadFailureCause(badStatus), CArchiveException::generic);
    const std::vector<BYTE> truncated = { 0, 0, 0, 0, 0, 0, 0, 0, 0xD0, 0xD5, 0xE1 };
    EXPECT_EQ(LoadFailureCause(truncated), CArchiveException::endOfFile);
}

TEST(CTimeTest, FileTimeBecomesSecondsSince1970)
{
    const SYSTEMTIME utc = { 2000, 1, 6, 1, 0, 0, 1, 900 };
    FILETIME fileTime;
    ASSERT_TRUE(SystemTimeToFileTime(&utc, &fileTime));
    EXPECT_EQ(CTime(fileTime).GetTime(), static_cast<time_t>(946684801));  // fraction dropped
    EXPECT_TRUE(CTime(fileTime) > CTime(946684800));
}
