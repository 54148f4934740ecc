// One table row per holiday function: the function, its festival's own date
// and the name, so the list is a loop over the table.
#include "holidays_library.hpp"

#include <algorithm>

#include "dates.hpp"
#include "holiday_names.hpp"

namespace hkcal::tool {
namespace {

using namespace names;

// The date n days after the festival, the null date for a null festival.
Date after(const Date& festival, int32_t n) { return is_null(festival) ? festival : plus_days(festival, n); }

// The festival's own date for the holiday functions whose festival has no
// function of its own.
Date lunar_new_year_day_2(int32_t year) { return after(lunar_new_year_day(year), 1); }
Date lunar_new_year_day_3(int32_t year) { return after(lunar_new_year_day(year), 2); }
Date mid_autumn_following(int32_t year) { return after(chinese_mid_autumn_festival(year), 1); }
Date boxing_day(int32_t year) { return make_date(year, 12, 26); }

struct LibraryHoliday {
    Date (*holiday)(int32_t year);
    Date (*festival)(int32_t year);
    const char* key;
    const Name* name;
};

const LibraryHoliday kLibraryHolidays[] = {
    {new_year_holiday, new_year, "new_year_holiday", &kNewYear},
    {lunar_new_year_day_holiday, lunar_new_year_day, "lunar_new_year_day_holiday", &kLunarNewYear},
    {lunar_new_year_day_2_holiday, lunar_new_year_day_2, "lunar_new_year_day_2_holiday", &kLunarNewYear2},
    {lunar_new_year_day_3_holiday, lunar_new_year_day_3, "lunar_new_year_day_3_holiday", &kLunarNewYear3},
    {good_friday, good_friday, "good_friday", &kGoodFriday},
    {good_friday_2_holiday, good_friday_2_holiday, "good_friday_2_holiday", &kGoodFriday2},
    {easter_monday, easter_monday, "easter_monday", &kEasterMonday},
    {labour_day_holiday, labour_day, "labour_day_holiday", &kLabourDay},
    {birthday_of_the_buddha_holiday, birthday_of_the_buddha, "birthday_of_the_buddha_holiday", &kBuddha},
    {tuen_ng_festival_holiday, tuen_ng_festival, "tuen_ng_festival_holiday", &kTuenNg},
    {HKSAR_establishment_day_holiday, HKSAR_establishment_day, "HKSAR_establishment_day_holiday",
     &kEstablishmentDay},
    {chinese_mid_autumn_festival_holiday, mid_autumn_following, "chinese_mid_autumn_festival_holiday",
     &kMidAutumn1},
    {national_day_holiday, national_day, "national_day_holiday", &kNationalDay},
    {chung_yeung_festival_holiday, chung_yeung_festival, "chung_yeung_festival_holiday", &kChungYeung},
    {christmas_day_holiday, christmas_day, "christmas_day_holiday", &kChristmas},
    {christmas_day_2_holiday, boxing_day, "christmas_day_2_holiday", &kChristmas1},
    {remembrance_day, remembrance_day, "remembrance_day", &kRemembranceDay},
    {sino_japanese_war_victory_day, sino_japanese_war_victory_day, "sino_japanese_war_victory_day",
     &kVictoryDay},
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
        list.push_back(Holiday{day, row.key, *row.name, observed_for});
    }
    std::stable_sort(list.begin(), list.end(), [](const Holiday& a, const Holiday& b) { return earlier(a.date, b.date); });
    return list;
}

}  // namespace hkcal::tool
