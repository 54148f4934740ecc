// The Gregorian computus, shared by the classic library's easter() and the
// Hong Kong library's constant tables.
#pragma once

#include <cstdint>

namespace hkcal::detail {

// Easter Sunday of a Gregorian year (1583 on, any int32 year) as a day of
// March: 22-31 is March N, 32-56 April N - 31. Computed in 64 bits, so exact
// for every int32 year.
constexpr int32_t gregorian_easter_march_day(int32_t year) noexcept {
    const int64_t y = year;
    const int64_t g = y % 19 + 1;                    // golden number, [1, 19]
    const int64_t c = y / 100 + 1;                   // century
    const int64_t x = 3 * c / 4 - 12;                // leap years dropped since 1582
    const int64_t z = (8 * c + 5) / 25 - 5;          // the moon's correction
    const int64_t d = 5 * y / 4 - x - 10;            // d % 7 locates Sunday; > 0
    int64_t e = (11 * g + 20 + z - x) % 30;          // epact, (-30, 30)
    if (e < 0) e += 30;
    if ((e == 25 && g > 11) || e == 24) ++e;         // [0, 29]
    int64_t n = 44 - e;                              // the full moon as a day of March
    if (n < 21) n += 30;                             // [21, 49]
    return static_cast<int32_t>(n + 7 - (d + n) % 7);  // the Sunday after, [22, 56]
}

static_assert(gregorian_easter_march_day(2000) == 31 + 23 && gregorian_easter_march_day(2026) == 31 + 5);

}  // namespace hkcal::detail
