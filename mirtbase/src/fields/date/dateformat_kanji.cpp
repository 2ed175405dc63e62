// The kanji tables of CDateFormat: digits, numerals, eras, traditional month
// names and weekdays.
#include "dateformat.h"

namespace {

const char* const kKanjiDigits[] = {"〇", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

// Place words for thousands, hundreds and tens.
struct Place
{
    int nValue;
    const char* pszWord;
};
const Place kPlaces[] = {{1000, "千"}, {100, "百"}, {10, "十"}};

// Eras from the newest; each begins on its first day (yyyymmdd) and counts
// its years from the Gregorian year after nBaseYear.
struct Era
{
    long nFirstDay;
    const char* pszName;
    int nBaseYear;
};
const Era kEras[] = {
    {20190501, "令和", 2018},
    {19890108, "平成", 1988},
    {19261225, "昭和", 1925},
    {19120730, "大正", 1911},
    {18680101, "明治", 1867},
    {18650101, "慶応", 1864},
};
const char kNoEra[] = "表示できません。";

const char* const kKanjiMonthNames[] = {"睦 月", "如 月", "弥 生", "卯 月", "皐 月", "水 無 月", "文 月", "葉 月",
    "長 月", "神 無 月", "霜 月", "師 走"};

const char* const kKanjiWeekdays[] = {"日", "月", "火", "水", "木", "金", "土"};

}  // namespace

CString CDateFormat::KanjiDigits(const CString& strDigits)
{
    CString strKanji;
    for (int i = 0; i < strDigits.GetLength(); ++i) {
        const char ch = strDigits[i];
        if (ch >= '0' && ch <= '9')
            strKanji += kKanjiDigits[ch - '0'];
    }
    return strKanji;
}

CString CDateFormat::KanjiNumerals(int nValue)
{
    if (nValue <= 0)
        return kKanjiDigits[0];
    CString strKanji;
    for (const Place& place : kPlaces) {
        const int nDigit = nValue / place.nValue % 10;
        if (nDigit > 1)
            strKanji += kKanjiDigits[nDigit];
        if (nDigit > 0)
            strKanji += place.pszWord;
    }
    if (nValue % 10 > 0)
        strKanji += kKanjiDigits[nValue % 10];
    return strKanji;
}

LPCSTR CDateFormat::EraOf(const COleDateTime& time, int& nEraYear)
{
    const long nDay = time.GetYear() * 10000L + time.GetMonth() * 100L + time.GetDay();
    for (const Era& era : kEras) {
        if (nDay >= era.nFirstDay) {
            nEraYear = time.GetYear() - era.nBaseYear;
            return era.pszName;
        }
    }
    nEraYear = 0;
    return kNoEra;
}

CString CDateFormat::FormatMonthName(const COleDateTime& time)
{
    const int nMonth = time.GetMonth();
    return nMonth >= 1 && nMonth <= 12 ? kKanjiMonthNames[nMonth - 1] : "";
}

CString CDateFormat::FormatKanjiWeekday(const COleDateTime& time)
{
    const int nDay = time.GetDayOfWeek();
    return nDay >= 1 && nDay <= 7 ? kKanjiWeekdays[nDay - 1] : "";
}
