// Easter against independent computus algorithms, and the Hong Kong public
// holidays: a table of years chosen for their Sunday rules, and the rules'
// properties over many years.
#include <cstdint>
#include <vector>

#include "test_support.hpp"

namespace {

using namespace test;

int64_t floor_mod(int64_t a, int64_t b) { return ((a % b) + b) % b; }

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

// Both computi against the independent algorithms: Julian up to 1582
// (negative years continue the 532-year cycle by floored remainders),
// Gregorian from 1583, exact (64-bit) out to both ends of int32. Each result
// is a Sunday, and the days around it come back through the JD line, null
// beyond the int32 JD range: 5874898 has the last Good Friday, -5884203 no
// Easter Monday.
TEST(Easter, MatchesIndependentAlgorithms) {
    std::vector<int32_t> years = {INT32_MIN, -100000000, -5884203, -5884202, 5874898, 5874899,
                                  429496729, 429496730,  1000000007, INT32_MAX};
    for (int32_t y = -5000; y <= 4999; ++y) years.push_back(y);
    for (int32_t y = 5000; y < INT32_MAX - 7777777; y += 7777777) years.push_back(y);
    for (const int32_t year : years) {
        const Date e = easter(year);
        ASSERT_EQ(e, year <= 1582 ? meeus_julian_easter(year) : mjb_easter(year)) << year;
        ASSERT_EQ(weekday(e), 0) << year;
        ASSERT_EQ(good_friday(year), plus_days(e, -2)) << year;
        ASSERT_EQ(good_friday_2_holiday(year), plus_days(e, -1)) << year;
        ASSERT_EQ(easter_monday(year), plus_days(e, 1)) << year;
    }
}

using HolidayFunction = Date (*)(int32_t);

// The 25 functions: first the table's 19 columns, then the days the yearly
// sweep pins on its own.
const HolidayFunction kHolidays[25] = {
    new_year_holiday, lunar_new_year_day, lunar_new_year_day_holiday, lunar_new_year_day_2_holiday,
    lunar_new_year_day_3_holiday, birthday_of_the_buddha, birthday_of_the_buddha_holiday, labour_day_holiday,
    tuen_ng_festival, tuen_ng_festival_holiday, HKSAR_establishment_day_holiday, chinese_mid_autumn_festival,
    chinese_mid_autumn_festival_holiday, national_day_holiday, chung_yeung_festival, chung_yeung_festival_holiday,
    christmas_day_holiday, christmas_day_2_holiday, remembrance_day, sino_japanese_war_victory_day, new_year,
    labour_day, HKSAR_establishment_day, national_day, christmas_day,
};

// Each row a year, then its holidays and lunar festivals as month * 100 +
// day, in years in which the Sunday rules apply: 2008 lunar 5-5 on a Sunday;
// 2016 May 1, lunar 9-9 and December 25; 2017 January 1, October 1 and lunar
// 1-2; 2018 July 1; 2021 lunar 1-3 and December 26; 2022 lunar 4-8, May 1
// and December 25, lunar 8-15 on a Saturday; 2023 January 1, lunar 1-1 and
// October 1; 2024 lunar 1-2. (The table's lunar 2023 puts 4-8 on May 27.)
const int32_t kHolidayRows[][20] = {
    {2008, 101, 207, 207, 208, 209, 512, 512, 501, 608, 609, 701, 914, 915, 1001, 1007, 1007, 1225, 1226, 1109},
    {2016, 101, 208, 208, 209, 210, 514, 514, 502, 609, 609, 701, 915, 916, 1001, 1009, 1010, 1227, 1226, 1113},
    {2017, 102, 128, 128, 127, 130, 503, 503, 501, 530, 530, 701, 1004, 1005, 1002, 1028, 1028, 1225, 1226, 1112},
    {2018, 101, 216, 216, 217, 215, 522, 522, 501, 618, 618, 702, 924, 925, 1001, 1017, 1017, 1225, 1226, 1111},
    {2021, 101, 212, 212, 213, 211, 519, 519, 501, 614, 614, 701, 921, 922, 1001, 1014, 1014, 1225, 1227, 1114},
    {2022, 101, 201, 201, 202, 203, 508, 509, 502, 603, 603, 701, 910, 910, 1001, 1004, 1004, 1227, 1226, 1113},
    {2023, 102, 122, 121, 123, 124, 527, 527, 501, 622, 622, 701, 929, 930, 1002, 1023, 1023, 1225, 1226, 1112},
    {2024, 101, 210, 210, 209, 212, 515, 515, 501, 610, 610, 701, 917, 918, 1001, 1011, 1011, 1225, 1226, 1110},
};

TEST(HongKong, TableOfYears) {
    for (const auto& row : kHolidayRows) {
        for (int i = 1; i < 20; ++i) {
            EXPECT_EQ(kHolidays[i - 1](row[0]), (Date{row[0], row[i] / 100, row[i] % 100})) << "column " << i;
        }
    }
}

// Every year from 1 to 4999: a festival is its day of the Gregorian (or
// Julian) or lunar calendar; a holiday is the day `shift` days after it,
// moved by `move` days when that is a Sunday, and never a Sunday; the lunar
// festivals are null outside 1936-2031, and their holidays too.
TEST(HongKong, SundayRulesHoldEveryYear) {
    const struct { HolidayFunction holiday, festival; bool lunar; int32_t month, day, shift, move; } rules[] = {
        {new_year_holiday, new_year, false, 1, 1, 0, 1},
        {lunar_new_year_day_holiday, lunar_new_year_day, true, 1, 1, 0, -1},
        {lunar_new_year_day_2_holiday, lunar_new_year_day, true, 1, 1, 1, -2},  // back to the eve
        {lunar_new_year_day_3_holiday, lunar_new_year_day, true, 1, 1, 2, -3},
        {birthday_of_the_buddha_holiday, birthday_of_the_buddha, true, 4, 8, 0, 1},
        {labour_day_holiday, labour_day, false, 5, 1, 0, 1},
        {tuen_ng_festival_holiday, tuen_ng_festival, true, 5, 5, 0, 1},
        {HKSAR_establishment_day_holiday, HKSAR_establishment_day, false, 7, 1, 0, 1},
        {chinese_mid_autumn_festival_holiday, chinese_mid_autumn_festival, true, 8, 15, 1, -1},
        {national_day_holiday, national_day, false, 10, 1, 0, 1},
        {chung_yeung_festival_holiday, chung_yeung_festival, true, 9, 9, 0, 1},
        {christmas_day_holiday, christmas_day, false, 12, 25, 0, 2},
        {christmas_day_2_holiday, christmas_day, false, 12, 25, 1, 1},
    };
    for (int32_t year = 1; year <= 4999; ++year) {
        for (const auto& r : rules) {
            const Date fields{year, r.month, r.day}, festival = r.lunar ? chinese_to_date(&fields) : fields;
            const Date day = plus_days(festival, r.shift), holiday = weekday(day) == 0 ? plus_days(day, r.move) : day;
            ASSERT_EQ(r.festival(year), festival) << year;
            ASSERT_EQ(r.holiday(year), festival == kNull ? kNull : holiday) << year;
            ASSERT_TRUE(festival == kNull || weekday(holiday) != 0) << year;
        }
        // The Sunday of November 8-14 and the Monday of August 15-21.
        const Date nov8{year, 11, 8}, aug15{year, 8, 15};
        ASSERT_EQ(remembrance_day(year), plus_days(nov8, (7 - weekday(nov8)) % 7)) << year;
        ASSERT_EQ(sino_japanese_war_victory_day(year), plus_days(aug15, (8 - weekday(aug15)) % 7)) << year;
    }
}

// The extreme years (28 at each end, so every day falls on a Sunday in
// some): no undefined behaviour; fixed dates stand as given, a day moved on
// the JD line beyond the int32 JD range is the null date, one written into
// the day field is not; lunar festivals are null.
TEST(HongKong, ExtremeYears) {
    std::vector<int32_t> years = {-4713, 0, 1, 1582};
    for (int32_t k = 0; k < 28; ++k) years.insert(years.end(), {INT32_MIN + k, INT32_MAX - k});
    for (const int32_t year : years) {
        for (const HolidayFunction f : kHolidays) (void)f(year);
        const Date jan1{year, 1, 1}, july1{year, 7, 1}, dec26{year, 12, 26};
        EXPECT_EQ(lunar_new_year_day_holiday(year), kNull);
        EXPECT_EQ(christmas_day(year), (Date{year, 12, 25}));
        EXPECT_EQ(new_year_holiday(year), weekday(jan1) == 0 ? plus_days(jan1, 1) : jan1) << year;
        EXPECT_EQ(HKSAR_establishment_day_holiday(year), (weekday(july1) == 0 ? Date{year, 7, 2} : july1));
        EXPECT_EQ(christmas_day_2_holiday(year), (weekday(dec26) == 0 ? Date{year, 12, 27} : dec26));
    }
}

}  // namespace
