// Calendar rules, Julian Day Numbers and day numbers: the known dates of the
// cut-over and of the leap rules as tables, exhaustive round trips, and the
// fast conversions against the slow literal model in reference.hpp.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "hkcal.h"
#include "reference.hpp"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

::testing::AssertionResult same_date(const Date& got, const Date& want) {
    if (ref::same(got, want)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got (" << got.year << ", " << got.month << ", " << got.day
                                         << ") want (" << want.year << ", " << want.month << ", "
                                         << want.day << ")";
}

double jd_of(Date d) { return date_to_JD0(&d); }

// Field values that stress every formula: int32 extremes, the ends of the
// ranges the formulas were built for, months and days just outside.
const std::vector<int32_t>& hostile_fields() {
    static const std::vector<int32_t> values = {
        INT32_MIN, INT32_MIN + 1, -1000000000, -5000000, -4801, -4800, -4713, -4712, -101, -100, -13,
        -12, -1, 0, 1, 2, 4, 5, 12, 13, 14, 15, 24, 28, 29, 30, 31, 32, 40, 100, 400, 1581, 1582,
        1583, 1600, 1700, 2000, 4799, 4800, 9999, 1000000000, INT32_MAX - 1, INT32_MAX};
    return values;
}

// Every date valid_date accepts in years [first, last], in calendar order.
template <typename F>
void for_each_valid_date(int32_t first, int32_t last, F f) {
    for (int32_t y = first; y <= last; ++y)
        for (int32_t m = 1; m <= 12; ++m)
            for (int32_t d = 1; d <= 31; ++d) {
                const Date date{y, m, d};
                if (valid_date(&date) == 1) f(date);
            }
}

// ---- rules and validity ------------------------------------------------------

TEST(Rules, ValidDateTable) {
    struct Case {
        Date date;
        int32_t valid;
    };
    const Case cases[] = {
        {{1582, 10, 4}, 1},  {{1582, 10, 15}, 1}, {{1582, 10, 5}, 0},  {{1582, 10, 14}, 0},
        {{1582, 9, 30}, 1},  {{1582, 11, 1}, 1},  {{1582, 10, 31}, 1}, {{1582, 10, 32}, 0},
        {{1500, 2, 29}, 1},  {{1700, 2, 29}, 0},  {{1600, 2, 29}, 1},  {{2000, 2, 29}, 1},
        {{1900, 2, 29}, 0},  {{0, 2, 29}, 1},     {{-1, 2, 29}, 0},    {{-4, 2, 29}, 1},
        {{-100, 2, 29}, 1},  {{2001, 4, 31}, 0},  {{2001, 13, 1}, 0},  {{2001, 1, 0}, 0},
        {{2001, 0, 1}, 0},   {{2001, 12, 31}, 1}, {{2001, 1, 32}, 0},  {{1583, 1, 1}, 1},
        {{INT32_MAX, 12, 31}, 1}, {{INT32_MIN, 1, 1}, 1}, {{INT32_MIN, 2, 29}, 1},
        {{2000, INT32_MIN, 1}, 0}, {{2000, 1, INT32_MAX}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(valid_date(&c.date), c.valid) << c.date.year << "-" << c.date.month << "-" << c.date.day;
}

TEST(Rules, LengthsTable) {
    EXPECT_EQ(leap_year(1582), 0);
    EXPECT_EQ(leap_year(1500), 1);
    EXPECT_EQ(leap_year(1700), 0);
    EXPECT_EQ(leap_year(1600), 1);
    EXPECT_EQ(leap_year(0), 1);
    EXPECT_EQ(leap_year(-1), 0);
    EXPECT_EQ(leap_year(-4), 1);
    EXPECT_EQ(days_in_year(1582), 365);
    EXPECT_EQ(days_in_year(1500), 366);
    EXPECT_EQ(days_in_year(1900), 365);
    EXPECT_EQ(days_in_month_for_year(1582, 10), 21);
    EXPECT_EQ(days_in_month_for_year(1583, 10), 31);
    EXPECT_EQ(days_in_month_for_year(1500, 2), 29);
    EXPECT_EQ(days_in_month_for_year(1700, 2), 28);
    EXPECT_EQ(days_in_month_for_year(2000, 13), 0);
    EXPECT_EQ(days_in_month(2), 28);
    EXPECT_EQ(days_in_month(0), 0);
    EXPECT_EQ(days_in_month(13), 0);
    EXPECT_TRUE(same_date(make_date(0, 0, 0), Date{0, 0, 0}));
    EXPECT_TRUE(same_date(make_date(INT32_MIN, -5, INT32_MAX), Date{INT32_MIN, -5, INT32_MAX}));
}

TEST(Rules, MatchReferenceOnEveryYearShape) {
    std::vector<int32_t> years = hostile_fields();
    for (int32_t y = -3000; y <= 5000; ++y) years.push_back(y);
    for (int64_t y = INT32_MIN; y <= INT32_MAX; y += 65537) years.push_back(static_cast<int32_t>(y));
    for (const int32_t y : years) {
        ASSERT_EQ(leap_year(y), ref::leap_year(y)) << y;
        ASSERT_EQ(days_in_year(y), ref::days_in_year(y)) << y;
        for (int32_t m = -1; m <= 14; ++m) ASSERT_EQ(days_in_month_for_year(y, m), ref::days_in_month_for_year(y, m)) << y << " " << m;
    }
    for (const int32_t m : hostile_fields()) {
        EXPECT_EQ(days_in_month(m), ref::days_in_month(m)) << m;
        EXPECT_EQ(days_in_month_for_year(2000, m), ref::days_in_month_for_year(2000, m)) << m;
    }
}

TEST(Rules, ValidDateMatchesReference) {
    for (int32_t y = -1300; y <= 2500; ++y)
        for (int32_t m = -1; m <= 14; ++m)
            for (int32_t d = -1; d <= 33; ++d) {
                const Date date{y, m, d};
                ASSERT_EQ(valid_date(&date), ref::valid_date(date)) << y << "-" << m << "-" << d;
            }
    for (const int32_t y : hostile_fields())
        for (const int32_t m : hostile_fields())
            for (const int32_t d : hostile_fields()) {
                const Date date{y, m, d};
                ASSERT_EQ(valid_date(&date), ref::valid_date(date)) << y << "-" << m << "-" << d;
            }
}

// ---- Julian Day Numbers -------------------------------------------------------

TEST(JulianDay, KnownDates) {
    struct Case {
        Date date;
        double jd;
    };
    const Case cases[] = {
        {{2000, 1, 1}, 2451545},  {{1582, 10, 4}, 2299160}, {{1582, 10, 15}, 2299161},
        {{1582, 10, 10}, 2299161}, {{1582, 10, 5}, 2299161}, {{1582, 10, 14}, 2299161},
        {{1, 1, 1}, 1721424},     {{0, 1, 1}, 1721058},     {{-4712, 1, 1}, 0},
        {{-4713, 12, 31}, -1},    {{2000, 13, 1}, 2451911}, {{2001, 1, 1}, 2451911},
        {{2000, 3, 0}, 2451604},  {{2000, 2, 29}, 2451604}, {{2000, 1, 0}, 2451544},
        {{2000, 0, 1}, 2451514},  {{1582, 10, 16}, 2299162}, {{1582, 10, 3}, 2299159},
    };
    for (const Case& c : cases)
        EXPECT_EQ(date_to_JD0(&c.date), c.jd) << c.date.year << "-" << c.date.month << "-" << c.date.day;

    EXPECT_TRUE(same_date(JD0_to_date(2299160), Date{1582, 10, 4}));
    EXPECT_TRUE(same_date(JD0_to_date(2299161), Date{1582, 10, 15}));
    EXPECT_TRUE(same_date(JD0_to_date(0), Date{-4712, 1, 1}));
    EXPECT_TRUE(same_date(JD0_to_date(2451545.5), Date{2000, 1, 2}));
    EXPECT_TRUE(same_date(JD0_to_date(2451545.4), Date{2000, 1, 1}));
    // The calendar follows the truncated value, the Julian side floors.
    EXPECT_TRUE(same_date(JD0_to_date(2299160.9), Date{1582, 10, 4}));
    EXPECT_TRUE(same_date(JD0_to_date(-0.5), Date{-4713, 12, 31}));
    EXPECT_TRUE(same_date(JD0_to_gregorian(2299160), Date{1582, 10, 14}));
    EXPECT_TRUE(same_date(JD0_to_julian(2299161), Date{1582, 10, 5}));
    EXPECT_TRUE(same_date(JD0_to_julian(2299248), Date{1582, 12, 31}));
    // Beyond 1582 the Julian conversion stays Julian: 13 days behind in 2000.
    EXPECT_TRUE(same_date(JD0_to_julian(2451545), Date{1999, 12, 19}));

    EXPECT_EQ(year_to_jan_0_JD0(2000), 2451544);
    EXPECT_EQ(year_to_jan_0_JD0(1583), 2299238);
    EXPECT_EQ(year_to_jan_0_JD0(1582), 2298883);
    EXPECT_EQ(year_to_jan_0_JD0(1), 1721423);
    EXPECT_EQ(year_to_jan_0_JD0(-4711), 365);
}

// Non-finite and out-of-range JD0 values: the null date, and the last int32
// values on either side still convert.
TEST(JulianDay, HostileValues) {
    const double nulls[] = {kNaN, -kNaN, kInf, -kInf, 1e300, -1e300, 2147483648.0, -2147483649.0,
                            4294967296.0, 9.3e18, -9.3e18};
    for (const double jd : nulls) {
        EXPECT_TRUE(same_date(JD0_to_date(jd), Date{0, 0, 0})) << jd;
        EXPECT_TRUE(same_date(JD0_to_gregorian(jd), Date{0, 0, 0})) << jd;
        EXPECT_TRUE(same_date(JD0_to_julian(jd), Date{0, 0, 0})) << jd;
    }
    const double edges[] = {2147483647.0, 2147483647.5, 2147483647.99, -2147483648.0,
                            -2147483648.5, -2147483648.99, std::nextafter(2147483648.0, 0.0)};
    for (const double jd : edges) {
        EXPECT_TRUE(same_date(JD0_to_date(jd), ref::JD0_to_date(jd))) << jd;
        EXPECT_TRUE(same_date(JD0_to_gregorian(jd), ref::JD0_to_gregorian(jd))) << jd;
        const Date julian = JD0_to_julian(jd);
        EXPECT_NE(julian.month, 0) << jd;
        if (jd < 0) {
            EXPECT_TRUE(same_date(julian, ref::JD0_to_julian(std::floor(jd)))) << jd;
        } else {
            EXPECT_TRUE(same_date(julian, JD0_to_julian(std::floor(jd)))) << jd;
        }
    }
    EXPECT_TRUE(same_date(JD0_to_gregorian(2147483647.5), Date{5874898, 6, 4}));
}

// Every valid date from -1200 to 9999: its JD0 is one more than that of the
// date before, and converts back to the same date.
TEST(JulianDay, RoundTripEveryValidDate) {
    double previous = jd_of(Date{-1201, 12, 31});
    int64_t count = 0;
    for_each_valid_date(-1200, 9999, [&](const Date& d) {
        const double jd = date_to_JD0(&d);
        ASSERT_EQ(jd, previous + 1) << d.year << "-" << d.month << "-" << d.day;
        ASSERT_TRUE(same_date(JD0_to_date(jd), d)) << jd;
        previous = jd;
        ++count;
    });
    EXPECT_EQ(previous, jd_of(Date{9999, 12, 31}));
    EXPECT_EQ(count, static_cast<int64_t>(previous - jd_of(Date{-1200, 1, 1})) + 1);
}

TEST(JulianDay, DateToJD0MatchesReference) {
    for (int32_t y = -6000; y <= 6000; ++y)
        for (int32_t m = -2; m <= 15; ++m)
            for (const int32_t d : {-40, -1, 0, 1, 4, 5, 14, 15, 28, 29, 31, 40, 400}) {
                const Date date{y, m, d};
                ASSERT_EQ(date_to_JD0(&date), ref::date_to_JD0(date)) << y << "-" << m << "-" << d;
            }
    for (const int32_t y : hostile_fields())
        for (const int32_t m : hostile_fields())
            for (const int32_t d : hostile_fields()) {
                const Date date{y, m, d};
                ASSERT_EQ(date_to_JD0(&date), ref::date_to_JD0(date)) << y << "-" << m << "-" << d;
            }
    std::mt19937_64 rng(2);
    for (int i = 0; i < 1000000; ++i) {
        const Date date{static_cast<int32_t>(rng()), static_cast<int32_t>(rng()), static_cast<int32_t>(rng())};
        ASSERT_EQ(date_to_JD0(&date), ref::date_to_JD0(date)) << date.year << "-" << date.month << "-" << date.day;
    }
}

TEST(JulianDay, YearStartMatchesReference) {
    for (int32_t y = -10000; y <= 10000; ++y) ASSERT_EQ(year_to_jan_0_JD0(y), ref::year_to_jan_0_JD0(y)) << y;
    for (int64_t y = INT32_MIN; y <= INT32_MAX; y += 40009)
        ASSERT_EQ(year_to_jan_0_JD0(static_cast<int32_t>(y)), ref::year_to_jan_0_JD0(static_cast<int32_t>(y))) << y;
    for (const int32_t y : hostile_fields()) ASSERT_EQ(year_to_jan_0_JD0(y), ref::year_to_jan_0_JD0(y)) << y;
}

void expect_jd_conversions_match(double jd) {
    ASSERT_TRUE(same_date(JD0_to_gregorian(jd), ref::JD0_to_gregorian(jd))) << jd;
    if (ref::JD0_to_date_defined(jd)) {
        ASSERT_TRUE(same_date(JD0_to_date(jd), ref::JD0_to_date(jd))) << jd;
    }
    if (jd <= 2299248) {
        const Date walked = ref::JD0_to_julian(jd);
        if (ref::real_julian_date(walked)) {
            ASSERT_TRUE(same_date(JD0_to_julian(jd), walked)) << jd;
        }
    }
}

// Every whole JD of years -8800 to 5400 with fractions on every 13th, and a
// stride over the whole int32 range; the Julian walk is compared up to 2299248.
TEST(JulianDay, ConversionsMatchReference) {
    for (int64_t j = -1500000; j <= 3700000; ++j) {
        expect_jd_conversions_match(static_cast<double>(j));
        if (j % 13 == 0)
            for (const double f : {0.25, 0.5, 0.75}) expect_jd_conversions_match(static_cast<double>(j) + f);
        if (::testing::Test::HasFatalFailure()) return;
    }
    for (int64_t j = INT32_MIN; j <= INT32_MAX; j += 1999) {
        for (const double f : {0.0, 0.5, -0.5, 0.999})
            if (static_cast<double>(j) + f > -2147483649.0) expect_jd_conversions_match(static_cast<double>(j) + f);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

// Where the literal walk has nothing to say (whole JD above 2299248), the
// Julian conversion goes on a day at a time through the Julian calendar.
TEST(JulianDay, JulianConversionContinuesPast1582) {
    Date previous = JD0_to_julian(2299248);
    for (int64_t j = 2299249; j <= 2299249 + 3000000; ++j) {
        Date next = previous;
        if (++next.day > ref::kTable[next.month - 1] + (next.month == 2 && next.year % 4 == 0 ? 1 : 0)) {
            next.day = 1;
            if (++next.month == 13) {
                next.month = 1;
                ++next.year;
            }
        }
        const Date got = JD0_to_julian(static_cast<double>(j));
        ASSERT_TRUE(same_date(got, next)) << j;
        ASSERT_TRUE(same_date(JD0_to_julian(static_cast<double>(j) + 0.7), got)) << j;
        previous = got;
    }
}

// ---- day numbers ------------------------------------------------------------------

TEST(DayNumber, KnownDates) {
    struct Case {
        Date date;
        int32_t n;
    };
    const Case cases[] = {
        {{2000, 3, 1}, 61},   {{1900, 3, 1}, 60},    {{1500, 3, 1}, 61},   {{2001, 12, 31}, 365},
        {{1582, 10, 4}, 277}, {{1582, 10, 15}, 278}, {{1582, 10, 10}, 0},  {{1582, 11, 1}, 295},
        {{1582, 12, 31}, 355}, {{1582, 3, 1}, 60},   {{2000, 13, 1}, 0},   {{2000, 0, 1}, 0},
        {{2000, 1, 40}, 40},  {{2000, 1, -5}, -5},   {{1582, 10, -3}, 270}, {{1582, 12, 40}, 364},
        {{2000, 12, INT32_MAX}, INT32_MIN + 334},    {{1582, 12, INT32_MAX}, INT32_MIN + 323},
    };
    for (const Case& c : cases)
        EXPECT_EQ(date_to_day_number(&c.date), c.n) << c.date.year << "-" << c.date.month << "-" << c.date.day;

    struct Back {
        int32_t year, n;
        Date date;
    };
    const Back backs[] = {
        {1582, 278, {1582, 10, 15}}, {1582, 277, {1582, 10, 4}}, {1582, 356, {1582, 0, 0}},
        {1582, 355, {1582, 12, 31}}, {2001, 366, {2001, 0, 0}},  {2000, 366, {2000, 12, 31}},
        {2000, 0, {2000, 0, 0}},     {2000, 367, {2000, 0, 0}},  {1500, 366, {1500, 12, 31}},
        {1700, 366, {1700, 0, 0}},   {2000, 60, {2000, 2, 29}},  {INT32_MIN, INT32_MIN, {INT32_MIN, 0, 0}},
    };
    for (const Back& b : backs)
        EXPECT_TRUE(same_date(day_number_to_date(b.year, b.n), b.date)) << b.year << " " << b.n;
}

// Every valid date from -1200 to 9999 has the day number one more than the
// date before in its year (1 on 1 January), and converts back.
TEST(DayNumber, RoundTripEveryValidDate) {
    int32_t year = -1201;
    int32_t expected = 0;
    for_each_valid_date(-1200, 9999, [&](const Date& d) {
        if (d.year != year) {
            if (expected != 0) {
                ASSERT_EQ(expected, year == 1582 ? 355 : ref::days_in_year(year)) << year;
            }
            year = d.year;
            expected = 0;
        }
        const int32_t n = date_to_day_number(&d);
        ASSERT_EQ(n, ++expected) << d.year << "-" << d.month << "-" << d.day;
        ASSERT_TRUE(same_date(day_number_to_date(d.year, n), d)) << n;
    });
}

TEST(DayNumber, MatchReference) {
    for (int32_t y = -2000; y <= 3000; ++y) {
        for (int32_t n = -2; n <= 368; ++n) ASSERT_TRUE(same_date(day_number_to_date(y, n), ref::day_number_to_date(y, n))) << y << " " << n;
        for (int32_t m = -1; m <= 14; ++m)
            for (const int32_t d : {-1, 0, 1, 4, 5, 14, 15, 28, 29, 31, 40}) {
                const Date date{y, m, d};
                ASSERT_EQ(date_to_day_number(&date), ref::date_to_day_number(date)) << y << "-" << m << "-" << d;
            }
    }
    for (const int32_t y : hostile_fields())
        for (const int32_t a : hostile_fields()) {
            ASSERT_TRUE(same_date(day_number_to_date(y, a), ref::day_number_to_date(y, a))) << y << " " << a;
            for (const int32_t b : hostile_fields()) {
                const Date date{y, a, b};
                ASSERT_EQ(date_to_day_number(&date), ref::date_to_day_number(date)) << y << "-" << a << "-" << b;
            }
        }
}

}  // namespace
