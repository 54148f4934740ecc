// Easter against independent computus algorithms, and the Hong Kong public
// holidays: a table of years chosen for their Sunday rules, and the rules'
// properties over many years.
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

// ---- independent computus ---------------------------------------------------------

// Gregorian Easter by the Meeus/Jones/Butcher algorithm; any year from 1.
Date mjb_easter(int64_t y) {
    const int64_t a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
    const int64_t f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int64_t h = (19 * a + b - d - g + 15) % 30;
    const int64_t l = (32 + 2 * e + 2 * (c / 4) - h - c % 4) % 7;
    const int64_t m = (a + 11 * h + 22 * l) / 451;
    const int64_t s = h + l - 7 * m + 114;
    return Date{static_cast<int32_t>(y), static_cast<int32_t>(s / 31), static_cast<int32_t>(s % 31 + 1)};
}

// Julian Easter by Meeus's algorithm, remainders floored; any year.
Date meeus_julian_easter(int64_t y) {
    const int64_t d = (19 * floor_mod(y, 19) + 15) % 30;
    const int64_t e = floor_mod(2 * floor_mod(y, 4) + 4 * floor_mod(y, 7) - d + 34, 7);
    const int64_t s = d + e + 114;
    return Date{static_cast<int32_t>(y), static_cast<int32_t>(s / 31), static_cast<int32_t>(s % 31 + 1)};
}

bool march_22_to_april_25(const Date& d) {
    return (d.month == 3 && d.day >= 22 && d.day <= 31) || (d.month == 4 && d.day >= 1 && d.day <= 25);
}

// ---- Easter ---------------------------------------------------------------------------

TEST(Easter, KnownDates) {
    EXPECT_TRUE(SameDate(easter(2000), Date{2000, 4, 23}));   // the epact 24 becomes 25
    EXPECT_TRUE(SameDate(easter(2011), Date{2011, 4, 24}));   // 25 with golden number 17 becomes 26
    EXPECT_TRUE(SameDate(easter(2285), Date{2285, 3, 22}));
    EXPECT_TRUE(SameDate(easter(1943), Date{1943, 4, 25}));
    EXPECT_TRUE(SameDate(easter(1000), Date{1000, 3, 31}));   // Julian
    EXPECT_TRUE(SameDate(easter(1582), Date{1582, 4, 15}));
    EXPECT_TRUE(SameDate(easter(1583), Date{1583, 4, 10}));
    EXPECT_TRUE(SameDate(good_friday(2000), Date{2000, 4, 21}));
    EXPECT_TRUE(SameDate(good_friday_2_holiday(2000), Date{2000, 4, 22}));
    EXPECT_TRUE(SameDate(easter_monday(2000), Date{2000, 4, 24}));
    EXPECT_TRUE(SameDate(good_friday(2285), Date{2285, 3, 20}));
    EXPECT_TRUE(SameDate(easter_monday(1943), Date{1943, 4, 26}));
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

// Far beyond the tables the Gregorian computus stays exact (64-bit); the
// days around Easter come back through the JD line and are null beyond the
// int32 JD range.
TEST(Easter, HugeYears) {
    std::vector<int32_t> years = {429496729, 429496730, 1000000007, INT32_MAX};
    for (int32_t y = 5000; y < INT32_MAX - 7777777; y += 7777777) years.push_back(y);
    for (const int32_t year : years) {
        EXPECT_TRUE(SameDate(easter(year), mjb_easter(year))) << year;
        EXPECT_TRUE(march_22_to_april_25(easter(year))) << year;
    }
    EXPECT_TRUE(SameDate(good_friday(5874898), Date{5874898, 4, 4}));
    EXPECT_TRUE(SameDate(good_friday(5874899), kNull));
    EXPECT_TRUE(SameDate(easter_monday(-5884203), kNull));
}

// Negative years: floored remainders continue the 532-year Julian cycle, so
// Easter is a real Sunday from March 22 to April 25.
TEST(Easter, NegativeYearsContinueTheJulianCycle) {
    std::vector<int32_t> years = {-5884202, -100000000, INT32_MIN};
    for (int32_t y = -5000; y <= 0; ++y) years.push_back(y);
    for (const int32_t year : years) {
        const Date e = easter(year);
        ASSERT_TRUE(SameDate(e, meeus_julian_easter(year))) << year;
        const Date cycle = easter(static_cast<int32_t>(floor_mod(year, 532)));
        ASSERT_TRUE(e.month == cycle.month && e.day == cycle.day) << year;
        ASSERT_EQ(weekday(e), 0) << year;
        ASSERT_TRUE(SameDate(good_friday(year), plus_days(e, -2))) << year;
    }
    EXPECT_TRUE(SameDate(easter(-3), Date{-3, 4, 15}));
}

// ---- Hong Kong holidays ------------------------------------------------------------

using HolidayFunction = Date (*)(int32_t);

// The 25 functions, in the order of the table's columns.
const HolidayFunction kHolidays[25] = {
    new_year, new_year_holiday, lunar_new_year_day, lunar_new_year_day_holiday, lunar_new_year_day_2_holiday,
    lunar_new_year_day_3_holiday, birthday_of_the_buddha, birthday_of_the_buddha_holiday, labour_day,
    labour_day_holiday, tuen_ng_festival, tuen_ng_festival_holiday, HKSAR_establishment_day,
    HKSAR_establishment_day_holiday, chinese_mid_autumn_festival, chinese_mid_autumn_festival_holiday, national_day,
    national_day_holiday, chung_yeung_festival, chung_yeung_festival_holiday, christmas_day, christmas_day_holiday,
    christmas_day_2_holiday, remembrance_day, sino_japanese_war_victory_day,
};

// Every function for years in which the Sunday rules apply, as month * 100
// + day: 2008 lunar 5-5 on a Sunday; 2016 May 1, lunar 9-9 and December 25;
// 2017 January 1, October 1 and lunar 1-2; 2018 July 1; 2021 lunar 1-3 and
// December 26; 2022 lunar 4-8, May 1 and December 25, lunar 8-15 on a
// Saturday; 2023 January 1, lunar 1-1 and October 1; 2024 lunar 1-2. (The
// table's lunar 2023 puts 4-8 on May 27.)
struct HolidayRow {
    int32_t year;
    int32_t month_days[25];
};
const HolidayRow kHolidayRows[] = {
    {2008, {101, 101, 207, 207, 208, 209, 512, 512, 501, 501, 608, 609, 701,
            701, 914, 915, 1001, 1001, 1007, 1007, 1225, 1225, 1226, 1109, 818}},
    {2016, {101, 101, 208, 208, 209, 210, 514, 514, 501, 502, 609, 609, 701,
            701, 915, 916, 1001, 1001, 1009, 1010, 1225, 1227, 1226, 1113, 815}},
    {2017, {101, 102, 128, 128, 127, 130, 503, 503, 501, 501, 530, 530, 701,
            701, 1004, 1005, 1001, 1002, 1028, 1028, 1225, 1225, 1226, 1112, 821}},
    {2018, {101, 101, 216, 216, 217, 215, 522, 522, 501, 501, 618, 618, 701,
            702, 924, 925, 1001, 1001, 1017, 1017, 1225, 1225, 1226, 1111, 820}},
    {2021, {101, 101, 212, 212, 213, 211, 519, 519, 501, 501, 614, 614, 701,
            701, 921, 922, 1001, 1001, 1014, 1014, 1225, 1225, 1227, 1114, 816}},
    {2022, {101, 101, 201, 201, 202, 203, 508, 509, 501, 502, 603, 603, 701,
            701, 910, 910, 1001, 1001, 1004, 1004, 1225, 1227, 1226, 1113, 815}},
    {2023, {101, 102, 122, 121, 123, 124, 527, 527, 501, 501, 622, 622, 701,
            701, 929, 930, 1001, 1002, 1023, 1023, 1225, 1225, 1226, 1112, 821}},
    {2024, {101, 101, 210, 210, 209, 212, 515, 515, 501, 501, 610, 610, 701,
            701, 917, 918, 1001, 1001, 1011, 1011, 1225, 1225, 1226, 1110, 819}},
};

TEST(HongKong, TableOfYears) {
    for (const HolidayRow& row : kHolidayRows) {
        for (int i = 0; i < 25; ++i) {
            const Date want{row.year, row.month_days[i] / 100, row.month_days[i] % 100};
            EXPECT_TRUE(SameDate(kHolidays[i](row.year), want)) << "function " << i << ", " << row.year;
        }
    }
    EXPECT_TRUE(SameDate(remembrance_day(1990), Date{1990, 11, 11}));
    EXPECT_TRUE(SameDate(remembrance_day(1993), Date{1993, 11, 14}));
    EXPECT_TRUE(SameDate(remembrance_day(1992), Date{1992, 11, 8}));
    EXPECT_TRUE(SameDate(sino_japanese_war_victory_day(1995), Date{1995, 8, 21}));
    EXPECT_TRUE(SameDate(sino_japanese_war_victory_day(1582), Date{1582, 8, 20}));  // Julian August
}

// Over many years: a holiday is the festival unless that is a Sunday, then
// the day the rule gives, never a Sunday; the lunar festivals are the
// table's dates in 1936-2031 and the null date, holidays too, elsewhere.
TEST(HongKong, SundayRulesHoldEveryYear) {
    struct Rule {
        HolidayFunction festival, holiday;
        int32_t move;  // days moved off a Sunday
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
    const HolidayFunction lunar_holidays[] = {lunar_new_year_day_2_holiday, lunar_new_year_day_3_holiday,
                                              chinese_mid_autumn_festival_holiday};
    for (int32_t year = 1900; year <= 2200; ++year) {
        const bool lunar = year >= 1936 && year <= 2031;
        for (const Rule& r : rules) {
            const Date festival = r.festival(year);
            if (festival.month == 0) {
                ASSERT_FALSE(lunar) << year;
                ASSERT_TRUE(SameDate(r.holiday(year), kNull)) << year;
                continue;
            }
            ASSERT_TRUE(SameDate(r.holiday(year), weekday(festival) == 0 ? plus_days(festival, r.move) : festival));
            ASSERT_NE(weekday(r.holiday(year)), 0) << year;
        }
        const Date dec26{year, 12, 26};
        ASSERT_TRUE(SameDate(christmas_day_2_holiday(year), weekday(dec26) == 0 ? Date{year, 12, 27} : dec26));
        const Date remembrance = remembrance_day(year), victory = sino_japanese_war_victory_day(year);
        ASSERT_TRUE(weekday(remembrance) == 0 && remembrance.month == 11 && std::abs(remembrance.day - 11) <= 3);
        ASSERT_TRUE(weekday(victory) == 1 && victory.month == 8 && victory.day >= 15 && victory.day <= 21);
        if (!lunar) {
            for (const HolidayFunction f : lunar_holidays) ASSERT_TRUE(SameDate(f(year), kNull)) << year;
            continue;
        }
        // Lunar 1-2 and 1-3 move back to the eve; Mid-Autumn's holiday is the
        // next day, or the festival itself when the next day is a Sunday.
        const Date new_year_day = lunar_new_year_day(year), eve = plus_days(new_year_day, -1);
        const Date second = plus_days(new_year_day, 1), third = plus_days(new_year_day, 2);
        ASSERT_TRUE(SameDate(lunar_new_year_day_2_holiday(year), weekday(second) == 0 ? eve : second));
        ASSERT_TRUE(SameDate(lunar_new_year_day_3_holiday(year), weekday(third) == 0 ? eve : third));
        const Date mid_autumn = chinese_mid_autumn_festival(year), next = plus_days(mid_autumn, 1);
        ASSERT_TRUE(SameDate(chinese_mid_autumn_festival_holiday(year), weekday(next) == 0 ? mid_autumn : next));
        const Date l11{year, 1, 1}, l48{year, 4, 8}, l55{year, 5, 5}, l815{year, 8, 15}, l99{year, 9, 9};
        ASSERT_TRUE(SameDate(new_year_day, chinese_to_date(&l11)));
        ASSERT_TRUE(SameDate(birthday_of_the_buddha(year), chinese_to_date(&l48)));
        ASSERT_TRUE(SameDate(tuen_ng_festival(year), chinese_to_date(&l55)));
        ASSERT_TRUE(SameDate(mid_autumn, chinese_to_date(&l815)));
        ASSERT_TRUE(SameDate(chung_yeung_festival(year), chinese_to_date(&l99)));
    }
}

// The extreme years: no undefined behaviour; fixed dates stand as given, a
// day moved on the JD line beyond the int32 JD range is the null date, one
// written into the day field is not; lunar festivals are null.
TEST(HongKong, ExtremeYears) {
    for (const int32_t year : {INT32_MIN, -4713, 0, 1, 1582, INT32_MAX}) {
        for (const HolidayFunction f : kHolidays) (void)f(year);
        EXPECT_TRUE(SameDate(lunar_new_year_day_holiday(year), kNull));
        EXPECT_TRUE(SameDate(christmas_day(year), Date{year, 12, 25}));
        const Date july1{year, 7, 1}, jan1{year, 1, 1};
        EXPECT_TRUE(SameDate(HKSAR_establishment_day_holiday(year), weekday(july1) == 0 ? Date{year, 7, 2} : july1));
        const bool in_range = jd(jan1) + 1 >= INT32_MIN && jd(jan1) + 1 <= INT32_MAX;
        const Date moved = in_range ? Date{year, 1, 2} : kNull;
        EXPECT_TRUE(SameDate(new_year_holiday(year), weekday(jan1) == 0 ? moved : jan1)) << year;
    }
}

}  // namespace
