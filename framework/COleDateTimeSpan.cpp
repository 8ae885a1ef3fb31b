#include "COleDateTimeSpan.h"

#include <cmath>

COleDateTimeSpan::COleDateTimeSpan(double dblSpanSrc) : m_span(dblSpanSrc)
{
}

COleDateTimeSpan::COleDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
{
    SetDateTimeSpan(lDays, nHours, nMins, nSecs);
}

void COleDateTimeSpan::SetDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
{
    m_span = lDays + (nHours + (nMins + nSecs / 60.0) / 60.0) / 24.0;
    m_status = valid;
}

LONGLONG COleDateTimeSpan::TotalSeconds() const
{
    return std::llround(m_span * 86400.0);
}

LONG COleDateTimeSpan::GetDays() const
{
    return static_cast<LONG>(TotalSeconds() / 86400);
}

LONG COleDateTimeSpan::GetHours() const
{
    return static_cast<LONG>(TotalSeconds() % 86400 / 3600);
}

LONG COleDateTimeSpan::GetMinutes() const
{
    return static_cast<LONG>(TotalSeconds() % 3600 / 60);
}

LONG COleDateTimeSpan::GetSeconds() const
{
    return static_cast<LONG>(TotalSeconds() % 60);
}

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& other) const
{
    COleDateTimeSpan result(m_span + other.m_span);
    if (m_status == invalid || other.m_status == invalid)
        result.m_status = invalid;
    else if (m_status == null || other.m_status == null)
        result.m_status = null;
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& other) const
{
    return *this + (-other);
}

COleDateTimeSpan& COleDateTimeSpan::operator+=(const COleDateTimeSpan& other)
{
    return *this = *this + other;
}

COleDateTimeSpan& COleDateTimeSpan::operator-=(const COleDateTimeSpan& other)
{
    return *this = *this - other;
}

COleDateTimeSpan COleDateTimeSpan::operator-() const
{
    COleDateTimeSpan result(-m_span);
    result.m_status = m_status;
    return result;
}

bool COleDateTimeSpan::operator==(const COleDateTimeSpan& other) const
{
    return m_status == other.m_status && m_span == other.m_span;
}
