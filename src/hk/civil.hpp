// Proleptic Gregorian dates and JD0 numbers at compile time, for the
// generated tables (Howard Hinnant's days_from_civil / civil_from_days).
// JD0 2440588 is 1970-01-01; JD0 2451545 is 2000-01-01.
#pragma once

#include <cstdint>

#include "calendar/rules.hpp"
#include "hkcal.h"

namespace hkcal::hk::civil {

inline constexpr int32_t kUnixEpochJD0 = 2440588;

// Days of month m of Gregorian year y; 0 for a month outside 1-12.
constexpr int32_t month_days(int32_t y, int32_t m) {
    return detail::month_length_in(detail::gregorian_leap(y), m);
}

// True for a valid Gregorian date of years 1-9999 (any field values safe).
constexpr bool valid(const Date& d) {
    return d.year >= 1 && d.year <= 9999 && d.day >= 1 && d.day <= month_days(d.year, d.month);
}

// JD0 of a valid Gregorian date of years 1-9999.
constexpr int32_t to_jd0(int32_t y, int32_t m, int32_t d) {
    y -= m <= 2;
    const int32_t era = y / 400;                              // y >= 0 here
    const int32_t yoe = y - era * 400;                        // [0, 399]
    const int32_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;  // [0, 365], from 1 March
    const int32_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;  // [0, 146096]
    return era * 146097 + doe - 719468 + kUnixEpochJD0;
}
constexpr int32_t to_jd0(const Date& d) { return to_jd0(d.year, d.month, d.day); }

// The Gregorian date of a JD0 from 1721426 (0001-01-01) on.
constexpr Date from_jd0(int32_t jd0) {
    const int32_t z = jd0 - kUnixEpochJD0 + 719468;
    const int32_t era = z / 146097;
    const int32_t doe = z - era * 146097;                                      // [0, 146096]
    const int32_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    const int32_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);               // [0, 365]
    const int32_t mp = (5 * doy + 2) / 153;                                    // [0, 11], from March
    const int32_t d = doy - (153 * mp + 2) / 5 + 1;
    const int32_t m = mp < 10 ? mp + 3 : mp - 9;
    return Date{yoe + era * 400 + (m <= 2), m, d};
}

static_assert(to_jd0(2000, 1, 1) == 2451545 && to_jd0(1970, 1, 1) == kUnixEpochJD0);
static_assert(from_jd0(2451545).year == 2000 && from_jd0(to_jd0(2100, 2, 28) + 1).month == 3);

}  // namespace hkcal::hk::civil
