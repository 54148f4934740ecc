// The law's holiday lists for 1999-2031 as wholes: their shape, and their
// agreement with the library's own _holiday functions wherever the law and
// the library must agree (the whole list is compared with the published
// lists in the tool's golden test).
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "hkcal.h"
#include "holidays_law.hpp"
#include "holidays_library.hpp"
#include "parse.hpp"

namespace {

using namespace hkcal::tool;

bool has_day(const std::vector<Holiday>& list, Date day) {
    for (const Holiday& h : list) {
        if (date_equal(&h.date, &day)) return true;
    }
    return false;
}

bool sunday(Date d) { return is_day_of_week(&d, 0) != 0; }

TEST(LawHolidays, SeventeenWeekdaysAndSaturdaysInDateOrder) {
    for (int32_t year = kFirstLawYear; year <= kLastLawYear; ++year) {
        std::vector<Holiday> list = law_holidays(year);
        // 1999 adds 31 December (the millennium), 2015 adds 3 September.
        const std::size_t expected = year == 1999 || year == 2015 ? 18 : 17;
        EXPECT_EQ(list.size(), expected) << year;
        std::set<std::string> keys;
        for (std::size_t i = 0; i < list.size(); ++i) {
            const Holiday& h = list[i];
            EXPECT_EQ(h.date.year, year);
            EXPECT_EQ(valid_date(&h.date), 1);
            EXPECT_FALSE(sunday(h.date)) << year << " " << h.name.en;
            if (i > 0) {
                EXPECT_EQ(date_less(&list[i - 1].date, &h.date), 1) << year << " " << h.name.en;
            }
            EXPECT_TRUE(keys.insert(h.key).second) << year << " " << h.key;
            EXPECT_FALSE(h.name.en.empty() || h.name.zh.empty());
            if (h.observed_for) {
                EXPECT_EQ(date_equal(&*h.observed_for, &h.date), 0);  // a substitute moves
            }
        }
    }
}

TEST(LawHolidays, NoListOutsideItsYears) {
    EXPECT_TRUE(law_holidays(kFirstLawYear - 1).empty());
    EXPECT_TRUE(law_holidays(kLastLawYear + 1).empty());
    EXPECT_TRUE(law_holidays(INT32_MIN).empty());
}

// The library applies the rules in force before 24 February 2012 to each
// festival alone. Where a festival's Sunday rule did not change and no
// other holiday takes its day, its _holiday date must be in the law's list.
TEST(LawHolidays, AgreeWithTheLibraryWhereTheRulesAgree) {
    for (int32_t year = kFirstLawYear; year <= kLastLawYear; ++year) {
        std::vector<Holiday> list = law_holidays(year);
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
            EXPECT_TRUE(has_day(list, day)) << year << ": " << day.month << "-" << day.day;
        }
    }
}

// Every year the tool reads: the library's list is in date order, its days
// are dates, and a day differs from its festival's own date only where it
// says so.
TEST(LibraryHolidays, EveryYearOfTheTool) {
    for (int32_t year = kMinYear; year <= kMaxYear; ++year) {
        std::vector<Holiday> list = library_holidays(year);
        ASSERT_GE(list.size(), 10u) << year;  // the fixed and Easter days at least
        for (std::size_t i = 0; i < list.size(); ++i) {
            const Holiday& h = list[i];
            ASSERT_EQ(valid_date(&h.date), 1) << year << " " << h.key;
            if (i > 0) {
                ASSERT_EQ(date_greater(&list[i - 1].date, &h.date), 0) << year << " " << h.key;
            }
            if (h.observed_for) {
                ASSERT_EQ(date_equal(&*h.observed_for, &h.date), 0) << year << " " << h.key;
            }
        }
    }
    EXPECT_EQ(library_holidays(2024).size(), 18u);  // with the lunar festivals
    EXPECT_EQ(library_holidays(1935).size(), 11u);  // before the lunar table
}

}  // namespace
