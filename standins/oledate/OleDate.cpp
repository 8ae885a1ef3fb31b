#include "OleDate.h"

#include <cmath>
#include <cstdint>

namespace oledate {
namespace {

constexpr int64_t kSecondsPerDay = 86400;
constexpr int64_t kDaysFrom1970 = 25569;  // 1970-01-01 as a day number

int64_t FloorDiv(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<int64_t>(yoe) + era * 400 + (month <= 2));
}

}  // namespace

double OleDate::ToLinear(double date) {
    if (date >= 0) return date;
    const double day = std::ceil(date);
    return day + (day - date);
}

double OleDate::FromLinear(double linear) {
    if (linear >= 0) return linear;
    const double day = std::floor(linear);
    const double fraction = linear - day;
    return fraction == 0 ? day : day - fraction;
}

bool OleDate::Split(double date, DateFields& f) {
    if (!(date >= kMin && date <= kMax)) return false;
    const int64_t seconds = std::llround(ToLinear(date) * kSecondsPerDay);
    const int64_t day = FloorDiv(seconds, kSecondsPerDay);
    const int secondOfDay = static_cast<int>(seconds - day * kSecondsPerDay);
    DateFields out;
    CivilFromDays(day - kDaysFrom1970, out.year, out.month, out.day);
    if (out.year < 100 || out.year > 9999) return false;
    out.hour = secondOfDay / 3600;
    out.minute = secondOfDay / 60 % 60;
    out.second = secondOfDay % 60;
    // Day 0 (30 December 1899) was a Saturday.
    out.dayOfWeek = static_cast<int>(day + 6 - FloorDiv(day + 6, 7) * 7) + 1;
    out.dayOfYear = static_cast<int>(day - kDaysFrom1970 - DaysFromCivil(out.year, 1, 1)) + 1;
    f = out;
    return true;
}

bool OleDate::Join(int year, int month, int day, int hour, int minute, int second, double& date) {
    if (!(year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month) &&
          hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59))
        return false;
    const int64_t dayNumber =
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) + kDaysFrom1970;
    const double time = static_cast<double>((hour * 60 + minute) * 60 + second) / kSecondsPerDay;
    date = dayNumber >= 0 ? static_cast<double>(dayNumber) + time : static_cast<double>(dayNumber) - time;
    return true;
}

}  // namespace oledate
