// One table row per holiday function: the function, its festival's own date
// and the key of its name in the Hong Kong library, so the list is a loop
// over the table.
#include "holidays_library.hpp"

#include <algorithm>

#include "dates.hpp"

namespace hkcal::tool {
namespace {

// The date n days after the festival, the null date for a null festival.
Date after(const Date& festival, int32_t n) { return is_null(festival) ? festival : plus_days(festival, n); }

// The festival's own date for the holiday functions whose festival has no
// function of its own.
Date lunar_new_year_day_2(int32_t year) { return after(lunar_new_year_day(year), 1); }
Date lunar_new_year_day_3(int32_t year) { return after(lunar_new_year_day(year), 2); }
Date mid_autumn_following(int32_t year) { return after(chinese_mid_autumn_festival(year), 1); }
Date boxing_day(int32_t year) { return make_date(year, 12, 26); }

// Each function, its festival's own date and the key of its name.
struct LibraryHoliday {
    Date (*holiday)(int32_t year);
    Date (*festival)(int32_t year);
    const char* key;
    const char* name_key;
};

const LibraryHoliday kLibraryHolidays[] = {
    {new_year_holiday, new_year, "new_year_holiday", "new-year"},
    {lunar_new_year_day_holiday, lunar_new_year_day, "lunar_new_year_day_holiday", "lunar-new-year-1"},
    {lunar_new_year_day_2_holiday, lunar_new_year_day_2, "lunar_new_year_day_2_holiday", "lunar-new-year-2"},
    {lunar_new_year_day_3_holiday, lunar_new_year_day_3, "lunar_new_year_day_3_holiday", "lunar-new-year-3"},
    {good_friday, good_friday, "good_friday", "good-friday"},
    {good_friday_2_holiday, good_friday_2_holiday, "good_friday_2_holiday", "good-friday-2"},
    {easter_monday, easter_monday, "easter_monday", "easter-monday"},
    {labour_day_holiday, labour_day, "labour_day_holiday", "labour-day"},
    {birthday_of_the_buddha_holiday, birthday_of_the_buddha, "birthday_of_the_buddha_holiday", "buddha"},
    {tuen_ng_festival_holiday, tuen_ng_festival, "tuen_ng_festival_holiday", "tuen-ng"},
    {HKSAR_establishment_day_holiday, HKSAR_establishment_day, "HKSAR_establishment_day_holiday",
     "establishment-day"},
    {chinese_mid_autumn_festival_holiday, mid_autumn_following, "chinese_mid_autumn_festival_holiday", "mid-autumn"},
    {national_day_holiday, national_day, "national_day_holiday", "national-day"},
    {chung_yeung_festival_holiday, chung_yeung_festival, "chung_yeung_festival_holiday", "chung-yeung"},
    {christmas_day_holiday, christmas_day, "christmas_day_holiday", "christmas"},
    {christmas_day_2_holiday, boxing_day, "christmas_day_2_holiday", "christmas-weekday"},
    {remembrance_day, remembrance_day, "remembrance_day", "remembrance-day"},
    {sino_japanese_war_victory_day, sino_japanese_war_victory_day, "sino_japanese_war_victory_day", "victory-day"},
};

}  // namespace

std::vector<Holiday> library_holidays(int32_t year) {
    std::vector<Holiday> list;
    for (const LibraryHoliday& row : kLibraryHolidays) {
        const Date day = row.holiday(year);
        const Date festival = row.festival(year);
        if (is_null(day) || is_null(festival)) continue;
        std::optional<Date> observed_for;
        if (!same_day(day, festival)) observed_for = festival;
        list.push_back(Holiday{day, row.key, named(row.name_key), observed_for});
    }
    std::stable_sort(list.begin(), list.end(), [](const Holiday& a, const Holiday& b) { return earlier(a.date, b.date); });
    return list;
}

}  // namespace hkcal::tool
