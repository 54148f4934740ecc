// Comparison, the packed form and date arithmetic: the known cases as
// tables, round trips, an independent count of working days, and every
// function against the slow literal model in reference.hpp on sampled and
// hostile inputs.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <random>
#include <vector>

#include "hkcal.h"
#include "reference.hpp"

// Found by argument-dependent lookup, so it lives beside Date.
static std::ostream& operator<<(std::ostream& out, const Date& d) {
    return out << "(" << d.year << ", " << d.month << ", " << d.day << ")";
}

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr Date kNull{0, 0, 0};

::testing::AssertionResult same_date(const Date& got, const Date& want) {
    if (ref::same(got, want)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got (" << got.year << ", " << got.month << ", " << got.day
                                         << ") want (" << want.year << ", " << want.month << ", "
                                         << want.day << ")";
}

const std::vector<int32_t>& hostile_fields() {
    static const std::vector<int32_t> values = {INT32_MIN, INT32_MIN + 1, -214749, -214748, -13, -12,
                                                -1,        0,             1,       2,       9,   10,
                                                12,        13,            28,      29,      31,  32,
                                                40,        99,            100,     1582,    2000, 214748,
                                                214749,    INT32_MAX - 1, INT32_MAX};
    return values;
}

// Random dates: half plausible (years -5000..5000, months 0..13, days 0..32),
// half with arbitrary int32 fields.
Date random_date(std::mt19937_64& rng) {
    const uint64_t bits = rng();
    if (bits & 1)
        return Date{static_cast<int32_t>(rng()), static_cast<int32_t>(rng()), static_cast<int32_t>(rng())};
    return Date{static_cast<int32_t>(rng() % 10001) - 5000, static_cast<int32_t>(rng() % 14),
                static_cast<int32_t>(rng() % 33)};
}

// ---- comparison ------------------------------------------------------------------

TEST(Comparison, Table) {
    const Date a{2000, 1, 1}, b{1999, 12, 31}, c{2000, 2, 29}, d{2004, 2, 29};
    EXPECT_EQ(date_greater(&a, &b), 1);
    EXPECT_EQ(date_less(&a, &b), 0);
    EXPECT_EQ(date_less_or_equal(&a, &a), 1);
    EXPECT_EQ(date_greater_or_equal(&a, &a), 1);
    EXPECT_EQ(date_not_equal(&a, &a), 0);
    EXPECT_EQ(day_and_month_equal(&c, &d), 1);
    EXPECT_EQ(year_equal(&c, &d), 0);
    // Fields compare as signed integers, valid or not.
    const Date low{INT32_MIN, 99, 99}, high{INT32_MAX, INT32_MIN, INT32_MIN};
    EXPECT_EQ(date_less(&low, &high), 1);
    EXPECT_EQ(date_greater(&high, &low), 1);
}

// Every pair of dates built from a set of field values: the ten comparisons
// agree with the model, and exactly one of less, equal and greater holds.
TEST(Comparison, EveryPairMatchesReference) {
    const int32_t values[] = {INT32_MIN, -1, 0, 1, 12, INT32_MAX};
    std::vector<Date> dates;
    for (const int32_t y : values)
        for (const int32_t m : values)
            for (const int32_t d : values) dates.push_back(Date{y, m, d});
    for (const Date& a : dates)
        for (const Date& b : dates) {
            ASSERT_EQ(date_equal(&a, &b), ref::date_equal(a, b)) << a << b;
            ASSERT_EQ(date_not_equal(&a, &b), ref::date_not_equal(a, b)) << a << b;
            ASSERT_EQ(date_greater(&a, &b), ref::date_greater(a, b)) << a << b;
            ASSERT_EQ(date_less(&a, &b), ref::date_less(a, b)) << a << b;
            ASSERT_EQ(date_greater_or_equal(&a, &b), ref::date_greater_or_equal(a, b)) << a << b;
            ASSERT_EQ(date_less_or_equal(&a, &b), ref::date_less_or_equal(a, b)) << a << b;
            ASSERT_EQ(year_equal(&a, &b), ref::year_equal(a, b)) << a << b;
            ASSERT_EQ(month_equal(&a, &b), ref::month_equal(a, b)) << a << b;
            ASSERT_EQ(day_equal(&a, &b), ref::day_equal(a, b)) << a << b;
            ASSERT_EQ(day_and_month_equal(&a, &b), ref::day_and_month_equal(a, b)) << a << b;
            ASSERT_EQ(date_less(&a, &b) + date_equal(&a, &b) + date_greater(&a, &b), 1) << a << b;
        }
}

// ---- packed form --------------------------------------------------------------------

TEST(Packed, Table) {
    struct Case {
        Date date;
        int32_t packed;
    };
    const Case cases[] = {
        {{2024, 2, 29}, 20240229},        {{-44, 3, 15}, -440315},         {{2000, 13, 40}, 20001340},
        {{0, 12, 31}, 1231},              {{0, 0, 0}, 0},                  {{214748, 36, 47}, INT32_MAX},
        {{-214748, 36, 48}, INT32_MIN},   {{214748, 36, 48}, INT32_MIN},   {{1, -1, 0}, 9900},
        {{-1, 0, -1}, -9999},             {{INT32_MIN, 0, 0}, 0},          {{2000, 0, 150}, 20000150},
    };
    for (const Case& c : cases) EXPECT_EQ(date_to_long(&c.date), c.packed) << c.date;

    struct Back {
        int32_t packed;
        Date date;
    };
    const Back backs[] = {
        {20240229, {2024, 2, 29}}, {-440315, {-44, 3, 15}},     {0, {0, 0, 0}},
        {1231, {0, 12, 31}},       {-1231, {0, 12, 31}},        {20001340, {2000, 13, 40}},
        {INT32_MAX, {214748, 36, 47}}, {INT32_MIN, {-214748, 36, 48}}, {-1, {0, 0, 1}},
    };
    for (const Back& b : backs) EXPECT_TRUE(same_date(long_to_date(b.packed), b.date)) << b.packed;
}

TEST(Packed, MatchReferenceAndRoundTrip) {
    // Every packed value packs back to itself, except that a year 0 cannot
    // carry the sign of -9999..-1.
    const auto repacked = [](int32_t packed) { return packed > -10000 && packed < 0 ? -packed : packed; };
    std::vector<int32_t> values = {INT32_MIN, INT32_MIN + 1, INT32_MAX, INT32_MAX - 1, -10000, -1, 0, 1};
    for (int64_t p = INT32_MIN; p <= INT32_MAX; p += 4099) values.push_back(static_cast<int32_t>(p));
    for (int32_t p = -30000; p <= 30000; ++p) values.push_back(p);
    for (const int32_t packed : values) {
        const Date d = long_to_date(packed);
        ASSERT_TRUE(same_date(d, ref::long_to_date(packed))) << packed;
        ASSERT_EQ(date_to_long(&d), repacked(packed)) << packed;
    }
    // Fields that fit the packed form come back unchanged (the sign of a
    // year 0 aside, which the form cannot carry).
    for (int32_t y = -21474; y <= 21474; y += 7)
        for (int32_t m = 0; m <= 99; m += 3)
            for (int32_t d = 0; d <= 99; d += 11) {
                const Date date{y, m, d};
                ASSERT_TRUE(same_date(long_to_date(date_to_long(&date)), date)) << date;
            }
    // Hostile fields wrap exactly as the 32-bit formula does.
    for (const int32_t y : hostile_fields())
        for (const int32_t m : hostile_fields())
            for (const int32_t d : hostile_fields()) {
                const Date date{y, m, d};
                ASSERT_EQ(date_to_long(&date), ref::date_to_long(date)) << date;
            }
}

// ---- days --------------------------------------------------------------------------------

TEST(Days, Table) {
    const Date oct4{1582, 10, 4}, oct15{1582, 10, 15}, y2k{2000, 1, 1};
    EXPECT_TRUE(same_date(date_N_days_after_date(1, &oct4), oct15));
    EXPECT_TRUE(same_date(date_N_days_before_date(1, &oct15), oct4));
    EXPECT_EQ(days_between_dates(&oct15, &oct4), 1);
    EXPECT_EQ(days_between_dates(&oct4, &oct15), -1);
    EXPECT_TRUE(same_date(date_N_days_after_date(366, &y2k), Date{2001, 1, 1}));
    EXPECT_TRUE(same_date(date_N_days_after_date(-1, &y2k), Date{1999, 12, 31}));
    EXPECT_TRUE(same_date(date_N_days_before_date(-1.5, &y2k), Date{2000, 1, 3}));  // 2451546.5 rounds up
    EXPECT_TRUE(same_date(date_N_days_after_date(0.49, &y2k), y2k));
    // A fraction on the Julian side is floored.
    EXPECT_TRUE(same_date(date_N_days_after_date(0.9, &oct4), oct4));
    EXPECT_TRUE(same_date(date_N_days_after_date(-0.1, &oct4), Date{1582, 10, 3}));
    for (const double n : {kNaN, kInf, -kInf, 1e300, -1e300, 3e9, -3e9}) {
        EXPECT_TRUE(same_date(date_N_days_after_date(n, &y2k), kNull)) << n;
        EXPECT_TRUE(same_date(date_N_days_before_date(n, &y2k), kNull)) << n;
    }
    const Date last_day{INT32_MAX, 12, 31};
    EXPECT_TRUE(same_date(date_N_days_after_date(0, &last_day), kNull));
    EXPECT_EQ(days_between_dates(&last_day, &last_day), 0);
}

TEST(Days, MatchReference) {
    const double steps[] = {0, 1, -1, 7, -7, 365.25, -0.5, 0.5, 0.25, -0.75, 1e5, -1e6, 2299160.5,
                            -2299161, 2147483647, -2147483648.0, 4e9, kNaN, kInf, -kInf};
    std::mt19937_64 rng(21);
    for (int i = 0; i < 200000; ++i) {
        const Date a = random_date(rng), b = random_date(rng);
        const double n = i % 2 ? steps[static_cast<size_t>(i / 2) % std::size(steps)]
                               : static_cast<double>(static_cast<int64_t>(rng() % 8000001) - 4000000) / 4;
        ASSERT_EQ(days_between_dates(&a, &b), ref::days_between_dates(a, b)) << a << b;
        if (ref::JD0_to_date_defined(ref::date_to_JD0(a) + n)) {
            ASSERT_TRUE(same_date(date_N_days_after_date(n, &a), ref::date_N_days_after_date(n, a))) << a << n;
        }
        if (ref::JD0_to_date_defined(ref::date_to_JD0(a) - n)) {
            ASSERT_TRUE(same_date(date_N_days_before_date(n, &a), ref::date_N_days_before_date(n, a))) << a << n;
        }
    }
}

// ---- months and years --------------------------------------------------------------------

TEST(MonthsAndYears, Table) {
    struct Case {
        int32_t n;
        Date from, to;
    };
    const Case months[] = {
        {1, {2000, 1, 31}, {2000, 2, 29}},   {1, {2001, 1, 31}, {2001, 2, 28}},
        {12, {2000, 12, 15}, {2001, 12, 15}}, {13, {2000, 12, 15}, {2002, 1, 15}},
        {-12, {2000, 1, 15}, {1999, 1, 15}}, {-13, {2000, 1, 15}, {1998, 12, 15}},
        {-1, {2000, 1, 15}, {1999, 12, 15}}, {-11, {2000, 12, 31}, {2000, 1, 31}},
        {1, {1582, 9, 25}, {1582, 10, 21}},  {0, {1582, 10, 25}, {1582, 10, 21}},
        {1, {1582, 9, 10}, {1582, 10, 10}},  {-1, {1582, 11, 30}, {1582, 10, 21}},
        {1, {1500, 1, 30}, {1500, 2, 29}},   {1, {1700, 1, 30}, {1700, 2, 28}},
        {0, {2000, 13, 40}, {2001, 1, 31}},  {0, {2000, 0, 5}, {1999, 12, 5}},
        {0, {2000, 2, -7}, {2000, 2, -7}},   {INT32_MIN, {2000, 1, 1}, {-178954971, 5, 1}},  // month sum wraps
        {INT32_MAX, {2000, 12, 1}, {-178954970, 3, 1}},
        {1, {INT32_MAX, 12, 31}, {INT32_MIN, 1, 31}},
    };
    for (const Case& c : months) EXPECT_TRUE(same_date(add_month(c.n, &c.from), c.to)) << c.n << c.from;

    const Case years[] = {
        {1, {2000, 2, 29}, {2001, 2, 28}},   {-100, {1700, 2, 28}, {1600, 2, 28}},
        {-100, {1600, 2, 29}, {1500, 2, 29}}, {100, {1600, 2, 29}, {1700, 2, 28}},
        {0, {1582, 10, 31}, {1582, 10, 21}}, {0, {2000, 13, 5}, {2000, 13, 0}},
        {1, {INT32_MAX, 1, 1}, {INT32_MIN, 1, 1}}, {INT32_MIN, {-1, 6, 30}, {INT32_MAX, 6, 30}},
    };
    for (const Case& c : years) EXPECT_TRUE(same_date(add_year(c.n, &c.from), c.to)) << c.n << c.from;
}

TEST(MonthsAndYears, MatchReference) {
    std::vector<int32_t> counts = hostile_fields();
    for (int32_t n = -30; n <= 30; ++n) counts.push_back(n);
    for (int32_t y = 1579; y <= 1585; ++y)
        for (int32_t m = -1; m <= 14; ++m)
            for (int32_t d = -1; d <= 32; ++d)
                for (const int32_t n : counts) {
                    const Date date{y, m, d};
                    ASSERT_TRUE(same_date(add_month(n, &date), ref::add_month(n, date))) << n << date;
                    ASSERT_TRUE(same_date(add_year(n, &date), ref::add_year(n, date))) << n << date;
                }
    for (const int32_t y : hostile_fields())
        for (const int32_t m : hostile_fields())
            for (const int32_t n : counts) {
                const Date date{y, m, 31};
                ASSERT_TRUE(same_date(add_month(n, &date), ref::add_month(n, date))) << n << date;
                ASSERT_TRUE(same_date(add_year(n, &date), ref::add_year(n, date))) << n << date;
            }
    std::mt19937_64 rng(22);
    for (int i = 0; i < 300000; ++i) {
        const Date date = random_date(rng);
        const auto n = static_cast<int32_t>(i % 2 ? rng() : rng() % 4001) - (i % 2 ? 0 : 2000);
        ASSERT_TRUE(same_date(add_month(n, &date), ref::add_month(n, date))) << n << date;
        ASSERT_TRUE(same_date(add_year(n, &date), ref::add_year(n, date))) << n << date;
    }
}

// ---- counted weekdays ---------------------------------------------------------------------

constexpr uint8_t kMondayToFriday = 0x3E;

TEST(CountedDays, Table) {
    struct Case {
        int32_t n;
        uint8_t flags;
        Date from, to;
    };
    const Case cases[] = {
        {1, kMondayToFriday, {2000, 1, 7}, {2000, 1, 10}},   // Friday to Monday
        {-1, kMondayToFriday, {2000, 1, 10}, {2000, 1, 7}},  // Monday back to Friday
        {5, kMondayToFriday, {2000, 1, 8}, {2000, 1, 15}},   // Saturday: one whole week
        {6, kMondayToFriday, {2000, 1, 8}, {2000, 1, 17}},
        {3, 0x80, {2000, 1, 8}, {2000, 1, 8}},
        {3, 0, {2000, 1, 8}, {2000, 1, 8}},
        {0, kMondayToFriday, {2000, 1, 8}, {2000, 1, 8}},
        {0, kMondayToFriday, {INT32_MIN, 99, -5}, {INT32_MIN, 99, -5}},
        {1, 0x01, {2000, 1, 1}, {2000, 1, 8}},               // one whole week: still Saturday
        {-1, 0x01, {2000, 1, 2}, {1999, 12, 26}},
        {1, kMondayToFriday | 0x80, {1582, 10, 4}, {1582, 10, 15}},  // Thursday to Friday across the cut-over
        {-1, 0x7F, {1582, 10, 15}, {1582, 10, 4}},
        {-3, kMondayToFriday, {-4712, 1, 2}, {-4713, 12, 28}},  // Tuesday, below JD -1
        {INT32_MIN, 0x01, {2000, 1, 1}, kNull},              // 2^31 weeks back: beyond int32
        {INT32_MAX, 0x7F, {-4712, 1, 1}, {5874898, 6, 3}},  // JD 2^31 - 1
        {1, kMondayToFriday, {INT32_MAX, 1, 1}, kNull},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(same_date(add_day_with_weekday_flag(c.n, c.flags, &c.from), c.to))
            << c.n << " " << int{c.flags} << c.from;
}

// The counted days after the start up to the result, the result included,
// number exactly |n| (any 7 consecutive days hold each weekday once), and
// the result is a counted day unless the steps ended on a whole week.
TEST(CountedDays, CountsExactlyNDays) {
    std::mt19937_64 rng(23);
    for (int i = 0; i < 20000; ++i) {
        const auto flags = static_cast<uint8_t>(rng());
        const int32_t k = std::popcount(static_cast<unsigned>(flags & 0x7Fu));
        if (k == 0) continue;
        const auto n = static_cast<int32_t>(rng() % 121) - 60;
        const Date from{static_cast<int32_t>(rng() % 8001) - 4000, static_cast<int32_t>(rng() % 12) + 1,
                        static_cast<int32_t>(rng() % 28) + 1};
        const Date to = add_day_with_weekday_flag(n, flags, &from);
        const double start = date_to_JD0(&from), end = date_to_JD0(&to);
        ASSERT_EQ(n >= 0 ? end >= start : end < start, true) << n << from;
        int32_t counted = 0;
        for (double j = std::fmin(start, end) + 1; j <= std::fmax(start, end); ++j)
            if ((flags >> ref::true_weekday(n >= 0 ? j : j - 1)) & 1) ++counted;
        ASSERT_EQ(counted, n >= 0 ? n : -n) << n << " " << int{flags} << from;
        if (n % k != 0) {
            ASSERT_EQ((flags >> ref::true_weekday(end)) & 1, 1) << n << from;
        }
    }
}

TEST(CountedDays, MatchReference) {
    const Date starts[] = {{2000, 1, 1}, {1582, 10, 4},       {1582, 10, 15},          {-4712, 1, 1},
                           {-4713, 12, 25}, {-5000, 3, 1},    {1582, 10, 10},          {2000, 13, 40},
                           {5874898, 6, 3}, {-5884202, 3, 16}, {INT32_MAX, INT32_MAX, 1}, {INT32_MIN, 1, INT32_MIN}};
    const int32_t counts[] = {1, -1, 2, -2, 3, 5, -5, 6, 7, -7, 13, 100, -100, 1000003, -1000003,
                              306783378, 306783379, -306783379, INT32_MAX, INT32_MIN, INT32_MIN + 1};
    for (const Date& from : starts)
        for (int flags = 0; flags < 256; ++flags)
            for (const int32_t n : counts) {
                const auto f = static_cast<uint8_t>(flags);
                ASSERT_TRUE(same_date(add_day_with_weekday_flag(n, f, &from), ref::add_day_with_weekday_flag(n, f, from)))
                    << n << " " << flags << from;
            }
    std::mt19937_64 rng(24);
    for (int i = 0; i < 200000; ++i) {
        const Date from = random_date(rng);
        const auto f = static_cast<uint8_t>(rng());
        const auto n = static_cast<int32_t>(i % 2 ? rng() : rng() % 201) - (i % 2 ? 0 : 100);
        ASSERT_TRUE(same_date(add_day_with_weekday_flag(n, f, &from), ref::add_day_with_weekday_flag(n, f, from)))
            << n << " " << int{f} << from;
    }
}

}  // namespace
