#include <cstdio>
#include <string>

#include "LNInternals.h"

LNDatetime::LNDatetime() = default;

LNSTATUS LNDatetime::RawSetDate(LNINT month, LNINT day, LNINT year) {
    return LNRun([&] {
        if (month < 1 || month > 12 || day < 1 || day > 31 || year < 1 || year > 9999) LNFail(LNERR_BAD_ARGUMENT);
        month_ = static_cast<uint8_t>(month);
        day_ = static_cast<uint8_t>(day);
        year_ = static_cast<int16_t>(year);
        hasDate_ = true;
    });
}

LNSTATUS LNDatetime::RawSetTime(LNINT hour, LNINT minute, LNINT second, LNINT hundredths) {
    return LNRun([&] {
        if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || hundredths < 0 ||
            hundredths > 99)
            LNFail(LNERR_BAD_ARGUMENT);
        hour_ = static_cast<uint8_t>(hour);
        minute_ = static_cast<uint8_t>(minute);
        second_ = static_cast<uint8_t>(second);
        hundredths_ = static_cast<uint8_t>(hundredths);
        hasTime_ = true;
    });
}

LNINT LNDatetime::GetYear() const { return year_; }
LNINT LNDatetime::GetMonth() const { return month_; }
LNINT LNDatetime::GetDay() const { return day_; }
LNINT LNDatetime::GetHour() const { return hour_; }
LNINT LNDatetime::GetMinute() const { return minute_; }
LNINT LNDatetime::GetSecond() const { return second_; }
LNINT LNDatetime::GetHundredths() const { return hundredths_; }
bool LNDatetime::HasDate() const { return hasDate_; }
bool LNDatetime::HasTime() const { return hasTime_; }

bool LNDatetime::operator==(const LNDatetime& o) const {
    return year_ == o.year_ && month_ == o.month_ && day_ == o.day_ && hour_ == o.hour_ && minute_ == o.minute_ &&
           second_ == o.second_ && hundredths_ == o.hundredths_ && hasDate_ == o.hasDate_ &&
           hasTime_ == o.hasTime_ && hasZone_ == o.hasZone_ && zoneMinutes_ == o.zoneMinutes_;
}

LNSTATUS LNDatetime::RawGetText(LNString* text) const {
    return LNRun([&] {
        if (!text) LNFail(LNERR_BAD_ARGUMENT);
        char buffer[64];
        std::string out;
        if (hasDate_) {
            std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year_, month_, day_);
            out += buffer;
        }
        if (hasTime_) {
            if (!out.empty()) out += ' ';
            std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", hour_, minute_, second_);
            out += buffer;
            if (hundredths_) {
                std::snprintf(buffer, sizeof buffer, ".%02d", hundredths_);
                out += buffer;
            }
            if (hasZone_) {
                const int minutes = zoneMinutes_ < 0 ? -zoneMinutes_ : zoneMinutes_;
                std::snprintf(buffer, sizeof buffer, " %c%02d:%02d", zoneMinutes_ < 0 ? '-' : '+', minutes / 60,
                              minutes % 60);
                out += buffer;
            }
        }
        *text = LNString(out.data(), out.size());
    });
}

LNDatetime LNInternals::FromValue(const notesdb::DateTime& value) {
    LNDatetime d;
    d.year_ = value.year;
    d.month_ = value.month;
    d.day_ = value.day;
    d.hour_ = value.hour;
    d.minute_ = value.minute;
    d.second_ = value.second;
    d.hundredths_ = value.hundredths;
    d.hasDate_ = value.hasDate;
    d.hasTime_ = value.hasTime;
    d.hasZone_ = value.hasZone;
    d.zoneMinutes_ = value.zoneMinutes;
    return d;
}
