// Conversions between Gregorian dates and Chinese lunar dates for the lunar
// years 1936 to 2031. Each year's month starts are summed once, at compile
// time, so that a lunar date converts by one index and a Gregorian date by a
// guess and at most a step or two. A leap month is carried as a negative
// month: -4 is the leap month after the fourth.
#pragma once

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

// One lunar year, summed.
struct LunarYearLayout {
    // start[p - 1]: the day number (1 is 1 January of the year) of the day
    // before place p, for p 1-14, counting on into the next Gregorian year
    // past 365/366. start[0] is the new_year_offset; [20, 470].
    std::array<int16_t, kLunarPlaces> start;
    // month[p - 1]: the lunar month at place p (leap month negative), the
    // places past the year's last month numbered on and reduced by 12.
    std::array<int8_t, kLunarPlaces> month;
    int32_t leap_month;
};

// The lunar month at place p (1-14) of a year whose leap month follows month
// `leap` (0: none).
constexpr int32_t lunar_month_at_place(int32_t place, int32_t leap) noexcept {
    int32_t m = place;
    if (leap != 0 && place > leap) m = place - 1 == leap ? -leap : place - 1;
    return m > 12 ? m - 12 : m;
}

constexpr LunarYearLayout lunar_year_layout(const LunarYearRecord& r) noexcept {
    LunarYearLayout y{};
    int32_t c = r.new_year_offset;
    for (std::size_t i = 0; i < kLunarPlaces; ++i) {
        y.start[i] = static_cast<int16_t>(c);
        y.month[i] = static_cast<int8_t>(lunar_month_at_place(static_cast<int32_t>(i) + 1, r.leap_month));
        if (i < kLunarMonthFlags) c += r.month_is_long[i] == '1' ? 30 : 29;
    }
    y.leap_month = r.leap_month;
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

// The Gregorian date of a lunar date of the years 1936-2031; the null date
// for any other year. The day is not checked: it counts on from the month's
// start in 32 bits (wrapping), and a day number the Gregorian year does not
// have gives {year, 0, 0} as day_number_to_date does.
constexpr Date lunar_to_date(const Date& lunar) noexcept {
    if (!lunar_year_in_table(lunar.year)) return kNullDate;
    const LunarYearLayout& y = lunar_layout(lunar.year);
    const int32_t n = wrap_add(y.start[static_cast<std::size_t>(lunar_place(lunar.month, y.leap_month) - 1)], lunar.day);
    const int32_t year_days = is_leap(lunar.year) ? 366 : 365;
    if (n > year_days) return date_from_day_number(lunar.year + 1, n - year_days);
    return date_from_day_number(lunar.year, n);
}

// The lunar date of a valid Gregorian date from 1936-01-24 (lunar 1936-1-1)
// to 2031-12-31; the null date for anything else.
constexpr Date date_to_lunar(const Date& date) noexcept {
    if (!lunar_year_in_table(date.year) || !valid_gregorian(date.year, date.month, date.day)) return kNullDate;
    int32_t year = date.year;
    int32_t n = day_number(date);  // [1, 366]
    if (n <= lunar_layout(year).start[0]) {
        // Before lunar new year (in January or February): the day belongs to
        // the lunar year before, counted on from its Gregorian year's start.
        if (year == kFirstLunarYear) return kNullDate;
        --year;
        n += is_leap(year) ? 366 : 365;
    }
    const LunarYearLayout& y = lunar_layout(year);
    // Months have 29 or 30 days, so the month is at the guessed place or
    // one or two later; the guess never overshoots.
    int32_t i = (n - y.start[0] - 1) / 30;  // [0, 13]
    if (i > kLunarMonthFlags) i = kLunarMonthFlags;
    while (i < kLunarMonthFlags && n > y.start[static_cast<std::size_t>(i) + 1]) ++i;
    const auto place = static_cast<std::size_t>(i);
    return Date{year, y.month[place], n - y.start[place]};
}

}  // namespace hkcal::detail
