// Moving dates by months, years and counted weekdays. Month and year steps
// work on the fields and clamp the day to the target month; day steps run
// on the Julian Day Number line, so they cross the 1582 cut-over.
#pragma once

#include <bit>
#include <cstdint>

#include "calendar/calendar.hpp"
#include "calendar/int_math.hpp"
#include "hkcal.h"

namespace hkcal::detail {

// The day lowered to the length of its month in its year when it exceeds
// it (October 1582 has 21 days; a month outside 1-12 has length 0).
constexpr Date clamp_day(Date d) noexcept {
    const int32_t length = month_length(d.year, d.month);
    if (d.day > length) d.day = length;
    return d;
}

// The date n months later, any fields: t = month + n wraps modulo 2^32,
// then month t of the year counts as month floor_mod(t - 1, 12) + 1 of year
// + floor_div(t - 1, 12) (t = 0 is December of the year before), the year
// sum wrapping modulo 2^32; then the day is clamped.
constexpr Date add_months(const Date& d, int32_t n) noexcept {
    const int64_t t = wrap_add(d.month, n);
    const auto years = static_cast<int32_t>(floor_div(t - 1, 12));  // [-178956971, 178956970]
    const auto month = static_cast<int32_t>(floor_mod(t - 1, 12) + 1);  // [1, 12]
    return clamp_day(Date{wrap_add(d.year, years), month, d.day});
}

// The date n years later, any fields: the year sum wraps modulo 2^32, then
// the day is clamped.
constexpr Date add_years(const Date& d, int32_t n) noexcept {
    return clamp_day(Date{wrap_add(d.year, n), d.month, d.day});
}

// The date n counted days later (earlier for n < 0), counting only the
// weekdays whose bit is set in bits 0 (Sunday) to 6 (Saturday) of flags.
// With k counted weekdays, |n| / k whole weeks are jumped first (keeping the
// start's weekday, counted or not), then the remaining |n| % k < k counted
// days are stepped one day at a time, the start not counted; any 7
// consecutive days hold k counted ones, so that takes at most 7 steps.
// The JD is exact in 64 bits and the weekday is the true one for every JD;
// a result outside the int32 JD range is the null date. n == 0 or k == 0:
// the date unchanged.
constexpr Date add_counted_days(const Date& d, int32_t n, uint8_t flags) noexcept {
    const unsigned counted = flags & 0x7Fu;
    if (n == 0 || counted == 0) return d;
    const int64_t step = n > 0 ? 1 : -1;
    const int64_t a = n > 0 ? int64_t{n} : -int64_t{n};  // [1, 2^31]
    const int64_t k = std::popcount(counted);           // [1, 7]
    // |jd| < 8.6e11 + 7 * 2^31
    int64_t jd = jd_from_fields(d.year, d.month, d.day) + step * 7 * (a / k);
    for (int64_t left = a % k; left > 0;) {  // [0, 6] counted days to go
        jd += step;
        if ((counted >> weekday_from_jd(jd)) & 1u) --left;
    }
    return date_from_jd(jd);
}

}  // namespace hkcal::detail
