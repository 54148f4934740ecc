// The weekday of a whole Julian Day Number.
#pragma once

#include <cstdint>

#include "calendar/int_math.hpp"

namespace hkcal::detail {

// The JDs whose weekday weekday_from_jd reads off one multiplication:
// x = jd + kWeekdayBias counts days from a Sunday (kWeekdayBias is 1 more
// than a multiple of 7), and for x up to 1431655769 bits 32-34 of
// x * 4908534053 (2^35 / 7 rounded up) are the top bits of the fraction
// x / 7, which give x % 7 exactly.
inline constexpr int64_t kWeekdayBias = 715827883;
inline constexpr int64_t kMinQuickWeekdayJD = -kWeekdayBias;
inline constexpr int64_t kMaxQuickWeekdayJD = 1431655769 - kWeekdayBias;  // 715827886

// The weekday of a whole JD, 0 Sunday to 6 Saturday, for every JD
// (JD 0, -4712-01-01 Julian, was a Monday).
constexpr int32_t weekday_from_jd(int64_t jd) noexcept {
    if (jd >= kMinQuickWeekdayJD && jd <= kMaxQuickWeekdayJD) [[likely]] {
        const auto x = static_cast<uint64_t>(jd + kWeekdayBias);  // [0, 1431655769]
        return static_cast<int32_t>(((x * 4908534053) >> 32) & 7);
    }
    return static_cast<int32_t>((floor_mod(jd, 7) + 1) % 7);  // no overflow at INT64_MAX
}

}  // namespace hkcal::detail
