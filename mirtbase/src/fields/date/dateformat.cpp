#include "dateformat.h"

#include <cstdlib>

namespace {

// The specifiers in the order their values are written.
const char kSpecifiers[] = {'Y', 'T', 'D', 'W', 'H', 'M', 'S'};

// The style character at a 0-based position, or '\0' past a short template.
char StyleAt(const CString& strTemplate, int nPosition)
{
    return nPosition < strTemplate.GetLength() ? strTemplate[nPosition] : '\0';
}

// An English name in the four styles from chFirst on: the abbreviation in
// capitals, the abbreviation, the full name in capitals, the full name.
// FALSE for any other style.
BOOL EnglishName(const COleDateTime& time, char chStyle, char chFirst, LPCSTR pszAbbreviation, LPCSTR pszFull,
    CString& strName)
{
    const int nStyle = chStyle - chFirst;
    if (nStyle < 0 || nStyle > 3)
        return FALSE;
    strName = time.Format(nStyle < 2 ? pszAbbreviation : pszFull);
    if (nStyle % 2 == 0)
        strName.MakeUpper();
    return TRUE;
}

// Drops a leading '0' of a two-digit number ("00" gives "0").
CString WithoutLeadingZero(const CString& strNumber)
{
    if (strNumber.GetLength() > 1 && strNumber[0] == '0')
        return strNumber.Right(strNumber.GetLength() - 1);
    return strNumber;
}

}  // namespace

CDateFormat::~CDateFormat() = default;

int CDateFormat::Format(COleDateTime* pTime, CString strTemplate, CString& strOut)
{
    if (pTime == nullptr || pTime->GetStatus() != COleDateTime::valid)
        return 1;
    for (char chSpecifier : kSpecifiers) {
        const char szSpecifier[] = {'%', chSpecifier, '\0'};
        const int nAt = strTemplate.Find(szSpecifier);
        if (nAt <= 0)
            continue;
        const int nStart = strOut.GetLength();
        strOut += ValueOf(chSpecifier, *pTime, strTemplate) + strTemplate.Mid(nAt + 2);
        const int nCut = strOut.Find('%', nStart);
        if (nCut >= 0)
            strOut = strOut.Left(nCut);
    }
    return 1;
}

CString CDateFormat::ValueOf(char chSpecifier, const COleDateTime& time, const CString& strTemplate)
{
    switch (chSpecifier) {
    case 'Y':
        return FormatYear(time, StyleAt(strTemplate, STYLE_YEAR_KIND), StyleAt(strTemplate, STYLE_YEAR_DIGITS));
    case 'T':
        return FormatMonth(time, StyleAt(strTemplate, STYLE_MONTH));
    case 'D':
        return FormatDay(time, StyleAt(strTemplate, STYLE_DAY));
    case 'W':
        return FormatWeekday(time, StyleAt(strTemplate, STYLE_WEEKDAY));
    case 'H':
        return FormatHour(time, StyleAt(strTemplate, STYLE_AMPM), StyleAt(strTemplate, STYLE_HOUR));
    case 'M':
        return FormatMinute(time, StyleAt(strTemplate, STYLE_MINUTE));
    default:
        return FormatSecond(time, StyleAt(strTemplate, STYLE_SECOND));
    }
}

CString CDateFormat::FormatYear(const COleDateTime& time, char chKind, char chDigits)
{
    if (chKind == '1')
        return FormatEraYear(time, chDigits);
    if (chKind != '0')
        return CString();
    const CString strYear = time.Format("%Y");
    return chDigits == '1' ? KanjiDigits(strYear) : strYear;
}

CString CDateFormat::FormatEraYear(const COleDateTime& time, char chDigits)
{
    int nEraYear;
    const CString strEra = EraOf(time, nEraYear);
    CString strYear;
    strYear.Format("%d", nEraYear);
    if (chDigits == '2')
        return strYear;
    if (nEraYear == 1)
        return strEra + "元";
    // Before the first era the kanji style writes the text alone.
    if (nEraYear == 0 && chDigits == '1')
        return strEra;
    return strEra + (chDigits == '1' ? KanjiNumerals(nEraYear) : strYear);
}

CString CDateFormat::FormatMonth(const COleDateTime& time, char chStyle)
{
    CString strName;
    if (EnglishName(time, chStyle, '2', "%b", "%B", strName))
        return strName;
    switch (chStyle) {
    case '6':
        return FormatNumber(time, "%m", '2');
    case '7':
        return FormatMonthName(time);
    default:
        return FormatNumber(time, "%m", chStyle);
    }
}

CString CDateFormat::FormatDay(const COleDateTime& time, char chStyle)
{
    return FormatNumber(time, "%d", chStyle);
}

CString CDateFormat::FormatWeekday(const COleDateTime& time, char chStyle)
{
    CString strName;
    if (EnglishName(time, chStyle, '0', "%a", "%A", strName))
        return strName;
    return chStyle == '7' ? FormatKanjiWeekday(time) : CString();
}

CString CDateFormat::FormatAmPm(const COleDateTime& time, char chStyle)
{
    const CString strMark = time.Format("%p");
    if (chStyle == '1')
        return strMark;
    if (chStyle == '2')
        return strMark == "AM" ? "午前" : "午後";
    return CString();
}

CString CDateFormat::FormatHour(const COleDateTime& time, char chAmPm, char chStyle)
{
    const CString strWord = FormatAmPm(time, chAmPm);
    return strWord + FormatNumber(time, strWord.IsEmpty() ? "%H" : "%I", chStyle);
}

CString CDateFormat::FormatMinute(const COleDateTime& time, char chStyle)
{
    return FormatNumber(time, "%M", chStyle);
}

CString CDateFormat::FormatSecond(const COleDateTime& time, char chStyle)
{
    return FormatNumber(time, "%S", chStyle);
}

CString CDateFormat::FormatNumber(const COleDateTime& time, LPCSTR pszCode, char chStyle)
{
    const CString strNumber = time.Format(pszCode);
    switch (chStyle) {
    case '0':
        return WithoutLeadingZero(strNumber);
    case '1':
        return strNumber;
    case '2':
        return KanjiNumerals(atoi(strNumber));
    default:
        return CString();
    }
}
