#include "DateTime.h"

#include <cstdio>

namespace notesdb {

namespace {

// Reads exactly n digits at text[pos].
bool Digits(std::string_view text, size_t& pos, size_t n, int& value) {
    if (text.size() - pos < n) return false;
    value = 0;
    for (size_t k = 0; k < n; ++k) {
        const char c = text[pos + k];
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    pos += n;
    return true;
}

bool Expect(std::string_view text, size_t& pos, char c) {
    if (pos >= text.size() || text[pos] != c) return false;
    ++pos;
    return true;
}

int DaysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

}  // namespace

std::optional<DateTime> DateTime::Parse(std::string_view text) {
    DateTime dt;
    size_t pos = 0;
    int y, mo, d, h, mi, s = 0;
    if (!text.empty() && text[0] != 'T') {
        if (!Digits(text, pos, 4, y) || !Expect(text, pos, '-') || !Digits(text, pos, 2, mo) ||
            !Expect(text, pos, '-') || !Digits(text, pos, 2, d))
            return std::nullopt;
        if (y < 1 || mo < 1 || mo > 12 || d < 1 || d > DaysInMonth(y, mo)) return std::nullopt;
        dt.hasDate = true;
        dt.year = static_cast<int16_t>(y);
        dt.month = static_cast<uint8_t>(mo);
        dt.day = static_cast<uint8_t>(d);
        if (pos == text.size()) return dt;
    }
    if (!Expect(text, pos, 'T') || !Digits(text, pos, 2, h) || !Expect(text, pos, ':') || !Digits(text, pos, 2, mi))
        return std::nullopt;
    if (pos < text.size() && text[pos] == ':' && !(++pos, Digits(text, pos, 2, s))) return std::nullopt;
    int fraction = 0;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        if (Digits(text, pos, 2, fraction)) {
        } else if (Digits(text, pos, 1, fraction)) {
            fraction *= 10;
        } else {
            return std::nullopt;
        }
    }
    if (h > 23 || mi > 59 || s > 59) return std::nullopt;
    dt.hasTime = true;
    dt.hour = static_cast<uint8_t>(h);
    dt.minute = static_cast<uint8_t>(mi);
    dt.second = static_cast<uint8_t>(s);
    dt.hundredths = static_cast<uint8_t>(fraction);
    if (pos == text.size()) return dt;
    if (text[pos] == 'Z') {
        ++pos;
        dt.hasZone = true;
    } else if (text[pos] == '+' || text[pos] == '-') {
        const int sign = text[pos++] == '-' ? -1 : 1;
        int zh, zm;
        if (!Digits(text, pos, 2, zh) || !Expect(text, pos, ':') || !Digits(text, pos, 2, zm) || zh > 14 || zm > 59)
            return std::nullopt;
        dt.hasZone = true;
        dt.zoneMinutes = static_cast<int16_t>(sign * (zh * 60 + zm));
    }
    if (pos != text.size()) return std::nullopt;
    return dt;
}

std::string DateTime::ToString() const {
    char buf[40];
    int n = 0;
    if (hasDate) n += std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", year, month, day);
    if (hasTime) {
        n += std::snprintf(buf + n, sizeof buf - n, "T%02d:%02d:%02d", hour, minute, second);
        if (hundredths) n += std::snprintf(buf + n, sizeof buf - n, ".%02d", hundredths);
        if (hasZone && zoneMinutes == 0) {
            n += std::snprintf(buf + n, sizeof buf - n, "Z");
        } else if (hasZone) {
            const int z = zoneMinutes < 0 ? -zoneMinutes : zoneMinutes;
            n += std::snprintf(buf + n, sizeof buf - n, "%c%02d:%02d", zoneMinutes < 0 ? '-' : '+', z / 60, z % 60);
        }
    }
    return std::string(buf, static_cast<size_t>(n));
}

}  // namespace notesdb
