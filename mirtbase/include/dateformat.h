// CDateFormat: a date and time as the text of a date field, by a template
// of nine style characters followed by free text with the specifiers %Y
// (year), %T (month), %D (day), %W (weekday), %H (hour), %M (minute) and
// %S (second). Style characters by position (1-based):
//   1 year kind: '0' Gregorian, '1' Japanese era
//   2 year digits: Gregorian '1' kanji digits; era '1' kanji numerals,
//     '2' the era year alone in ASCII
//   3 month: '0' 5, '1' 05, '2' MAY, '3' May, '4' MAY (full), '5' May (full),
//     '6' kanji numerals, '7' traditional name
//   4 day, 7 hour, 8 minute, 9 second: '0' 8, '1' 08, '2' kanji numerals
//   5 weekday: '0' WED, '1' Wed, '2' WEDNESDAY, '3' Wednesday, '7' one kanji
//   6 morning/afternoon word: '1' AM/PM, '2' 午前/午後; with a word the hour
//     is on the twelve-hour clock
// Any other style character gives an empty value.
#pragma once
#include <afx.h>
#include "mirtapi.h"

#pragma pack(push, 4)

class MIRT_API CDateFormat
{
public:
    // Style positions, 0-based, in the template.
    enum
    {
        STYLE_YEAR_KIND,
        STYLE_YEAR_DIGITS,
        STYLE_MONTH,
        STYLE_DAY,
        STYLE_WEEKDAY,
        STYLE_AMPM,
        STYLE_HOUR,
        STYLE_MINUTE,
        STYLE_SECOND,
        STYLE_COUNT
    };

    CDateFormat() = default;
    virtual ~CDateFormat();

    // Appends *pTime formatted by strTemplate to strOut. Each specifier found
    // after the start of the template is written once, in the order Y T D W
    // H M S, followed by the template text after it up to the next '%'.
    // Nothing is appended for a missing or invalid time. Answers 1.
    int Format(COleDateTime* pTime, CString strTemplate, CString& strOut);

    CString FormatYear(const COleDateTime& time, char chKind, char chDigits);
    // Era name and era year ("元" for the first year), or the era year alone
    // with digit style '2'.
    CString FormatEraYear(const COleDateTime& time, char chDigits);
    CString FormatMonth(const COleDateTime& time, char chStyle);
    CString FormatMonthName(const COleDateTime& time);  // traditional name
    CString FormatDay(const COleDateTime& time, char chStyle);
    CString FormatWeekday(const COleDateTime& time, char chStyle);
    CString FormatKanjiWeekday(const COleDateTime& time);
    CString FormatAmPm(const COleDateTime& time, char chStyle);
    CString FormatHour(const COleDateTime& time, char chAmPm, char chStyle);
    CString FormatMinute(const COleDateTime& time, char chStyle);
    CString FormatSecond(const COleDateTime& time, char chStyle);
    // Each ASCII digit as its kanji digit ("2024" is 二〇二四); others skipped.
    CString KanjiDigits(const CString& strDigits);
    // A number 0 to 9999 in kanji numerals: 〇, 十, 十二, 二十, 六十四, 百五.
    CString KanjiNumerals(int nValue);

    // The era of a date (day-exact boundaries) and its era year; before the
    // first known era the name is "表示できません。" and the year 0.
    static LPCSTR EraOf(const COleDateTime& time, int& nEraYear);

private:
    // A two-digit strftime field: '1' as is, '0' without a leading zero,
    // '2' in kanji numerals.
    CString FormatNumber(const COleDateTime& time, LPCSTR pszCode, char chStyle);
    CString ValueOf(char chSpecifier, const COleDateTime& time, const CString& strTemplate);
};

#pragma pack(pop)
