// Dates and times as field text through a template of nine style
// characters and the specifiers %Y %T %D %W %H %M %S.
#include <gtest/gtest.h>

#include <string>

#include "dateformat.h"

namespace {

struct FormatCase
{
    const char* tmpl;
    int year, month, day, hour, minute, second;
    const char* expected;
};

std::string Formatted(const char* tmpl, COleDateTime time)
{
    CString out;
    CDateFormat format;
    EXPECT_EQ(1, format.Format(&time, tmpl, out));
    return static_cast<LPCSTR>(out);
}

void ExpectAll(const FormatCase* cases, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        const FormatCase& c = cases[i];
        const COleDateTime time(c.year, c.month, c.day, c.hour, c.minute, c.second);
        EXPECT_EQ(c.expected, Formatted(c.tmpl, time))
            << "case " << i << ": " << c.tmpl << " at " << c.year << "-" << c.month << "-" << c.day << " "
            << c.hour << ":" << c.minute << ":" << c.second;
    }
}

template <size_t N>
void ExpectAll(const FormatCase (&cases)[N])
{
    ExpectAll(cases, N);
}

TEST(DateFormat, GregorianAndEraYearsWithDayExactBoundaries)
{
    const FormatCase cases[] = {
        {"000000000%Y年%T月%D日", 2024, 5, 8, 0, 0, 0, "2024年5月8日"},
        {"101100000%Y年%T月%D日", 2024, 5, 8, 0, 0, 0, "令和6年05月08日"},
        {"010000000%Y", 2024, 5, 8, 0, 0, 0, "二〇二四"},
        {"100000000%Y", 2019, 4, 30, 0, 0, 0, "平成31"},
        {"100000000%Y", 2019, 5, 1, 0, 0, 0, "令和元"},
        {"100000000%Y", 1989, 1, 7, 0, 0, 0, "昭和64"},
        {"100000000%Y", 1989, 1, 8, 0, 0, 0, "平成元"},
        {"100000000%Y", 1926, 12, 24, 0, 0, 0, "大正15"},
        {"100000000%Y", 1926, 12, 25, 0, 0, 0, "昭和元"},
        {"100000000%Y", 1912, 7, 29, 0, 0, 0, "明治45"},
        {"100000000%Y", 1912, 7, 30, 0, 0, 0, "大正元"},
        {"100000000%Y", 1867, 12, 31, 0, 0, 0, "慶応3"},
        {"100000000%Y", 1868, 1, 1, 0, 0, 0, "明治元"},
        {"100000000%Y", 1864, 12, 31, 0, 0, 0, "表示できません。0"},
        {"100000000%Y", 1865, 1, 1, 0, 0, 0, "慶応元"},
        {"110000000%Y", 1989, 1, 1, 0, 0, 0, "昭和六十四"},
        {"110000000%Y", 1989, 2, 1, 0, 0, 0, "平成元"},
        {"110000000%Y", 2030, 1, 1, 0, 0, 0, "令和十二"},
        // Before the first era the kanji style writes no number at all.
        {"110000000%Y", 1864, 1, 1, 0, 0, 0, "表示できません。"},
        // The era year alone, first year and no era included.
        {"120000000%Y年", 2019, 5, 1, 0, 0, 0, "1年"},
        {"120000000%Y年", 1864, 12, 31, 0, 0, 0, "0年"},
        {"120000000%Y年", 2024, 5, 8, 0, 0, 0, "6年"},
        {"900000000%Y年%D日", 2024, 5, 8, 0, 0, 0, "年8日"},
    };
    ExpectAll(cases);
}

TEST(DateFormat, KanjiNumeralsAndDigits)
{
    CDateFormat format;
    const struct
    {
        int value;
        const char* kanji;
    } numerals[] = {{0, "〇"}, {1, "一"}, {9, "九"}, {10, "十"}, {11, "十一"}, {12, "十二"}, {20, "二十"},
        {64, "六十四"}, {100, "百"}, {105, "百五"}, {110, "百十"}, {2024, "二千二十四"}, {1989, "千九百八十九"}};
    for (const auto& n : numerals)
        EXPECT_STREQ(n.kanji, format.KanjiNumerals(n.value)) << n.value;
    EXPECT_STREQ("一九〇五", format.KanjiDigits("1905"));
    EXPECT_STREQ("二〇", format.KanjiDigits("2/0"));
}

TEST(DateFormat, MonthsAndDays)
{
    const FormatCase cases[] = {
        {"000000000%T", 2024, 5, 8, 0, 0, 0, "5"},
        {"001000000%T", 2024, 5, 8, 0, 0, 0, "05"},
        {"002000000%T", 2024, 1, 8, 0, 0, 0, "JAN"},
        {"003000000%T", 2024, 1, 8, 0, 0, 0, "Jan"},
        {"004000000%T", 2024, 9, 8, 0, 0, 0, "SEPTEMBER"},
        {"005000000%T", 2024, 9, 8, 0, 0, 0, "September"},
        {"006000000%T", 2024, 12, 8, 0, 0, 0, "十二"},
        {"006000000%T", 2024, 10, 8, 0, 0, 0, "十"},
        {"007000000%T", 2024, 1, 8, 0, 0, 0, "睦 月"},
        {"007000000%T", 2024, 6, 8, 0, 0, 0, "水 無 月"},
        {"007000000%T", 2024, 12, 8, 0, 0, 0, "師 走"},
        {"008000000%T月", 2024, 5, 8, 0, 0, 0, "月"},
        {"000000000%D", 2024, 5, 8, 0, 0, 0, "8"},
        {"000100000%D", 2024, 5, 8, 0, 0, 0, "08"},
        {"000200000%D", 2024, 5, 20, 0, 0, 0, "二十"},
        {"000200000%D", 2024, 5, 31, 0, 0, 0, "三十一"},
        {"000300000%D", 2024, 5, 8, 0, 0, 0, ""},
    };
    ExpectAll(cases);
}

TEST(DateFormat, Weekdays)
{
    // 2024-05-05 is a Sunday.
    const FormatCase cases[] = {
        {"000000000%W", 2024, 5, 8, 0, 0, 0, "WED"},
        {"000010000%W", 2024, 5, 8, 0, 0, 0, "Wed"},
        {"000020000%W", 2024, 5, 8, 0, 0, 0, "WEDNESDAY"},
        {"000030000%W", 2024, 5, 8, 0, 0, 0, "Wednesday"},
        {"000070000%W", 2024, 5, 8, 0, 0, 0, "水"},
        {"000070000%W", 2024, 5, 5, 0, 0, 0, "日"},
        {"000070000%W", 2024, 5, 11, 0, 0, 0, "土"},
        {"000040000%W", 2024, 5, 8, 0, 0, 0, ""},
    };
    ExpectAll(cases);
}

TEST(DateFormat, ClockWithMorningAndAfternoonWords)
{
    const FormatCase cases[] = {
        {"000002000%H", 2024, 5, 8, 9, 5, 0, "午前9"},
        {"000000100%H", 2024, 5, 8, 9, 5, 0, "09"},
        {"000000200%H", 2024, 5, 8, 0, 0, 0, "〇"},
        {"000001100%H", 2024, 5, 8, 21, 30, 0, "PM09"},
        {"000002000%H", 2024, 5, 8, 21, 30, 0, "午後9"},
        {"000002000%H", 2024, 5, 8, 12, 0, 0, "午後12"},
        {"000001000%H", 2024, 5, 8, 0, 0, 0, "AM12"},
        {"000000000%H", 2024, 5, 8, 23, 0, 0, "23"},
        {"000002900%H時", 2024, 5, 8, 9, 0, 0, "午前時"},
        {"000000222%H時%M分%S秒", 2024, 5, 8, 9, 0, 5, "九時〇分五秒"},
        {"000000000%H:%M:%S", 2024, 5, 8, 9, 0, 5, "9:0:5"},
        {"000000111%H:%M:%S", 2024, 5, 8, 9, 0, 5, "09:00:05"},
        {"000000193%H:%M:%S", 2024, 5, 8, 9, 0, 5, "09::"},
    };
    ExpectAll(cases);
}

TEST(DateFormat, TemplateTextAndOrder)
{
    const FormatCase cases[] = {
        // Values come out in the fixed order, each with the text after it.
        {"000000000%D日%T月", 2024, 5, 8, 0, 0, 0, "5月8日"},
        {"000000000%T/%T", 2024, 5, 8, 0, 0, 0, "5/"},
        {"000000000作成日%Y年", 2024, 5, 8, 0, 0, 0, "2024年"},
        {"000000000令和", 2024, 5, 8, 0, 0, 0, ""},
        {"%T月", 2024, 5, 8, 0, 0, 0, ""},
        {"", 2024, 5, 8, 0, 0, 0, ""},
        // An empty value directly before the next specifier leaks no template.
        {"900000000%Y%T月%D日", 2024, 5, 8, 0, 0, 0, "5月8日"},
        {"099000000%T%D日", 2024, 5, 8, 0, 0, 0, "8日"},
        // A template shorter than its styles gives empty values for the missing ones.
        {"0%Y年", 2024, 5, 8, 0, 0, 0, "2024年"},
        {"00%T月", 2024, 5, 8, 0, 0, 0, "月"},
    };
    ExpectAll(cases);
}

TEST(DateFormat, AppendsToTheCallersTextAndSkipsInvalidTimes)
{
    CDateFormat format;
    COleDateTime time(2024, 5, 8, 0, 0, 0);
    CString out = "作成:";
    EXPECT_EQ(1, format.Format(&time, "000000000%T/%D", out));
    EXPECT_STREQ("作成:5/8", out);

    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    CString none;
    EXPECT_EQ(1, format.Format(&invalid, "100000000%Y", none));
    EXPECT_EQ(1, format.Format(nullptr, "100000000%Y", none));
    EXPECT_STREQ("", none);
}

}  // namespace
