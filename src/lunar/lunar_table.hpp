// The Chinese lunar years 1936 to 2031: where each begins within the
// Gregorian year of the same number, which month its leap month follows, and
// which of its months are long. The rows are entered as published; the
// checks below prove at compile time that they join up year after year.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "calendar/calendar.hpp"

namespace hkcal::detail {

// One lunar year, named by the Gregorian year in which its first day falls.
struct LunarYearRecord {
    int32_t year;
    // The day number (1 is 1 January of `year`) of the day before lunar 1-1.
    int32_t new_year_offset;
    // 0 for a year of 12 months; else the month after which the leap month
    // comes, the year then having 13 months.
    int32_t leap_month;
    // The months in the order they occur, the leap month in its place:
    // '1' is a month of 30 days, '0' of 29. In a year of 12 months the
    // thirteenth flag is not used.
    std::string_view month_is_long;
};

inline constexpr int32_t kFirstLunarYear = 1936;
inline constexpr int32_t kLastLunarYear = 2031;
inline constexpr int32_t kLunarYearCount = kLastLunarYear - kFirstLunarYear + 1;  // 96
inline constexpr int32_t kLunarMonthFlags = 13;

inline constexpr LunarYearRecord kLunarYears[kLunarYearCount] = {
    {1936, 23,  3, "1001001101110"},
    {1937, 41,  0, "1001001011101"},
    {1938, 30,  7, "1100100101101"},
    {1939, 49,  0, "1100100101011"},
    {1940, 38,  0, "1101010010101"},
    {1941, 26,  6, "1101101001010"},
    {1942, 45,  0, "1011010101010"},
    {1943, 35,  0, "0101011010101"},
    {1944, 24,  4, "1010101011011"},
    {1945, 43,  0, "0010010111011"},
    {1946, 32,  0, "1001001011011"},
    {1947, 21,  2, "1100100101011"},
    {1948, 40,  0, "1010100101011"},
    {1949, 28,  7, "1011010010101"},
    {1950, 47,  0, "0110110010101"},
    {1951, 36,  0, "1011010101010"},
    {1952, 26,  5, "0101010110101"},
    {1953, 44,  0, "0100110110101"},
    {1954, 33,  0, "1010010110110"},
    {1955, 23,  3, "0101001010111"},
    {1956, 42,  0, "0101001010111"},
    {1957, 30,  8, "1010100101010"},
    {1958, 48,  0, "1110100101010"},
    {1959, 38,  0, "0110101010101"},
    {1960, 27,  6, "1010110101010"},
    {1961, 45,  0, "1010101101010"},
    {1962, 35,  0, "0100101101101"},
    {1963, 24,  4, "1010010101110"},
    {1964, 43,  0, "1010010101110"},
    {1965, 32,  0, "0101001001101"},
    {1966, 20,  3, "1110100100110"},
    {1967, 39,  0, "1101100101010"},
    {1968, 29,  7, "0101101010101"},
    {1969, 47,  0, "0101011010101"},
    {1970, 36,  0, "1001011011010"},
    {1971, 26,  5, "0100101011101"},
    {1972, 45,  0, "0100101011011"},
    {1973, 33,  0, "1010010011011"},
    {1974, 22,  4, "1101001001101"},
    {1975, 41,  0, "1101001001011"},
    {1976, 30,  8, "1101010100101"},
    {1977, 48,  0, "1011010101001"},
    {1978, 37,  0, "1011011010101"},
    {1979, 27,  6, "1001011011010"},
    {1980, 46,  0, "1001010110110"},
    {1981, 35,  0, "0100100110111"},
    {1982, 24,  4, "1010010010111"},
    {1983, 43,  0, "1010010010111"},
    {1984, 32, 10, "1011001001011"},
    {1985, 50,  0, "0110101001010"},
    {1986, 39,  0, "0110110101001"},
    {1987, 28,  6, "1010110110100"},
    {1988, 47,  0, "1010101101101"},
    {1989, 36,  0, "1001001101110"},
    {1990, 26,  5, "0100100101111"},
    {1991, 45,  0, "0100100101110"},
    {1992, 34,  0, "0110010010110"},
    {1993, 22,  3, "0110101001010"},
    {1994, 40,  0, "1110101001010"},
    {1995, 30,  8, "0110101100101"},
    {1996, 49,  0, "0101101011001"},
    {1997, 37,  0, "1010101101101"},
    {1998, 27,  5, "1001001101101"},
    {1999, 46,  0, "1001001011101"},
    {2000, 35,  0, "1100100101101"},
    {2001, 23,  4, "1101010010101"},
    {2002, 42,  0, "1101010010101"},
    {2003, 31,  0, "1101101001010"},
    {2004, 21,  2, "0101101010101"},
    {2005, 39,  0, "0101011010101"},
    {2006, 28,  7, "1010101011011"},
    {2007, 48,  0, "0010010111011"},
    {2008, 37,  0, "1001001011011"},
    {2009, 25,  5, "1100100101011"},
    {2010, 44,  0, "1010100101011"},
    {2011, 33,  0, "1011010010101"},
    {2012, 22,  4, "1011010101010"},
    {2013, 40,  0, "1011010101010"},
    {2014, 30,  9, "0101010110101"},
    {2015, 49,  0, "0100101110101"},
    {2016, 38,  0, "1010010110110"},
    {2017, 27,  6, "0101001010111"},
    {2018, 46,  0, "0101001010110"},
    {2019, 35,  0, "0110100100110"},
    {2020, 24,  4, "0111010010101"},
    {2021, 42,  0, "0110101010101"},
    {2022, 31,  0, "1010110101010"},
    {2023, 21,  2, "0101010110101"},
    {2024, 40,  0, "0100101101101"},
    {2025, 28,  6, "1010010101110"},
    {2026, 47,  0, "1010010011101"},
    {2027, 36,  0, "1101001001101"},
    {2028, 25,  5, "1110100100110"},
    {2029, 43,  0, "1101010100101"},
    {2030, 32,  0, "1101101010100"},
    {2031, 22,  3, "0110101101010"},
};

// ---- compile-time checks ------------------------------------------------------

// Days of the lunar year: 29 or 30 for each of its 12 or 13 months.
constexpr int32_t lunar_year_length(const LunarYearRecord& r) noexcept {
    const int32_t months = r.leap_month == 0 ? 12 : 13;
    int32_t days = 0;
    for (int32_t i = 0; i < months; ++i) days += r.month_is_long[static_cast<std::size_t>(i)] == '1' ? 30 : 29;
    return days;
}

// The new_year_offset the year after `r` must have: r's year ends that many
// days into the next Gregorian year.
constexpr int32_t next_new_year_offset(const LunarYearRecord& r) noexcept {
    return r.new_year_offset + lunar_year_length(r) - year_length(r.year);
}

// Lunar new year falls between 21 January and 20 February: the day before
// it has day number 20 to 50.
constexpr bool plausible_new_year_offset(int32_t offset) noexcept { return offset >= 20 && offset <= 50; }

constexpr bool well_formed(const LunarYearRecord& r, int32_t index) noexcept {
    if (r.year != kFirstLunarYear + index) return false;
    if (r.leap_month < 0 || r.leap_month > 12) return false;
    if (!plausible_new_year_offset(r.new_year_offset)) return false;
    if (r.month_is_long.size() != kLunarMonthFlags) return false;
    for (const char flag : r.month_is_long) {
        if (flag != '0' && flag != '1') return false;
    }
    return true;
}

// Every row is well formed, and each year begins the day after the one
// before it ends.
constexpr bool lunar_table_consistent() noexcept {
    for (int32_t i = 0; i < kLunarYearCount; ++i) {
        if (!well_formed(kLunarYears[i], i)) return false;
        const int32_t next = next_new_year_offset(kLunarYears[i]);
        if (i + 1 < kLunarYearCount ? next != kLunarYears[i + 1].new_year_offset
                                    : !plausible_new_year_offset(next)) {
            return false;
        }
    }
    return true;
}

static_assert(lunar_table_consistent(), "the lunar year table does not join up");
// Lunar 2031 ends on 2032-02-10 (day number 41 of 2032 is 10 February).
static_assert(next_new_year_offset(kLunarYears[kLunarYearCount - 1]) == 41);

}  // namespace hkcal::detail
