// The general holidays of 1997-2100, made at compile time from the law's
// rules (constant-initialised: they exist before any code of a program
// runs); per month, the day set the business-day engine works over.
#pragma once

#include <array>
#include <cstdint>

#include "hk/civil.hpp"
#include "hk/holiday_law.hpp"

namespace hkcal::hk::table {

inline constexpr int32_t kYears = law::kLastYear - law::kFirstYear + 1;

struct Year {
    law::List general;          // the year's general holidays, in date order
    uint32_t statutory_bits;    // bit i: general[i] is also a statutory holiday (either choice of December day)
};

struct Tables {
    std::array<Year, kYears> years;
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
        t.years[i] = Year{kGeneralLists[i], kStatutoryBits<false>[i] | kStatutoryBits<true>[i]};
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

}  // namespace hkcal::hk::table
