// Calendar rules, Julian Day Numbers and day numbers: an exhaustive round
// trip, the fast conversions against the slow literal model in reference.hpp
// (year by year, on hostile fields and at random), and the cut-over and
// range-end results pinned in tables.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <random>
#include <tuple>

#include "hkcal.h"
#include "reference.hpp"
#include "test_support.hpp"

// For the messages; test_support.hpp compares and prints Dates for EXPECT_EQ.
std::ostream& operator<<(std::ostream& o, const Date& d) { return o << d.year << '-' << d.month << '-' << d.day; }

namespace {

// Field values that stress every formula: int32 extremes, the ends of the
// ranges the formulas were built for, months and days just outside.
const int32_t kHostile[] = {
    INT32_MIN, INT32_MIN + 1, -1000000000, -5000000, -4801, -4800, -4713, -4712, -101, -100, -13, -12, -1, 0, 1,
    2, 4, 5, 12, 13, 14, 15, 24, 28, 29, 30, 31, 32, 40, 100, 400, 1581, 1582, 1583, 1600, 1700, 2000, 4799, 4800,
    9999, 1000000000, INT32_MAX - 1, INT32_MAX};

// The three conversions of any fields against the model.
void expect_fields_match(const Date& d) {
    ASSERT_EQ(valid_date(&d), ref::valid_date(d)) << d;
    ASSERT_EQ(date_to_JD0(&d), ref::date_to_JD0(d)) << d;
    ASSERT_EQ(date_to_day_number(&d), ref::date_to_day_number(d)) << d;
}

// The per-year functions of year y against the model.
void expect_year_matches(int32_t y) {
    ASSERT_EQ(leap_year(y), ref::leap_year(y)) << y;
    ASSERT_EQ(days_in_year(y), ref::days_in_year(y)) << y;
    ASSERT_EQ(year_to_jan_0_JD0(y), ref::year_to_jan_0_JD0(y)) << y;
    for (int32_t m = -2; m <= 15; ++m) ASSERT_EQ(days_in_month_for_year(y, m), ref::days_in_month_for_year(y, m)) << y;
    for (int32_t n = -2; n <= 368; ++n) ASSERT_EQ(day_number_to_date(y, n), ref::day_number_to_date(y, n)) << y;
}

// ---- rules, validity and day numbers -----------------------------------------------

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

// Every year from -10000 to 10000 and a stride over int32 year by year; every
// month -2..15 with days -1..33 and far outside in years -6000 to 6000;
// every date of hostile fields; a million random dates.
TEST(Fields, MatchReference) {
    for (int64_t y = INT32_MIN; y <= INT32_MAX && !HasFatalFailure(); y += 40009)
        expect_year_matches(static_cast<int32_t>(y));
    for (const int32_t y : kHostile) expect_year_matches(y);
    for (int32_t y = -10000; y <= 10000 && !HasFatalFailure(); ++y) {
        expect_year_matches(y);
        for (int32_t m = -2; m <= 15 && y >= -6000 && y <= 6000; ++m) {
            for (int32_t d = -1; d <= 33; ++d) expect_fields_match(Date{y, m, d});
            for (const int32_t d : {-40, 40, 400}) expect_fields_match(Date{y, m, d});
        }
    }
    for (const int32_t y : kHostile)
        for (const int32_t m : kHostile) {
            ASSERT_EQ(days_in_month(m), ref::days_in_month(m)) << m;
            ASSERT_EQ(days_in_month_for_year(y, m), ref::days_in_month_for_year(y, m)) << y << " " << m;
            ASSERT_EQ(day_number_to_date(y, m), ref::day_number_to_date(y, m)) << y << " " << m;
            for (const int32_t d : kHostile) ASSERT_NO_FATAL_FAILURE(expect_fields_match(Date{y, m, d}));
        }
    std::mt19937_64 rng(2);
    for (int i = 0; i < 1000000 && !HasFatalFailure(); ++i)
        expect_fields_match({static_cast<int32_t>(rng()), static_cast<int32_t>(rng()), static_cast<int32_t>(rng())});
}

// Every valid date from -1200 to 9999, in order: its JD0 is one more than
// the date before's, its day number one more within its year (1 on 1
// January, 355 or 365/366 at the end), and both convert back.
TEST(Fields, RoundTripEveryValidDate) {
    Date previous{-1201, 12, 31};
    for (int32_t y = -1200; y <= 9999; ++y)
        for (int32_t m = 1; m <= 12; ++m)
            for (int32_t d = 1; d <= 31; ++d) {
                const Date date{y, m, d};
                if (valid_date(&date) == 0) continue;
                const int32_t n = date_to_day_number(&date), before = date_to_day_number(&previous);
                if (y != previous.year) {
                    ASSERT_EQ(before, previous.year == 1582 ? 355 : days_in_year(previous.year)) << previous;
                }
                ASSERT_EQ(n, y == previous.year ? before + 1 : 1) << date;
                ASSERT_EQ(date_to_JD0(&date), date_to_JD0(&previous) + 1) << date;
                ASSERT_EQ(JD0_to_date(date_to_JD0(&date)), date) << date;
                ASSERT_EQ(day_number_to_date(y, n), date) << date;
                previous = date;
            }
}

// ---- Julian Day Numbers -------------------------------------------------------

// The Gregorian and the historical conversion against the model; the Julian
// one floors a fraction to a real date, the model's walk up to 2299248.
void expect_jd_conversions_match(double jd) {
    ASSERT_EQ(JD0_to_gregorian(jd), ref::JD0_to_gregorian(jd)) << jd;
    if (ref::JD0_to_date_defined(jd)) {
        ASSERT_EQ(JD0_to_date(jd), ref::JD0_to_date(jd)) << jd;
    }
    const double whole = std::floor(jd);
    ASSERT_EQ(JD0_to_julian(jd), whole <= 2299248 ? ref::JD0_to_julian(whole) : JD0_to_julian(whole)) << jd;
    ASSERT_TRUE(ref::real_julian_date(JD0_to_julian(jd))) << jd;
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

// Every whole JD of years -8800 to 5400 with fractions on every 13th, the
// last int32 values on either side, and a stride over the whole int32 range;
// non-finite and out-of-range values give the null date.
TEST(JulianDay, ConversionsMatchReference) {
    const double nulls[] = {NAN, -NAN, INFINITY, -INFINITY, 1e300, -1e300, 2147483648.0, -2147483649.0, 4294967296.0,
                            9.3e18, -9.3e18};
    for (const double jd : nulls) {
        EXPECT_EQ(JD0_to_date(jd), ref::null_date()) << jd;
        EXPECT_EQ(JD0_to_gregorian(jd), ref::null_date()) << jd;
        EXPECT_EQ(JD0_to_julian(jd), ref::null_date()) << jd;
    }
    for (const double jd : {2147483647.0, 2147483647.5, 2147483647.99, std::nextafter(2147483648.0, 0.0),
                            -2147483648.0, -2147483648.5, -2147483648.99})
        expect_jd_conversions_match(jd);
    for (int64_t j = -1500000; j <= 3700000 && !HasFatalFailure(); ++j) {
        expect_jd_conversions_match(static_cast<double>(j));
        if (j % 13 == 0)
            for (const double f : {0.25, 0.5, 0.75}) expect_jd_conversions_match(static_cast<double>(j) + f);
    }
    for (int64_t j = INT32_MIN; j <= INT32_MAX && !HasFatalFailure(); j += 1999)
        for (const double f : {0.0, 0.5, -0.5, 0.999})
            expect_jd_conversions_match(static_cast<double>(j) + f);
}

// Where the literal walk has nothing to say (whole JD above 2299248), the
// Julian conversion goes on a day at a time through the Julian calendar.
TEST(JulianDay, JulianConversionContinuesPast1582) {
    Date previous = JD0_to_julian(2299248);
    for (int64_t j = 2299249; j <= 2299249 + 3000000; ++j) {
        Date next{previous.year, previous.month, previous.day + 1};
        if (!ref::real_julian_date(next))
            next = previous.month == 12 ? Date{previous.year + 1, 1, 1} : Date{previous.year, previous.month + 1, 1};
        previous = JD0_to_julian(static_cast<double>(j));
        ASSERT_EQ(previous, next) << j;
        ASSERT_EQ(JD0_to_julian(static_cast<double>(j) + 0.7), next) << j;
    }
}

}  // namespace
