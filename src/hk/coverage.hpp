// What each part of the libraries covers: the years of the header's
// constants, the first and last days that go with them, and the same in
// words for the messages of hk_strerror, the tool and the Python package.
#pragma once

#include <cstdint>

#include "hk/civil.hpp"
#include "hk/text.hpp"
#include "hkcal_hk.h"
#include "lunar/lunar_table.hpp"

namespace hkcal::hk::coverage {

struct Span {
    int32_t first_year, last_year;
    Date first_day, last_day;
    const char* unit;  // "lunar years" or "years"
};

// The Observatory's lunar years: the first begins on 1901-02-19 and the last
// ends on 2101-01-28 (src/hk/lunar.cpp proves both against its table).
inline constexpr Span kLunar{HK_LUNAR_FIRST_YEAR, HK_LUNAR_LAST_YEAR, {1901, 2, 19}, {2101, 1, 28}, "lunar years"};
inline constexpr Span kSolarTerms{HK_LUNAR_FIRST_YEAR, HK_LUNAR_LAST_YEAR, {HK_LUNAR_FIRST_YEAR, 1, 1},
                                  {HK_LUNAR_LAST_YEAR, 12, 31}, "years"};
inline constexpr Span kHolidays{HK_HOLIDAY_FIRST_YEAR, HK_HOLIDAY_LAST_YEAR, {HK_HOLIDAY_FIRST_YEAR, 1, 1},
                                {HK_HOLIDAY_LAST_YEAR, 12, 31}, "years"};
// The classic library's table: from its first lunar new year (the day after
// the row's day number) to the end of the Gregorian year of its last lunar
// year, beyond which date_to_chinese answers nothing.
inline constexpr Span kClassicLunar{
    detail::kFirstLunarYear, detail::kLastLunarYear,
    civil::from_jd0(civil::to_jd0(detail::kFirstLunarYear, 1, 1) + detail::kLunarYears[0].new_year_offset),
    {detail::kLastLunarYear, 12, 31}, "lunar years"};
static_assert(kClassicLunar.first_day.month == 1 && kClassicLunar.first_day.day == 24);

// The span of an HK_COVERS_ code, or null.
constexpr const Span* span(int32_t what) {
    switch (what) {
        case HK_COVERS_LUNAR: return &kLunar;
        case HK_COVERS_SOLAR_TERMS: return &kSolarTerms;
        case HK_COVERS_HOLIDAYS: return &kHolidays;
        case HK_COVERS_CLASSIC_LUNAR: return &kClassicLunar;
        default: return nullptr;
    }
}

// "years 1997-2100"; for the lunar calendars also the days they span:
// "lunar years 1901-2100 (1901-02-19 to 2101-01-28)".
constexpr text::Text words(const Span& s) {
    text::Text t;
    t << s.unit << ' ';
    t.number(s.first_year) << '-';
    t.number(s.last_year);
    if (!text::same(s.unit, "years")) {
        t << " (";
        t.date(s.first_day) << " to ";
        t.date(s.last_day) << ')';
    }
    return t;
}

inline constexpr text::Text kWords[] = {words(kLunar), words(kSolarTerms), words(kHolidays), words(kClassicLunar)};
static_assert(HK_COVERS_LUNAR == 1 && HK_COVERS_CLASSIC_LUNAR == static_cast<int32_t>(std::size(kWords)));
static_assert(text::same(kWords[0].s, "lunar years 1901-2100 (1901-02-19 to 2101-01-28)"));

// hk_strerror's line for HK_ERANGE.
inline constexpr text::Text kOutOfRange = [] {
    text::Text t;
    t << "outside the covered years (lunar and solar terms ";
    t.number(kLunar.first_year) << '-';
    t.number(kLunar.last_year) << ", holidays ";
    t.number(kHolidays.first_year) << '-';
    t.number(kHolidays.last_year) << ')';
    return t;
}();
static_assert(text::same(kOutOfRange.s, "outside the covered years (lunar and solar terms 1901-2100, holidays 1997-2100)"));

}  // namespace hkcal::hk::coverage
