// The law's holiday lists of a year 1997-2100 as JD0 day numbers: the
// general holidays (General Holidays Ordinance, Cap. 149) and the statutory
// holidays (Employment Ordinance, Cap. 57, section 39).
#pragma once

#include <cstdint>

#include "hk/civil.hpp"
#include "hk/holiday_names.hpp"
#include "hk/lunar_table.hpp"
#include "hk/solar_terms_table.hpp"
#include "holidays/computus.hpp"
#include "hkcal_hk.h"

namespace hkcal::hk::law {

inline constexpr int32_t kFirstYear = HK_HOLIDAY_FIRST_YEAR, kLastYear = HK_HOLIDAY_LAST_YEAR;

// 0 Sunday .. 6 Saturday of a JD0 >= 0 (JD0 0, -4712-01-01 Julian, was a Monday).
constexpr int32_t weekday(int32_t jd0) { return (jd0 + 1) % 7; }

struct Day {
    int32_t jd;        // JD0 of the day off
    int32_t festival;  // JD0 of the festival's own date when the day off replaces it, else 0
    int32_t feast;     // JD0 that settles a coincidence: the earlier festival keeps the day
    const char* key;   // stable within a year; a holiday keeps its key when it moves
    names::Id name;
    bool following;    // named "The day following <name>"
};

// A list in date order (once settled). At most HK_MAX_HOLIDAYS days.
struct List {
    Day day[HK_MAX_HOLIDAYS]{};
    int32_t count = 0;
    constexpr const Day* begin() const { return day; }
    constexpr const Day* end() const { return day + count; }
    constexpr bool holds(int32_t jd) const;
};


namespace detail {

using namespace names;

constexpr int32_t kSunday = 0;

// The amended substitution rules came into force on this day; a festival
// follows the rules in force on its own day (so Lunar New Year from 2013 on,
// the day following Mid-Autumn from 2012).
constexpr int32_t kRuleChange = civil::to_jd0(2012, 2, 24);
constexpr bool new_rules(int32_t jd) { return jd >= kRuleChange; }

// The day following Establishment Day, 1997 only, in both lists.
constexpr int32_t kJuly2nd1997 = civil::to_jd0(1997, 7, 2);

// Days appointed for a single year.
struct OneOffDay {
    int32_t jd;
    const char* key;
    Id name;
    uint32_t kinds;  // HK_GENERAL, HK_STATUTORY
};
constexpr OneOffDay kOneOffDays[] = {
    // L.N. 191 of 1999: New Year's Eve before the year 2000, for the banks' year-end work.
    {civil::to_jd0(1999, 12, 31), "millennium-eve", kAdditionalHoliday, HK_GENERAL},
    // Special Holiday (3 September 2015) Ordinance: a general and a statutory holiday.
    {civil::to_jd0(2015, 9, 3), "victory-70", kVictory70, HK_GENERAL | HK_STATUTORY},
};

// The day of a lunar date of lunar year y (1901-2100; months 1-12, never leap).
constexpr int32_t lunar_day(int32_t y, int32_t month, int32_t day) {
    const lunar::Year& ly = lunar::year(y);
    return ly.new_year + ly.offset(ly.slot(month)) + day - 1;
}

constexpr int32_t term_day(int32_t year, int32_t index) { return civil::to_jd0(terms::date(year, index)); }

constexpr int32_t easter_sunday(int32_t year) {
    return civil::to_jd0(year, 3, 1) + hkcal::detail::gregorian_easter_march_day(year) - 1;
}

// Holidays in the order the Schedule names them, before coincidences are settled.
class Schedule {
public:
    constexpr explicit Schedule(List& list) : list_(list) {}

    constexpr void add(int32_t feast, int32_t jd, const char* key, Id name, int32_t festival = 0, bool following = false) {
        if (list_.count < HK_MAX_HOLIDAYS) list_.day[list_.count++] = Day{jd, festival, feast, key, name, following};
    }
    // "(or if that day is a Sunday, then the following day)".
    constexpr void add_or_following(int32_t feast, const char* key, Id name) {
        if (weekday(feast) == kSunday) {
            add(feast, feast + 1, key, name, feast, true);
        } else {
            add(feast, feast, key, name);
        }
    }

private:
    List& list_;
};

// The first three days of Lunar New Year; a Sunday among them (at most one)
// gives the day preceding or the fourth day. The same in both lists.
constexpr void add_lunar_new_year(Schedule& s, int32_t year) {
    constexpr Id kDays[] = {kLunarNewYear, kLunarNewYear2, kLunarNewYear3};
    constexpr const char* kKeys[] = {"lunar-new-year-1", "lunar-new-year-2", "lunar-new-year-3"};
    const int32_t first = lunar_day(year, 1, 1);
    for (int32_t i = 0; i < 3; ++i) {
        const int32_t day = first + i;
        if (weekday(day) != kSunday) {
            s.add(first, day, kKeys[i], kDays[i]);
        } else if (new_rules(first)) {
            s.add(first, first + 3, "lunar-new-year-4", kLunarNewYear4, day);
        } else {
            s.add(first, first - 1, "lunar-new-year-eve", kLunarNewYearEve, day);
        }
    }
}

// The day following the Mid-Autumn Festival, or on a Sunday the second day
// following (before: the Festival itself). The same in both lists.
constexpr void add_mid_autumn(Schedule& s, int32_t year) {
    const int32_t festival = lunar_day(year, 8, 15);
    const int32_t following = festival + 1;
    if (weekday(following) != kSunday) {
        s.add(festival, following, "mid-autumn", kMidAutumn1);
    } else if (new_rules(following)) {
        s.add(festival, festival + 2, "mid-autumn", kMidAutumn2, following);
    } else {
        s.add(festival, festival, "mid-autumn", kMidAutumn, following);
    }
}

// The first weekday after Christmas Day; a weekday is any day but Sunday.
constexpr int32_t first_weekday_after_christmas(int32_t christmas) {
    return weekday(christmas + 1) == kSunday ? christmas + 2 : christmas + 1;
}

// Sorts by festival date, a stable insertion sort (no allocation; n <= 32).
template <typename Less>
constexpr void sort(List& list, Less less) {
    for (int32_t i = 1; i < list.count; ++i) {
        const Day d = list.day[i];
        int32_t j = i;
        for (; j > 0 && less(d, list.day[j - 1]); --j) list.day[j] = list.day[j - 1];
        list.day[j] = d;
    }
}

// Coinciding holidays: the earlier festival keeps the day (the Easter days
// count from Easter Sunday; equal festival dates keep the Schedule's order),
// the later moves to the next day that holds no holiday of the list, nor a
// Sunday when skip_sundays (section 6(2)). A day a holiday left is still held
// by the one that made it move. Leaves the list in date order.
constexpr void settle(List& list, bool skip_sundays) {
    sort(list, [](const Day& a, const Day& b) { return a.feast < b.feast; });
    for (int32_t i = 0; i < list.count; ++i) {
        Day& d = list.day[i];
        bool taken = false;
        for (int32_t j = 0; j < i; ++j) taken = taken || list.day[j].jd == d.jd;
        if (!taken) continue;
        int32_t next = d.jd + 1;
        while ((skip_sundays && weekday(next) == kSunday) || list.holds(next)) ++next;
        d.festival = d.jd;
        d.following = true;
        d.jd = next;
    }
    sort(list, [](const Day& a, const Day& b) { return a.jd < b.jd; });
}

constexpr void add_one_off_days(Schedule& s, int32_t year, uint32_t kind) {
    for (const OneOffDay& d : kOneOffDays) {
        if (civil::from_jd0(d.jd).year == year && (d.kinds & kind) != 0) s.add(d.jd, d.jd, d.key, d.name);
    }
}

}  // namespace detail

using namespace detail;

constexpr bool List::holds(int32_t jd) const {
    for (const Day& d : *this) {
        if (d.jd == jd) return true;
    }
    return false;
}

// The general holidays of a year other than Sundays.
constexpr List general(int32_t year) {
    List list;
    Schedule s(list);
    const int32_t jan1 = civil::to_jd0(year, 1, 1);
    const int32_t easter = easter_sunday(year);
    s.add_or_following(jan1, "new-year", kNewYear);
    add_lunar_new_year(s, year);
    s.add_or_following(term_day(year, 6), "ching-ming", kChingMing);
    s.add(easter, easter - 2, "good-friday", kGoodFriday);
    s.add(easter, easter - 1, "good-friday-2", kGoodFriday2);
    s.add(easter, easter + 1, "easter-monday", kEasterMonday);
    if (year >= 1999) {  // the Schedule of 1999 on
        s.add_or_following(civil::to_jd0(year, 5, 1), "labour-day", kLabourDay);
        s.add_or_following(lunar_day(year, 4, 8), "buddha", kBuddha);
    }
    if (year == 1997) {  // until 30 June 1997, moved to the days before 1 July that year
        s.add(civil::to_jd0(1997, 6, 28), civil::to_jd0(1997, 6, 28), "queens-birthday", kQueensBirthday);
        s.add(civil::to_jd0(1997, 6, 30), civil::to_jd0(1997, 6, 30), "queens-birthday-monday",
              kQueensBirthdayMonday);
    }
    s.add_or_following(lunar_day(year, 5, 5), "tuen-ng", kTuenNg);
    s.add_or_following(civil::to_jd0(year, 7, 1), "establishment-day", kEstablishmentDay);
    if (year == 1997) s.add(kJuly2nd1997, kJuly2nd1997, "establishment-day-2", kEstablishmentDay, 0, true);
    if (year <= 1998) {  // the Holidays (1997 and 1998) Ordinance
        const int32_t aug1 = civil::to_jd0(year, 8, 1);
        const int32_t third_monday = aug1 + (8 - weekday(aug1)) % 7 + 14;
        s.add(third_monday, third_monday, "victory-day", kVictoryDay);
    }
    add_mid_autumn(s, year);
    s.add_or_following(civil::to_jd0(year, 10, 1), "national-day", kNationalDay);
    if (year <= 1998) {
        const int32_t oct2 = civil::to_jd0(year, 10, 2);
        s.add(oct2, oct2, "national-day-2", kNationalDay, 0, true);
    }
    s.add_or_following(lunar_day(year, 9, 9), "chung-yeung", kChungYeung);
    // Christmas Day "(or if that day is a Sunday, then the second weekday
    // after Christmas Day)" and the first weekday after Christmas Day.
    const int32_t christmas = civil::to_jd0(year, 12, 25);
    if (weekday(christmas) == kSunday) {
        s.add(christmas, christmas + 2, "christmas", kChristmas2, christmas);
    } else {
        s.add(christmas, christmas, "christmas", kChristmas);
    }
    s.add(christmas, first_weekday_after_christmas(christmas), "christmas-weekday", kChristmas1);
    add_one_off_days(s, year, HK_GENERAL);
    settle(list, true);
    return list;
}

// The statutory holidays as the Labour Department publishes them, each on
// its own date even on a Sunday; christmas: Christmas Day instead of the
// Winter Solstice.
constexpr List statutory(int32_t year, bool christmas_day) {
    List list;
    Schedule s(list);
    const int32_t easter = easter_sunday(year);
    const int32_t christmas = civil::to_jd0(year, 12, 25);
    // Each on its own date: the published list has no Sunday rule.
    auto own = [&](int32_t jd, const char* key, Id name) { s.add(jd, jd, key, name); };
    own(civil::to_jd0(year, 1, 1), "new-year", kNewYear);
    add_lunar_new_year(s, year);
    own(term_day(year, 6), "ching-ming", kChingMing);
    // The Employment (Amendment) Ordinance 2021 adds one day every other year.
    if (year >= 2028) own(easter - 2, "good-friday", kGoodFriday);
    if (year >= 2030) own(easter - 1, "good-friday-2", kGoodFriday2);
    if (year >= 2026) own(easter + 1, "easter-monday", kEasterMonday);
    if (year >= 1998) own(civil::to_jd0(year, 5, 1), "labour-day", kLabourDay);  // Ord. No. 100 of 1997
    if (year >= 2022) own(lunar_day(year, 4, 8), "buddha", kBuddha);
    own(lunar_day(year, 5, 5), "tuen-ng", kTuenNg);
    own(civil::to_jd0(year, 7, 1), "establishment-day", kEstablishmentDay);
    if (year == 1997) s.add(kJuly2nd1997, kJuly2nd1997, "establishment-day-2", kEstablishmentDay, 0, true);
    add_mid_autumn(s, year);
    own(civil::to_jd0(year, 10, 1), "national-day", kNationalDay);
    own(lunar_day(year, 9, 9), "chung-yeung", kChungYeung);
    if (christmas_day) {
        own(christmas, "christmas", kChristmas);
    } else {
        own(term_day(year, 23), "winter-solstice", kWinterSolstice);
    }
    if (year >= 2024) own(first_weekday_after_christmas(christmas), "christmas-weekday", kChristmas1);
    add_one_off_days(s, year, HK_STATUTORY);
    settle(list, false);
    return list;
}

// The days an employee whose weekly rest day is rest_day (0-6) gets for the
// published list: a holiday on the rest day or on a day already given moves
// to the next day that is neither and holds no other statutory holiday.
constexpr List given(const List& published, int32_t rest_day) {
    List list = published;
    List taken;  // days already given
    for (int32_t i = 0; i < list.count; ++i) {
        Day& d = list.day[i];
        if (weekday(d.jd) == rest_day || taken.holds(d.jd)) {
            int32_t next = d.jd + 1;
            while (weekday(next) == rest_day || published.holds(next) || taken.holds(next)) ++next;
            d.festival = d.festival != 0 ? d.festival : d.jd;
            d.jd = next;
        }
        taken.day[taken.count++].jd = d.jd;
    }
    sort(list, [](const Day& a, const Day& b) { return a.jd < b.jd; });
    return list;
}

}  // namespace hkcal::hk::law
