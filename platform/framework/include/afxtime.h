// COleDateTime: a point in time as an OLE DATE (days since 1899-12-30,
// the fraction being the time of day) with a validity status.
// CTime: a point in time as a C runtime time_t (seconds since 1970, UTC).
#pragma once
#include <cstddef>
#include <ctime>
#include <windows.h>
#include <oleauto.h>
#include "afxapi.h"
#include "afxstr.h"

// winbase.h maps GetCurrentTime() onto GetTickCount() for old code; here
// GetCurrentTime is the member below.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

class CArchive;

// Returned by the part accessors of an invalid date.
#define AFX_OLE_DATETIME_ERROR (-1)

#pragma pack(push, 4)  // AFX_PACKING; GCC does not expand macros in this pragma

class CTime
{
public:
    CTime() : m_time(0) {}
    CTime(time_t time) : m_time(time) {}
    // A Win32 file time (100 ns units since 1601-01-01, UTC).
    CTime(const FILETIME& fileTime)
        : m_time(static_cast<time_t>(
              ((static_cast<ULONGLONG>(fileTime.dwHighDateTime) << 32 | fileTime.dwLowDateTime)
               - kFileTimeOf1970) / kFileTimePerSecond))
    {
    }

    time_t GetTime() const { return m_time; }

    bool operator==(CTime time) const { return m_time == time.m_time; }
    bool operator!=(CTime time) const { return m_time != time.m_time; }
    bool operator<(CTime time) const { return m_time < time.m_time; }
    bool operator>(CTime time) const { return m_time > time.m_time; }

private:
    static constexpr ULONGLONG kFileTimeOf1970 = 116444736000000000ULL;
    static constexpr ULONGLONG kFileTimePerSecond = 10000000ULL;

    time_t m_time;
};

class AFX_API COleDateTime
{
public:
    enum DateTimeStatus
    {
        valid = 0,
        invalid = 1,
        null = 2
    };

    // The current local time, through the clock seam (AfxGetCurrentLocalTime).
    static COleDateTime GetCurrentTime();
    // The same under the name that the winbase.h macro gives it in code
    // compiled with that macro in force.
    static COleDateTime GetTickCount() { return GetCurrentTime(); }

    COleDateTime() : m_dt(0.0), m_status(valid) {}
    COleDateTime(DATE dateSrc) : m_dt(dateSrc), m_status(valid) {}
    COleDateTime(int year, int month, int day, int hour, int minute, int second);
    COleDateTime(const SYSTEMTIME& systemTime);
    // The variant's value as a date; invalid when it has none.
    COleDateTime(const VARIANT& varSrc);

    const COleDateTime& operator=(DATE dateSrc);
    const COleDateTime& operator=(const SYSTEMTIME& systemTime);

    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }
    operator DATE() const { return m_dt; }

    // Each returns 0 on success; 1, leaving the date invalid, on a value out
    // of range (years 100 to 9999).
    int SetDateTime(int year, int month, int day, int hour, int minute, int second);
    int SetDate(int year, int month, int day);
    int SetTime(int hour, int minute, int second);

    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;  // 1 = Sunday
    int GetDayOfYear() const;  // 1 = January 1st

    // Dates compare in time order, also before 1899-12-30 where the DATE
    // value counts days backwards but the time of day forwards.
    bool operator==(const COleDateTime& date) const;
    bool operator!=(const COleDateTime& date) const;
    bool operator<(const COleDateTime& date) const;
    bool operator>(const COleDateTime& date) const;
    bool operator<=(const COleDateTime& date) const;
    bool operator>=(const COleDateTime& date) const;

    // strftime codes with the "C" locale texts; empty for a date that is not valid.
    CString Format(LPCSTR format) const;
    // The date and time as the locale writes them (VAR_DATEVALUEONLY,
    // VAR_TIMEVALUEONLY ...; the system's conversion); empty when not valid.
    CString Format(DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT) const;
    // A date and time as the locale writes them; FALSE, leaving the date
    // invalid, when the text is none.
    bool ParseDateTime(LPCSTR lpszDate, DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT);

    DATE m_dt;
    DateTimeStatus m_status;
};

#pragma pack(pop)

static_assert(sizeof(COleDateTime) == 12, "COleDateTime is a DATE and a status");
static_assert(offsetof(COleDateTime, m_status) == 8, "status follows the DATE");

// Stored as the status (LONG) followed by the DATE (double).
AFX_API CArchive& operator<<(CArchive& ar, COleDateTime dateSrc);
AFX_API CArchive& operator>>(CArchive& ar, COleDateTime& dateSrc);
