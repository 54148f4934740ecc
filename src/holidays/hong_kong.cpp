// The Hong Kong public holidays: each festival's date and the day given as a
// holiday for it, by one Sunday rule.
#include "lunar/lunar.hpp"
#include "weekday/searches.hpp"

using namespace hkcal::detail;

namespace {

// How a holiday moves off a Sunday: by whole days on the JD line, or by
// writing the new day of the month into the date.
enum class Move { on_jd_line, day_field };

// The holiday given for a festival on `base`: `base` itself unless it falls
// on a Sunday; then `base` moved by `days` (earlier for days < 0). The null
// date (a lunar festival outside 1936-2031) stays null. Moved on the JD line,
// a date whose JD leaves int32 is the null date.
constexpr Date unless_sunday(const Date& base, int32_t days, Move move = Move::on_jd_line) noexcept {
    if (base.month == 0) return kNullDate;
    const int64_t jd = fields_to_jd(base.year, base.month, base.day);
    if (weekday_from_jd(jd) != kSunday) return base;
    if (move == Move::day_field) return assemble_date(base.year, base.month, base.day + days);
    return date_from_whole_jd(jd + days);
}

// The Gregorian date of lunar (year, month, day); the null date outside
// lunar 1936-2031.
constexpr Date lunar(int32_t year, int32_t month, int32_t day) noexcept {
    return lunar_to_date(Date{year, month, day});
}

}  // namespace

extern "C" {

Date new_year(int32_t year) { return assemble_date(year, 1, 1); }
Date new_year_holiday(int32_t year) { return unless_sunday(assemble_date(year, 1, 1), 1); }

Date lunar_new_year_day(int32_t year) { return lunar(year, 1, 1); }
// The first three days of lunar new year move back to its eve.
Date lunar_new_year_day_holiday(int32_t year) { return unless_sunday(lunar(year, 1, 1), -1); }
Date lunar_new_year_day_2_holiday(int32_t year) { return unless_sunday(lunar(year, 1, 2), -2); }
Date lunar_new_year_day_3_holiday(int32_t year) { return unless_sunday(lunar(year, 1, 3), -3); }

Date birthday_of_the_buddha(int32_t year) { return lunar(year, 4, 8); }
Date birthday_of_the_buddha_holiday(int32_t year) { return unless_sunday(lunar(year, 4, 8), 1); }

Date labour_day(int32_t year) { return assemble_date(year, 5, 1); }
Date labour_day_holiday(int32_t year) { return unless_sunday(assemble_date(year, 5, 1), 1); }

Date tuen_ng_festival(int32_t year) { return lunar(year, 5, 5); }
Date tuen_ng_festival_holiday(int32_t year) { return unless_sunday(lunar(year, 5, 5), 1); }

Date HKSAR_establishment_day(int32_t year) { return assemble_date(year, 7, 1); }
Date HKSAR_establishment_day_holiday(int32_t year) {
    return unless_sunday(assemble_date(year, 7, 1), 1, Move::day_field);
}

Date chinese_mid_autumn_festival(int32_t year) { return lunar(year, 8, 15); }
// The day after the festival, or the festival itself when that day is a
// Sunday. Lunar 8-16 is always the day after 8-15 (a month has 29 or 30 days).
Date chinese_mid_autumn_festival_holiday(int32_t year) { return unless_sunday(lunar(year, 8, 16), -1); }

Date national_day(int32_t year) { return assemble_date(year, 10, 1); }
Date national_day_holiday(int32_t year) { return unless_sunday(assemble_date(year, 10, 1), 1); }

Date chung_yeung_festival(int32_t year) { return lunar(year, 9, 9); }
Date chung_yeung_festival_holiday(int32_t year) { return unless_sunday(lunar(year, 9, 9), 1); }

Date christmas_day(int32_t year) { return assemble_date(year, 12, 25); }
// December 27, as December 26 is a holiday of its own.
Date christmas_day_holiday(int32_t year) { return unless_sunday(assemble_date(year, 12, 25), 2); }
Date christmas_day_2_holiday(int32_t year) { return unless_sunday(assemble_date(year, 12, 26), 1, Move::day_field); }

Date remembrance_day(int32_t year) { return dow_closest_to_date(kSunday, assemble_date(year, 11, 11)); }

Date sino_japanese_war_victory_day(int32_t year) { return nth_dow_of_month(3, kMonday, 8, year); }

}  // extern "C"
