// The law's holiday lists for 1999-2031 against the library's own _holiday
// functions wherever the law and the library must agree (each list as a
// whole is compared with the published one in the tool's golden test), and
// the library's list for every year the tool reads.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "hkcal.h"
#include "holidays_law.hpp"
#include "holidays_library.hpp"
#include "parse.hpp"

namespace {

using namespace hkcal::tool;

// The library applies the rules in force before 24 February 2012 to each
// festival alone. Where a festival's Sunday rule did not change and no
// other holiday takes its day, its _holiday date must be in the law's list.
TEST(LawHolidays, AgreeWithTheLibraryWhereTheRulesAgree) {
    for (int32_t year = kFirstLawYear; year <= kLastLawYear; ++year) {
        const std::vector<Holiday> list = law_holidays(year);
        std::set<std::string> keys;  // each entry's own, part of its iCalendar UID
        for (const Holiday& h : list) {
            EXPECT_TRUE(keys.insert(h.key).second && !h.name.en.empty() && !h.name.zh.empty()) << year << " " << h.key;
        }
        std::vector<Date> unchanged = {
            new_year_holiday(year),   good_friday(year),          good_friday_2_holiday(year),
            labour_day_holiday(year), HKSAR_establishment_day_holiday(year), christmas_day_holiday(year),
            christmas_day_2_holiday(year), chung_yeung_festival_holiday(year),
        };
        if (year != 2023) unchanged.push_back(birthday_of_the_buddha_holiday(year));  // the Observatory: 26 May
        if (year != 2013) unchanged.push_back(tuen_ng_festival_holiday(year));        // the Observatory: 12 June
        if (year != 2012) unchanged.push_back(national_day_holiday(year));  // moved by Mid-Autumn
        // Ching Ming on Easter Monday moves Easter Monday's partner, not it.
        if (year != 2015 && year != 2021 && year != 2026) unchanged.push_back(easter_monday(year));
        if (year < 2013) {  // Lunar New Year's rule changed from 2013 on
            unchanged.push_back(lunar_new_year_day_holiday(year));
            unchanged.push_back(lunar_new_year_day_2_holiday(year));
            unchanged.push_back(lunar_new_year_day_3_holiday(year));
        }
        if (year < 2012) unchanged.push_back(chinese_mid_autumn_festival_holiday(year));
        for (const Date& day : unchanged) {
            const auto same = [&day](const Holiday& h) { return date_equal(&h.date, &day) != 0; };
            EXPECT_TRUE(std::any_of(list.begin(), list.end(), same)) << year << ": " << day.month << "-" << day.day;
        }
    }
    for (int32_t year : {kFirstLawYear - 1, kLastLawYear + 1, INT32_MIN}) {
        EXPECT_TRUE(law_holidays(year).empty()) << year;
    }
}

// Every year the tool reads: the library's list is in date order, its days
// are dates, and a day differs from its festival's own date only where it
// says so.
TEST(LibraryHolidays, EveryYearOfTheTool) {
    for (int32_t year = kMinYear; year <= kMaxYear; ++year) {
        const std::vector<Holiday> list = library_holidays(year);
        ASSERT_GE(list.size(), 10u) << year;  // the fixed and Easter days at least
        for (std::size_t i = 0; i < list.size(); ++i) {
            const Holiday& h = list[i];
            const bool ordered = i == 0 || date_greater(&list[i - 1].date, &h.date) == 0;
            const bool moved = !h.observed_for || date_equal(&*h.observed_for, &h.date) == 0;
            ASSERT_TRUE(valid_date(&h.date) == 1 && ordered && moved) << year << " " << h.key;
        }
    }
    EXPECT_EQ(library_holidays(1935).size(), 11u);  // before the lunar table: no lunar festivals
}

}  // namespace
