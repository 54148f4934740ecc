// The law's list. The General Holidays Ordinance (Cap. 149) names the days
// in its Schedule, each with its own rule for a Sunday; section 6(2) adds,
// when two general holidays fall on one day, the next day that is not itself
// a general holiday (Sundays are general holidays). Since 24 February 2012 a
// Sunday among the first three days of Lunar New Year gives the fourth day
// (before: the day preceding Lunar New Year's Day), and a Sunday after the
// Mid-Autumn Festival gives the second day following it (before: the day of
// the Festival). The festival dates come from the library, except the few
// in the gazetted table below.
#include "holidays_law.hpp"

#include <algorithm>
#include <utility>

#include "dates.hpp"
#include "holiday_names.hpp"
#include "solar_term.hpp"

namespace hkcal::tool {
namespace {

using namespace names;

// ---- gazetted facts the library cannot give ---------------------------------

// The lunar table follows its own source, which swaps a long and a short
// month against the Hong Kong Observatory's calendar in some years. In
// 1999-2031 that moves three festivals off the dates the Government
// gazetted (or, for 2030, will gazette by the Observatory's calendar).
enum class Feast { lunar_new_year, buddha, tuen_ng };
struct ObservatoryDate {
    Feast feast;
    Date date;
};
constexpr ObservatoryDate kObservatoryDates[] = {
    {Feast::tuen_ng, {2013, 6, 12}},        // the table gives 13 June
    {Feast::buddha, {2023, 5, 26}},         // the table gives 27 May
    {Feast::lunar_new_year, {2030, 2, 3}},  // the table gives 2 February
};

// Days appointed as general holidays for a single year under section 6(1).
struct OneOffDay {
    Date date;
    const char* key;
    Name name;
};
const OneOffDay kOneOffDays[] = {
    // L.N. 191 of 1999: New Year's Eve before the year 2000, for the banks'
    // year-end work.
    {{1999, 12, 31}, "millennium-eve", {"Additional general holiday", "增補公眾假期"}},
    {{2015, 9, 3},
     "victory-70",
     {"The 70th anniversary day of the victory of the Chinese people's war of resistance against Japanese "
      "aggression",
      "中國人民抗日戰爭勝利70周年紀念日"}},
};

// The amended substitution rules for Lunar New Year and the Mid-Autumn
// Festival came into force on this day; a festival follows the rules in
// force on its own day (so Lunar New Year from 2013 on, Mid-Autumn from 2012).
constexpr Date kRuleChange{2012, 2, 24};

bool new_rules(const Date& day) { return !earlier(day, kRuleChange); }

Date feast_date(Feast feast, int32_t year) {
    for (const ObservatoryDate& gazetted : kObservatoryDates) {
        if (gazetted.feast == feast && gazetted.date.year == year) return gazetted.date;
    }
    switch (feast) {
        case Feast::lunar_new_year: return lunar_new_year_day(year);
        case Feast::buddha: return birthday_of_the_buddha(year);
        case Feast::tuen_ng: break;
    }
    return tuen_ng_festival(year);
}

// ---- the Schedule's days ----------------------------------------------------

// A holiday with its festival's own date, which orders the days when two
// fall together: the earlier festival keeps the day (Easter's three days
// count from Easter Sunday). Equal festival dates keep the Schedule's order.
struct ScheduleDay {
    Holiday holiday;
    Date feast;
};

class Schedule {
public:
    void add(const Date& feast, const Date& date, const char* key, const Name& name,
             std::optional<Date> observed_for = std::nullopt) {
        days_.push_back({Holiday{date, key, name, observed_for}, feast});
    }

    // "(or if that day is a Sunday, then the following day)".
    void add_or_following(const Date& feast, const char* key, const Name& name) {
        if (is_sunday(feast)) {
            add(feast, plus_days(feast, 1), key, day_following(name), feast);
        } else {
            add(feast, feast, key, name);
        }
    }

    std::vector<ScheduleDay> take() { return std::move(days_); }

private:
    std::vector<ScheduleDay> days_;
};

// The first three days of Lunar New Year; at most one is a Sunday.
void add_lunar_new_year(Schedule& schedule, int32_t year) {
    static const Name* const kDayNames[] = {&kLunarNewYear, &kLunarNewYear2, &kLunarNewYear3};
    static const char* const kKeys[] = {"lunar-new-year-1", "lunar-new-year-2", "lunar-new-year-3"};
    const Date first = feast_date(Feast::lunar_new_year, year);
    for (int32_t i = 0; i < 3; ++i) {
        const Date day = plus_days(first, i);
        if (!is_sunday(day)) {
            schedule.add(first, day, kKeys[i], *kDayNames[i]);
        } else if (new_rules(first)) {
            schedule.add(first, plus_days(first, 3), "lunar-new-year-4", kLunarNewYear4, day);
        } else {
            schedule.add(first, plus_days(first, -1), "lunar-new-year-eve", kLunarNewYearEve, day);
        }
    }
}

// The day following the Mid-Autumn Festival.
void add_mid_autumn(Schedule& schedule, int32_t year) {
    const Date festival = chinese_mid_autumn_festival(year);
    const Date following = plus_days(festival, 1);
    if (!is_sunday(following)) {
        schedule.add(festival, following, "mid-autumn", kMidAutumn1);
    } else if (new_rules(following)) {
        schedule.add(festival, plus_days(festival, 2), "mid-autumn", kMidAutumn2, following);
    } else {
        schedule.add(festival, festival, "mid-autumn", kMidAutumn, following);
    }
}

// Christmas Day "(or if that day is a Sunday, then the second weekday after
// Christmas Day)" and the first weekday after Christmas Day; a weekday is
// any day but Sunday.
void add_christmas(Schedule& schedule, int32_t year) {
    const Date christmas = christmas_day(year);
    const Date boxing = plus_days(christmas, 1);
    const Date first_weekday = is_sunday(boxing) ? plus_days(boxing, 1) : boxing;
    if (is_sunday(christmas)) {
        schedule.add(christmas, plus_days(christmas, 2), "christmas", kChristmas2, christmas);
    } else {
        schedule.add(christmas, christmas, "christmas", kChristmas);
    }
    schedule.add(christmas, first_weekday, "christmas-weekday", kChristmas1);
}

std::vector<ScheduleDay> schedule_days(int32_t year) {
    Schedule schedule;
    schedule.add_or_following(new_year(year), "new-year", kNewYear);
    add_lunar_new_year(schedule, year);
    schedule.add_or_following(ching_ming(year), "ching-ming", kChingMing);
    const Date easter_sunday = easter(year);
    schedule.add(easter_sunday, good_friday(year), "good-friday", kGoodFriday);
    schedule.add(easter_sunday, good_friday_2_holiday(year), "good-friday-2", kGoodFriday2);
    schedule.add(easter_sunday, easter_monday(year), "easter-monday", kEasterMonday);
    schedule.add_or_following(labour_day(year), "labour-day", kLabourDay);
    schedule.add_or_following(feast_date(Feast::buddha, year), "buddha", kBuddha);
    schedule.add_or_following(feast_date(Feast::tuen_ng, year), "tuen-ng", kTuenNg);
    schedule.add_or_following(HKSAR_establishment_day(year), "establishment-day", kEstablishmentDay);
    schedule.add_or_following(national_day(year), "national-day", kNationalDay);
    add_mid_autumn(schedule, year);
    schedule.add_or_following(chung_yeung_festival(year), "chung-yeung", kChungYeung);
    add_christmas(schedule, year);
    for (const OneOffDay& day : kOneOffDays) {
        if (day.date.year == year) schedule.add(day.date, day.date, day.key, day.name);
    }
    return schedule.take();
}

bool holds(const std::vector<Date>& days, const Date& day) {
    return std::any_of(days.begin(), days.end(), [&](const Date& d) { return same_day(d, day); });
}

// Section 6(2): a holiday on a day another holiday already holds moves to
// the next day that is neither a Sunday nor any holiday of the year.
std::vector<Holiday> settle(std::vector<ScheduleDay> days) {
    std::stable_sort(days.begin(), days.end(),
                     [](const ScheduleDay& a, const ScheduleDay& b) { return earlier(a.feast, b.feast); });
    std::vector<Date> all_days;
    for (const ScheduleDay& day : days) all_days.push_back(day.holiday.date);
    std::vector<Date> held;
    std::vector<Holiday> list;
    for (ScheduleDay& day : days) {
        Holiday holiday = day.holiday;
        if (holds(held, holiday.date)) {
            Date next = plus_days(holiday.date, 1);
            while (is_sunday(next) || holds(all_days, next)) next = plus_days(next, 1);
            all_days.push_back(next);
            holiday.observed_for = holiday.date;
            holiday.name = day_following(holiday.name);
            holiday.date = next;
        }
        held.push_back(holiday.date);
        list.push_back(std::move(holiday));
    }
    std::sort(list.begin(), list.end(), [](const Holiday& a, const Holiday& b) { return earlier(a.date, b.date); });
    return list;
}

}  // namespace

std::vector<Holiday> law_holidays(int32_t year) {
    if (year < kFirstLawYear || year > kLastLawYear) return {};
    return settle(schedule_days(year));
}

}  // namespace hkcal::tool
