// Easter against independent computus algorithms, and the Hong Kong public
// holidays: a table of years chosen for their Sunday rules, and the rules'
// properties over all years.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "hkcal.h"
#include "reference.hpp"

namespace {

constexpr Date kNull{0, 0, 0};

::testing::AssertionResult SameDate(const Date& got, const Date& want) {
    if (ref::same(got, want)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << got.year << "-" << got.month << "-" << got.day << ", want "
                                         << want.year << "-" << want.month << "-" << want.day;
}

double jd(const Date& d) { return ref::date_to_JD0(d); }
int32_t weekday(const Date& d) { return ref::true_weekday(jd(d)); }
Date plus_days(const Date& d, double n) { return ref::JD0_to_date(jd(d) + n); }

int64_t floor_mod(int64_t a, int64_t b) { return ((a % b) + b) % b; }

// ---- independent computus --------------------------------------------------------------

// Gregorian Easter by the Meeus/Jones/Butcher algorithm; any year from 1.
Date mjb_easter(int64_t y) {
    const int64_t a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
    const int64_t f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int64_t h = (19 * a + b - d - g + 15) % 30;
    const int64_t i = c / 4, k = c % 4;
    const int64_t l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int64_t m = (a + 11 * h + 22 * l) / 451;
    const int64_t s = h + l - 7 * m + 114;
    return Date{static_cast<int32_t>(y), static_cast<int32_t>(s / 31), static_cast<int32_t>(s % 31 + 1)};
}

// Julian Easter by Meeus's algorithm, remainders floored; any year.
Date meeus_julian_easter(int64_t y) {
    const int64_t a = floor_mod(y, 4), b = floor_mod(y, 7), c = floor_mod(y, 19);
    const int64_t d = (19 * c + 15) % 30;
    const int64_t e = floor_mod(2 * a + 4 * b - d + 34, 7);
    const int64_t s = d + e + 114;
    return Date{static_cast<int32_t>(y), static_cast<int32_t>(s / 31), static_cast<int32_t>(s % 31 + 1)};
}

bool march_22_to_april_25(const Date& d) {
    return (d.month == 3 && d.day >= 22 && d.day <= 31) || (d.month == 4 && d.day >= 1 && d.day <= 25);
}

// ---- Easter --------------------------------------------------------------------------------

TEST(Easter, KnownDates) {
    EXPECT_TRUE(SameDate(easter(2000), Date{2000, 4, 23}));
    EXPECT_TRUE(SameDate(easter(2011), Date{2011, 4, 24}));
    EXPECT_TRUE(SameDate(easter(1954), Date{1954, 4, 18}));
    EXPECT_TRUE(SameDate(easter(2285), Date{2285, 3, 22}));
    EXPECT_TRUE(SameDate(easter(1943), Date{1943, 4, 25}));
    EXPECT_TRUE(SameDate(easter(2008), Date{2008, 3, 23}));
    EXPECT_TRUE(SameDate(easter(1000), Date{1000, 3, 31}));
    EXPECT_TRUE(SameDate(easter(1582), Date{1582, 4, 15}));
    EXPECT_TRUE(SameDate(easter(1583), Date{1583, 4, 10}));
    EXPECT_TRUE(SameDate(good_friday(2000), Date{2000, 4, 21}));
    EXPECT_TRUE(SameDate(good_friday_2_holiday(2000), Date{2000, 4, 22}));
    EXPECT_TRUE(SameDate(easter_monday(2000), Date{2000, 4, 24}));
    // Across month ends.
    EXPECT_TRUE(SameDate(good_friday(2285), Date{2285, 3, 20}));
    EXPECT_TRUE(SameDate(easter_monday(1943), Date{1943, 4, 26}));
    EXPECT_TRUE(SameDate(good_friday(2016), Date{2016, 3, 25}));
    EXPECT_TRUE(SameDate(easter_monday(2016), Date{2016, 3, 28}));
    EXPECT_TRUE(SameDate(easter_monday(2024), Date{2024, 4, 1}));
}

// Both computi against the independent algorithms for every year from 1 to
// 4999, each result a Sunday of its calendar, and the three days around it.
TEST(Easter, MatchesIndependentAlgorithms) {
    for (int32_t year = 1; year <= 4999; ++year) {
        const Date e = easter(year);
        ASSERT_TRUE(SameDate(e, year <= 1582 ? meeus_julian_easter(year) : mjb_easter(year))) << year;
        ASSERT_EQ(weekday(e), 0) << year;
        ASSERT_TRUE(SameDate(good_friday(year), plus_days(e, -2))) << year;
        ASSERT_TRUE(SameDate(good_friday_2_holiday(year), plus_days(e, -1))) << year;
        ASSERT_TRUE(SameDate(easter_monday(year), plus_days(e, 1))) << year;
    }
}

// Gregorian years far beyond the tables: exact 64-bit arithmetic, so still
// the algorithm's Sunday between March 22 and April 25.
TEST(Easter, HugeYears) {
    std::vector<int32_t> years = {5000, 99999, 429496729, 429496730, 1000000007, INT32_MAX - 1, INT32_MAX};
    for (int32_t y = 5000; y < INT32_MAX - 7777777; y += 7777777) years.push_back(y);
    for (const int32_t year : years) {
        const Date e = easter(year);
        EXPECT_TRUE(SameDate(e, mjb_easter(year))) << year;
        EXPECT_TRUE(march_22_to_april_25(e)) << year;
    }
    // Days around Easter come back through the JD line: null beyond the
    // int32 JD range (from about the year 5874898 on).
    EXPECT_TRUE(SameDate(good_friday(INT32_MAX), kNull));
    EXPECT_TRUE(SameDate(easter_monday(INT32_MAX), kNull));
    EXPECT_TRUE(SameDate(good_friday(INT32_MIN), kNull));
}

// Negative years: the Julian computus with floored remainders, so Easter is
// the Julian Easter of the 532-year cycle, a real Sunday from March 22 to
// April 25.
TEST(Easter, NegativeYearsContinueTheJulianCycle) {
    std::vector<int32_t> years;
    for (int32_t y = -5000; y <= 0; ++y) years.push_back(y);
    for (const int32_t y : {-5884323, -100000000, INT32_MIN + 1, INT32_MIN}) years.push_back(y);
    for (const int32_t year : years) {
        const Date e = easter(year);
        ASSERT_TRUE(SameDate(e, meeus_julian_easter(year))) << year;
        const Date cycle = easter(static_cast<int32_t>(floor_mod(year, 532)));
        ASSERT_EQ(e.month, cycle.month) << year;
        ASSERT_EQ(e.day, cycle.day) << year;
        if (year >= -5000) {
            ASSERT_EQ(weekday(e), 0) << year;
            ASSERT_TRUE(SameDate(good_friday(year), plus_days(e, -2))) << year;
            ASSERT_TRUE(SameDate(easter_monday(year), plus_days(e, 1))) << year;
        }
    }
    EXPECT_TRUE(SameDate(easter(-3), Date{-3, 4, 15}));
}

// ---- Hong Kong holidays ------------------------------------------------------------------

using HolidayFunction = Date (*)(int32_t);

// The 25 functions in this order in every table row.
const HolidayFunction kHolidays[25] = {
    new_year,                        new_year_holiday,
    lunar_new_year_day,              lunar_new_year_day_holiday,
    lunar_new_year_day_2_holiday,    lunar_new_year_day_3_holiday,
    birthday_of_the_buddha,          birthday_of_the_buddha_holiday,
    labour_day,                      labour_day_holiday,
    tuen_ng_festival,                tuen_ng_festival_holiday,
    HKSAR_establishment_day,         HKSAR_establishment_day_holiday,
    chinese_mid_autumn_festival,     chinese_mid_autumn_festival_holiday,
    national_day,                    national_day_holiday,
    chung_yeung_festival,            chung_yeung_festival_holiday,
    christmas_day,                   christmas_day_holiday,
    christmas_day_2_holiday,         remembrance_day,
    sino_japanese_war_victory_day,
};
const char* const kHolidayNames[25] = {
    "new_year", "new_year_holiday", "lunar_new_year_day", "lunar_new_year_day_holiday",
    "lunar_new_year_day_2_holiday", "lunar_new_year_day_3_holiday", "birthday_of_the_buddha",
    "birthday_of_the_buddha_holiday", "labour_day", "labour_day_holiday", "tuen_ng_festival",
    "tuen_ng_festival_holiday", "HKSAR_establishment_day", "HKSAR_establishment_day_holiday",
    "chinese_mid_autumn_festival", "chinese_mid_autumn_festival_holiday", "national_day",
    "national_day_holiday", "chung_yeung_festival", "chung_yeung_festival_holiday", "christmas_day",
    "christmas_day_holiday", "christmas_day_2_holiday", "remembrance_day", "sino_japanese_war_victory_day",
};

// Every function for years in which the Sunday rules apply:
// 2008 lunar 5-5 on a Sunday; 2016 May 1, lunar 9-9 and December 25;
// 2017 January 1, lunar 1-1 on a Saturday and October 1; 2018 July 1;
// 2021 lunar 1-3 and December 26; 2022 lunar 4-8, May 1, December 25 and
// lunar 8-15 on a Saturday; 2023 January 1, lunar 1-1 and October 1;
// 2024 lunar 1-2. (The table's lunar 2023 puts 4-8 on May 27.)
struct HolidayRow {
    int32_t year;
    Date dates[25];
};
const HolidayRow kHolidayRows[] = {
    {2008, {{2008, 1, 1}, {2008, 1, 1}, {2008, 2, 7}, {2008, 2, 7}, {2008, 2, 8}, {2008, 2, 9}, {2008, 5, 12}, {2008, 5, 12}, {2008, 5, 1}, {2008, 5, 1}, {2008, 6, 8}, {2008, 6, 9}, {2008, 7, 1}, {2008, 7, 1}, {2008, 9, 14}, {2008, 9, 15}, {2008, 10, 1}, {2008, 10, 1}, {2008, 10, 7}, {2008, 10, 7}, {2008, 12, 25}, {2008, 12, 25}, {2008, 12, 26}, {2008, 11, 9}, {2008, 8, 18}}},
    {2016, {{2016, 1, 1}, {2016, 1, 1}, {2016, 2, 8}, {2016, 2, 8}, {2016, 2, 9}, {2016, 2, 10}, {2016, 5, 14}, {2016, 5, 14}, {2016, 5, 1}, {2016, 5, 2}, {2016, 6, 9}, {2016, 6, 9}, {2016, 7, 1}, {2016, 7, 1}, {2016, 9, 15}, {2016, 9, 16}, {2016, 10, 1}, {2016, 10, 1}, {2016, 10, 9}, {2016, 10, 10}, {2016, 12, 25}, {2016, 12, 27}, {2016, 12, 26}, {2016, 11, 13}, {2016, 8, 15}}},
    {2017, {{2017, 1, 1}, {2017, 1, 2}, {2017, 1, 28}, {2017, 1, 28}, {2017, 1, 27}, {2017, 1, 30}, {2017, 5, 3}, {2017, 5, 3}, {2017, 5, 1}, {2017, 5, 1}, {2017, 5, 30}, {2017, 5, 30}, {2017, 7, 1}, {2017, 7, 1}, {2017, 10, 4}, {2017, 10, 5}, {2017, 10, 1}, {2017, 10, 2}, {2017, 10, 28}, {2017, 10, 28}, {2017, 12, 25}, {2017, 12, 25}, {2017, 12, 26}, {2017, 11, 12}, {2017, 8, 21}}},
    {2018, {{2018, 1, 1}, {2018, 1, 1}, {2018, 2, 16}, {2018, 2, 16}, {2018, 2, 17}, {2018, 2, 15}, {2018, 5, 22}, {2018, 5, 22}, {2018, 5, 1}, {2018, 5, 1}, {2018, 6, 18}, {2018, 6, 18}, {2018, 7, 1}, {2018, 7, 2}, {2018, 9, 24}, {2018, 9, 25}, {2018, 10, 1}, {2018, 10, 1}, {2018, 10, 17}, {2018, 10, 17}, {2018, 12, 25}, {2018, 12, 25}, {2018, 12, 26}, {2018, 11, 11}, {2018, 8, 20}}},
    {2021, {{2021, 1, 1}, {2021, 1, 1}, {2021, 2, 12}, {2021, 2, 12}, {2021, 2, 13}, {2021, 2, 11}, {2021, 5, 19}, {2021, 5, 19}, {2021, 5, 1}, {2021, 5, 1}, {2021, 6, 14}, {2021, 6, 14}, {2021, 7, 1}, {2021, 7, 1}, {2021, 9, 21}, {2021, 9, 22}, {2021, 10, 1}, {2021, 10, 1}, {2021, 10, 14}, {2021, 10, 14}, {2021, 12, 25}, {2021, 12, 25}, {2021, 12, 27}, {2021, 11, 14}, {2021, 8, 16}}},
    {2022, {{2022, 1, 1}, {2022, 1, 1}, {2022, 2, 1}, {2022, 2, 1}, {2022, 2, 2}, {2022, 2, 3}, {2022, 5, 8}, {2022, 5, 9}, {2022, 5, 1}, {2022, 5, 2}, {2022, 6, 3}, {2022, 6, 3}, {2022, 7, 1}, {2022, 7, 1}, {2022, 9, 10}, {2022, 9, 10}, {2022, 10, 1}, {2022, 10, 1}, {2022, 10, 4}, {2022, 10, 4}, {2022, 12, 25}, {2022, 12, 27}, {2022, 12, 26}, {2022, 11, 13}, {2022, 8, 15}}},
    {2023, {{2023, 1, 1}, {2023, 1, 2}, {2023, 1, 22}, {2023, 1, 21}, {2023, 1, 23}, {2023, 1, 24}, {2023, 5, 27}, {2023, 5, 27}, {2023, 5, 1}, {2023, 5, 1}, {2023, 6, 22}, {2023, 6, 22}, {2023, 7, 1}, {2023, 7, 1}, {2023, 9, 29}, {2023, 9, 30}, {2023, 10, 1}, {2023, 10, 2}, {2023, 10, 23}, {2023, 10, 23}, {2023, 12, 25}, {2023, 12, 25}, {2023, 12, 26}, {2023, 11, 12}, {2023, 8, 21}}},
    {2024, {{2024, 1, 1}, {2024, 1, 1}, {2024, 2, 10}, {2024, 2, 10}, {2024, 2, 9}, {2024, 2, 12}, {2024, 5, 15}, {2024, 5, 15}, {2024, 5, 1}, {2024, 5, 1}, {2024, 6, 10}, {2024, 6, 10}, {2024, 7, 1}, {2024, 7, 1}, {2024, 9, 17}, {2024, 9, 18}, {2024, 10, 1}, {2024, 10, 1}, {2024, 10, 11}, {2024, 10, 11}, {2024, 12, 25}, {2024, 12, 25}, {2024, 12, 26}, {2024, 11, 10}, {2024, 8, 19}}},
};

TEST(HongKong, TableOfYears) {
    for (const HolidayRow& row : kHolidayRows) {
        for (int i = 0; i < 25; ++i) {
            EXPECT_TRUE(SameDate(kHolidays[i](row.year), row.dates[i])) << kHolidayNames[i] << "(" << row.year << ")";
        }
    }
}

TEST(HongKong, NearestSundayAndThirdMonday) {
    EXPECT_TRUE(SameDate(remembrance_day(1990), Date{1990, 11, 11}));
    EXPECT_TRUE(SameDate(remembrance_day(1993), Date{1993, 11, 14}));
    EXPECT_TRUE(SameDate(remembrance_day(1992), Date{1992, 11, 8}));
    EXPECT_TRUE(SameDate(sino_japanese_war_victory_day(1995), Date{1995, 8, 21}));
    // Before the cut-over the searches count Julian days.
    EXPECT_TRUE(SameDate(sino_japanese_war_victory_day(1582), Date{1582, 8, 20}));
}

// Over all years of the lunar table (and for the Gregorian holidays far
// beyond): a holiday is the festival itself unless that is a Sunday, never
// a Sunday itself, and at most three days away.
TEST(HongKong, SundayRulesHoldEveryYear) {
    // {festival, holiday, days moved when the festival is a Sunday}
    struct Rule {
        HolidayFunction festival, holiday;
        int32_t move;
    };
    const Rule rules[] = {
        {new_year, new_year_holiday, 1},
        {lunar_new_year_day, lunar_new_year_day_holiday, -1},
        {birthday_of_the_buddha, birthday_of_the_buddha_holiday, 1},
        {labour_day, labour_day_holiday, 1},
        {tuen_ng_festival, tuen_ng_festival_holiday, 1},
        {HKSAR_establishment_day, HKSAR_establishment_day_holiday, 1},
        {national_day, national_day_holiday, 1},
        {chung_yeung_festival, chung_yeung_festival_holiday, 1},
        {christmas_day, christmas_day_holiday, 2},
    };
    for (int32_t year = 1583; year <= 2400; ++year) {
        const bool lunar = year >= 1936 && year <= 2031;
        for (const Rule& r : rules) {
            const Date festival = r.festival(year);
            if (festival.month == 0) {
                ASSERT_FALSE(lunar) << year;
                continue;
            }
            const Date want = weekday(festival) == 0 ? plus_days(festival, r.move) : festival;
            ASSERT_TRUE(SameDate(r.holiday(year), want)) << year;
            ASSERT_NE(weekday(r.holiday(year)), 0) << year;
        }
        const Date dec26{year, 12, 26};
        ASSERT_TRUE(SameDate(christmas_day_2_holiday(year), weekday(dec26) == 0 ? Date{year, 12, 27} : dec26));
        const Date remembrance = remembrance_day(year);
        ASSERT_EQ(weekday(remembrance), 0);
        ASSERT_EQ(remembrance.month, 11);
        ASSERT_LE(std::abs(remembrance.day - 11), 3);
        const Date victory = sino_japanese_war_victory_day(year);
        ASSERT_EQ(weekday(victory), 1);
        ASSERT_EQ(victory.month, 8);
        ASSERT_TRUE(victory.day >= 15 && victory.day <= 21);
        if (!lunar) continue;
        // The eve rules: lunar 1-2 and 1-3 move back to the day before 1-1.
        const Date new_year_day = lunar_new_year_day(year);
        const Date eve = plus_days(new_year_day, -1);
        const Date second = plus_days(new_year_day, 1), third = plus_days(new_year_day, 2);
        ASSERT_TRUE(SameDate(lunar_new_year_day_2_holiday(year), weekday(second) == 0 ? eve : second));
        ASSERT_TRUE(SameDate(lunar_new_year_day_3_holiday(year), weekday(third) == 0 ? eve : third));
        // Mid-Autumn: the day after the festival, or the festival when that is a Sunday.
        const Date mid_autumn = chinese_mid_autumn_festival(year);
        const Date next = plus_days(mid_autumn, 1);
        ASSERT_TRUE(SameDate(chinese_mid_autumn_festival_holiday(year), weekday(next) == 0 ? mid_autumn : next));
        // The festivals are the lunar dates of the table.
        const Date l88{year, 8, 15}, l99{year, 9, 9}, l55{year, 5, 5}, l48{year, 4, 8}, l11{year, 1, 1};
        ASSERT_TRUE(SameDate(mid_autumn, chinese_to_date(&l88)));
        ASSERT_TRUE(SameDate(chung_yeung_festival(year), chinese_to_date(&l99)));
        ASSERT_TRUE(SameDate(tuen_ng_festival(year), chinese_to_date(&l55)));
        ASSERT_TRUE(SameDate(birthday_of_the_buddha(year), chinese_to_date(&l48)));
        ASSERT_TRUE(SameDate(new_year_day, chinese_to_date(&l11)));
    }
}

// Lunar festivals outside 1936-2031 and their holidays are the null date.
TEST(HongKong, LunarFestivalsOutsideTheTable) {
    const HolidayFunction lunar_functions[] = {
        lunar_new_year_day,         lunar_new_year_day_holiday,     lunar_new_year_day_2_holiday,
        lunar_new_year_day_3_holiday, birthday_of_the_buddha,       birthday_of_the_buddha_holiday,
        tuen_ng_festival,           tuen_ng_festival_holiday,       chinese_mid_autumn_festival,
        chinese_mid_autumn_festival_holiday, chung_yeung_festival,  chung_yeung_festival_holiday,
    };
    for (const int32_t year : {INT32_MIN, -1, 0, 1, 1935, 2032, 2033, INT32_MAX}) {
        for (const HolidayFunction f : lunar_functions) EXPECT_TRUE(SameDate(f(year), kNull)) << year;
    }
    for (const HolidayFunction f : lunar_functions) {
        EXPECT_NE(f(1936).month, 0);
        EXPECT_NE(f(2031).month, 0);
    }
}

// The extreme years: the fixed dates stand as given; a day moved on the JD
// line beyond the int32 JD range is the null date, one written into the day
// field is not.
TEST(HongKong, ExtremeYears) {
    for (const int32_t year : {INT32_MIN, INT32_MIN + 1, -4713, 0, 1, 1582, INT32_MAX - 1, INT32_MAX}) {
        for (const HolidayFunction f : kHolidays) (void)f(year);
        EXPECT_TRUE(SameDate(new_year(year), Date{year, 1, 1}));
        EXPECT_TRUE(SameDate(christmas_day(year), Date{year, 12, 25}));
        const Date july1{year, 7, 1};
        EXPECT_TRUE(SameDate(HKSAR_establishment_day_holiday(year), weekday(july1) == 0 ? Date{year, 7, 2} : july1));
        const Date jan1{year, 1, 1};
        const bool jd_in_int32 = jd(jan1) + 1 >= INT32_MIN && jd(jan1) + 1 <= INT32_MAX;
        if (weekday(jan1) == 0) {
            EXPECT_TRUE(SameDate(new_year_holiday(year), jd_in_int32 ? Date{year, 1, 2} : kNull)) << year;
        } else {
            EXPECT_TRUE(SameDate(new_year_holiday(year), jan1)) << year;
        }
    }
}

}  // namespace
