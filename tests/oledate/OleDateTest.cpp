#include <gtest/gtest.h>

#include <vector>

#include "oledate/OleDate.h"

namespace oledate {
namespace {

struct Case {
    double date;
    int year, month, day, hour, minute, second;
};

// Before 30 December 1899 the day counts down and the fraction still counts forward.
const Case kCases[] = {
    {0.0, 1899, 12, 30, 0, 0, 0},
    {-1.25, 1899, 12, 29, 6, 0, 0},
    {-1.5, 1899, 12, 29, 12, 0, 0},
    {-1.75, 1899, 12, 29, 18, 0, 0},
    {2.75, 1900, 1, 1, 18, 0, 0},
    {-109205.0, 1601, 1, 1, 0, 0, 0},
    {-109205.0 - 1.0 / 24, 1601, 1, 1, 1, 0, 0},
    {-109512.0, 1600, 2, 29, 0, 0, 0},
    {-657434.0, 100, 1, 1, 0, 0, 0},
    {2958465.0 + 86399.0 / 86400, 9999, 12, 31, 23, 59, 59},
    {46096.0 + 9.5 / 24, 2026, 3, 15, 9, 30, 0},
};

TEST(OleDate, SplitsAndJoinsWithTheFractionAsTimeOfDay) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.date);
        DateFields f;
        ASSERT_TRUE(OleDate::Split(c.date, f));
        EXPECT_EQ((std::vector<int>{f.year, f.month, f.day, f.hour, f.minute, f.second}),
                  (std::vector<int>{c.year, c.month, c.day, c.hour, c.minute, c.second}));
        double joined = 1e9;
        ASSERT_TRUE(OleDate::Join(c.year, c.month, c.day, c.hour, c.minute, c.second, joined));
        EXPECT_NEAR(joined, c.date, 1e-9);
    }
    DateFields f;
    ASSERT_TRUE(OleDate::Split(-1.25, f));
    EXPECT_EQ(f.dayOfWeek, 6);  // 29 December 1899: a Friday
    EXPECT_EQ(f.dayOfYear, 363);
}

TEST(OleDate, RefusesWhatIsNoDate) {
    DateFields f;
    for (double date : {-657435.0, 2958466.0, 1e300, -1e300})
        EXPECT_FALSE(OleDate::Split(date, f)) << date;
    double date = 7.0;
    EXPECT_FALSE(OleDate::Join(1900, 2, 29, 0, 0, 0, date));
    EXPECT_FALSE(OleDate::Join(99, 12, 31, 0, 0, 0, date));
    EXPECT_FALSE(OleDate::Join(2026, 3, 15, 24, 0, 0, date));
    EXPECT_EQ(date, 7.0);
}

// The linear count puts times in order across 30 December 1899, where the doubles do not.
TEST(OleDate, LinearCountFollowsTime) {
    EXPECT_LT(OleDate::ToLinear(-1.25), OleDate::ToLinear(-1.75));
    EXPECT_DOUBLE_EQ(OleDate::ToLinear(-1.75) - OleDate::ToLinear(-1.25), 0.5);
    EXPECT_DOUBLE_EQ(OleDate::ToLinear(0.25) - OleDate::ToLinear(-1.5), 0.75);  // 29 Dec 12:00 to 30 Dec 06:00
    for (const Case& c : kCases) EXPECT_DOUBLE_EQ(OleDate::FromLinear(OleDate::ToLinear(c.date)), c.date);
}

}  // namespace
}  // namespace oledate
