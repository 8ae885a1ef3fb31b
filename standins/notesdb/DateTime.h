#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace notesdb {

// A Notes date-time value: a date, a time of day, or both, with an optional
// time-zone offset. Written as ISO 8601: "2026-03-15" (a date alone, as all-day
// values are), "T09:30" (a time alone), "2026-03-15T09:30:00.25+01:00".
struct DateTime {
    int16_t year = 0;
    uint8_t month = 0;  // 1..12
    uint8_t day = 0;    // 1..31
    uint8_t hour = 0;
    uint8_t minute = 0;
    uint8_t second = 0;
    uint8_t hundredths = 0;
    bool hasDate = false;
    bool hasTime = false;
    bool hasZone = false;
    int16_t zoneMinutes = 0;  // offset east of UTC

    static std::optional<DateTime> Parse(std::string_view text);
    std::string ToString() const;
    bool operator==(const DateTime&) const = default;
};

}  // namespace notesdb
