// A day as a number of its own type: its JD0 (the Julian Day Number at the
// day's start, JD0 0 being -4712-01-01 Julian), never mixed up with a count,
// an offset or a year.
#pragma once

#include <cstdint>

#include "hk/civil.hpp"

namespace hkcal::hk {

enum class DayNumber : int32_t {};

constexpr int32_t jd0(DayNumber d) { return static_cast<int32_t>(d); }
constexpr DayNumber day_number(int32_t year, int32_t month, int32_t day) {
    return DayNumber{civil::to_jd0(year, month, day)};
}
constexpr DayNumber day_number(const Date& d) { return DayNumber{civil::to_jd0(d)}; }
constexpr Date to_date(DayNumber d) { return civil::from_jd0(jd0(d)); }

// The day n days later (n < 0: earlier).
constexpr DayNumber operator+(DayNumber d, int32_t n) { return DayNumber{jd0(d) + n}; }
constexpr DayNumber operator-(DayNumber d, int32_t n) { return DayNumber{jd0(d) - n}; }
// Days from b to a.
constexpr int32_t operator-(DayNumber a, DayNumber b) { return jd0(a) - jd0(b); }

// 0 Sunday .. 6 Saturday of a JD0 >= 0 (JD0 0 was a Monday).
constexpr int32_t weekday(int32_t jd) { return (jd + 1) % 7; }
constexpr int32_t weekday(DayNumber d) { return weekday(jd0(d)); }
inline constexpr int32_t kSunday = 0;

static_assert(weekday(day_number(2026, 4, 5)) == kSunday && day_number(2000, 1, 1) - day_number(1999, 12, 31) == 1);

}  // namespace hkcal::hk
