// Published and documented facts, each family in one table: the leap rules
// and the cut-over, JD0s and day numbers, the packed form, day, month, year
// and weekday steps at their edges, weekday searches at the int32 ends,
// the lunar table's ends, and Hong Kong holidays of years
// chosen for their Sunday rules.
#include <array>
#include <cmath>
#include <cstdint>
#include <tuple>
#include <utility>

#include "test_support.hpp"

namespace {

using model::kNull;
constexpr uint8_t kMondayToFriday = 0x3E;

// The leap rules, the cut-over and the range ends, pinned; everything else
// is compared with the model.
TEST(Rules, Pinned) {
    // year: leap_year, days_in_year, days in February, days in October
    const std::pair<int32_t, std::array<int32_t, 4>> years[] = {
        {1500, {1, 366, 29, 31}}, {1582, {0, 365, 28, 21}}, {1600, {1, 366, 29, 31}},
        {1700, {0, 365, 28, 31}}, {0, {1, 366, 29, 31}},    {-1, {0, 365, 28, 31}}};
    for (const auto& [y, want] : years) {
        std::array got{leap_year(y), days_in_year(y), days_in_month_for_year(y, 2), days_in_month_for_year(y, 10)};
        EXPECT_EQ(got, want) << y;
    }
    const std::pair<Date, int32_t> valid[] = {
        {{1582, 10, 4}, 1}, {{1582, 10, 5}, 0}, {{1582, 10, 14}, 0},      {{1582, 10, 15}, 1}, {{2001, 4, 31}, 0},
        {{2001, 13, 1}, 0}, {{2001, 1, 0}, 0},  {{INT32_MAX, 12, 31}, 1}, {{INT32_MIN, 2, 29}, 1}};
    for (const auto& [date, want] : valid) EXPECT_EQ(valid_date(&date), want) << date;
    EXPECT_EQ(make_date(INT32_MIN, -5, INT32_MAX), (Date{INT32_MIN, -5, INT32_MAX}));
}

// The anchors of the JD line and of day numbers (1582 has 355, 1500 was a
// leap year, 1700 was not) and the documented choices at the cut-over.
TEST(JulianDay, Pinned) {
    // date, its JD0, its day number
    const std::tuple<Date, double, int32_t> cases[] = {
        {{2000, 1, 1}, 2451545, 1},      {{2000, 12, 31}, 2451910, 366}, {{1582, 10, 4}, 2299160, 277},
        {{1582, 10, 15}, 2299161, 278}, {{1582, 12, 31}, 2299238, 355}, {{1500, 3, 1}, 2268993, 61},
        {{1700, 3, 1}, 2342032, 60},    {{-4712, 1, 1}, 0, 1},          {{-4713, 12, 31}, -1, 365}};
    for (const auto& [date, jd, n] : cases) {
        EXPECT_EQ(date_to_JD0(&date), jd) << date;
        EXPECT_EQ(JD0_to_date(jd), date) << date;
        EXPECT_EQ(date_to_day_number(&date), n) << date;
        EXPECT_EQ(day_number_to_date(date.year, n), date) << date;
    }
    const Date dropped{1582, 10, 10};  // the ten dropped days count as 1582-10-15 and have no day number
    EXPECT_EQ(date_to_JD0(&dropped), 2299161);
    EXPECT_EQ(date_to_day_number(&dropped), 0);
    for (const auto& [year, n] : {std::pair{1582, 356}, {1700, 366}, {2000, 0}, {2000, 367}})
        EXPECT_EQ(day_number_to_date(year, n), (Date{year, 0, 0})) << year << " " << n;
    EXPECT_EQ(JD0_to_date(2299160.9), (Date{1582, 10, 4}));   // the truncated value picks the calendar
    EXPECT_EQ(JD0_to_date(-0.5), (Date{-4713, 12, 31}));      // the Julian side floors
    EXPECT_EQ(JD0_to_julian(2451545), (Date{1999, 12, 19}));  // Julian beyond 1582: 13 days behind in 2000
    for (const auto& [year, jd] : {std::pair{1583, 2299238.0}, {2000, 2451544.0}})
        EXPECT_EQ(year_to_jan_0_JD0(year), jd) << year;
}

// The packed form: a negative year negates the whole, the sum wraps modulo
// 2^32, INT32_MIN unpacks as 2^31, and a year 0 cannot carry a sign.
TEST(Packed, Pinned) {
    const std::pair<Date, int32_t> both_ways[] = {{{2024, 2, 29}, 20240229},     {{-44, 3, 15}, -440315},
                                                  {{2000, 13, 40}, 20001340},    {{214748, 36, 47}, INT32_MAX},
                                                  {{-214748, 36, 48}, INT32_MIN}};
    for (const auto& [date, packed] : both_ways) {
        EXPECT_EQ(date_to_long(&date), packed) << date;
        EXPECT_EQ(long_to_date(packed), date) << packed;
    }
    const Date wraps{214748, 36, 48};
    EXPECT_EQ(date_to_long(&wraps), INT32_MIN);
    EXPECT_EQ(long_to_date(-1231), (Date{0, 12, 31}));
}

// Days: across the cut-over, fractions rounded (Gregorian) or floored
// (Julian), and the null date where the sum is not finite or leaves int32.
TEST(Days, Pinned) {
    const Date oct4{1582, 10, 4}, oct15{1582, 10, 15}, y2k{2000, 1, 1}, last{INT32_MAX, 12, 31};
    // n, from, to: 2451546.5 rounds up; 0.9 and -0.1 are floored on the Julian side
    const std::tuple<double, Date, Date> cases[] = {
        {1, oct4, oct15},            {-1, oct15, oct4},   {1.5, y2k, {2000, 1, 3}}, {0.9, oct4, oct4},
        {-0.1, oct4, {1582, 10, 3}}, {0, last, kNull},    {NAN, y2k, kNull},        {INFINITY, y2k, kNull},
        {-INFINITY, y2k, kNull},     {1e300, y2k, kNull}, {-1e300, y2k, kNull},     {3e9, y2k, kNull},
        {-3e9, y2k, kNull}};
    for (const auto& [n, from, to] : cases) {
        EXPECT_EQ(date_N_days_after_date(n, &from), to) << n << " " << from;
        EXPECT_EQ(date_N_days_before_date(-n, &from), to) << n << " " << from;
    }
    EXPECT_EQ(days_between_dates(&oct15, &oct4), 1);
}

// n months (true) or years (false) later: the day clamped to the target
// month (October 1582 has 21 days), fields out of range run on, sums wrap.
TEST(MonthsAndYears, Pinned) {
    const std::tuple<bool, int32_t, Date, Date> cases[] = {
        {true, 1, {2000, 1, 31}, {2000, 2, 29}},    {true, -13, {2000, 1, 15}, {1998, 12, 15}},
        {true, 0, {1582, 10, 25}, {1582, 10, 21}},  {true, 1, {1582, 9, 10}, {1582, 10, 10}},
        {true, 0, {2000, 13, 40}, {2001, 1, 31}},   {true, 0, {2000, 2, -7}, {2000, 2, -7}},
        {true, INT32_MIN, {2000, 1, 1}, {-178954971, 5, 1}}, {true, 1, {INT32_MAX, 12, 31}, {INT32_MIN, 1, 31}},
        {false, 1, {2000, 2, 29}, {2001, 2, 28}},   {false, -100, {1600, 2, 29}, {1500, 2, 29}},
        {false, 0, {2000, 13, 5}, {2000, 13, 0}},   {false, 1, {INT32_MAX, 1, 1}, {INT32_MIN, 1, 1}}};
    for (const auto& [months, n, from, to] : cases)
        EXPECT_EQ(months ? add_month(n, &from) : add_year(n, &from), to) << n << " " << from;
}

// Counted weekdays: the start day is not counted, |n| / k whole weeks keep
// the weekday, nothing to count leaves the date, the true weekday below JD
// -1, a result beyond int32 is null.
TEST(CountedDays, Pinned) {
    const std::tuple<int32_t, uint8_t, Date, Date> cases[] = {
        {1, kMondayToFriday, {2000, 1, 7}, {2000, 1, 10}},               // Friday to Monday
        {6, kMondayToFriday, {2000, 1, 8}, {2000, 1, 17}},               // Saturday: a week and a day
        {1, 0x01, {2000, 1, 1}, {2000, 1, 8}},                           // one whole week: still Saturday
        {0, kMondayToFriday, {INT32_MIN, 99, -5}, {INT32_MIN, 99, -5}},  // n == 0
        {3, 0x80, {2000, 1, 8}, {2000, 1, 8}},                           // no weekday bit
        {1, kMondayToFriday | 0x80, {1582, 10, 4}, {1582, 10, 15}},      // Thursday to Friday across the cut-over
        {-3, kMondayToFriday, {-4712, 1, 2}, {-4713, 12, 28}},           // Tuesday, below JD -1
        {INT32_MIN, 0x01, {2000, 1, 1}, kNull},                          // 2^31 weeks back
        {INT32_MAX, 0x7F, {-4712, 1, 1}, {5874898, 6, 3}}};              // JD 2^31 - 1
    for (const auto& [n, flags, from, to] : cases)
        EXPECT_EQ(add_day_with_weekday_flag(n, flags, &from), to) << n << " " << int{flags} << " " << from;
}

// 7 * (n - 1) is exact for every n, and a result beyond the int32 JD range
// is the null date.
TEST(WeekdaySearch, HugeN) {
    const Date d2000{2000, 1, 1};  // a Saturday, JD 2451545
    const int32_t last_n = (INT32_MAX - 2451545) / 7 + 1;
    EXPECT_EQ(Nth_DOW_after_date(last_n, 6, &d2000), model::JD0_to_date(2451545.0 + 7.0 * (last_n - 1)));
    EXPECT_EQ(Nth_DOW_after_date(last_n + 1, 6, &d2000), kNull);
    EXPECT_EQ(Nth_DOW_after_date(INT32_MAX, 6, &d2000), kNull);
    EXPECT_EQ(Nth_DOW_before_date(INT32_MAX, 6, &d2000), kNull);
    const Date top = model::JD0_to_date(2147483000.0);  // back from near the top to near the bottom
    const auto dow = static_cast<uint32_t>(model::weekday(2147483000.0));
    EXPECT_EQ(Nth_DOW_before_date(306783379, dow, &top), model::JD0_to_date(2147483000.0 - 7.0 * 306783378));
}

// The ends of the lunar table. (Its leap months and new years are checked
// against the Observatory's calendar, day by day, in test_hk_lunar.cpp.)
TEST(Lunar, TableEnds) {
    const Date first{1936, 1, 24}, last{2031, 12, 31}, last_lunar{2031, 12, 29};
    EXPECT_EQ(date_to_chinese(&first), (Date{1936, 1, 1}));
    EXPECT_EQ(date_to_chinese(&last), (Date{2031, 11, 18}));
    EXPECT_EQ(chinese_to_date(&last_lunar), (Date{2032, 2, 10}));
}

using HolidayFunction = Date (*)(int32_t);

// The table's columns.
const HolidayFunction kHolidays[19] = {
    new_year_holiday, lunar_new_year_day, lunar_new_year_day_holiday, lunar_new_year_day_2_holiday,
    lunar_new_year_day_3_holiday, birthday_of_the_buddha, birthday_of_the_buddha_holiday, labour_day_holiday,
    tuen_ng_festival, tuen_ng_festival_holiday, HKSAR_establishment_day_holiday, chinese_mid_autumn_festival,
    chinese_mid_autumn_festival_holiday, national_day_holiday, chung_yeung_festival, chung_yeung_festival_holiday,
    christmas_day_holiday, christmas_day_2_holiday, remembrance_day,
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

}  // namespace
