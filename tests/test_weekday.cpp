// The weekday index and the weekday searches, against the slow reference
// model and a brute-force search that steps one day at a time.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "hkcal.h"
#include "reference.hpp"

namespace {

::testing::AssertionResult SameDate(const Date& got, const Date& want) {
    if (ref::same(got, want)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << got.year << "-" << got.month << "-" << got.day << ", want "
                                         << want.year << "-" << want.month << "-" << want.day;
}

constexpr Date kNull{0, 0, 0};
constexpr double kFirstGregorianJD = 2299161;  // 1582-10-15

int32_t weekday(double jd) { return ref::true_weekday(jd); }

// ---- brute force: step one day at a time on the JD line ---------------------------

// The n-th `dow` from the date, stepping by `step` (+1 or -1), the date
// itself counting; n small.
Date brute_nth_from(int32_t n, int32_t dow, const Date& date, int32_t step) {
    double jd = ref::date_to_JD0(date);
    for (int32_t seen = 0;; jd += step) {
        if (weekday(jd) == dow && ++seen == n) return ref::JD0_to_date(jd);
    }
}

// The days of a month in order, found by stepping from its first day.
std::vector<double> days_of_month(int32_t month, int32_t year) {
    std::vector<double> days;
    for (double jd = ref::date_to_JD0(Date{year, month, 1}); ref::JD0_to_date(jd).month == month; ++jd) {
        days.push_back(jd);
    }
    return days;
}

Date brute_nth_of_month(int32_t n, int32_t dow, int32_t month, int32_t year) {
    int32_t seen = 0;
    for (const double jd : days_of_month(month, year)) {
        if (weekday(jd) == dow && ++seen == n) return ref::JD0_to_date(jd);
    }
    return kNull;
}

int32_t brute_count(int32_t dow, int32_t month, int32_t year) {
    int32_t count = 0;
    for (const double jd : days_of_month(month, year)) count += weekday(jd) == dow ? 1 : 0;
    return count;
}

// The Saturday of the n-th weekend lying wholly in the month.
Date brute_full_weekend(int32_t n, int32_t month, int32_t year) {
    int32_t seen = 0;
    for (const double jd : days_of_month(month, year)) {
        if (weekday(jd) == 6 && ref::JD0_to_date(jd + 1).month == month && ++seen == n) return ref::JD0_to_date(jd);
    }
    return kNull;
}

// The `dow` nearest the date, searching outward.
Date brute_closest(int32_t dow, const Date& date) {
    const double jd = ref::date_to_JD0(date);
    for (double d = 0;; ++d) {
        if (weekday(jd - d) == dow) return ref::JD0_to_date(jd - d);
        if (weekday(jd + d) == dow) return ref::JD0_to_date(jd + d);
    }
}

// The nearest `dow` composed from the two one-step searches, as the library
// defines it; valid for any fields.
Date composed_closest(uint32_t dow, const Date& date) {
    if (dow > 6) return kNull;
    const Date before = Nth_DOW_before_date(1, dow, &date);
    const double to_before = ref::date_to_JD0(date) - ref::date_to_JD0(before);
    if (to_before == 0) return before;
    const Date after = Nth_DOW_after_date(1, dow, &date);
    const double to_after = ref::date_to_JD0(after) - ref::date_to_JD0(date);
    return to_after > to_before ? before : after;
}

// ---- weekday index ------------------------------------------------------------------

TEST(WeekdayIndex, KnownDays) {
    const Date d2000{2000, 1, 1}, d2000b{2000, 1, 2}, last_julian{1582, 10, 4}, first_gregorian{1582, 10, 15};
    EXPECT_EQ(day_of_week_index(&d2000), 6);
    EXPECT_EQ(day_of_week_index_JD0(date_to_JD0(&d2000)), 6);
    EXPECT_EQ(day_of_week_index(&d2000b), 0);
    EXPECT_EQ(day_of_week_index_JD0(date_to_JD0(&last_julian)), 4);
    EXPECT_EQ(day_of_week_index(&last_julian), 1);
    EXPECT_EQ(day_of_week_index_JD0(date_to_JD0(&first_gregorian)), 5);
    EXPECT_EQ(day_of_week_index(&first_gregorian), 5);
}

// The congruence and the JD form agree on every Gregorian date up to 4599-12-31.
TEST(WeekdayIndex, BothFormsAgreeOnGregorianDates) {
    const Date last{4599, 12, 31};
    for (double jd = kFirstGregorianJD; jd <= date_to_JD0(&last); ++jd) {
        const Date d = JD0_to_date(jd);
        ASSERT_EQ(day_of_week_index(&d), day_of_week_index_JD0(jd)) << d.year << "-" << d.month << "-" << d.day;
    }
}

// For Julian dates of the years 1 to 1582 the JD form is the congruence plus
// c - c / 4 - 2 (c the century of the March-based year), modulo 7.
TEST(WeekdayIndex, JulianDatesDifferByTheCenturyOffset) {
    const Date first{1, 1, 1};
    for (double jd = date_to_JD0(&first); jd < kFirstGregorianJD; ++jd) {
        const Date d = JD0_to_date(jd);
        const int32_t y = d.month <= 2 ? d.year - 1 : d.year;
        const int32_t c = y / 100;
        const int32_t want = ((day_of_week_index(&d) + c - c / 4 - 2) % 7 + 7) % 7;
        ASSERT_EQ(day_of_week_index_JD0(jd), want) << d.year << "-" << d.month << "-" << d.day;
    }
    const Date late_julian{1500, 3, 1};
    EXPECT_EQ(day_of_week_index_JD0(date_to_JD0(&late_julian)), (day_of_week_index(&late_julian) + 3) % 7);
}

TEST(WeekdayIndex, IsDayOfWeekReadsDowModulo7) {
    const Date sunday{2000, 1, 2}, saturday{2000, 1, 1};
    EXPECT_EQ(is_day_of_week(&sunday, 7), 1);
    EXPECT_EQ(is_day_of_week(&sunday, 14), 1);
    EXPECT_EQ(is_day_of_week(&sunday, -7), 1);
    EXPECT_EQ(is_day_of_week(&saturday, -1), 0);
    const std::vector<int32_t> extremes = {INT32_MIN, INT32_MIN + 1, INT32_MAX - 1, INT32_MAX};
    for (double jd = 2451540; jd < 2451560; ++jd) {
        const Date d = JD0_to_date(jd);
        for (int32_t dow = -30; dow <= 30; ++dow) ASSERT_EQ(is_day_of_week(&d, dow), ref::is_day_of_week(d, dow)) << dow;
        for (const int32_t dow : extremes) ASSERT_EQ(is_day_of_week(&d, dow), ref::is_day_of_week(d, dow)) << dow;
        // A negative dow matches no date from JD -1 on.
        for (int32_t dow = -6; dow <= -1; ++dow) EXPECT_EQ(is_day_of_week(&d, dow), 0);
    }
}

// ---- weekday searches -------------------------------------------------------------

TEST(WeekdaySearch, KnownDays) {
    const Date d2000{2000, 1, 1};
    EXPECT_TRUE(SameDate(Nth_DOW_after_date(1, 6, &d2000), Date{2000, 1, 1}));
    EXPECT_TRUE(SameDate(Nth_DOW_after_date(2, 6, &d2000), Date{2000, 1, 8}));
    EXPECT_TRUE(SameDate(Nth_DOW_after_date(100, 6, &d2000), Date{2001, 11, 24}));
    EXPECT_TRUE(SameDate(Nth_DOW_before_date(1, 0, &d2000), Date{1999, 12, 26}));
    const Date wed{2000, 1, 5}, thu{2000, 1, 6}, sun{2000, 1, 2};
    EXPECT_TRUE(SameDate(DOW_closest_to_date(0, &wed), Date{2000, 1, 2}));
    EXPECT_TRUE(SameDate(DOW_closest_to_date(0, &thu), Date{2000, 1, 9}));
    EXPECT_TRUE(SameDate(DOW_closest_to_date(0, &sun), Date{2000, 1, 2}));
    EXPECT_TRUE(SameDate(Nth_DOW_of_month(5, 1, 1, 2024), Date{2024, 1, 29}));
    EXPECT_TRUE(SameDate(Nth_DOW_of_month(5, 1, 2, 2024), kNull));
    EXPECT_EQ(number_of_DOWs_in_month(1, 1, 2024), 5);
    EXPECT_EQ(number_of_DOWs_in_month(1, 2, 2024), 4);
    EXPECT_EQ(number_of_DOWs_in_month(4, 2, 2024), 5);
    EXPECT_TRUE(SameDate(Nth_full_weekend(5, 10, 2020), kNull));
    EXPECT_TRUE(SameDate(Nth_full_weekend(4, 10, 2020), Date{2020, 10, 24}));
    EXPECT_TRUE(SameDate(Nth_full_weekend(1, 8, 2020), Date{2020, 8, 1}));
}

// October 1582 ran from Monday the 1st to Thursday the 4th, then from Friday
// the 15th: 21 days, three of each weekday.
TEST(WeekdaySearch, October1582) {
    EXPECT_TRUE(SameDate(Nth_DOW_of_month(1, 5, 10, 1582), Date{1582, 10, 15}));
    EXPECT_TRUE(SameDate(Nth_DOW_of_month(1, 1, 10, 1582), Date{1582, 10, 1}));
    EXPECT_TRUE(SameDate(Nth_DOW_of_month(2, 1, 10, 1582), Date{1582, 10, 18}));
    EXPECT_TRUE(SameDate(Nth_DOW_of_month(4, 1, 10, 1582), kNull));
    for (uint32_t dow = 0; dow <= 6; ++dow) EXPECT_EQ(number_of_DOWs_in_month(dow, 10, 1582), 3);
    const Date last_julian{1582, 10, 4}, first_gregorian{1582, 10, 15}, skipped{1582, 10, 10};
    EXPECT_TRUE(SameDate(Nth_DOW_after_date(1, 5, &last_julian), Date{1582, 10, 15}));
    EXPECT_TRUE(SameDate(Nth_DOW_before_date(1, 4, &first_gregorian), Date{1582, 10, 4}));
    // The skipped days count as 1582-10-15.
    EXPECT_TRUE(SameDate(Nth_DOW_after_date(1, 5, &skipped), Date{1582, 10, 15}));
    EXPECT_TRUE(SameDate(Nth_full_weekend(1, 10, 1582), Date{1582, 10, 16}));
}

// Every month of years around the cut-over and of recent years, every
// weekday and n from 0 to 6, against the brute-force month scan.
TEST(WeekdaySearch, MonthSearchesMatchBruteForce) {
    std::vector<int32_t> years;
    for (int32_t y = 1575; y <= 1590; ++y) years.push_back(y);
    for (int32_t y = 1896; y <= 1904; ++y) years.push_back(y);
    for (int32_t y = 1995; y <= 2030; ++y) years.push_back(y);
    for (const int32_t y : {-4713, -1, 0, 1, 4, 100, 200, 1000, 1500, 1700, 1800, 2100, 2400, 4599}) years.push_back(y);
    for (const int32_t year : years) {
        for (int32_t month = 1; month <= 12; ++month) {
            for (int32_t n = 0; n <= 6; ++n) {
                const Date full = Nth_full_weekend(n, month, year);
                ASSERT_TRUE(SameDate(full, n >= 1 ? brute_full_weekend(n, month, year) : kNull)) << year << "-" << month;
                for (uint32_t dow = 0; dow <= 6; ++dow) {
                    const auto d = static_cast<int32_t>(dow);
                    const Date want = n >= 1 && n <= 5 ? brute_nth_of_month(n, d, month, year) : kNull;
                    ASSERT_TRUE(SameDate(Nth_DOW_of_month(n, dow, month, year), want)) << year << "-" << month;
                }
            }
            for (uint32_t dow = 0; dow <= 6; ++dow) {
                ASSERT_EQ(number_of_DOWs_in_month(dow, month, year), brute_count(static_cast<int32_t>(dow), month, year))
                    << year << "-" << month;
            }
        }
    }
}

// Every day of several stretches crossing month and year ends and the
// cut-over, every weekday, against stepping one day at a time.
TEST(WeekdaySearch, DateSearchesMatchBruteForce) {
    const std::vector<std::pair<Date, int32_t>> stretches = {
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
    for (const uint32_t dow : {7u, 100u, 0x80000000u, UINT32_MAX}) {
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
    for (const int32_t n : {0, 6, -1, INT32_MIN, INT32_MAX}) {
        EXPECT_TRUE(SameDate(Nth_DOW_of_month(n, 0, 1, 2000), kNull));
        EXPECT_TRUE(SameDate(Nth_full_weekend(n, 1, 2000), kNull));
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
}

// The day is not checked: it runs on in a straight line, as in date_to_JD0.
TEST(WeekdaySearch, DaysRunOn) {
    const Date day_0{2000, 3, 0}, day_32{2000, 1, 32};
    EXPECT_TRUE(SameDate(Nth_DOW_after_date(1, 2, &day_0), Date{2000, 2, 29}));  // a Tuesday
    EXPECT_TRUE(SameDate(Nth_DOW_before_date(1, 2, &day_32), Date{2000, 2, 1}));
}

// n needs no 32-bit product: 7 * (n - 1) is exact, and a result beyond the
// int32 JD range is the null date.
TEST(WeekdaySearch, HugeN) {
    const Date d2000{2000, 1, 1};  // a Saturday, JD 2451545
    const int32_t last_n = (INT32_MAX - 2451545) / 7 + 1;
    EXPECT_TRUE(SameDate(Nth_DOW_after_date(last_n, 6, &d2000), ref::JD0_to_date(2451545.0 + 7.0 * (last_n - 1))));
    EXPECT_NE(Nth_DOW_after_date(last_n, 6, &d2000).year, 0);
    EXPECT_TRUE(SameDate(Nth_DOW_after_date(last_n + 1, 6, &d2000), kNull));
    EXPECT_TRUE(SameDate(Nth_DOW_after_date(306783380, 6, &d2000), kNull));
    EXPECT_TRUE(SameDate(Nth_DOW_after_date(INT32_MAX, 6, &d2000), kNull));
    EXPECT_TRUE(SameDate(Nth_DOW_before_date(INT32_MAX, 6, &d2000), kNull));
    // Backward from near the top of the JD range to near its bottom.
    const Date top = ref::JD0_to_date(2147483000.0);
    const int32_t dow = ref::true_weekday(2147483000.0);
    EXPECT_TRUE(SameDate(Nth_DOW_before_date(306783379, static_cast<uint32_t>(dow), &top),
                         ref::JD0_to_date(2147483000.0 - 7.0 * 306783378)));
    EXPECT_TRUE(SameDate(Nth_DOW_after_date(1, static_cast<uint32_t>(dow), &top), top));
}

// Fields far out of range: the one-step searches still step from the
// date's JD, and the nearest weekday is their composition.
TEST(WeekdaySearch, HostileFields) {
    for (const int32_t year : {INT32_MIN, -5884323, -4713, 0, 1582, 2000, 5874898, INT32_MAX}) {
        for (const int32_t day : {INT32_MIN, -1, 0, 1, 31, 32, INT32_MAX}) {
            for (int32_t month = 1; month <= 12; month += 11) {
                const Date date{year, month, day};
                for (uint32_t dow = 0; dow <= 6; ++dow) {
                    const auto d = static_cast<int32_t>(dow);
                    ASSERT_TRUE(SameDate(Nth_DOW_after_date(1, dow, &date), brute_nth_from(1, d, date, 1)));
                    ASSERT_TRUE(SameDate(Nth_DOW_before_date(1, dow, &date), brute_nth_from(1, d, date, -1)));
                    ASSERT_TRUE(SameDate(DOW_closest_to_date(dow, &date), composed_closest(dow, date)));
                }
            }
            for (int32_t month = 1; month <= 12; ++month) {
                (void)Nth_DOW_of_month(5, 0, month, year);
                (void)number_of_DOWs_in_month(0, month, year);
                (void)Nth_full_weekend(5, month, year);
            }
        }
    }
    // Months whose JDs lie outside int32 have no weekdays to find.
    EXPECT_TRUE(SameDate(Nth_DOW_of_month(1, 0, 1, INT32_MAX), kNull));
    EXPECT_EQ(number_of_DOWs_in_month(0, 1, INT32_MAX), 0);
    EXPECT_TRUE(SameDate(Nth_full_weekend(1, 1, INT32_MIN), kNull));
}

// Near the ends of the int32 JD range the nearest weekday follows the
// composition even where one of the two searches falls off the range.
// (Integer counters: clang turns a double counter ending at 2^31 - 1 into
// a 32-bit one that never ends.)
TEST(WeekdaySearch, ClosestAtTheEndsOfTheJDRange) {
    for (int64_t k = 0; k <= 10; ++k) {
        for (const double jd : {2147483647.0 - static_cast<double>(k), -2147483648.0 + static_cast<double>(k)}) {
            const Date date = ref::JD0_to_date(jd);
            for (uint32_t dow = 0; dow <= 6; ++dow) {
                ASSERT_TRUE(SameDate(DOW_closest_to_date(dow, &date), composed_closest(dow, date)));
            }
        }
    }
}

}  // namespace
