// Moving dates by months, years and counted weekdays. Month and year steps
// work on the fields and clamp the day to the target month; day steps run
// on the Julian Day Number line, so they cross the 1582 cut-over.
#pragma once

#include <array>
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

// For a 7-bit weekday set (bit 0 Sunday to bit 6 Saturday): how many
// weekdays k it holds, and a / k for any a in [0, 2^31] as
// (a * multiplier) >> shift, the multiplier being 2^shift / k rounded up.
struct WeekdaySet {
    uint32_t size;
    uint32_t shift;
    uint64_t multiplier;
};
inline constexpr auto kWeekdaySets = [] {
    std::array<WeekdaySet, 128> t{};
    for (unsigned set = 1; set < 128; ++set) {
        const auto k = static_cast<uint32_t>(std::popcount(set));
        const uint32_t shift = 32 + static_cast<uint32_t>(std::bit_width(k - 1));  // 2^(shift - 32) >= k
        t[set] = WeekdaySet{k, shift, ((uint64_t{1} << shift) + k - 1) / k};
    }
    return t;
}();
// Exact: with the multiplier k * 2^shift + e over k, a * e < 2^shift for
// every a up to 2^31; and a * multiplier stays within 64 bits.
static_assert([] {
    for (const WeekdaySet& s : kWeekdaySets) {
        const uint64_t excess = s.multiplier * s.size - (s.size == 0 ? 0 : uint64_t{1} << s.shift);
        if ((uint64_t{1} << 31) * excess >= (uint64_t{1} << s.shift) || s.multiplier > UINT64_MAX >> 31) return false;
    }
    return true;
}());

// kCountedDayOffsets[direction][set][r]: from a day of weekday w, how many
// days on (direction 0) or back (direction 1) the r-th day of a weekday in
// the 7-bit `set` lies, the start not counted, in bits 4w to 4w + 3: 0 for
// r = 0, at most 7 for r up to 6 (r is less than the size of the set).
// Packed by weekday so that the weekday, known last, only selects bits.
inline constexpr auto kCountedDayOffsets = [] {
    std::array<std::array<std::array<uint32_t, 8>, 128>, 2> t{};
    for (unsigned set = 0; set < 128; ++set)
        for (unsigned w = 0; w < 7; ++w)
            for (unsigned step = 1, on = 0, back = 0; step <= 7; ++step) {
                if (on < 7 && ((set >> ((w + step) % 7)) & 1u)) t[0][set][++on] |= step << (4 * w);
                if (back < 7 && ((set >> ((w + 7 - step) % 7)) & 1u)) t[1][set][++back] |= step << (4 * w);
            }
    return t;
}();

// The date n counted days later (earlier for n < 0), counting only the
// weekdays whose bit is set in bits 0 (Sunday) to 6 (Saturday) of flags.
// With k counted weekdays, |n| / k whole weeks are jumped first (keeping the
// start's weekday, counted or not), then the remaining |n| % k < k counted
// days are found in the 7 days that follow (or precede), the start not
// counted, by one table look-up, so the cost does not depend on n.
// The JD is exact in 64 bits and the weekday is the true one for every JD;
// a result outside the int32 JD range is the null date. n == 0 or k == 0:
// the date unchanged.
constexpr Date add_counted_days(const Date& d, int32_t n, uint8_t flags) noexcept {
    const int32_t year = d.year, month = d.month, day = d.day;
    const unsigned counted = flags & 0x7Fu;
    if (n == 0 || counted == 0) return assemble_date(year, month, day);
    const uint64_t a = unsigned_abs(n);  // [1, 2^31]
    const WeekdaySet& set = kWeekdaySets[counted];
    const uint64_t weeks = (a * set.multiplier) >> set.shift;  // a / k, [0, 2^31]
    const uint64_t rest = a - weeks * set.size;                 // a % k, [0, 6]
    const int64_t start = fields_to_jd(year, month, day);
    const uint32_t offsets = kCountedDayOffsets[n < 0][counted][rest];
    const int32_t weekday = weekday_from_jd(start);  // also that of start +- whole weeks
    const int64_t offset = static_cast<int64_t>(7 * weeks) + ((offsets >> (4 * weekday)) & 15);  // [1, 7 * 2^31]
    return date_from_whole_jd(n > 0 ? start + offset : start - offset);  // |jd| < 8.6e11 + 7 * 2^31
}

}  // namespace hkcal::detail
