#pragma once
// A point in time as an OLE automation date (see oledate/OleDate.h): days since
// 30 December 1899, the time of day as the fraction, which counts forward from
// the start of the day also before 1900. Fields are resolved to whole seconds;
// years 100 to 9999 are valid.
#include "Afx.h"
#include "COleDateTimeSpan.h"
#include "CString.h"
#include "oledate/OleDate.h"

#include <ctime>
#include <oleauto.h>

#ifdef GetCurrentTime
#undef GetCurrentTime // winbase.h maps it to GetTickCount
#endif

class COleDateTime {
public:
    enum DateTimeStatus { error = -1, valid = 0, invalid = 1, null = 2 };

    COleDateTime() = default; // valid, 30 December 1899 00:00
    COleDateTime(DATE dtSrc);
    // Any variant convertible to a date (VariantChangeType); otherwise invalid.
    COleDateTime(const VARIANT& varSrc);
    // The milliseconds are ignored.
    COleDateTime(const SYSTEMTIME& systimeSrc);
    // Taken as it stands (no time zone conversion).
    COleDateTime(const FILETIME& filetimeSrc);
    // Converted to local time, as the C runtime's localtime does.
    COleDateTime(time_t timeSrc);
    COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);

    // Local time now.
    static COleDateTime GetCurrentTime();

    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }

    // 0 on success; 1 (and the status invalid) when a field is out of range.
    int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    int SetDate(int nYear, int nMonth, int nDay);
    int SetTime(int nHour, int nMin, int nSec);

    // -1 when the value is not a valid date.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const; // 1 = Sunday ... 7 = Saturday
    int GetDayOfYear() const; // 1 = 1 January

    bool GetAsSystemTime(SYSTEMTIME& sysTime) const;

    // The platform's text for the locale (VarBstrFromDate with the flags).
    CString Format(DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT) const;
    // strftime-like: %Y %y %m %d %j %H %I %M %S %p %a %A %b %B %w %c %x %X %%;
    // a '#' after '%' drops leading zeros (%#d). Other characters are copied.
    CString Format(LPCTSTR lpszFormat) const;
    // Text to date through the platform (VarDateFromStr): ISO "2024-03-01 10:30:00"
    // and the locale's forms. False (status invalid) when the text is no date;
    // an empty text makes the value null.
    bool ParseDateTime(LPCTSTR lpszDate, DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT);

    operator DATE() const { return m_dt; }

    COleDateTime& operator=(DATE dtSrc);

    // Comparisons follow time, not the raw double (-1.25 is before -1.5).
    bool operator==(const COleDateTime& date) const;
    bool operator!=(const COleDateTime& date) const { return !(*this == date); }
    bool operator<(const COleDateTime& date) const;
    bool operator>(const COleDateTime& date) const { return date < *this; }
    bool operator<=(const COleDateTime& date) const { return !(date < *this); }
    bool operator>=(const COleDateTime& date) const { return !(*this < date); }

    COleDateTime operator+(const COleDateTimeSpan& dateSpan) const;
    COleDateTime operator-(const COleDateTimeSpan& dateSpan) const;
    COleDateTime& operator+=(const COleDateTimeSpan& dateSpan);
    COleDateTime& operator-=(const COleDateTimeSpan& dateSpan);
    COleDateTimeSpan operator-(const COleDateTime& date) const;

    DATE m_dt = 0.0;
    DateTimeStatus m_status = valid;

private:
    using Fields = oledate::DateFields;
    bool GetFields(Fields& fields) const;
};
