// The civil dates in Hong Kong of the 24 solar terms, years 1901-2100, from
// the generated table src/hk/solar_terms_table.inc, checked at compile time.
#pragma once

#include <array>
#include <cstdint>

#include "hkcal_hk.h"

namespace hkcal::hk::terms {

constexpr int32_t kFirstYear = HK_LUNAR_FIRST_YEAR, kLastYear = HK_LUNAR_LAST_YEAR;

// A row as the generator writes it: the year and the day of the month of
// each term; term i falls in month i / 2 + 1.
struct Row {
    int32_t year;
    std::array<uint8_t, HK_SOLAR_TERMS> day;
};
constexpr Row kRows[] = {
#include "hk/solar_terms_table.inc"
};

// Consecutive years; each minor term (even index) on day 3-9 of its month,
// each principal term on day 18-24: the Sun's 15 degrees take 14.7-15.7 days.
constexpr bool table_consistent() {
    if (std::size(kRows) != static_cast<std::size_t>(kLastYear - kFirstYear + 1)) return false;
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        if (kRows[i].year != kFirstYear + static_cast<int32_t>(i)) return false;
        for (std::size_t t = 0; t < HK_SOLAR_TERMS; ++t) {
            const int32_t low = t % 2 == 0 ? 3 : 18;
            if (kRows[i].day[t] < low || kRows[i].day[t] > low + 6) return false;
        }
    }
    return true;
}
static_assert(table_consistent());

// The date of term index (0-23) of a year 1901-2100.
constexpr Date date(int32_t year, int32_t index) {
    return Date{year, index / 2 + 1, kRows[static_cast<std::size_t>(year - kFirstYear)].day[static_cast<std::size_t>(index)]};
}

}  // namespace hkcal::hk::terms
