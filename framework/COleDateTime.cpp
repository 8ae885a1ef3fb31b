#include "COleDateTime.h"

#include <cwchar>
#include <string>

#include "oledate/OleDate.h"

namespace {

using oledate::OleDate;

const wchar_t* const kDayNames[] = {L"Sunday", L"Monday", L"Tuesday", L"Wednesday", L"Thursday", L"Friday", L"Saturday"};
const wchar_t* const kMonthNames[] = {L"January", L"February", L"March", L"April", L"May", L"June", L"July",
                                      L"August", L"September", L"October", L"November", L"December"};

void AppendNumber(std::wstring& out, int value, int width, bool pad)
{
    std::wstring digits = std::to_wstring(value);
    if (pad && digits.size() < static_cast<size_t>(width))
        digits.insert(0, static_cast<size_t>(width) - digits.size(), L'0');
    out += digits;
}

} // namespace

COleDateTime::COleDateTime(DATE dtSrc) : m_dt(dtSrc)
{
    if (!(dtSrc >= OleDate::kMin && dtSrc <= OleDate::kMax))
        m_status = invalid;
}

COleDateTime::COleDateTime(const VARIANT& varSrc)
{
    if (varSrc.vt == VT_NULL) {
        m_status = null;
        return;
    }
    VARIANT converted;
    VariantInit(&converted);
    if (SUCCEEDED(VariantChangeType(&converted, const_cast<VARIANT*>(&varSrc), 0, VT_DATE)))
        *this = converted.date;
    else
        m_status = invalid;
    VariantClear(&converted);
}

COleDateTime::COleDateTime(const SYSTEMTIME& st)
{
    SetDateTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
}

COleDateTime::COleDateTime(const FILETIME& filetimeSrc)
{
    SYSTEMTIME st;
    if (FileTimeToSystemTime(&filetimeSrc, &st))
        *this = COleDateTime(st);
    else
        m_status = invalid;
}

COleDateTime::COleDateTime(time_t timeSrc)
{
    struct tm local {};
    __time64_t t = timeSrc;
    if (timeSrc < 0 || _localtime64_s(&local, &t) != 0) {
        m_status = invalid;
        return;
    }
    SetDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
}

COleDateTime::COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
}

COleDateTime COleDateTime::GetCurrentTime()
{
    SYSTEMTIME st;
    GetLocalTime(&st);
    return COleDateTime(st);
}

COleDateTime& COleDateTime::operator=(DATE dtSrc)
{
    return *this = COleDateTime(dtSrc);
}

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    if (!OleDate::Join(nYear, nMonth, nDay, nHour, nMin, nSec, m_dt)) {
        m_dt = 0;
        m_status = invalid;
        return 1;
    }
    m_status = valid;
    return 0;
}

int COleDateTime::SetDate(int nYear, int nMonth, int nDay)
{
    return SetDateTime(nYear, nMonth, nDay, 0, 0, 0);
}

int COleDateTime::SetTime(int nHour, int nMin, int nSec)
{
    return SetDateTime(1899, 12, 30, nHour, nMin, nSec);
}

bool COleDateTime::GetFields(Fields& f) const
{
    return m_status == valid && OleDate::Split(m_dt, f);
}

int COleDateTime::GetYear() const
{
    Fields f;
    return GetFields(f) ? f.year : -1;
}

int COleDateTime::GetMonth() const
{
    Fields f;
    return GetFields(f) ? f.month : -1;
}

int COleDateTime::GetDay() const
{
    Fields f;
    return GetFields(f) ? f.day : -1;
}

int COleDateTime::GetHour() const
{
    Fields f;
    return GetFields(f) ? f.hour : -1;
}

int COleDateTime::GetMinute() const
{
    Fields f;
    return GetFields(f) ? f.minute : -1;
}

int COleDateTime::GetSecond() const
{
    Fields f;
    return GetFields(f) ? f.second : -1;
}

int COleDateTime::GetDayOfWeek() const
{
    Fields f;
    return GetFields(f) ? f.dayOfWeek : -1;
}

int COleDateTime::GetDayOfYear() const
{
    Fields f;
    return GetFields(f) ? f.dayOfYear : -1;
}

bool COleDateTime::GetAsSystemTime(SYSTEMTIME& st) const
{
    Fields f;
    if (!GetFields(f))
        return false;
    st = SYSTEMTIME{};
    st.wYear = static_cast<WORD>(f.year);
    st.wMonth = static_cast<WORD>(f.month);
    st.wDay = static_cast<WORD>(f.day);
    st.wDayOfWeek = static_cast<WORD>(f.dayOfWeek - 1);
    st.wHour = static_cast<WORD>(f.hour);
    st.wMinute = static_cast<WORD>(f.minute);
    st.wSecond = static_cast<WORD>(f.second);
    return true;
}

CString COleDateTime::Format(DWORD dwFlags, LCID lcid) const
{
    if (m_status == null)
        return CString();
    if (m_status != valid)
        return CString(L"Invalid DateTime");
    BSTR text = nullptr;
    if (FAILED(VarBstrFromDate(m_dt, lcid, dwFlags, &text)))
        return CString(L"Invalid DateTime");
    CString result(text, static_cast<int>(SysStringLen(text)));
    SysFreeString(text);
    return result;
}

CString COleDateTime::Format(LPCTSTR lpszFormat) const
{
    if (m_status == null)
        return CString();
    Fields f;
    if (!GetFields(f))
        return CString(L"Invalid DateTime");
    std::wstring out;
    for (const wchar_t* p = lpszFormat ? lpszFormat : L""; *p; ++p) {
        if (*p != L'%') {
            out += *p;
            continue;
        }
        bool pad = true;
        if (p[1] == L'#') {
            pad = false;
            ++p;
        }
        const wchar_t conversion = *++p;
        const int hour12 = f.hour % 12 == 0 ? 12 : f.hour % 12;
        switch (conversion) {
        case L'Y': AppendNumber(out, f.year, 4, pad); break;
        case L'y': AppendNumber(out, f.year % 100, 2, pad); break;
        case L'm': AppendNumber(out, f.month, 2, pad); break;
        case L'd': AppendNumber(out, f.day, 2, pad); break;
        case L'j': AppendNumber(out, f.dayOfYear, 3, pad); break;
        case L'H': AppendNumber(out, f.hour, 2, pad); break;
        case L'I': AppendNumber(out, hour12, 2, pad); break;
        case L'M': AppendNumber(out, f.minute, 2, pad); break;
        case L'S': AppendNumber(out, f.second, 2, pad); break;
        case L'w': AppendNumber(out, f.dayOfWeek - 1, 1, pad); break;
        case L'p': out += f.hour < 12 ? L"AM" : L"PM"; break;
        case L'A': out += kDayNames[f.dayOfWeek - 1]; break;
        case L'a': out.append(kDayNames[f.dayOfWeek - 1], 3); break;
        case L'B': out += kMonthNames[f.month - 1]; break;
        case L'b': out.append(kMonthNames[f.month - 1], 3); break;
        case L'c': out += static_cast<LPCTSTR>(Format(L"%m/%d/%y %H:%M:%S")); break;
        case L'x': out += static_cast<LPCTSTR>(Format(L"%m/%d/%y")); break;
        case L'X': out += static_cast<LPCTSTR>(Format(L"%H:%M:%S")); break;
        case L'%': out += L'%'; break;
        case L'\0': --p; break; // a lone '%' at the end is dropped
        default: out += L'%'; out += conversion; break;
        }
    }
    return CString(out.c_str(), static_cast<int>(out.size()));
}

bool COleDateTime::ParseDateTime(LPCTSTR lpszDate, DWORD dwFlags, LCID lcid)
{
    if (!lpszDate || !*lpszDate) {
        m_dt = 0;
        m_status = null;
        return true;
    }
    DATE parsed = 0;
    if (FAILED(VarDateFromStr(const_cast<LPOLESTR>(lpszDate), lcid, dwFlags, &parsed))) {
        m_dt = 0;
        m_status = invalid;
        return false;
    }
    *this = parsed;
    return m_status == valid;
}

bool COleDateTime::operator==(const COleDateTime& date) const
{
    if (m_status != date.m_status)
        return false;
    return m_status != valid || OleDate::ToLinear(m_dt) == OleDate::ToLinear(date.m_dt);
}

bool COleDateTime::operator<(const COleDateTime& date) const
{
    return OleDate::ToLinear(m_dt) < OleDate::ToLinear(date.m_dt);
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& dateSpan) const
{
    COleDateTime result;
    if (m_status == invalid || dateSpan.m_status == COleDateTimeSpan::invalid) {
        result.m_status = invalid;
        return result;
    }
    if (m_status == null || dateSpan.m_status == COleDateTimeSpan::null) {
        result.m_status = null;
        return result;
    }
    return COleDateTime(OleDate::FromLinear(OleDate::ToLinear(m_dt) + dateSpan.m_span));
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& dateSpan) const
{
    return *this + (-dateSpan);
}

COleDateTime& COleDateTime::operator+=(const COleDateTimeSpan& dateSpan)
{
    return *this = *this + dateSpan;
}

COleDateTime& COleDateTime::operator-=(const COleDateTimeSpan& dateSpan)
{
    return *this = *this - dateSpan;
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& date) const
{
    COleDateTimeSpan span(OleDate::ToLinear(m_dt) - OleDate::ToLinear(date.m_dt));
    if (m_status == invalid || date.m_status == invalid)
        span.m_status = COleDateTimeSpan::invalid;
    else if (m_status == null || date.m_status == null)
        span.m_status = COleDateTimeSpan::null;
    return span;
}
