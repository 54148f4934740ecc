// The calendar's rules, each written once: the leap rules, the lengths of
// months and years, the 1582 reform, and which dates exist. Dates up to
// 1582-10-04 are Julian, from 1582-10-15 Gregorian.
#pragma once

#include <cstdint>

#include "hkcal.h"

namespace hkcal::detail {

// JD 2299161 is 1582-10-15, the first Gregorian day (the day after the
// Julian 1582-10-04).
inline constexpr int64_t kFirstGregorianJD = 2299161;
inline constexpr int32_t kReformYear = 1582;
inline constexpr int32_t kFirstGregorianYear = 1583;  // year rules switch here
// October 1582 holds the 1st to the 4th and the 15th to the 31st.
inline constexpr int32_t kReformMonth = 10;
inline constexpr int32_t kLastJulianDay = 4;
inline constexpr int32_t kFirstGregorianDay = 15;
inline constexpr int32_t kDroppedDays = kFirstGregorianDay - kLastJulianDay - 1;  // 10

// ---- leap rules -------------------------------------------------------------

constexpr bool julian_leap(int32_t year) noexcept { return year % 4 == 0; }
constexpr bool gregorian_leap(int32_t year) noexcept {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}
// The historical rule: Julian up to 1582, Gregorian from 1583.
constexpr bool is_leap(int32_t year) noexcept {
    return year >= kFirstGregorianYear ? gregorian_leap(year) : julian_leap(year);
}

// ---- lengths ----------------------------------------------------------------

// Days of month 1-12 in a common year; index 0 is unused.
inline constexpr int32_t kMonthDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr bool month_in_range(int32_t month) noexcept { return month >= 1 && month <= 12; }

inline constexpr int32_t kReformMonthLength = kMonthDays[kReformMonth] - kDroppedDays;
static_assert(kReformMonthLength == 21);

// Days of month 1-12 in a common or a leap year; 0 for any other month.
constexpr int32_t month_length_in(bool leap, int32_t month) noexcept {
    if (!month_in_range(month)) return 0;
    return kMonthDays[month] + (month == 2 && leap ? 1 : 0);
}

// Days of the month in that year by the historical rule: February 29 in
// leap years, October 1582 has 21 days; 0 for a month outside 1-12.
constexpr int32_t month_length(int32_t year, int32_t month) noexcept {
    if (year == kReformYear && month == kReformMonth) return kReformMonthLength;
    return month_length_in(is_leap(year), month);
}

// 365 or 366 by the historical leap rule (1582 counts 365: the ten days the
// reform dropped are not taken off).
constexpr int32_t year_length(int32_t year) noexcept { return is_leap(year) ? 366 : 365; }

// ---- validity ---------------------------------------------------------------

constexpr bool valid_julian(int32_t y, int32_t m, int32_t d) noexcept {
    if (y > kReformYear) return false;
    if (y == kReformYear && (m > kReformMonth || (m == kReformMonth && d > kLastJulianDay))) return false;
    return d >= 1 && d <= month_length_in(julian_leap(y), m);
}

constexpr bool valid_gregorian(int32_t y, int32_t m, int32_t d) noexcept {
    if (y < kReformYear) return false;
    if (y == kReformYear && (m < kReformMonth || (m == kReformMonth && d < kFirstGregorianDay))) return false;
    return d >= 1 && d <= month_length_in(gregorian_leap(y), m);
}

constexpr bool valid(const Date& d) noexcept {
    return valid_julian(d.year, d.month, d.day) || valid_gregorian(d.year, d.month, d.day);
}

}  // namespace hkcal::detail
