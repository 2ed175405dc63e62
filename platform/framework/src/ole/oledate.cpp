#include "afxtime.h"
#include "afxarc.h"
#include "afxexcept.h"
#include "afxseam.h"
#include "ole/olestring.h"
#include <cmath>
#include <cstdio>
#include <string>

namespace {

const int kMinYear = 100;
const int kMaxYear = 9999;
const long long kSecondsPerDay = 24 * 60 * 60;

// DATE values outside these bounds lie before 0100-01-01 or after 9999-12-31.
const double kDateBelowRange = -657435.0;
const double kDateAboveRange = 2958466.0;

const char* const kShortDayNames[] = { "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat" };
const char* const kDayNames[] = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"
};
const char* const kShortMonthNames[] = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"
};
const char* const kMonthNames[] = {
    "January", "February", "March", "April", "May", "June",
    "July", "August", "September", "October", "November", "December"
};

struct DateParts
{
    int year;
    int month;
    int day;
    int hour;
    int minute;
    int second;
    int dayOfWeek;  // 1 = Sunday
    int dayOfYear;  // 1 = January 1st
};

long long FloorDiv(long long value, long long divisor)
{
    const long long quotient = value / divisor;
    return quotient * divisor > value ? quotient - 1 : quotient;
}

// Days from 0000-03-01 of the proleptic Gregorian calendar. Years are counted
// from March so that a leap day is the last day of its year.
constexpr long long DaysFromMarchEpoch(int year, int month, int day)
{
    const long long y = month <= 2 ? year - 1 : year;
    const int monthFromMarch = month <= 2 ? month + 9 : month - 3;
    return 365 * y + y / 4 - y / 100 + y / 400 + (153 * monthFromMarch + 2) / 5 + day - 1;
}

const long long kDaysToDateZero = DaysFromMarchEpoch(1899, 12, 30);

long long DayNumber(int year, int month, int day)
{
    return DaysFromMarchEpoch(year, month, day) - kDaysToDateZero;
}

void SetCalendarDay(long long dayNumber, DateParts& parts)
{
    const long long days = dayNumber + kDaysToDateZero;
    const long long era = FloorDiv(days, 146097);
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayFromMarch = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int monthFromMarch = static_cast<int>((5 * dayFromMarch + 2) / 153);
    parts.day = static_cast<int>(dayFromMarch - (153 * monthFromMarch + 2) / 5 + 1);
    parts.month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
    parts.year = static_cast<int>(era * 400 + yearOfEra + (parts.month <= 2 ? 1 : 0));
    parts.dayOfWeek = static_cast<int>((dayNumber % 7 + 13) % 7) + 1;  // day 0 was a Saturday
    parts.dayOfYear = static_cast<int>(dayNumber - DayNumber(parts.year, 1, 1)) + 1;
}

// A DATE on a time line: below zero the integral part counts days backwards
// while the fraction still counts the time of day forwards.
double TimeLineFromDate(DATE date)
{
    if (date >= 0.0)
        return date;
    const double day = std::ceil(date);
    return day + (day - date);
}

// Splits a DATE, rounded to the nearest second, into its parts.
bool PartsFromDate(DATE date, DateParts& parts)
{
    if (!(date > kDateBelowRange && date < kDateAboveRange))
        return false;
    const double seconds = std::floor(TimeLineFromDate(date) * kSecondsPerDay + 0.5);
    const long long totalSeconds = static_cast<long long>(seconds);
    const long long dayNumber = FloorDiv(totalSeconds, kSecondsPerDay);
    const int secondOfDay = static_cast<int>(totalSeconds - dayNumber * kSecondsPerDay);
    SetCalendarDay(dayNumber, parts);
    parts.hour = secondOfDay / 3600;
    parts.minute = secondOfDay / 60 % 60;
    parts.second = secondOfDay % 60;
    return parts.year >= kMinYear && parts.year <= kMaxYear;
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static const int kDays[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool DateFromParts(int year, int month, int day, int hour, int minute, int second, DATE& date)
{
    const bool inRange = year >= kMinYear && year <= kMaxYear && month >= 1 && month <= 12
        && day >= 1 && day <= DaysInMonth(year, month) && hour >= 0 && hour <= 23
        && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
    if (!inRange)
        return false;
    const double dayNumber = static_cast<double>(DayNumber(year, month, day));
    const double time = (hour * 3600 + minute * 60 + second) / static_cast<double>(kSecondsPerDay);
    date = dayNumber >= 0.0 ? dayNumber + time : dayNumber - time;
    return true;
}

int PartOf(const COleDateTime& date, int DateParts::*part)
{
    DateParts parts;
    if (date.GetStatus() != COleDateTime::valid || !PartsFromDate(date.m_dt, parts))
        return AFX_OLE_DATETIME_ERROR;
    return parts.*part;
}

// Date and time texts of the Microsoft C runtime's strftime in the "C" locale.
class DateFormatter
{
public:
    explicit DateFormatter(const DateParts& parts) : m_parts(parts) {}

    std::string Expand(LPCSTR format)
    {
        for (const char* p = format; *p != '\0'; ++p)
        {
            if (*p != '%')
            {
                m_text += *p;
                continue;
            }
            const bool alternate = p[1] == '#';
            if (alternate)
                ++p;
            if (p[1] == '\0')
                break;
            ++p;
            AppendField(*p, alternate);
        }
        return m_text;
    }

private:
    // '#' drops leading zeros from numbers and selects the long date of %c and %x.
    void AppendField(char code, bool alternate)
    {
        const int hour12 = m_parts.hour % 12 == 0 ? 12 : m_parts.hour % 12;
        switch (code)
        {
        case 'a': m_text += kShortDayNames[m_parts.dayOfWeek - 1]; break;
        case 'A': m_text += kDayNames[m_parts.dayOfWeek - 1]; break;
        case 'b': m_text += kShortMonthNames[m_parts.month - 1]; break;
        case 'B': m_text += kMonthNames[m_parts.month - 1]; break;
        case 'c': AppendDate(alternate); m_text += ' '; AppendTime(); break;
        case 'd': AppendNumber(m_parts.day, 2, alternate); break;
        case 'H': AppendNumber(m_parts.hour, 2, alternate); break;
        case 'I': AppendNumber(hour12, 2, alternate); break;
        case 'j': AppendNumber(m_parts.dayOfYear, 3, alternate); break;
        case 'm': AppendNumber(m_parts.month, 2, alternate); break;
        case 'M': AppendNumber(m_parts.minute, 2, alternate); break;
        case 'p': m_text += m_parts.hour < 12 ? "AM" : "PM"; break;
        case 'S': AppendNumber(m_parts.second, 2, alternate); break;
        case 'w': AppendNumber(m_parts.dayOfWeek - 1, 1, alternate); break;
        case 'x': AppendDate(alternate); break;
        case 'X': AppendTime(); break;
        case 'y': AppendNumber(m_parts.year % 100, 2, alternate); break;
        case 'Y': AppendNumber(m_parts.year, 4, alternate); break;
        case '%': m_text += '%'; break;
        default: break;  // unknown codes give nothing, as in the runtime
        }
    }

    void AppendNumber(int value, int digits, bool dropLeadingZeros)
    {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%0*d", dropLeadingZeros ? 1 : digits, value);
        m_text += buffer;
    }

    // Short "MM/dd/yy" or long "dddd, MMMM dd, yyyy"; the long form keeps its zeros.
    void AppendDate(bool longForm)
    {
        if (longForm)
        {
            m_text += kDayNames[m_parts.dayOfWeek - 1];
            m_text += ", ";
            m_text += kMonthNames[m_parts.month - 1];
            m_text += ' ';
            AppendNumber(m_parts.day, 2, false);
            m_text += ", ";
            AppendNumber(m_parts.year, 4, false);
            return;
        }
        AppendNumber(m_parts.month, 2, false);
        m_text += '/';
        AppendNumber(m_parts.day, 2, false);
        m_text += '/';
        AppendNumber(m_parts.year % 100, 2, false);
    }

    void AppendTime()
    {
        AppendNumber(m_parts.hour, 2, false);
        m_text += ':';
        AppendNumber(m_parts.minute, 2, false);
        m_text += ':';
        AppendNumber(m_parts.second, 2, false);
    }

    const DateParts& m_parts;
    std::string m_text;
};

}  // namespace

COleDateTime COleDateTime::GetCurrentTime()
{
    SYSTEMTIME now;
    AfxGetCurrentLocalTime(&now);
    return COleDateTime(now);
}

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second)
    : COleDateTime()
{
    SetDateTime(year, month, day, hour, minute, second);
}

COleDateTime::COleDateTime(const SYSTEMTIME& systemTime) : COleDateTime()
{
    *this = systemTime;
}

COleDateTime::COleDateTime(const VARIANT& varSrc) : m_dt(0.0), m_status(invalid)
{
    VARIANT var;
    ::VariantInit(&var);
    if (SUCCEEDED(::VariantChangeType(&var, const_cast<VARIANT*>(&varSrc), 0, VT_DATE))) {
        m_dt = var.date;
        m_status = valid;
    }
}

const COleDateTime& COleDateTime::operator=(DATE dateSrc)
{
    m_dt = dateSrc;
    m_status = valid;
    return *this;
}

const COleDateTime& COleDateTime::operator=(const SYSTEMTIME& systemTime)
{
    SetDateTime(systemTime.wYear, systemTime.wMonth, systemTime.wDay, systemTime.wHour,
                systemTime.wMinute, systemTime.wSecond);
    return *this;
}

int COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second)
{
    m_status = DateFromParts(year, month, day, hour, minute, second, m_dt) ? valid : invalid;
    return m_status == valid ? 0 : 1;
}

int COleDateTime::SetDate(int year, int month, int day)
{
    return SetDateTime(year, month, day, 0, 0, 0);
}

// A time alone is a time of day on day 0 (1899-12-30).
int COleDateTime::SetTime(int hour, int minute, int second)
{
    return SetDateTime(1899, 12, 30, hour, minute, second);
}

int COleDateTime::GetYear() const { return PartOf(*this, &DateParts::year); }
int COleDateTime::GetMonth() const { return PartOf(*this, &DateParts::month); }
int COleDateTime::GetDay() const { return PartOf(*this, &DateParts::day); }
int COleDateTime::GetHour() const { return PartOf(*this, &DateParts::hour); }
int COleDateTime::GetMinute() const { return PartOf(*this, &DateParts::minute); }
int COleDateTime::GetSecond() const { return PartOf(*this, &DateParts::second); }
int COleDateTime::GetDayOfWeek() const { return PartOf(*this, &DateParts::dayOfWeek); }
int COleDateTime::GetDayOfYear() const { return PartOf(*this, &DateParts::dayOfYear); }

bool COleDateTime::operator==(const COleDateTime& date) const
{
    return m_status == date.m_status && TimeLineFromDate(m_dt) == TimeLineFromDate(date.m_dt);
}

bool COleDateTime::operator!=(const COleDateTime& date) const { return !(*this == date); }

bool COleDateTime::operator<(const COleDateTime& date) const
{
    return TimeLineFromDate(m_dt) < TimeLineFromDate(date.m_dt);
}

bool COleDateTime::operator>(const COleDateTime& date) const { return date < *this; }
bool COleDateTime::operator<=(const COleDateTime& date) const { return !(date < *this); }
bool COleDateTime::operator>=(const COleDateTime& date) const { return !(*this < date); }

CString COleDateTime::Format(LPCSTR format) const
{
    DateParts parts;
    if (m_status != valid || !PartsFromDate(m_dt, parts))
        return CString();
    return CString(DateFormatter(parts).Expand(format).c_str());
}

CString COleDateTime::Format(DWORD dwFlags, LCID lcid) const
{
    DateParts parts;
    if (m_status != valid || !PartsFromDate(m_dt, parts))
        return CString();
    return AfxVarToText(&::VarBstrFromDate, m_dt, lcid, dwFlags);
}

bool COleDateTime::ParseDateTime(LPCSTR lpszDate, DWORD dwFlags, LCID lcid)
{
    DateParts parts;
    if (FAILED(AfxVarFromText(&::VarDateFromStr, lpszDate, lcid, dwFlags, &m_dt)) || !PartsFromDate(m_dt, parts)) {
        m_dt = 0.0;
        m_status = invalid;
        return false;
    }
    m_status = valid;
    return true;
}

CArchive& operator<<(CArchive& ar, COleDateTime dateSrc)
{
    ar << static_cast<LONG>(dateSrc.m_status);
    return ar << dateSrc.m_dt;
}

CArchive& operator>>(CArchive& ar, COleDateTime& dateSrc)
{
    LONG status;
    ar >> status;
    if (status < COleDateTime::valid || status > COleDateTime::null)
        AfxThrowArchiveException(CArchiveException::generic);
    DATE date;
    ar >> date;
    dateSrc.m_status = static_cast<COleDateTime::DateTimeStatus>(status);
    dateSrc.m_dt = date;
    return ar;
}
