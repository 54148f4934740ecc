// The general holidays of 1997-2100, made once (when the library is loaded)
// from the law's rules, and the counts that make business-day arithmetic
// take constant time.
#pragma once

#include <array>
#include <cstdint>

#include "hk/civil.hpp"
#include "hk/holiday_law.hpp"

namespace hkcal::hk::table {

inline constexpr int32_t kYears = law::kLastYear - law::kFirstYear + 1;
inline constexpr int32_t kFirstDay = civil::to_jd0(law::kFirstYear, 1, 1);  // JD0 of 1997-01-01
inline constexpr int32_t kEndDay = civil::to_jd0(law::kLastYear + 1, 1, 1);  // JD0 of 2101-01-01, excluded
inline constexpr int32_t kDays = kEndDay - kFirstDay;                         // 37986

struct Year {
    law::List general;          // the year's general holidays, in date order
    uint32_t statutory_bits;    // bit i: general[i] is also a statutory holiday (either choice of December day)
};

struct Tables {
    std::array<Year, kYears> years;
    // before[i][w]: general holidays on weekday w in the years before kFirstYear + i, i in [0, kYears].
    std::array<std::array<int32_t, 7>, kYears + 1> before;
    // month_holidays[12 * (year - 1997) + month - 1], bit d: day d + 1 of the month is a general holiday.
    std::array<uint32_t, kYears * 12> month_holidays;
    // A valid date of 1997-2100 is a general holiday.
    bool is_holiday(const Date& d) const {
        return (month_holidays[static_cast<std::size_t>(12 * (d.year - law::kFirstYear) + d.month - 1)] >> (d.day - 1) & 1) != 0;
    }
};

// Built when the library is loaded (about a millisecond), from constant
// tables and the classic library; read-only after.
extern const Tables g_tables;
inline const Tables& tables() { return g_tables; }

// Each month of 1997-2100 (index 12 * (year - 1997) + month - 1): its
// length and the weekday of its first day, so that the business-day test
// needs no division.
struct MonthShape {
    uint8_t length;   // 28-31
    uint8_t weekday;  // of the first day, 0 Sunday .. 6 Saturday
};
inline constexpr auto kMonths = [] {
    std::array<MonthShape, kYears * 12> out{};
    for (int32_t y = 0; y < kYears; ++y) {
        for (int32_t m = 0; m < 12; ++m) {
            const int32_t year = law::kFirstYear + y;
            const int32_t first = civil::to_jd0(year, m + 1, 1);
            out[static_cast<std::size_t>(y * 12 + m)] = {static_cast<uint8_t>(civil::month_days(year, m + 1)),
                                                         static_cast<uint8_t>(law::weekday(first))};
        }
    }
    return out;
}();



}  // namespace hkcal::hk::table
