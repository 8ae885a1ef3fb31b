#include <gtest/gtest.h>

#include "COleDateTime.h"
#include "COleVariant.h"

namespace {

struct DateCase {
    int year, month, day, hour, minute, second;
    DATE dt;
    int dayOfWeek; // 1 = Sunday
};

// Before 30 December 1899 the DATE is negative and its fraction counts forward
// from the start of the day: 29 December 1899 06:00 is -1.25, not -0.75.
const DateCase kDates[] = {
    {1899, 12, 30, 0, 0, 0, 0.0, 7},
    {1899, 12, 31, 0, 0, 0, 1.0, 1},
    {1899, 12, 30, 6, 0, 0, 0.25, 7},
    {1899, 12, 29, 0, 0, 0, -1.0, 6},
    {1899, 12, 29, 6, 0, 0, -1.25, 6},
    {1899, 12, 28, 18, 0, 0, -2.75, 5},
    {1800, 1, 1, 0, 0, 0, -36522.0, 4},
    {1600, 2, 29, 18, 0, 0, -109512.75, 3},
    {100, 1, 1, 0, 0, 0, -657434.0, 6},
    {1900, 1, 1, 0, 0, 0, 2.0, 2},
    {1900, 2, 28, 0, 0, 0, 60.0, 4},
    {1900, 3, 1, 0, 0, 0, 61.0, 5},
    {2000, 2, 29, 0, 0, 0, 36585.0, 3},
    {2024, 2, 29, 12, 0, 0, 45351.5, 5},
    {9999, 12, 31, 23, 59, 59, 2958465.0 + 86399.0 / 86400.0, 6},
};

TEST(OleDateTime, FieldsAndDateValuesBothWays)
{
    for (const DateCase& c : kDates) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day << " " << c.hour << ":"
                                        << c.minute << ":" << c.second);
        COleDateTime fromFields(c.year, c.month, c.day, c.hour, c.minute, c.second);
        ASSERT_EQ(fromFields.GetStatus(), COleDateTime::valid);
        EXPECT_NEAR(fromFields.m_dt, c.dt, 1e-9);

        COleDateTime fromDate(c.dt);
        EXPECT_EQ(fromDate.GetYear(), c.year);
        EXPECT_EQ(fromDate.GetMonth(), c.month);
        EXPECT_EQ(fromDate.GetDay(), c.day);
        EXPECT_EQ(fromDate.GetHour(), c.hour);
        EXPECT_EQ(fromDate.GetMinute(), c.minute);
        EXPECT_EQ(fromDate.GetSecond(), c.second);
        EXPECT_EQ(fromDate.GetDayOfWeek(), c.dayOfWeek);

        SYSTEMTIME st;
        ASSERT_TRUE(fromDate.GetAsSystemTime(st));
        EXPECT_EQ(st.wDayOfWeek, c.dayOfWeek - 1);
        COleDateTime back(st);
        EXPECT_NEAR(back.m_dt, c.dt, 1e-9);
        EXPECT_TRUE(back == fromDate);
    }
}

TEST(OleDateTime, NegativeFractionBetweenMinusOneAndZeroIsOnTheEpochDay)
{
    COleDateTime dt(-0.25); // the same moment as 0.25
    EXPECT_EQ(dt.GetDay(), 30);
    EXPECT_EQ(dt.GetMonth(), 12);
    EXPECT_EQ(dt.GetHour(), 6);
    EXPECT_TRUE(dt == COleDateTime(0.25));
}

TEST(OleDateTime, RejectsImpossibleFieldsAndOutOfRangeValues)
{
    const int bad[][6] = {
        {2023, 2, 29, 0, 0, 0}, {1900, 2, 29, 0, 0, 0}, {2100, 2, 29, 0, 0, 0}, {99, 12, 31, 0, 0, 0},
        {10000, 1, 1, 0, 0, 0}, {2024, 13, 1, 0, 0, 0}, {2024, 0, 1, 0, 0, 0},  {2024, 4, 31, 0, 0, 0},
        {2024, 1, 1, 24, 0, 0}, {2024, 1, 1, 0, 60, 0}, {2024, 1, 1, 0, 0, 60}, {2024, 1, 0, 0, 0, 0},
    };
    for (const auto& f : bad) {
        COleDateTime dt(f[0], f[1], f[2], f[3], f[4], f[5]);
        EXPECT_EQ(dt.GetStatus(), COleDateTime::invalid) << f[0] << "-" << f[1] << "-" << f[2];
        EXPECT_EQ(dt.GetYear(), -1);
    }
    EXPECT_EQ(COleDateTime(2024, 2, 29, 0, 0, 0).GetStatus(), COleDateTime::valid);
    EXPECT_EQ(COleDateTime(2000, 2, 29, 0, 0, 0).GetStatus(), COleDateTime::valid);
    EXPECT_EQ(COleDateTime(-657435.0).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime(2958466.0).GetStatus(), COleDateTime::invalid);
    SYSTEMTIME st;
    EXPECT_FALSE(COleDateTime(2023, 2, 29, 0, 0, 0).GetAsSystemTime(st));
}

TEST(OleDateTime, RoundsToTheNearestSecondAcrossMidnight)
{
    COleDateTime almost(1.0 - 0.4 / 86400.0); // 23:59:59.6
    EXPECT_EQ(almost.GetDay(), 31);
    EXPECT_EQ(almost.GetHour(), 0);
    EXPECT_EQ(almost.GetSecond(), 0);
    COleDateTime before(-2.0 - (86399.6 / 86400.0)); // 28 Dec 1899 23:59:59.6
    EXPECT_EQ(before.GetDay(), 29);
    EXPECT_EQ(before.GetHour(), 0);
}

TEST(OleDateTime, ComparesAndCountsInTimeNotInRawValues)
{
    COleDateTime six(-1.25);   // 29 Dec 1899 06:00
    COleDateTime noon(-1.5);   // 29 Dec 1899 12:00
    EXPECT_TRUE(six < noon);
    EXPECT_TRUE(noon > six);
    EXPECT_TRUE(six <= noon);
    EXPECT_FALSE(six >= noon);
    EXPECT_DOUBLE_EQ((noon - six).GetTotalHours(), 6.0);

    // Crossing the epoch in both directions.
    COleDateTime t = COleDateTime(0.25) - COleDateTimeSpan(1, 0, 0, 0);
    EXPECT_DOUBLE_EQ(t.m_dt, -1.25);
    t += COleDateTimeSpan(0, 18, 0, 0);
    EXPECT_DOUBLE_EQ(t.m_dt, 0.0);
    t -= COleDateTimeSpan(0, 12, 0, 0);
    EXPECT_DOUBLE_EQ(t.m_dt, -1.5);
    COleDateTime a(1899, 12, 31, 0, 0, 0);
    EXPECT_DOUBLE_EQ((a - COleDateTime(-1.5)).GetTotalDays(), 1.5);
    EXPECT_DOUBLE_EQ((COleDateTime(-1.5) - a).GetTotalDays(), -1.5);

    COleDateTime leap(2024, 2, 28, 12, 0, 0);
    leap += COleDateTimeSpan(1, 0, 0, 0);
    EXPECT_EQ(leap.GetMonth(), 2);
    EXPECT_EQ(leap.GetDay(), 29);
    COleDateTime oldLeap(1896, 2, 28, 12, 0, 0);
    oldLeap += COleDateTimeSpan(1, 0, 0, 0);
    EXPECT_EQ(oldLeap.GetDay(), 29);
    oldLeap += COleDateTimeSpan(1, 0, 0, 0);
    EXPECT_EQ(oldLeap.GetMonth(), 3);
    EXPECT_EQ(oldLeap.GetDay(), 1);
    EXPECT_EQ(oldLeap.GetHour(), 12);
}

TEST(OleDateTimeSpan, PartsTakeTheSignOfTheSpan)
{
    COleDateTimeSpan s(1, 2, 3, 4);
    EXPECT_EQ(s.GetDays(), 1);
    EXPECT_EQ(s.GetHours(), 2);
    EXPECT_EQ(s.GetMinutes(), 3);
    EXPECT_EQ(s.GetSeconds(), 4);
    EXPECT_NEAR(s.GetTotalSeconds(), 93784.0, 1e-6);
    COleDateTimeSpan n(-1.5);
    EXPECT_EQ(n.GetDays(), -1);
    EXPECT_EQ(n.GetHours(), -12);
    EXPECT_TRUE((s - s) == COleDateTimeSpan(0.0));
    COleDateTimeSpan bad;
    bad.SetStatus(COleDateTimeSpan::invalid);
    EXPECT_EQ((s + bad).GetStatus(), COleDateTimeSpan::invalid);
    EXPECT_EQ((COleDateTime(1.0) + bad).GetStatus(), COleDateTime::invalid);
}

TEST(OleDateTime, FormatWithPatterns)
{
    COleDateTime early(1899, 12, 29, 6, 0, 0);
    EXPECT_EQ(early.Format(L"%Y-%m-%d %H:%M:%S"), L"1899-12-29 06:00:00");
    COleDateTime afternoon(2024, 3, 1, 13, 5, 9);
    EXPECT_EQ(afternoon.Format(L"%A, %B %#d, %Y %I:%M %p"), L"Friday, March 1, 2024 01:05 PM");
    EXPECT_EQ(afternoon.Format(L"%a %b %d %y %j %w %% %c"), L"Fri Mar 01 24 061 5 % 03/01/24 13:05:09");
    EXPECT_EQ(COleDateTime(2024, 3, 1, 0, 0, 0).Format(L"%I %p"), L"12 AM");
    EXPECT_EQ(COleDateTime(2024, 3, 1, 12, 0, 0).Format(L"%I %p"), L"12 PM");
    EXPECT_EQ(COleDateTime(2023, 2, 29, 0, 0, 0).Format(L"%Y"), L"Invalid DateTime");
    COleDateTime nothing;
    nothing.SetStatus(COleDateTime::null);
    EXPECT_EQ(nothing.Format(L"%Y"), L"");
    // The locale's default form holds the date's parts.
    CString text = afternoon.Format();
    EXPECT_NE(text.Find(L"2024"), -1) << static_cast<LPCTSTR>(text);
}

TEST(OleDateTime, ParsesIsoTextAndRejectsGarbage)
{
    COleDateTime dt;
    ASSERT_TRUE(dt.ParseDateTime(L"2024-03-01 13:05:09"));
    EXPECT_TRUE(dt == COleDateTime(2024, 3, 1, 13, 5, 9));
    ASSERT_TRUE(dt.ParseDateTime(L"1850-07-04"));
    EXPECT_TRUE(dt == COleDateTime(1850, 7, 4, 0, 0, 0));
    EXPECT_FALSE(dt.ParseDateTime(L"not a date"));
    EXPECT_EQ(dt.GetStatus(), COleDateTime::invalid);
    EXPECT_TRUE(dt.ParseDateTime(L""));
    EXPECT_EQ(dt.GetStatus(), COleDateTime::null);
}

TEST(OleDateTime, OtherSources)
{
    SYSTEMTIME st{};
    st.wYear = 1850;
    st.wMonth = 7;
    st.wDay = 4;
    st.wHour = 9;
    st.wMinute = 30;
    FILETIME ft;
    ASSERT_TRUE(SystemTimeToFileTime(&st, &ft));
    EXPECT_TRUE(COleDateTime(ft) == COleDateTime(1850, 7, 4, 9, 30, 0));

    const time_t epoch = 86400 * 365;
    struct tm local {};
    __time64_t t = epoch;
    ASSERT_EQ(_localtime64_s(&local, &t), 0);
    COleDateTime fromTime(epoch);
    EXPECT_EQ(fromTime.GetYear(), local.tm_year + 1900);
    EXPECT_EQ(fromTime.GetHour(), local.tm_hour);

    COleVariant text(L"2024-03-01 13:05:09");
    EXPECT_TRUE(COleDateTime(static_cast<const VARIANT&>(text)) == COleDateTime(2024, 3, 1, 13, 5, 9));
    EXPECT_EQ(COleDateTime(static_cast<const VARIANT&>(COleVariant(L"nonsense"))).GetStatus(),
              COleDateTime::invalid);

    SYSTEMTIME now;
    GetLocalTime(&now);
    COleDateTime current = COleDateTime::GetCurrentTime();
    EXPECT_EQ(current.GetYear(), now.wYear);
}

} // namespace
