// The weekday index and the weekday searches, against the slow reference
// model and brute-force searches that step one day at a time.
#include <cstdint>
#include <vector>

#include "test_support.hpp"

namespace {

using namespace test;

// Every weekday, and some that are not.
const uint32_t kDows[] = {0, 1, 2, 3, 4, 5, 6, 7, 0x80000000u, UINT32_MAX};

// The n-th `dow` from the date stepping by `step` (+1 or -1), the date
// itself counting; the null date for n < 1, a weekday outside 0-6 or a month
// outside 1-12, and once it leaves the int32 JD range.
Date brute_nth_from(int32_t n, uint32_t dow, const Date& date, int32_t step) {
    if (n < 1 || dow > 6 || date.month < 1 || date.month > 12) return kNull;
    double j = jd(date);
    for (int32_t seen = 0;; j += step) {
        if (ref::true_weekday(j) == static_cast<int32_t>(dow) && ++seen == n) return ref::JD0_to_date(j);
    }
}

// The nearer of the weekday on or before and the one on or after the date,
// the distances read through the JD line (a null date counts as its JD).
Date nearer(const Date& date, const Date& before, const Date& after) {
    const double to_before = jd(date) - jd(before);
    return to_before != 0 && jd(after) - jd(date) <= to_before ? after : before;
}

// The days of the month with weekday `dow`, by stepping from its first day;
// none for a month outside 1-12 or beyond the int32 JD range.
std::vector<Date> brute_days(uint32_t dow, int32_t month, int32_t year) {
    std::vector<Date> days;
    for (Date d = plus_days(Date{year, month, 1}, 0); d.year == year && d.month == month; d = plus_days(d, 1)) {
        if (weekday(d) == static_cast<int32_t>(dow)) days.push_back(d);
    }
    return days;
}

Date nth(const std::vector<Date>& days, int32_t n) {
    return n >= 1 && n <= std::ssize(days) ? days[static_cast<size_t>(n - 1)] : kNull;
}

// 2000-01-01 was a Saturday. The congruence and the JD form agree on every
// Gregorian date up to 4599-12-31; on Julian dates of the years 1 to 1582
// the JD form is the congruence plus c - c / 4 - 2 (c the century of the
// March-based year).
TEST(WeekdayIndex, BothFormsOverTheirYears) {
    const Date d2000{2000, 1, 1};
    EXPECT_EQ(day_of_week_index(&d2000), 6);
    for (double j = jd(Date{1, 1, 1}); j <= jd(Date{4599, 12, 31}); ++j) {
        const Date d = JD0_to_date(j);
        int32_t want = day_of_week_index(&d);
        if (j < 2299161) {  // 1582-10-15
            const int32_t c = (d.month <= 2 ? d.year - 1 : d.year) / 100;
            want = ((want + c - c / 4 - 2) % 7 + 7) % 7;
        }
        ASSERT_EQ(day_of_week_index_JD0(j), want) << ::testing::PrintToString(d);
    }
}

// Any dow, on both sides of JD0 -1, as the model reads it.
TEST(WeekdayIndex, IsDayOfWeekMatchesTheModel) {
    std::vector<int32_t> dows = {INT32_MIN, INT32_MAX};
    for (int32_t dow = -30; dow <= 30; ++dow) dows.push_back(dow);
    for (const double start : {-10.0, 2451540.0}) {
        for (double j = start; j < start + 14; ++j) {
            const Date d = JD0_to_date(j);
            for (const int32_t dow : dows) ASSERT_EQ(is_day_of_week(&d, dow), ref::is_day_of_week(d, dow)) << dow;
        }
    }
}

// Every month of years around the cut-over (October 1582 has three of each
// weekday), far back, recent and beyond the int32 JD range, months outside
// 1-12, every weekday and some that are not, and n from -1 to 6, against
// scanning the month.
TEST(WeekdaySearch, MonthSearchesMatchBruteForce) {
    std::vector<int32_t> years = {INT32_MIN, -4713, -1, 0, 1, 100, 1000, 1500, 1700, 1900, 2100, 2400, 4599, INT32_MAX};
    std::vector<int32_t> months = {INT32_MIN, -1, INT32_MAX};
    for (int32_t y = 1578; y <= 1586; ++y) years.push_back(y);
    for (int32_t y = 2000; y <= 2030; ++y) years.push_back(y);
    for (int32_t m = 0; m <= 13; ++m) months.push_back(m);
    for (const int32_t year : years) {
        for (const int32_t month : months) {
            SCOPED_TRACE(::testing::Message() << year << "-" << month);
            std::vector<Date> weekends = brute_days(6, month, year);  // whose Sunday is in the month too
            std::erase_if(weekends, [&](const Date& saturday) { return plus_days(saturday, 1).month != month; });
            for (int32_t n = -1; n <= 6; ++n) ASSERT_EQ(Nth_full_weekend(n, month, year), nth(weekends, n));
            for (const uint32_t dow : kDows) {
                const std::vector<Date> days = brute_days(dow, month, year);
                ASSERT_EQ(number_of_DOWs_in_month(dow, month, year), std::ssize(days));
                for (int32_t n = -1; n <= 6; ++n) ASSERT_EQ(Nth_DOW_of_month(n, dow, month, year), nth(days, n)) << n;
            }
        }
    }
}

// Every day of stretches crossing month and year ends and the cut-over, a
// day of the gap (1582-10-10 counts as 1582-10-15), fields far out of range
// and days running on, and dates at the ends of the int32 JD range: the
// searches step from the date's JD, and the nearest weekday is the nearer
// one-step result even where the other falls off the range.
TEST(WeekdaySearch, DateSearchesMatchBruteForce) {
    std::vector<Date> dates = {{1582, 10, 10}};
    const std::pair<Date, int32_t> stretches[] = {
        {{1582, 9, 1}, 120}, {{1999, 12, 1}, 100}, {{2024, 2, 1}, 60}, {{1, 1, 1}, 40}, {{-4713, 12, 1}, 62},
        {ref::JD0_to_date(INT32_MIN), 11}, {ref::JD0_to_date(INT32_MAX - 10.0), 11}};
    for (const auto& [start, days] : stretches) {
        for (int32_t i = 0; i < days; ++i) dates.push_back(plus_days(start, i));
    }
    for (const int32_t year : {INT32_MIN, -4713, 0, 1582, 2000, INT32_MAX}) {
        for (const int32_t month : {INT32_MIN, -1, 0, 1, 12, 13, INT32_MAX}) {
            for (const int32_t day : {INT32_MIN, -1, 0, 32, INT32_MAX}) dates.push_back(Date{year, month, day});
        }
    }
    for (const Date& date : dates) {
        SCOPED_TRACE(::testing::PrintToString(date));
        for (const uint32_t dow : kDows) {
            for (const int32_t n : {INT32_MIN, -1, 0, 1, 2, 3, 5, 9}) {
                ASSERT_EQ(Nth_DOW_after_date(n, dow, &date), brute_nth_from(n, dow, date, 1)) << n << " " << dow;
                ASSERT_EQ(Nth_DOW_before_date(n, dow, &date), brute_nth_from(n, dow, date, -1)) << n << " " << dow;
            }
            const Date before = brute_nth_from(1, dow, date, -1), after = brute_nth_from(1, dow, date, 1);
            ASSERT_EQ(DOW_closest_to_date(dow, &date), nearer(date, before, after)) << dow;
        }
    }
}

// 7 * (n - 1) is exact for every n, and a result beyond the int32 JD range
// is the null date.
TEST(WeekdaySearch, HugeN) {
    const Date d2000{2000, 1, 1};  // a Saturday, JD 2451545
    const int32_t last_n = (INT32_MAX - 2451545) / 7 + 1;
    EXPECT_EQ(Nth_DOW_after_date(last_n, 6, &d2000), ref::JD0_to_date(2451545.0 + 7.0 * (last_n - 1)));
    EXPECT_EQ(Nth_DOW_after_date(last_n + 1, 6, &d2000), kNull);
    EXPECT_EQ(Nth_DOW_after_date(INT32_MAX, 6, &d2000), kNull);
    EXPECT_EQ(Nth_DOW_before_date(INT32_MAX, 6, &d2000), kNull);
    const Date top = ref::JD0_to_date(2147483000.0);  // back from near the top to near the bottom
    const auto dow = static_cast<uint32_t>(ref::true_weekday(2147483000.0));
    EXPECT_EQ(Nth_DOW_before_date(306783379, dow, &top), ref::JD0_to_date(2147483000.0 - 7.0 * 306783378));
}

}  // namespace
