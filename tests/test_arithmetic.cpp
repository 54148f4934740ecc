// Comparison, the packed form and date arithmetic: every function against
// the slow literal model in reference.hpp on hostile, swept and random
// inputs, an independent count of counted weekdays, round trips, and the
// documented results at the cut-over and the range ends pinned in tables.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <random>
#include <tuple>
#include <vector>

#include "hkcal.h"
#include "reference.hpp"
#include "test_support.hpp"

// For the messages; test_support.hpp compares and prints Dates for EXPECT_EQ.
std::ostream& operator<<(std::ostream& o, const Date& d) { return o << d.year << '-' << d.month << '-' << d.day; }

namespace {

using test::kNull;
constexpr uint8_t kMondayToFriday = 0x3E;

// Field values and counts at the int32 ends and where the packed form and
// the month sums wrap.
const int32_t kHostile[] = {INT32_MIN, INT32_MIN + 1, -214749, -214748, -13, -12, -1, 0, 1, 2, 9, 10, 12, 13, 28,
                            29, 31, 32, 40, 99, 100, 1582, 2000, 214748, 214749, INT32_MAX - 1, INT32_MAX};

// The month, year and counted-day steps against the model.
void expect_months_and_years_match(int32_t n, const Date& d) {
    ASSERT_EQ(add_month(n, &d), ref::add_month(n, d)) << n << " " << d;
    ASSERT_EQ(add_year(n, &d), ref::add_year(n, d)) << n << " " << d;
}

void expect_counted_days_match(int32_t n, uint8_t flags, const Date& d) {
    ASSERT_EQ(add_day_with_weekday_flag(n, flags, &d), ref::add_day_with_weekday_flag(n, flags, d))
        << n << " " << int{flags} << " " << d;
}

// ---- pinned results -----------------------------------------------------------------

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

// ---- against the model and independent checks ---------------------------------------

// Every pair of dates built from a set of field values: the ten comparisons
// agree with the model, and exactly one of less, equal and greater holds.
TEST(Comparison, EveryPairMatchesReference) {
    const std::pair<int32_t (*)(const Date*, const Date*), int32_t (*)(const Date&, const Date&)> functions[] = {
        {date_equal, ref::date_equal}, {date_not_equal, ref::date_not_equal}, {date_greater, ref::date_greater},
        {date_less, ref::date_less},   {year_equal, ref::year_equal},         {month_equal, ref::month_equal},
        {day_equal, ref::day_equal},   {day_and_month_equal, ref::day_and_month_equal},
        {date_less_or_equal, ref::date_less_or_equal}, {date_greater_or_equal, ref::date_greater_or_equal}};
    const int32_t v[] = {INT32_MIN, -1, 0, 1, 12, INT32_MAX};
    for (int i = 0; i < 6 * 6 * 6 * 6 * 6 * 6; ++i) {
        const Date a{v[i % 6], v[i / 6 % 6], v[i / 36 % 6]}, b{v[i / 216 % 6], v[i / 1296 % 6], v[i / 7776]};
        for (const auto& [f, model] : functions) ASSERT_EQ(f(&a, &b), model(a, b)) << a << " " << b;
        ASSERT_EQ(date_less(&a, &b) + date_equal(&a, &b) + date_greater(&a, &b), 1) << a << " " << b;
    }
}

// Packed values unpack as the model says and pack back to themselves (but
// for the sign of -9999..-1); fields that fit come back unchanged.
TEST(Packed, MatchReferenceAndRoundTrip) {
    std::vector<int32_t> values = {INT32_MIN, INT32_MIN + 1, INT32_MAX, INT32_MAX - 1};
    for (int64_t p = INT32_MIN; p <= INT32_MAX; p += 4099) values.push_back(static_cast<int32_t>(p));
    for (int32_t p = -30000; p <= 30000; ++p) values.push_back(p);
    for (const int32_t packed : values) {
        const Date d = long_to_date(packed);
        ASSERT_EQ(d, ref::long_to_date(packed)) << packed;
        ASSERT_EQ(date_to_long(&d), packed > -10000 && packed < 0 ? -packed : packed) << packed;
    }
    for (int32_t y = -21474; y <= 21474; y += 7)
        for (int32_t m = 0; m <= 99; m += 3)
            for (int32_t d = 0; d <= 99; d += 11)
                if (const Date date{y, m, d}; long_to_date(date_to_long(&date)) != date) FAIL() << date;
}

// Every date of hostile fields: packed exactly as the 32-bit formula wraps,
// and moved by hostile and small month and year counts; every date around
// the cut-over moved by the same counts.
TEST(HostileFields, MatchReference) {
    std::vector<int32_t> counts(std::begin(kHostile), std::end(kHostile));
    for (int32_t n = -30; n <= 30; ++n) counts.push_back(n);
    for (const int32_t y : kHostile)
        for (const int32_t m : kHostile)
            for (const int32_t d : kHostile) {
                const Date date{y, m, d};
                ASSERT_EQ(date_to_long(&date), ref::date_to_long(date)) << date;
                for (const int32_t n : counts) ASSERT_NO_FATAL_FAILURE(expect_months_and_years_match(n, date));
            }
    for (int32_t y = 1579; y <= 1585; ++y)
        for (int32_t m = -1; m <= 14; ++m)
            for (int32_t d = -1; d <= 32; ++d)
                for (const int32_t n : counts) ASSERT_NO_FATAL_FAILURE(expect_months_and_years_match(n, {y, m, d}));
}

// All 256 flag bytes from starts at the cut-over, the JD and int32 ends, with
// counts whose week jumps leave 32 bits.
TEST(CountedDays, EveryFlagByteMatchesReference) {
    const Date starts[] = {{2000, 1, 1},    {1582, 10, 4},     {1582, 10, 15},            {-4712, 1, 1},
                           {-4713, 12, 25}, {-5000, 3, 1},     {1582, 10, 10},            {2000, 13, 40},
                           {5874898, 6, 3}, {-5884202, 3, 16}, {INT32_MAX, INT32_MAX, 1}, {INT32_MIN, 1, INT32_MIN}};
    const int32_t counts[] = {1, -1, 2, -2, 3, 5, -5, 6, 7, -7, 13, 100, -100, 1000003, -1000003,
                              306783378, 306783379, -306783379, INT32_MAX, INT32_MIN, INT32_MIN + 1};
    for (const Date& from : starts)
        for (int flags = 0; flags < 256 && !HasFatalFailure(); ++flags)
            for (const int32_t n : counts) expect_counted_days_match(n, static_cast<uint8_t>(flags), from);
}

// Random dates (half plausible, half arbitrary int32 fields), counts (half
// small, half any int32), day steps (quarters, or awkward values) and flags.
TEST(Arithmetic, RandomMatchReference) {
    const double steps[] = {0, 1, -1, 7, -7, 365.25, -0.5, 0.5, 0.25, -0.75, 1e5, -1e6, 2299160.5,
                            -2299161, 2147483647, -2147483648.0, 4e9, NAN, INFINITY, -INFINITY};
    std::mt19937_64 rng(21);
    const auto random_date = [&rng]() -> Date {
        if (rng() & 1) return {static_cast<int32_t>(rng()), static_cast<int32_t>(rng()), static_cast<int32_t>(rng())};
        return {static_cast<int32_t>(rng() % 10001) - 5000, static_cast<int32_t>(rng() % 14),
                static_cast<int32_t>(rng() % 33)};
    };
    for (int i = 0; i < 300000 && !HasFatalFailure(); ++i) {
        const Date a = random_date(), b = random_date();
        const auto flags = static_cast<uint8_t>(rng());
        const int32_t n = i % 2 ? static_cast<int32_t>(rng()) : static_cast<int32_t>(rng() % 4001) - 2000;
        const double days = i % 4 < 2 ? steps[static_cast<size_t>(i / 4) % std::size(steps)]
                                       : static_cast<double>(static_cast<int64_t>(rng() % 8000001) - 4000000) / 4;
        ASSERT_EQ(days_between_dates(&a, &b), ref::days_between_dates(a, b)) << a << " " << b;
        if (ref::JD0_to_date_defined(ref::date_to_JD0(a) + days)) {
            ASSERT_EQ(date_N_days_after_date(days, &a), ref::date_N_days_after_date(days, a)) << a << " " << days;
        }
        if (ref::JD0_to_date_defined(ref::date_to_JD0(a) - days)) {
            ASSERT_EQ(date_N_days_before_date(days, &a), ref::date_N_days_before_date(days, a)) << a << " " << days;
        }
        expect_months_and_years_match(n, a);
        expect_counted_days_match(n, flags, a);
    }
}

// The counted days after the start up to the result, the result included,
// number exactly |n| (any 7 consecutive days hold each weekday once), and
// the result is a counted day unless the steps ended on a whole week.
TEST(CountedDays, CountsExactlyNDays) {
    std::mt19937_64 rng(23);
    for (int i = 0; i < 20000; ++i) {
        const auto flags = static_cast<uint8_t>(rng());
        const int32_t k = std::popcount(static_cast<unsigned>(flags & 0x7Fu));
        const auto n = static_cast<int32_t>(rng() % 121) - 60;
        const Date from = JD0_to_date(static_cast<double>(rng() % 3000000));  // -4712 to 3501
        if (k == 0) continue;
        const Date to = add_day_with_weekday_flag(n, flags, &from);
        const double start = date_to_JD0(&from), end = date_to_JD0(&to);
        ASSERT_TRUE(n >= 0 ? end >= start : end < start) << n << " " << from;
        int32_t counted = 0;
        for (double j = std::fmin(start, end) + 1; j <= std::fmax(start, end); ++j)
            counted += (flags >> ref::true_weekday(n >= 0 ? j : j - 1)) & 1;
        ASSERT_EQ(counted, n >= 0 ? n : -n) << n << " " << int{flags} << " " << from;
        ASSERT_TRUE(n % k == 0 || ((flags >> ref::true_weekday(end)) & 1)) << n << " " << from;
    }
}

}  // namespace
