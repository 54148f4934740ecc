// The general holidays of 1997-2100, made once (on first use, thread-safely)
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
    std::array<uint64_t, (kDays + 63) / 64> holiday_bits;  // bit d: kFirstDay + d is a general holiday
    bool is_holiday(int32_t jd) const {
        const int32_t d = jd - kFirstDay;  // [0, kDays)
        return (holiday_bits[static_cast<uint32_t>(d) / 64] >> (d % 64) & 1) != 0;
    }
};

const Tables& tables();

// The year of a JD0 in [kFirstDay, kEndDay).
inline int32_t year_of(int32_t jd) { return civil::from_jd0(jd).year; }

}  // namespace hkcal::hk::table
