#pragma once
// An OLE automation date: days since 30 December 1899 as a double, the time of
// day as the fraction. Before that day the value is negative and its fraction
// still counts forward from the start of the day: -1.25 is 29 December 1899,
// 06:00 (not 18:00 of the 28th, as plain arithmetic on the double would say).
// Years 100 to 9999 are valid; times resolve to whole seconds.

namespace oledate {

struct DateFields {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    int dayOfWeek = 0;  // 1 = Sunday ... 7 = Saturday
    int dayOfYear = 0;  // 1 = 1 January
};

class OleDate {
public:
    static constexpr double kMin = -657434.0;         // 1 January 100
    static constexpr double kMax = 2958465.99999999;  // 31 December 9999, end of day

    // The calendar fields of a date; false outside the valid years.
    static bool Split(double date, DateFields& fields);
    // The date of these fields; false (date untouched) when a field is out of range.
    static bool Join(int year, int month, int day, int hour, int minute, int second, double& date);
    // The date as a continuous count of days, in time order (-1.25 becomes -0.75),
    // and back: differences and sums of times are taken on this count.
    static double ToLinear(double date);
    static double FromLinear(double linear);
};

}  // namespace oledate
