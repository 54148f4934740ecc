// The straight paths of the calendar core against the general forms and the
// literal model, where they are most likely to break: at the ends of the
// ranges they take, across the 1582 cut-over, and at random over the rest.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "calendar/calendar.hpp"
#include "hkcal.h"
#include "reference.hpp"

namespace {

using namespace hkcal::detail;

::testing::AssertionResult same_date(const Date& got, const Date& want) {
    if (ref::same(got, want)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got (" << got.year << ", " << got.month << ", " << got.day
                                         << ") want (" << want.year << ", " << want.month << ", " << want.day << ")";
}

// Both calendars of the straight path (within its range) and the
// historical date of any whole JD against the 64-bit general forms.
void expect_whole_jd(int64_t jd) {
    if (jd_fast(jd)) {
        ASSERT_TRUE(same_date(date_from_jd_fast(jd, ~0u), gregorian_from_jd(jd))) << jd;
        ASSERT_TRUE(same_date(date_from_jd_fast(jd, 0u), julian_from_jd(jd))) << jd;
    }
    ASSERT_TRUE(same_date(date_from_jd(jd), jd >= kFirstGregorianJD ? gregorian_from_jd(jd) : julian_from_jd(jd))) << jd;
}

// The exported conversion against the literal model, with fractions.
void expect_jd0(double jd) {
    if (ref::JD0_to_date_defined(jd)) {
        ASSERT_TRUE(same_date(JD0_to_date(jd), ref::JD0_to_date(jd))) << jd;
    }
}

TEST(FastJulianDay, WholeJDsAtTheEndsOfTheStraightPath) {
    for (const int64_t end : {kMinFastJD, kMaxFastJD})
        for (int64_t jd = end - 300000; jd <= end + 300000; ++jd) {
            expect_whole_jd(jd);
            if (::testing::Test::HasFatalFailure()) return;
        }
}

TEST(FastJulianDay, WholeJDsAcrossTheCutOverAndAtRandom) {
    for (int64_t jd = -800000; jd <= 4000000; ++jd) {  // years -6903 to 6239
        expect_whole_jd(jd);
        if (::testing::Test::HasFatalFailure()) return;
    }
    std::mt19937_64 rng(7);
    std::uniform_int_distribution<int64_t> pick(kMinFastJD, kMaxFastJD);
    for (int i = 0; i < 2000000; ++i) {
        expect_whole_jd(pick(rng));
        if (::testing::Test::HasFatalFailure()) return;
    }
}

// Fractions and signs where the straight path hands over to the general one:
// 0 and -0, just below 0, the cut-over and the largest straight JD.
TEST(FastJulianDay, FractionsAtTheHandOver) {
    const double edges[] = {0.0, 2299160.0, 2299161.0, static_cast<double>(kMaxFastJD)};
    const double offsets[] = {-1.0, -0.5, -0.25, -1e-9, 0.0, 1e-9, 0.25, 0.4999999999, 0.5, 0.75, 0.9999999999, 1.0};
    for (const double edge : edges)
        for (const double offset : offsets) expect_jd0(edge + offset);
    expect_jd0(-0.0);
    EXPECT_TRUE(same_date(JD0_to_date(-0.0), Date{-4712, 1, 1}));
    EXPECT_TRUE(same_date(JD0_to_date(-0.5), Date{-4713, 12, 31}));
    EXPECT_TRUE(same_date(JD0_to_date(2299160.9), Date{1582, 10, 4}));
    EXPECT_TRUE(same_date(JD0_to_date(2299161.5), Date{1582, 10, 16}));
    EXPECT_TRUE(same_date(JD0_to_date(std::numeric_limits<double>::quiet_NaN()), Date{0, 0, 0}));
    std::mt19937_64 rng(8);
    std::uniform_real_distribution<double> pick(-1e6, static_cast<double>(kMaxFastJD) + 1e6);
    for (int i = 0; i < 1000000; ++i) {
        expect_jd0(pick(rng));
        if (::testing::Test::HasFatalFailure()) return;
    }
}

// The straight path takes months 1-12 of every year but 1582: all of them
// near both ends of int32 and near the cut-over, and at random; any other
// month goes the general way.
TEST(FastJulianDay, FieldsAgainstTheGeneralForm) {
    const auto expect = [](int32_t y, int32_t m, int32_t d) {
        ASSERT_EQ(jd_from_fields(y, m, d), jd_from_any_fields(y, m, d)) << y << "-" << m << "-" << d;
    };
    const int32_t days[] = {INT32_MIN, -400, -1, 0, 1, 5, 14, 15, 28, 29, 30, 31, 32, 400, INT32_MAX};
    for (const int64_t centre : {int64_t{INT32_MIN} + 20000, int64_t{-2000}, int64_t{1582}, int64_t{INT32_MAX} - 20000})
        for (int64_t y = centre - 20000; y <= centre + 20000; ++y)
            for (int32_t m = 1; m <= 12; ++m)
                for (const int32_t d : days) {
                    expect(static_cast<int32_t>(y), m, d);
                    if (::testing::Test::HasFatalFailure()) return;
                }
    std::mt19937_64 rng(9);
    for (int i = 0; i < 3000000; ++i) {
        expect(static_cast<int32_t>(rng()), static_cast<int32_t>(rng() % 12) + 1, static_cast<int32_t>(rng()));
        expect(static_cast<int32_t>(rng()), static_cast<int32_t>(rng()), static_cast<int32_t>(rng()));
        if (::testing::Test::HasFatalFailure()) return;
    }
    for (const int32_t m : {INT32_MIN, INT32_MIN + 1, -1, 0, 13, INT32_MAX})
        for (const int32_t d : days) expect(2000, m, d);
}

// The weekday of a whole JD: a Monday at JD 0, one day on per JD, for every
// JD near the ends of the quick path (one multiplication) and near 0, a
// stride over all of it, and the ends of int32 and int64.
TEST(FastWeekday, QuickPathAndBeyond) {
    const auto expect = [](int64_t jd) {
        const int64_t r = jd % 7;
        const int64_t want = ((r < 0 ? r + 7 : r) + 1) % 7;
        ASSERT_EQ(weekday_from_jd(jd), want) << jd;
    };
    for (const int64_t centre : {kMinQuickWeekdayJD, int64_t{0}, kMaxQuickWeekdayJD})
        for (int64_t jd = centre - 1000000; jd <= centre + 1000000; ++jd) expect(jd);
    for (int64_t jd = kMinQuickWeekdayJD; jd <= kMaxQuickWeekdayJD; jd += 997) expect(jd);
    for (const int64_t jd : {int64_t{INT32_MIN}, int64_t{INT32_MAX}, INT64_MIN, INT64_MIN + 1, INT64_MAX - 1, INT64_MAX})
        expect(jd);
}

// The weekday index of a JD0 against the literal model where its path
// changes: 0 and -0, negative fractions, and the top of int32.
TEST(FastWeekday, JD0IndexAtTheHandOver) {
    const double values[] = {-8.0, -7.5, -1.0, -0.5, -0.0, 0.0, 0.5, 1.0, 6.99, 7.0, 2451545.0, 2147483646.5,
                             2147483647.0, 2147483647.9, 2147483648.0, 1e15};
    for (const double jd : values) EXPECT_EQ(day_of_week_index_JD0(jd), ref::day_of_week_index_JD0(jd)) << jd;
    for (int64_t j = -100000; j <= 100000; ++j) {
        const double jd = static_cast<double>(j) + 0.5 * static_cast<double>(j % 2);
        ASSERT_EQ(day_of_week_index_JD0(jd), ref::day_of_week_index_JD0(jd)) << jd;
    }
}

}  // namespace
