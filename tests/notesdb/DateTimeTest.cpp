#include "notesdb/DateTime.h"

#include <gtest/gtest.h>

namespace notesdb {
namespace {

TEST(DateTimeTest, ParsesEveryFormAndWritesItBack) {
    const struct {
        const char* text;
        const char* written;
    } cases[] = {
        {"2026-03-15", "2026-03-15"},
        {"2026-03-15T09:30", "2026-03-15T09:30:00"},
        {"2026-03-15T09:30:05.25+01:00", "2026-03-15T09:30:05.25+01:00"},
        {"2026-03-15T09:30:05.5-05:30", "2026-03-15T09:30:05.50-05:30"},
        {"2026-03-15T23:59:59Z", "2026-03-15T23:59:59Z"},
        {"T07:05", "T07:05:00"},
        {"2024-02-29", "2024-02-29"},
    };
    for (const auto& c : cases) {
        const auto dt = DateTime::Parse(c.text);
        ASSERT_TRUE(dt) << c.text;
        EXPECT_EQ(dt->ToString(), c.written);
        EXPECT_EQ(DateTime::Parse(dt->ToString()), dt);
    }
    const auto dt = *DateTime::Parse("2026-12-31T18:45:10.07-03:15");
    EXPECT_EQ(dt.year, 2026);
    EXPECT_EQ(dt.month, 12);
    EXPECT_EQ(dt.day, 31);
    EXPECT_EQ(dt.hour, 18);
    EXPECT_EQ(dt.minute, 45);
    EXPECT_EQ(dt.second, 10);
    EXPECT_EQ(dt.hundredths, 7);
    EXPECT_EQ(dt.zoneMinutes, -195);
    EXPECT_TRUE(dt.hasDate && dt.hasTime && dt.hasZone);
    EXPECT_FALSE(DateTime::Parse("2026-03-15")->hasTime);
}

TEST(DateTimeTest, RejectsImpossibleAndMalformedValues) {
    for (const char* bad : {"", "2026-3-15", "2026-13-01", "2026-02-29", "2023-04-31", "0000-01-01", "2026-01-01T24:00",
                            "2026-01-01T10:60", "2026-01-01T10:00:60", "2026-01-01T10:00Zx", "2026-01-01Z",
                            "2026-01-01T10:00+1:00", "2026-01-01T10:00+15:00", "2026-01-01 10:00", "T", "2026-01-01T10:00."})
        EXPECT_FALSE(DateTime::Parse(bad)) << bad;
}

}  // namespace
}  // namespace notesdb
