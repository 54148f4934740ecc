// The Observatory's lunar calendar against published facts (new years and
// leap months), the classic library's independent 1936-2031 table, and
// itself (every day of 1901-2100 there and back).
#include <gtest/gtest.h>

#include <algorithm>

#include "hkcal.h"
#include "hkcal_hk.h"

namespace {

bool same(const Date& a, const Date& b) { return a.year == b.year && a.month == b.month && a.day == b.day; }

// Lunar new years and leap months as the Observatory's yearly calendars give them.
TEST(HkLunar, PublishedNewYearsAndLeapMonths) {
    const Date new_years[] = {{1901, 2, 19}, {1912, 2, 18}, {1916, 2, 3}, {1949, 1, 29}, {1985, 2, 20}, {1997, 2, 7},
                              {2000, 2, 5},  {2020, 1, 25}, {2024, 2, 10}, {2025, 1, 29}, {2033, 1, 31},
                              {2050, 1, 23}, {2100, 2, 9}};
    for (const Date& d : new_years) {
        Date got{};
        ASSERT_EQ(hk_lunar_new_year(d.year, &got), HK_OK);
        EXPECT_TRUE(same(got, d)) << d.year;
    }
    const int32_t leaps[][2] = {{2001, 4}, {2004, 2}, {2006, 7}, {2009, 5}, {2012, 4}, {2014, 9}, {2017, 6},
                                {2020, 4}, {2023, 2}, {2025, 6}, {2028, 5}, {2031, 3}, {2033, 11}, {2034, 0}};
    for (const auto& l : leaps) {
        int32_t got = -1;
        ASSERT_EQ(hk_lunar_leap_month(l[0], &got), HK_OK);
        EXPECT_EQ(got, l[1]) << l[0];
    }
}

// The months whose first day the classic table puts a day off the
// Observatory's: each new moon within 8 minutes of a Hong Kong midnight
// (1989-08-02 00:05, 2013-06-08 23:56, 2019-03-07 00:03, 2023-05-19 23:53,
// 2030-02-03 00:07), the Observatory's day being the one of the new moon.
constexpr Date kClassicOff[] = {{1989, 8, 2}, {2013, 6, 8}, {2019, 3, 7}, {2023, 5, 19}, {2030, 2, 3}};

// Every day from the first to the last covered: the lunar date goes back to
// the same day, follows the day before (next day, or day 1 of the next month
// after a 29- or 30-day month), and agrees with the classic table on 1936-2031.
TEST(HkLunar, EveryDayRoundTripsAndAgreesWithTheClassicTable) {
    Date first{}, last{}, none{}, classic_first{}, classic_last{};
    ASSERT_EQ(hk_coverage(HK_COVERS_LUNAR, nullptr, nullptr, &first, &last), HK_OK);
    ASSERT_TRUE(same(first, Date{1901, 2, 19}) && same(last, Date{2101, 1, 28}));
    // The covered days of both tables are exactly the days each converts.
    const Date before = JD0_to_date(date_to_JD0(&first) - 1), after = JD0_to_date(date_to_JD0(&last) + 1);
    EXPECT_TRUE(hk_date_to_lunar(&before, &none) == HK_ERANGE && hk_date_to_lunar(&after, &none) == HK_ERANGE);
    ASSERT_EQ(hk_coverage(HK_COVERS_CLASSIC_LUNAR, nullptr, nullptr, &classic_first, &classic_last), HK_OK);
    for (const double jd : {date_to_JD0(&classic_first) - 1, date_to_JD0(&classic_last) + 1}) {
        const Date outside = JD0_to_date(jd);
        EXPECT_TRUE(date_to_chinese(&outside).month == 0 && date_to_chinese(&classic_first).month != 0 &&
                    date_to_chinese(&classic_last).month != 0) << jd;
    }
    Date previous{1900, 12, 30};
    for (double jd = date_to_JD0(&first); jd <= date_to_JD0(&last); ++jd) {
        const Date date = JD0_to_date(jd);
        Date lunar{}, back{};
        ASSERT_EQ(hk_date_to_lunar(&date, &lunar), HK_OK) << jd;
        ASSERT_EQ(hk_lunar_to_date(&lunar, &back), HK_OK) << jd;
        ASSERT_TRUE(same(back, date)) << jd;
        if (lunar.day == 1) {
            int32_t days = 0;
            if (previous.year >= HK_LUNAR_FIRST_YEAR) {
                ASSERT_EQ(hk_lunar_month_days(previous.year, previous.month, &days), HK_OK);
                ASSERT_EQ(previous.day, days) << jd;
            }
            ASSERT_TRUE(days == 0 || days == 29 || days == 30);
        } else {
            ASSERT_TRUE(lunar.year == previous.year && lunar.month == previous.month && lunar.day == previous.day + 1);
        }
        if (lunar.day == 1 && date.year >= 1937 && date.year <= 2031) {
            bool off = std::ranges::any_of(kClassicOff, [&](const Date& d) { return same(d, date); });
            EXPECT_EQ(same(lunar, date_to_chinese(&date)), !off) << date.year << "-" << date.month << "-" << date.day;
        }
        previous = lunar;
    }
}

}  // namespace
