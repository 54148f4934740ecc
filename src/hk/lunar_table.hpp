// The Observatory's lunar calendar as compiled from src/hk/lunar_table.inc:
// per lunar year 1901-2100 its new-year JD0 and its months' lengths as a
// bit mask, checked at compile time.
#pragma once

#include <bit>
#include <cstdint>

#include "hk/civil.hpp"

namespace hkcal::hk::lunar {

inline constexpr int32_t kFirstYear = 1901, kLastYear = 2100;

// One lunar year: months are numbered by slot 0-12 in time order (the leap
// month L, if any, is slot L, right after month L in slot L - 1).
struct Year {
    int32_t new_year;  // JD0 of its first day
    uint16_t long_months;  // bit s set: slot s has 30 days (else 29)
    int8_t leap;       // the leap month 1-12, or 0
    constexpr int32_t months() const { return leap ? 13 : 12; }
    // Days from the new year to the first day of slot s, [0, 384] for s in [0, months()].
    constexpr int32_t offset(int32_t s) const {
        return 29 * s + std::popcount(static_cast<uint16_t>(long_months & ((1u << s) - 1)));
    }
    constexpr int32_t length() const { return offset(months()); }
    // The slot of month m (negative: the leap month), or -1 when the year lacks it.
    constexpr int32_t slot(int32_t m) const {
        if (m < 0) return leap != 0 && m == -leap ? leap : -1;
        if (m < 1 || m > 12) return -1;
        return leap != 0 && m > leap ? m : m - 1;
    }
    // The month number (negative for the leap month) of slot s.
    constexpr int32_t month(int32_t s) const {
        if (leap == 0 || s < leap) return s + 1;
        return s == leap ? -leap : s;
    }
};

// The lunar year `year` (kFirstYear..kLastYear).
const Year& year(int32_t year);

}  // namespace hkcal::hk::lunar
