// Day numbers within a year (day number 1 is 1 January) and back.
#pragma once

#include <cstdint>

#include "calendar/int_math.hpp"
#include "calendar/rules.hpp"

namespace hkcal::detail {

// First day number of each month 1-12 and a closing entry (one more than
// the days of the year) of a year whose month m has length(m) days; index 0
// unused.
struct FirstDays {
    int32_t of[14];
};
template <typename Length>
constexpr FirstDays first_day_table(Length length) noexcept {
    FirstDays t{};
    t.of[1] = 1;
    for (int32_t m = 1; m <= 12; ++m) t.of[m + 1] = t.of[m] + length(m);
    return t;
}

inline constexpr auto kFirstDayCommon = first_day_table([](int32_t m) { return month_length_in(false, m); });
inline constexpr auto kFirstDayLeap = first_day_table([](int32_t m) { return month_length_in(true, m); });
inline constexpr auto kFirstDay1582 = first_day_table([](int32_t m) { return month_length(kReformYear, m); });
static_assert(kFirstDayCommon.of[3] == 60 && kFirstDayCommon.of[13] == 366 && kFirstDayLeap.of[13] == 367);
static_assert(kFirstDay1582.of[11] == 295 && kFirstDay1582.of[12] == 325 && kFirstDay1582.of[13] == 356);

// The day number of a date, computed in 32-bit wraparound for any day; 0
// for a month outside 1-12 and for the days 1582 dropped (October 5-14).
constexpr int32_t day_number(const Date& d) noexcept {
    if (!month_in_range(d.month)) return 0;
    const int32_t n = wrap_add(kFirstDayCommon.of[d.month] - 1, d.day);
    if (d.year == kReformYear && d.month >= kReformMonth) {
        if (d.month == 12) return wrap_add(d.day, 324);
        if (d.month == 11) return wrap_add(d.day, 294);
        if (d.day <= kLastJulianDay) return n;
        if (d.day < kFirstGregorianDay) return 0;
        return wrap_sub(n, kDroppedDays);
    }
    return d.month > 2 && is_leap(d.year) ? wrap_add(n, 1) : n;
}

// The date of day number n of the year; {year, 0, 0} when the year has no
// such day.
constexpr Date date_from_day_number(int32_t year, int32_t n) noexcept {
    const int32_t* first = kFirstDayCommon.of;
    if (year == kReformYear) first = kFirstDay1582.of;
    else if (is_leap(year)) first = kFirstDayLeap.of;
    if (n < 1 || n >= first[13]) return Date{year, 0, 0};
    // Every month has 21 to 31 days, so the guess is the month or the one before.
    int32_t m = (n - 1) / 31 + 1;  // [1, 12]
    if (n >= first[m + 1]) ++m;
    int32_t day = n - first[m] + 1;
    if (year == kReformYear && m == kReformMonth && day > kLastJulianDay) day += kDroppedDays;
    return Date{year, m, day};
}

}  // namespace hkcal::detail
