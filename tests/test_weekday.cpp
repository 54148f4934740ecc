// The weekday index and the weekday searches, against the slow reference
// model and brute-force searches that step one day at a time.
#include <gtest/gtest.h>

#include <cstdint>
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

int32_t weekday(double jd) { return ref::true_weekday(jd); }

// ---- brute force: step one day at a time on the JD line ----------------------------

// The n-th `dow` from the date stepping by `step` (+1 or -1), the date
// itself counting.
Date brute_nth_from(int32_t n, int32_t dow, const Date& date, int32_t step) {
    double jd = ref::date_to_JD0(date);
    for (int32_t seen = 0;; jd += step) {
        if (weekday(jd) == dow && ++seen == n) return ref::JD0_to_date(jd);
    }
}

// The JDs of the days of a month with weekday `dow`, found by stepping from
// its first day; with `whole_weekend`, only Saturdays whose Sunday is in the
// month too.
std::vector<double> days_in_month(int32_t dow, int32_t month, int32_t year, bool whole_weekend = false) {
    std::vector<double> days;
    for (double jd = ref::date_to_JD0(Date{year, month, 1}); ref::JD0_to_date(jd).month == month; ++jd) {
        if (weekday(jd) == dow && (!whole_weekend || ref::JD0_to_date(jd + 1).month == month)) days.push_back(jd);
    }
    return days;
}

Date nth_or_null(const std::vector<double>& days, int32_t n) {
    return n >= 1 && static_cast<size_t>(n) <= days.size() ? ref::JD0_to_date(days[static_cast<size_t>(n) - 1]) : kNull;
}

// The `dow` nearest the date, searching outward.
Date brute_closest(int32_t dow, const Date& date) {
    const double jd = ref::date_to_JD0(date);
    for (double d = 0;; ++d) {
        if (weekday(jd - d) == dow) return ref::JD0_to_date(jd - d);
        if (weekday(jd + d) == dow) return ref::JD0_to_date(jd + d);
    }
}

// The nearest `dow` composed from the two one-step searches and the
// distances read back through date_to_JD0; defined for any fields.
Date composed_closest(uint32_t dow, const Date& date) {
    const Date before = Nth_DOW_before_date(1, dow, &date);
    const double to_before = ref::date_to_JD0(date) - ref::date_to_JD0(before);
    if (to_before == 0) return before;
    const Date after = Nth_DOW_after_date(1, dow, &date);
    return ref::date_to_JD0(after) - ref::date_to_JD0(date) > to_before ? before : after;
}

// ---- weekday index -------------------------------------------------------------------

TEST(WeekdayIndex, KnownDays) {
    const Date d2000{2000, 1, 1}, last_julian{1582, 10, 4}, first_gregorian{1582, 10, 15};
    EXPECT_EQ(day_of_week_index(&d2000), 6);
    EXPECT_EQ(day_of_week_index_JD0(date_to_JD0(&last_julian)), 4);
    EXPECT_EQ(day_of_week_index(&last_julian), 1);
    EXPECT_EQ(day_of_week_index_JD0(date_to_JD0(&first_gregorian)), 5);
    EXPECT_EQ(day_of_week_index(&first_gregorian), 5);
}

// The congruence and the JD form agree on every Gregorian date up to
// 4599-12-31; on Julian dates of the years 1 to 1582 the JD form is the
// congruence plus c - c / 4 - 2 (c the century of the March-based year).
TEST(WeekdayIndex, BothFormsOverTheirYears) {
    const Date first{1, 1, 1}, last{4599, 12, 31};
    for (double jd = date_to_JD0(&first); jd <= date_to_JD0(&last); ++jd) {
        const Date d = JD0_to_date(jd);
        int32_t want = day_of_week_index(&d);
        if (jd < 2299161) {  // 1582-10-15
            const int32_t c = (d.month <= 2 ? d.year - 1 : d.year) / 100;
            want = ((want + c - c / 4 - 2) % 7 + 7) % 7;
        }
        ASSERT_EQ(day_of_week_index_JD0(jd), want) << d.year << "-" << d.month << "-" << d.day;
    }
}

TEST(WeekdayIndex, IsDayOfWeekReadsDowModulo7) {
    const Date sunday{2000, 1, 2}, saturday{2000, 1, 1};
    EXPECT_EQ(is_day_of_week(&sunday, 7), 1);
    EXPECT_EQ(is_day_of_week(&sunday, -7), 1);
    EXPECT_EQ(is_day_of_week(&saturday, -1), 0);
    for (double jd = 2451540; jd < 2451554; ++jd) {
        const Date d = JD0_to_date(jd);
        std::vector<int32_t> dows = {INT32_MIN, INT32_MAX};
        for (int32_t dow = -30; dow <= 30; ++dow) dows.push_back(dow);
        for (const int32_t dow : dows) ASSERT_EQ(is_day_of_week(&d, dow), ref::is_day_of_week(d, dow)) << dow;
    }
}

// ---- weekday searches -----------------------------------------------------------------

TEST(WeekdaySearch, KnownDays) {
    const Date d2000{2000, 1, 1}, wed{2000, 1, 5}, thu{2000, 1, 6}, sun{2000, 1, 2};
    EXPECT_TRUE(SameDate(Nth_DOW_after_date(2, 6, &d2000), Date{2000, 1, 8}));
    EXPECT_TRUE(SameDate(Nth_DOW_after_date(100, 6, &d2000), Date{2001, 11, 24}));
    EXPECT_TRUE(SameDate(Nth_DOW_before_date(1, 0, &d2000), Date{1999, 12, 26}));
    EXPECT_TRUE(SameDate(DOW_closest_to_date(0, &wed), Date{2000, 1, 2}));
    EXPECT_TRUE(SameDate(DOW_closest_to_date(0, &thu), Date{2000, 1, 9}));
    EXPECT_TRUE(SameDate(DOW_closest_to_date(0, &sun), Date{2000, 1, 2}));
    EXPECT_TRUE(SameDate(Nth_DOW_of_month(5, 1, 2, 2024), kNull));
    EXPECT_EQ(number_of_DOWs_in_month(4, 2, 2024), 5);
    EXPECT_TRUE(SameDate(Nth_full_weekend(5, 10, 2020), kNull));
    EXPECT_TRUE(SameDate(Nth_full_weekend(4, 10, 2020), Date{2020, 10, 24}));
    // October 1582: Monday the 1st to Thursday the 4th, then Friday the 15th on.
    EXPECT_TRUE(SameDate(Nth_DOW_of_month(1, 5, 10, 1582), Date{1582, 10, 15}));
    EXPECT_TRUE(SameDate(Nth_DOW_of_month(2, 1, 10, 1582), Date{1582, 10, 18}));
    EXPECT_TRUE(SameDate(Nth_DOW_of_month(4, 1, 10, 1582), kNull));
    for (uint32_t dow = 0; dow <= 6; ++dow) EXPECT_EQ(number_of_DOWs_in_month(dow, 10, 1582), 3);
    const Date skipped{1582, 10, 10};  // counts as 1582-10-15
    EXPECT_TRUE(SameDate(Nth_DOW_before_date(1, 4, &skipped), Date{1582, 10, 4}));
}

// Every month of years around the cut-over, far back and recent, every
// weekday and n from 0 to 6, against scanning the month.
TEST(WeekdaySearch, MonthSearchesMatchBruteForce) {
    std::vector<int32_t> years = {-4713, -1, 0, 1, 4, 100, 1000, 1500, 1700, 1900, 2100, 2400, 4599};
    for (int32_t y = 1578; y <= 1586; ++y) years.push_back(y);
    for (int32_t y = 2000; y <= 2030; ++y) years.push_back(y);
    for (const int32_t year : years) {
        for (int32_t month = 1; month <= 12; ++month) {
            for (int32_t n = 0; n <= 6; ++n) {
                const Date weekend = n <= 5 ? nth_or_null(days_in_month(6, month, year, true), n) : kNull;
                ASSERT_TRUE(SameDate(Nth_full_weekend(n, month, year), weekend)) << year << "-" << month;
                for (uint32_t dow = 0; dow <= 6; ++dow) {
                    const std::vector<double> days = days_in_month(static_cast<int32_t>(dow), month, year);
                    const Date want = n <= 5 ? nth_or_null(days, n) : kNull;
                    ASSERT_TRUE(SameDate(Nth_DOW_of_month(n, dow, month, year), want)) << year << "-" << month;
                    if (n == 0) {
                        ASSERT_EQ(number_of_DOWs_in_month(dow, month, year), static_cast<int32_t>(days.size()));
                    }
                }
            }
        }
    }
}

// Every day of stretches crossing month and year ends and the cut-over,
// every weekday, against stepping one day at a time.
TEST(WeekdaySearch, DateSearchesMatchBruteForce) {
    const std::pair<Date, int32_t> stretches[] = {
        {{1582, 9, 1}, 120}, {{1999, 12, 1}, 100}, {{2024, 2, 1}, 60}, {{1, 1, 1}, 40}, {{-4713, 12, 1}, 62}};
    for (const auto& [start, days] : stretches) {
        for (int32_t i = 0; i < days; ++i) {
            const Date date = ref::JD0_to_date(ref::date_to_JD0(start) + i);
            for (uint32_t dow = 0; dow <= 6; ++dow) {
                const auto d = static_cast<int32_t>(dow);
                for (const int32_t n : {1, 2, 3, 5, 9}) {
                    ASSERT_TRUE(SameDate(Nth_DOW_after_date(n, dow, &date), brute_nth_from(n, d, date, 1)));
                    ASSERT_TRUE(SameDate(Nth_DOW_before_date(n, dow, &date), brute_nth_from(n, d, date, -1)));
                }
                ASSERT_TRUE(SameDate(DOW_closest_to_date(dow, &date), brute_closest(d, date)));
            }
        }
    }
}

TEST(WeekdaySearch, ArgumentsOutOfRangeGiveTheNullDate) {
    const Date d{2000, 1, 15};
    for (const uint32_t dow : {7u, 0x80000000u, UINT32_MAX}) {
        EXPECT_TRUE(SameDate(Nth_DOW_after_date(1, dow, &d), kNull));
        EXPECT_TRUE(SameDate(Nth_DOW_before_date(1, dow, &d), kNull));
        EXPECT_TRUE(SameDate(Nth_DOW_of_month(1, dow, 1, 2000), kNull));
        EXPECT_TRUE(SameDate(DOW_closest_to_date(dow, &d), kNull));
        EXPECT_EQ(number_of_DOWs_in_month(dow, 1, 2000), 0);
    }
    for (const int32_t n : {0, -1, INT32_MIN}) {
        EXPECT_TRUE(SameDate(Nth_DOW_after_date(n, 0, &d), kNull));
        EXPECT_TRUE(SameDate(Nth_DOW_before_date(n, 0, &d), kNull));
    }
    for (const int32_t month : {0, 13, -1, INT32_MIN, INT32_MAX}) {
        const Date bad{2000, month, 1};
        EXPECT_TRUE(SameDate(Nth_DOW_after_date(1, 0, &bad), kNull));
        EXPECT_TRUE(SameDate(Nth_DOW_before_date(1, 0, &bad), kNull));
        EXPECT_TRUE(SameDate(DOW_closest_to_date(0, &bad), kNull));
        EXPECT_TRUE(SameDate(Nth_DOW_of_month(1, 0, month, 2000), kNull));
        EXPECT_TRUE(SameDate(Nth_full_weekend(1, month, 2000), kNull));
        EXPECT_EQ(number_of_DOWs_in_month(0, month, 2000), 0);
    }
    // Months whose JDs lie outside int32 have no weekdays to find.
    EXPECT_TRUE(SameDate(Nth_DOW_of_month(1, 0, 1, INT32_MAX), kNull));
    EXPECT_EQ(number_of_DOWs_in_month(0, 1, INT32_MAX), 0);
    EXPECT_TRUE(SameDate(Nth_full_weekend(1, 1, INT32_MIN), kNull));
}

// 7 * (n - 1) is exact for every n, and a result beyond the int32 JD range
// is the null date.
TEST(WeekdaySearch, HugeN) {
    const Date d2000{2000, 1, 1};  // a Saturday, JD 2451545
    const int32_t last_n = (INT32_MAX - 2451545) / 7 + 1;
    const Date last = Nth_DOW_after_date(last_n, 6, &d2000);
    EXPECT_TRUE(SameDate(last, ref::JD0_to_date(2451545.0 + 7.0 * (last_n - 1))));
    EXPECT_NE(last.year, 0);
    EXPECT_TRUE(SameDate(Nth_DOW_after_date(last_n + 1, 6, &d2000), kNull));
    EXPECT_TRUE(SameDate(Nth_DOW_after_date(INT32_MAX, 6, &d2000), kNull));
    EXPECT_TRUE(SameDate(Nth_DOW_before_date(INT32_MAX, 6, &d2000), kNull));
    const Date top = ref::JD0_to_date(2147483000.0);  // back from near the top to near the bottom
    const auto dow = static_cast<uint32_t>(weekday(2147483000.0));
    EXPECT_TRUE(SameDate(Nth_DOW_before_date(306783379, dow, &top), ref::JD0_to_date(2147483000.0 - 7.0 * 306783378)));
}

// Fields far out of range, days running on, and dates at the ends of the
// int32 JD range: the one-step searches step from the date's JD, and the
// nearest weekday is their composition even where one falls off the range.
// (Integer counters: clang turns a double counter ending at 2^31 - 1 into a
// 32-bit one that never ends.)
TEST(WeekdaySearch, HostileFieldsAndTheEndsOfTheRange) {
    std::vector<Date> dates;
    for (const int32_t year : {INT32_MIN, -4713, 0, 1582, 2000, INT32_MAX}) {
        for (const int32_t day : {INT32_MIN, -1, 0, 32, INT32_MAX}) {
            dates.push_back(Date{year, 1, day});
            dates.push_back(Date{year, 12, day});
        }
    }
    for (int64_t k = 0; k <= 10; ++k) {
        dates.push_back(ref::JD0_to_date(2147483647.0 - static_cast<double>(k)));
        dates.push_back(ref::JD0_to_date(-2147483648.0 + static_cast<double>(k)));
    }
    for (const Date& date : dates) {
        for (uint32_t dow = 0; dow <= 6; ++dow) {
            const auto d = static_cast<int32_t>(dow);
            ASSERT_TRUE(SameDate(Nth_DOW_after_date(1, dow, &date), brute_nth_from(1, d, date, 1)));
            ASSERT_TRUE(SameDate(Nth_DOW_before_date(1, dow, &date), brute_nth_from(1, d, date, -1)));
            ASSERT_TRUE(SameDate(DOW_closest_to_date(dow, &date), composed_closest(dow, date)));
        }
    }
}

}  // namespace
