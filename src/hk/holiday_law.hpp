// The law's holiday lists of a year 1997-2100, made from the rows of
// src/hk/holiday_schedules.hpp: each row in force gives one day, a Sunday
// moves it by the row's rule, and coinciding days are settled by s. 6(2) of
// Cap. 149. Everything here is constexpr: the general lists are made at
// compile time (src/hk/holiday_table.hpp).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "hk/holiday_schedules.hpp"
#include "hk/text.hpp"
#include "hkcal_hk.h"

namespace hkcal::hk::law {

inline constexpr int32_t kFirstYear = HK_HOLIDAY_FIRST_YEAR, kLastYear = HK_HOLIDAY_LAST_YEAR;
using hk::kSunday;
using hk::weekday;
inline constexpr std::size_t kRowCount = std::size(kRows);
static_assert(kRowCount <= UINT8_MAX, "Day::row holds a row's index");
inline constexpr DayNumber kNoDay{0};

// A day off of a list.
struct Day {
    DayNumber date;          // the day off
    DayNumber observed_for;  // the festival's own date when the day off replaces it, else kNoDay
    DayNumber feast;         // the row's festival: the earlier festival keeps a contested day
    const char* key;
    uint8_t row;             // index in kRows
    bool substitute;         // named by the row's Sunday rule
    bool following;          // named "The day following <name>" (moved by a Sunday or a coincidence)
};

// A list in date order (once settled); at most HK_MAX_HOLIDAYS days, which
// fits() proves for every year and list.
struct List {
    Day day[HK_MAX_HOLIDAYS]{};
    int32_t count = 0;
    constexpr const Day* begin() const { return day; }
    constexpr const Day* end() const { return day + count; }
    constexpr bool holds(DayNumber d) const {
        for (const Day& x : *this) {
            if (x.date == d) return true;
        }
        return false;
    }
    constexpr void add(const Day& d) {
        if (count < HK_MAX_HOLIDAYS) day[count++] = d;
    }
};

namespace detail {

// ---- names: "The day following X" (X翌日) made from each row's names ----

using text::Text;

// "The day following " + X, a leading "The " of X becoming "the ".
constexpr Text following_en(const char* x) {
    Text t;
    t << "The day following ";
    if (x[0] == 'T' && x[1] == 'h' && x[2] == 'e' && x[3] == ' ') t << 't', ++x;
    return t << x;
}

// X + "翌日".
constexpr Text following_zh(const char* x) { return Text{} << x << "翌日"; }

struct FollowingNames {
    Text en, zh;  // of the row's own name
    Text sub_en, sub_zh;  // of its Sunday substitute's name (empty when it has none)
};
inline constexpr auto kFollowing = [] {
    std::array<FollowingNames, kRowCount> out{};
    for (std::size_t i = 0; i < kRowCount; ++i) {
        const Row& r = kRows[i];
        out[i].en = following_en(r.name.en);
        out[i].zh = following_zh(r.name.zh);
        if (r.sunday.rule == OnSunday::kSubstitute) {
            out[i].sub_en = following_en(r.sunday.name.en);
            out[i].sub_zh = following_zh(r.sunday.name.zh);
        }
    }
    return out;
}();

using text::same;
static_assert(same(kFollowing[7].en.s, "The day following Ching Ming Festival") && same(kRows[7].key, "ching-ming"));
static_assert(same(kFollowing[8].zh.s, kGoodFriday2.zh));

// ---- the list of a year ----

// Sorts by a key, stably (no allocation; n <= HK_MAX_HOLIDAYS).
template <typename Less>
constexpr void sort(List& list, Less less) {
    for (std::size_t i = 1; i < static_cast<std::size_t>(list.count); ++i) {
        const Day d = list.day[i];
        std::size_t j = i;
        for (; j > 0 && less(d, list.day[j - 1]); --j) list.day[j] = list.day[j - 1];
        list.day[j] = d;
    }
}

// The day row i gives in a year, or none when it is not in force then.
constexpr bool row_day(std::size_t i, int32_t year, Day& out) {
    const Row& r = kRows[i];
    const DayNumber festival = day_of(r.festival, year);
    const DayNumber own = festival + r.offset;
    if (!r.in_force.holds(own)) return false;
    out = Day{own, kNoDay, festival, r.key, static_cast<uint8_t>(i), false, false};
    if (weekday(own) != kSunday) return true;
    switch (r.sunday.rule) {
        case OnSunday::kStands: break;
        case OnSunday::kFollowing: out = Day{own + 1, own, festival, r.key, out.row, false, true}; break;
        case OnSunday::kSubstitute:
            out = Day{festival + r.sunday.offset, own, festival, r.sunday.key ? r.sunday.key : r.key, out.row, true, false};
            break;
        case OnSunday::kNextWeekday: out.date = own + 1; break;
    }
    return true;
}

// Coinciding holidays (Cap. 149 s. 6(2)): the earlier festival keeps the day
// (equal festival dates keep the rows' order), the later moves to the next
// day that holds no holiday of the list, nor a Sunday when skip_sundays. A
// day a holiday left is still held by the one that made it move. Leaves the
// list in date order.
constexpr void settle(List& list, bool skip_sundays) {
    sort(list, [](const Day& a, const Day& b) { return a.feast < b.feast; });
    for (std::size_t i = 0; i < static_cast<std::size_t>(list.count); ++i) {
        Day& d = list.day[i];
        bool taken = false;
        for (std::size_t j = 0; j < i; ++j) taken = taken || list.day[j].date == d.date;
        if (!taken) continue;
        DayNumber next = d.date + 1;  // the search does not count the contested day
        while ((skip_sundays && weekday(next) == kSunday) || list.holds(next)) next = next + 1;
        d.observed_for = d.date;
        d.following = true;
        d.date = next;
    }
    sort(list, [](const Day& a, const Day& b) { return a.date < b.date; });
}

}  // namespace detail

// The list of a year (1997-2100) the rows give to the lists in `lists`
// (ListBits), settled; skip_sundays: a day moved by a coincidence skips
// Sundays (the general list: every Sunday is a general holiday).
constexpr List schedule(int32_t year, uint8_t lists, bool skip_sundays) {
    List list;
    for (std::size_t i = 0; i < kRowCount; ++i) {
        Day d{};
        if ((kRows[i].lists & lists) != 0 && detail::row_day(i, year, d)) list.add(d);
    }
    detail::settle(list, skip_sundays);
    return list;
}

// The general holidays of a year other than Sundays.
constexpr List general(int32_t year) { return schedule(year, kGeneral, true); }
// The statutory holidays as the Labour Department publishes them;
// christmas: Christmas Day instead of the Winter Solstice.
constexpr List statutory(int32_t year, bool christmas) {
    return schedule(year, christmas ? kStatutoryChristmas : kStatutorySolstice, false);
}

// The name of a day off.
constexpr Name name(const Day& d) {
    const Row& r = kRows[d.row];
    const detail::FollowingNames& f = detail::kFollowing[d.row];
    if (d.substitute) return d.following ? Name{f.sub_en.s, f.sub_zh.s} : r.sunday.name;
    return d.following ? Name{f.en.s, f.zh.s} : r.name;
}

// The days an employee whose weekly rest day is rest_day (0-6) gets for the
// published list (s. 39(4)): a holiday on the rest day or on a day already
// given moves to the next day that is neither and holds no other statutory
// holiday. A day moved never stands for itself (before 2012 the day
// preceding a Sunday Lunar New Year's Day, on a Saturday rest day, moves
// onto that Sunday: it then stands for the Saturday).
constexpr List given(const List& published, int32_t rest_day) {
    List list = published;
    List taken;  // days already given
    for (int32_t i = 0; i < list.count; ++i) {
        Day& d = list.day[i];
        if (weekday(d.date) == rest_day || taken.holds(d.date)) {
            DayNumber next = d.date + 1;  // the search does not count the day itself
            while (weekday(next) == rest_day || published.holds(next) || taken.holds(next)) next = next + 1;
            // The day off stands for the festival's own date; a substitute
            // moved back onto that very date stands for its published day.
            d.observed_for = d.observed_for != kNoDay && d.observed_for != next ? d.observed_for : d.date;
            d.date = next;
        }
        taken.add(d);
    }
    detail::sort(list, [](const Day& a, const Day& b) { return a.date < b.date; });
    return list;
}

// Every list of every year fits HK_MAX_HOLIDAYS: settling and the rest-day
// rule move days, never add one.
constexpr bool fits() {
    for (int32_t y = kFirstYear; y <= kLastYear; ++y) {
        for (const uint8_t lists : {uint8_t{kGeneral}, uint8_t{kStatutorySolstice}, uint8_t{kStatutoryChristmas}}) {
            int32_t n = 0;
            for (std::size_t i = 0; i < kRowCount; ++i) {
                Day d{};
                n += (kRows[i].lists & lists) != 0 && detail::row_day(i, y, d);
            }
            if (n > HK_MAX_HOLIDAYS) return false;
        }
    }
    return true;
}
static_assert(fits(), "a year's list exceeds HK_MAX_HOLIDAYS");

}  // namespace hkcal::hk::law
