#pragma once
// A length of time in days (with the time of day as the fraction), as the
// difference of two COleDateTime values.
#include "Afx.h"

class COleDateTimeSpan {
public:
    enum DateTimeSpanStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTimeSpan() = default;
    COleDateTimeSpan(double dblSpanSrc);
    COleDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs);

    void SetDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs);
    DateTimeSpanStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeSpanStatus status) { m_status = status; }

    // Whole units; the parts take the sign of the span (-1.5 days: -1 day, -12 hours).
    LONG GetDays() const;
    LONG GetHours() const;
    LONG GetMinutes() const;
    LONG GetSeconds() const;
    double GetTotalDays() const { return m_span; }
    double GetTotalHours() const { return m_span * 24.0; }
    double GetTotalMinutes() const { return m_span * 24.0 * 60.0; }
    double GetTotalSeconds() const { return m_span * 24.0 * 3600.0; }

    operator double() const { return m_span; }

    COleDateTimeSpan operator+(const COleDateTimeSpan& other) const;
    COleDateTimeSpan operator-(const COleDateTimeSpan& other) const;
    COleDateTimeSpan& operator+=(const COleDateTimeSpan& other);
    COleDateTimeSpan& operator-=(const COleDateTimeSpan& other);
    COleDateTimeSpan operator-() const;

    bool operator==(const COleDateTimeSpan& other) const;
    bool operator!=(const COleDateTimeSpan& other) const { return !(*this == other); }
    bool operator<(const COleDateTimeSpan& other) const { return m_span < other.m_span; }
    bool operator>(const COleDateTimeSpan& other) const { return m_span > other.m_span; }
    bool operator<=(const COleDateTimeSpan& other) const { return m_span <= other.m_span; }
    bool operator>=(const COleDateTimeSpan& other) const { return m_span >= other.m_span; }

    double m_span = 0.0;
    DateTimeSpanStatus m_status = valid;

private:
    // The span in whole seconds, rounded to the nearest.
    LONGLONG TotalSeconds() const;
};
