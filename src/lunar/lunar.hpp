// Conversions between Gregorian dates and Chinese lunar dates for the lunar
// years 1936 to 2031. The month lengths are summed once, at compile time:
// per lunar year as day numbers of its Gregorian year, so that a lunar date
// converts by lookups, and for all months in a row as day counts, so that a
// Gregorian date converts by a guess and one step. A leap month is carried
// as a negative month: -4 is the leap month after the fourth.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "calendar/calendar.hpp"
#include "lunar/lunar_table.hpp"

namespace hkcal::detail {

// A month's place in its year: place 1 is the first month; the leap month
// after month L has place L + 1 and moves the later months one place on.
// Places 1-14 are counted; 14 is the end of the thirteenth stored month.
inline constexpr int32_t kLunarPlaces = kLunarMonthFlags + 1;

// Months -13 to 14 cover every place: any month below reads as -13 (place
// 1), any month above as 14 (place 14).
inline constexpr int32_t kLowestLunarMonth = -13;
inline constexpr int32_t kHighestLunarMonth = 14;
inline constexpr std::size_t kLunarMonthSlots = kHighestLunarMonth - kLowestLunarMonth + 1;

// The place (1-14) a lunar month is counted at: the leap month -L at L + 1
// and the months after L one place on. Month 0 and negative months other
// than -L count no month (place 1); a month beyond the fourteenth place
// counts the thirteen stored months and no more (place 14).
constexpr int32_t lunar_place(int32_t month, int32_t leap) noexcept {
    int64_t k = month;
    if (leap != 0) {
        if (k > leap) k += 1;
        else if (k == -leap) k = leap + 1;
    }
    return k < 1 ? 1 : (k > kLunarPlaces ? kLunarPlaces : static_cast<int32_t>(k));
}

// The lunar month at place p of a year whose leap month follows month
// `leap` (0: none), for the year's places: 1-12, or 1-13 with a leap month.
constexpr int32_t lunar_month_at_place(int32_t place, int32_t leap) noexcept {
    if (leap == 0 || place <= leap) return place;
    return place - 1 == leap ? -leap : place - 1;
}

// ---- Gregorian day numbers over two years ------------------------------------------
// A lunar year counts its days as day numbers of its Gregorian year, running
// on into the next. The Gregorian years 1936 to 2032 the table touches are
// ordinary ones (not 1582), and two consecutive years come in only three
// pairs of lengths, so each pair has its month of every day number here.

// Day numbers 1 to 730/731 of two consecutive Gregorian years: 1 is
// 1 January of the first, 366 or 367 1 January of the second.
struct GregorianYearPair {
    int32_t days;  // 730 or 731
    // month[n]: the month of day number n counted over both years, 0 to 11
    // in the first, 12 to 23 in the second; index 0 is unused.
    std::array<int8_t, 732> month;
    // first[g]: the day number of the first day of month g (0-23), and of
    // the day after the second year's end at [24].
    std::array<int16_t, 25> first;
};

// The first-day table (day number of each month's first day, index 1-12,
// and a closing entry) of a common or a leap year.
constexpr const int32_t* first_days(bool leap) noexcept { return leap ? kFirstDayLeap.of : kFirstDayCommon.of; }

constexpr GregorianYearPair gregorian_year_pair(bool first_leap, bool second_leap) noexcept {
    GregorianYearPair pair{};
    const int32_t* year_first[2] = {first_days(first_leap), first_days(second_leap)};
    const int32_t second_start = year_first[0][13] - 1;  // days of the first year
    for (std::size_t g = 0; g < 24; ++g) {
        pair.first[g] = static_cast<int16_t>(year_first[g / 12][g % 12 + 1] + (g < 12 ? 0 : second_start));
    }
    pair.first[24] = static_cast<int16_t>(second_start + year_first[1][13]);
    pair.days = pair.first[24] - 1;
    for (std::size_t g = 0; g < 24; ++g) {
        for (int32_t n = pair.first[g]; n < pair.first[g + 1]; ++n) {
            pair.month[static_cast<std::size_t>(n)] = static_cast<int8_t>(g);
        }
    }
    return pair;
}

// Common-common, common-leap and leap-common.
inline constexpr GregorianYearPair kGregorianYearPairs[3] = {
    gregorian_year_pair(false, false), gregorian_year_pair(false, true), gregorian_year_pair(true, false)};

constexpr const GregorianYearPair& gregorian_year_pair_from(int32_t year) noexcept {
    return kGregorianYearPairs[is_leap(year) ? 2 : (is_leap(year + 1) ? 1 : 0)];
}

// ---- the lunar years, summed ------------------------------------------------------

// One lunar year, for lunar to Gregorian. A day number counts from 1 January
// of the Gregorian year of the same number (day number 1) on into the next
// Gregorian year.
struct LunarYearLayout {
    // start_of_month[m + 13]: the day number of the day before lunar month
    // m (-13 to 14) by its place; [20, 470].
    std::array<int16_t, kLunarMonthSlots> start_of_month;
    const GregorianYearPair* gregorian;  // this Gregorian year and the next
};

constexpr LunarYearLayout lunar_year_layout(const LunarYearRecord& r) noexcept {
    LunarYearLayout y{};
    std::array<int16_t, kLunarPlaces> start{};  // the day numbers of the days before each place
    int32_t c = r.new_year_offset;
    for (std::size_t i = 0; i < kLunarPlaces; ++i) {
        start[i] = static_cast<int16_t>(c);
        if (i < kLunarMonthFlags) c += r.month_is_long[i] == '1' ? 30 : 29;
    }
    for (std::size_t i = 0; i < kLunarMonthSlots; ++i) {
        const int32_t place = lunar_place(static_cast<int32_t>(i) + kLowestLunarMonth, r.leap_month);
        y.start_of_month[i] = start[static_cast<std::size_t>(place - 1)];
    }
    y.gregorian = &gregorian_year_pair_from(r.year);
    return y;
}

inline constexpr auto kLunarLayouts = [] {
    std::array<LunarYearLayout, kLunarYearCount> layouts{};
    for (std::size_t i = 0; i < layouts.size(); ++i) layouts[i] = lunar_year_layout(kLunarYears[i]);
    return layouts;
}();

constexpr bool lunar_year_in_table(int32_t year) noexcept {
    return year >= kFirstLunarYear && year <= kLastLunarYear;
}

constexpr const LunarYearLayout& lunar_layout(int32_t year) noexcept {
    return kLunarLayouts[static_cast<std::size_t>(year - kFirstLunarYear)];
}

// ---- every lunar month in a row, for Gregorian to lunar ---------------------------
// Days are counted from 1 January 1936 (day count 1).

struct LunarMonth {
    int32_t eve;    // the day count of the day before its first day
    int16_t year;   // its lunar year
    int8_t month;   // its number, negative for a leap month
};

// The months of all the years in order, and a closing entry whose eve is
// the last day of lunar 2031.
inline constexpr std::size_t kLunarMonthCount = [] {
    std::size_t n = 1;
    for (const LunarYearRecord& r : kLunarYears) n += r.leap_month == 0 ? 12 : 13;
    return n;
}();

inline constexpr auto kLunarMonths = [] {
    std::array<LunarMonth, kLunarMonthCount> months{};
    std::size_t k = 0;
    int32_t days_before = 0;  // from 1936-01-01 to 1 January of the record's year
    for (const LunarYearRecord& r : kLunarYears) {
        int32_t eve = days_before + r.new_year_offset;
        const int32_t places = r.leap_month == 0 ? 12 : 13;
        for (int32_t p = 1; p <= places; ++p) {
            months[k++] = LunarMonth{eve, static_cast<int16_t>(r.year),
                                     static_cast<int8_t>(lunar_month_at_place(p, r.leap_month))};
            eve += r.month_is_long[static_cast<std::size_t>(p - 1)] == '1' ? 30 : 29;
        }
        days_before += year_length(r.year);
        if (k == kLunarMonthCount - 1) months[k] = LunarMonth{eve, static_cast<int16_t>(r.year + 1), 1};
    }
    return months;
}();

// One Gregorian year of 1936-2031.
struct GregorianYearIndex {
    // month_count[m - 1]: the day count of the day before month m (1-12);
    // [12] that of 31 December.
    std::array<int32_t, 13> month_count;
    // The lunar month in progress on 1 January (for 1936, the first month,
    // which begins on 24 January).
    int32_t first_month;
};

inline constexpr auto kGregorianYears = [] {
    std::array<GregorianYearIndex, kLunarYearCount> years{};
    int32_t days_before = 0;
    std::size_t k = 0;
    for (std::size_t i = 0; i < years.size(); ++i) {
        const int32_t* first = first_days(is_leap(kFirstLunarYear + static_cast<int32_t>(i)));
        for (std::size_t m = 0; m < 13; ++m) years[i].month_count[m] = days_before + first[m + 1] - 1;
        while (k + 1 < kLunarMonthCount && kLunarMonths[k + 1].eve < days_before + 1) ++k;
        years[i].first_month = static_cast<int32_t>(k);
        days_before = years[i].month_count[12];
    }
    return years;
}();

// The index of the lunar month holding day count `count`, a day of the
// Gregorian year `year` from lunar 1936-1-1 on. Months have 30 or 29 days,
// so counting x days on from the eve of the month in progress on 1 January,
// the month lies between (x - 1) / 30 and (x - 1) / 29 months on; for x
// below 871 these differ by at most 1, so one step from the first finds it.
constexpr std::size_t lunar_month_index(const GregorianYearIndex& year, int32_t count) noexcept {
    const auto first = static_cast<std::size_t>(year.first_month);
    const auto x = static_cast<uint32_t>(count - kLunarMonths[first].eve);  // [1, 400]
    const std::size_t guess = first + (x - 1) / 30;
    return guess + (count > kLunarMonths[guess + 1].eve ? 1 : 0);
}

// For every Gregorian year: x is at least 1 on its first day of the range,
// below 871 on 31 December, and the guess for 31 December and its step stay
// in the table (the guess grows with x).
static_assert([] {
    for (const GregorianYearIndex& year : kGregorianYears) {
        const int32_t first_eve = kLunarMonths[static_cast<std::size_t>(year.first_month)].eve;
        const int32_t first_day = std::max(year.month_count[0], kLunarMonths[0].eve) + 1;
        const int32_t last_x = year.month_count[12] - first_eve;
        if (first_day - first_eve < 1 || last_x >= 871) return false;
        if (static_cast<std::size_t>(year.first_month + (last_x - 1) / 30 + 1) >= kLunarMonthCount) return false;
    }
    return true;
}());

// ---- the conversions ----------------------------------------------------------------

// The Gregorian date of a lunar date of the years 1936-2031; the null date
// for any other year. The day is not checked: it counts on from the month's
// start in 32 bits (wrapping), giving a day number n of the lunar year's
// Gregorian year; past that year's end n counts on into the next, and an n
// neither year has gives {year, 0, 0} below and {year + 1, 0, 0} above, as
// day_number_to_date does.
constexpr Date lunar_to_date(const Date& lunar) noexcept {
    if (!lunar_year_in_table(lunar.year)) return kNullDate;
    const LunarYearLayout& y = lunar_layout(lunar.year);
    const int32_t m = lunar.month < kLowestLunarMonth    ? kLowestLunarMonth
                      : lunar.month > kHighestLunarMonth ? kHighestLunarMonth
                                                         : lunar.month;
    const int32_t n = wrap_add(y.start_of_month[static_cast<std::size_t>(m - kLowestLunarMonth)], lunar.day);
    const GregorianYearPair& g = *y.gregorian;
    if (n < 1) return assemble_date(lunar.year, 0, 0);
    if (n > g.days) return assemble_date(lunar.year + 1, 0, 0);
    const int32_t month = g.month[static_cast<std::size_t>(n)];  // [0, 23]
    const int32_t next_year = month >= 12 ? 1 : 0;
    return assemble_date(lunar.year + next_year, month - 12 * next_year + 1,
                         n - g.first[static_cast<std::size_t>(month)] + 1);
}

// The lunar date of a valid Gregorian date from 1936-01-24 (lunar 1936-1-1)
// to 2031-12-31; the null date for anything else.
constexpr Date date_to_lunar(const Date& date) noexcept {
    if (!lunar_year_in_table(date.year) || !month_in_range(date.month) || date.day < 1) return kNullDate;
    const GregorianYearIndex& year = kGregorianYears[static_cast<std::size_t>(date.year - kFirstLunarYear)];
    const auto month = static_cast<std::size_t>(date.month - 1);
    const int32_t before_month = year.month_count[month];
    if (date.day > year.month_count[month + 1] - before_month) return kNullDate;  // past the month's end
    const int32_t count = before_month + date.day;
    if (count <= kLunarMonths[0].eve) return kNullDate;  // before lunar 1936-1-1
    const LunarMonth& m = kLunarMonths[lunar_month_index(year, count)];
    return assemble_date(m.year, m.month, count - m.eve);
}

}  // namespace hkcal::detail
