// The Observatory's lunar calendar as compiled from src/hk/lunar_table.inc:
// per lunar year 1901-2100 its new-year JD0 and its months' lengths as a
// bit mask, checked at compile time.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "hk/civil.hpp"
#include "hkcal.h"

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

namespace table {
// A row as the generator writes it.
struct Row {
    int32_t year;
    Date new_year;
    const char* lengths;  // "29 30 ...", one number per month in time order
    int32_t leap;
};
constexpr Row kRows[] = {
#include "hk/lunar_table.inc"
};
constexpr std::size_t kYears = kLastYear - kFirstYear + 1;
static_assert(std::size(kRows) == kYears);

// The row compiled; kYear.new_year == 0 marks a malformed row.
constexpr Year compile(const Row& row) {
    Year y{civil::to_jd0(row.new_year), 0, static_cast<int8_t>(row.leap)};
    int32_t slots = 0;
    for (const char* p = row.lengths; *p; ++p) {
        if (*p == ' ') continue;
        if (p[1] != '9' && p[1] != '0') return {};
        if (p[0] == '3' && p[1] == '0') y.long_months |= static_cast<uint16_t>(1u << slots);
        else if (p[0] != '2' || p[1] != '9') return {};
        ++slots;
        ++p;
    }
    bool leap_ok = row.leap == 0 ? slots == 12 : row.leap >= 1 && row.leap <= 12 && slots == 13;
    return leap_ok ? y : Year{};
}

constexpr std::array<Year, kYears> kCompiled = [] {
    std::array<Year, kYears> years{};
    for (std::size_t i = 0; i < kYears; ++i) years[i] = compile(kRows[i]);
    return years;
}();

// Each row is its own year, well formed, its new year between 21 January and
// 21 February, and it ends the day before the next row's new year.
constexpr bool table_consistent() {
    for (std::size_t i = 0; i < kYears; ++i) {
        const Row& r = kRows[i];
        const int32_t jan21 = civil::to_jd0(r.new_year.year, 1, 21);
        if (r.year != kFirstYear + static_cast<int32_t>(i) || r.new_year.year != r.year || kCompiled[i].new_year == 0 ||
            kCompiled[i].new_year < jan21 || kCompiled[i].new_year > jan21 + 31)
            return false;
        if (i + 1 < kYears && kCompiled[i].new_year + kCompiled[i].length() != kCompiled[i + 1].new_year) return false;
    }
    return true;
}
static_assert(table_consistent());

}  // namespace table

using table::kCompiled;
using table::kYears;

// The lunar year `year` (kFirstYear..kLastYear).
constexpr const Year& year(int32_t year) { return kCompiled[static_cast<std::size_t>(year - kFirstYear)]; }

}  // namespace hkcal::hk::lunar
