// The general holidays of 1997-2100, made at compile time from the law's
// rules (constant-initialised: they exist before any code of a program
// runs), and the counts that make business-day arithmetic take constant
// time.
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
};

namespace detail {

constexpr bool same_day_and_key(const law::Day& a, const law::Day& b) {
    return a.date == b.date && law::detail::same(a.key, b.key);
}

// Each constant below is evaluated on its own, within the compilers'
// step limits for one constant expression.
inline constexpr auto kGeneralLists = [] {
    std::array<law::List, kYears> out{};
    for (int32_t i = 0; i < kYears; ++i) out[static_cast<std::size_t>(i)] = law::general(law::kFirstYear + i);
    return out;
}();

// Per year, bit h: general holiday h is also in the statutory list with this
// choice of December day, on the same date under the same key.
template <bool kChristmas>
inline constexpr auto kStatutoryBits = [] {
    std::array<uint32_t, kYears> out{};
    for (std::size_t i = 0; i < kYears; ++i) {
        const law::List statutory = law::statutory(law::kFirstYear + static_cast<int32_t>(i), kChristmas);
        const law::List& general = kGeneralLists[i];
        for (int32_t h = 0; h < general.count; ++h) {
            const law::Day& day = general.day[h];
            for (const law::Day& s : statutory) {
                if (same_day_and_key(day, s)) out[i] |= 1u << h;
            }
        }
    }
    return out;
}();

constexpr Tables build() {
    Tables t{};
    for (std::size_t i = 0; i < kYears; ++i) {
        Year& y = t.years[i];
        y.general = kGeneralLists[i];
        y.statutory_bits = kStatutoryBits<false>[i] | kStatutoryBits<true>[i];
        t.before[i + 1] = t.before[i];
        for (const law::Day& day : y.general) ++t.before[i + 1][static_cast<std::size_t>(weekday(day.date))];
    }
    return t;
}

}  // namespace detail

inline constexpr Tables kTables = detail::build();
constexpr const Tables& tables() { return kTables; }

// kMonthHolidays[12 * (year - 1997) + month - 1], bit d: day d + 1 of the month is a general holiday.
inline constexpr std::array<uint32_t, kYears * 12> kMonthHolidays = [] {
    std::array<uint32_t, kYears * 12> out{};
    for (int32_t i = 0; i < kYears; ++i) {
        for (const law::Day& day : kTables.years[static_cast<std::size_t>(i)].general) {
            const Date date = to_date(day.date);
            out[static_cast<std::size_t>(i * 12 + date.month - 1)] |= 1u << (date.day - 1);
        }
    }
    return out;
}();

// A valid date of 1997-2100 is a general holiday.
constexpr bool is_holiday(const Date& d) {
    return (kMonthHolidays[static_cast<std::size_t>(12 * (d.year - law::kFirstYear) + d.month - 1)] >> (d.day - 1) & 1) != 0;
}

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
                                                         static_cast<uint8_t>(weekday(first))};
        }
    }
    return out;
}();
}  // namespace hkcal::hk::table
