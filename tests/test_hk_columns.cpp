// The column functions against the scalar ones, element by element, over
// every covered day with NaT among them: on the whole span, where the
// columns must refuse at the scalar's first error and write nothing, and
// within it, where every answer must equal the scalar's.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <vector>

#include "hk/civil.hpp"
#include "hkcal_hk.h"

namespace {

using hkcal::hk::civil::kUnixEpochJD0;

int64_t day_of(const Date& d) { return hkcal::hk::civil::to_jd0(d) - kUnixEpochJD0; }
Date date_of(int64_t day) { return hkcal::hk::civil::from_jd0(static_cast<int32_t>(day + kUnixEpochJD0)); }
constexpr int64_t kUntouched = 42;

// The operations: each day-count column function and its scalar twin.
enum Op { kIsBusinessDay, kIsHoliday, kAddBack, kAddOn, kAddEach, kFollowing, kModifiedFollowing, kPreceding,
          kModifiedPreceding, kBetween, kOps };
struct Case {
    uint8_t mask;
    const int64_t* steps;  // per day of the span, for kAddEach
    const int64_t* ends;   // per day of the span, for kBetween
};

// Op over days[0, n), which start at index `at` of the span.
hk_status column(Op op, const Case& c, const int64_t* days, size_t n, size_t at, int64_t* out, size_t* bad) {
    std::vector<uint8_t> flags(n, kUntouched);
    hk_status s = HK_OK;
    switch (op) {
        case kIsBusinessDay: s = hk_days_is_business_day(days, n, c.mask, flags.data(), bad); break;
        case kIsHoliday: s = hk_days_is_holiday(days, n, HK_STATUTORY, HK_CHRISTMAS, 6, flags.data(), bad); break;
        case kAddBack: return hk_days_add_business_days(days, n, -3, c.mask, out, bad);
        case kAddOn: return hk_days_add_business_days(days, n, 2, c.mask, out, bad);
        case kAddEach: return hk_days_add_business_days_each(days, c.steps + at, n, c.mask, out, bad);
        case kBetween: return hk_days_business_days_between(days, c.ends + at, n, c.mask, out, bad);
        default: return hk_days_roll(days, n, op - kFollowing, c.mask, out, bad);
    }
    // A test's 0/1 as int64_t, its 0 for NaT as NaT; untouched stays untouched.
    for (size_t i = 0; i < n; ++i) out[i] = s == HK_OK && days[i] == HK_NAT ? (flags[i] == 0 ? HK_NAT : -1) : flags[i];
    return s;
}

// The scalar answer for day `at` of the span (not NaT).
hk_status scalar(Op op, const Case& c, const Date& d, size_t at, int64_t& answer) {
    int32_t yes = 0;
    Date r{};
    hk_status s = HK_OK;
    switch (op) {
        case kIsBusinessDay: s = hk_is_business_day(&d, c.mask, &yes); break;
        case kIsHoliday: s = hk_is_holiday(&d, HK_STATUTORY, HK_CHRISTMAS, 6, &yes); break;
        case kAddBack: s = hk_add_business_days(&d, -3, c.mask, &r); break;
        case kAddOn: s = hk_add_business_days(&d, 2, c.mask, &r); break;
        case kAddEach: s = hk_add_business_days(&d, static_cast<int32_t>(c.steps[at]), c.mask, &r); break;
        case kBetween: {
            if (c.ends[at] == HK_NAT) return answer = HK_NAT, HK_OK;
            const Date e = date_of(c.ends[at]);
            return s = hk_business_days_between(&d, &e, c.mask, &yes), answer = yes, s;
        }
        default: s = hk_roll(&d, op - kFollowing, c.mask, &r); break;
    }
    answer = op <= kIsHoliday ? yes : day_of(r);
    return s;
}

// days[from, to) through both: the column refuses at the scalar's first error or equals it everywhere.
void agree(Op op, const Case& c, const std::vector<int64_t>& days, size_t from, size_t to) {
    std::vector<int64_t> expected, out(to - from, kUntouched);
    hk_status first_error = HK_OK;
    size_t first_bad = to - from, bad = 99;
    for (size_t i = from; i < to && first_error == HK_OK; ++i) {
        int64_t answer = HK_NAT;
        if (days[i] != HK_NAT) first_error = scalar(op, c, date_of(days[i]), i, answer);
        expected.push_back(answer);
        if (first_error != HK_OK) first_bad = i - from;
    }
    ASSERT_EQ(column(op, c, days.data() + from, to - from, from, out.data(), &bad), first_error) << op;
    ASSERT_EQ(bad, first_bad) << op;
    ASSERT_EQ(out, first_error == HK_OK ? expected : std::vector<int64_t>(to - from, kUntouched)) << op;
}

TEST(HkColumns, EqualTheScalarFunctionsOnEveryDay) {
    std::vector<int64_t> days, steps;
    for (int64_t d = day_of({1996, 12, 31}); d <= day_of({2101, 1, 1}); ++d) days.push_back(days.size() % 97 == 50 ? HK_NAT : d);
    for (size_t i = 0; i < days.size(); ++i) steps.push_back(static_cast<int64_t>(i % 41) - 20);
    std::vector<int64_t> ends(days.begin() + 400, days.end() - 1);  // the count to 400 days on, NaT among them
    const size_t n = days.size(), inner = 60;  // 60 days in from each end: every answer is covered
    ends.resize(n, days[n - 2]);
    for (const uint8_t mask : {HK_MON_FRI, uint8_t{0xC1}}) {
        for (int op = 0; op < kOps; ++op) {
            for (const size_t from : {size_t{0}, size_t{1}, inner}) agree(Op(op), {mask, steps.data(), ends.data()}, days, from, n - from);
        }
    }
}

TEST(HkColumns, LunarDatesOfEveryDayAndBack) {
    std::vector<int64_t> days, back(3, kUntouched);
    for (int64_t d = day_of({1901, 2, 18}); d <= day_of({2101, 1, 29}); ++d) days.push_back(days.size() % 97 == 50 ? HK_NAT : d);
    const size_t n = days.size();
    std::vector<HkLunarDay> lunar(n, HkLunarDay{-1, -1, -1, 9, 9});
    size_t bad = 0;
    EXPECT_TRUE(hk_days_to_lunar(days.data(), n, lunar.data(), &bad) == HK_ERANGE && bad == 0 && lunar[0].leap == 9);
    EXPECT_TRUE(hk_days_to_lunar(days.data() + 1, n - 1, lunar.data(), &bad) == HK_ERANGE && bad == n - 2);
    ASSERT_EQ(hk_days_to_lunar(days.data() + 1, n - 2, lunar.data(), &bad), HK_OK);
    ASSERT_EQ(hk_days_from_lunar(lunar.data(), n - 2, days.data() + 1, &bad), HK_OK);  // in place, to where it came from
    for (size_t i = 1; i < n - 1; ++i) {
        const HkLunarDay& l = lunar[i - 1];
        Date expected{}, d = date_of(days[i]);
        ASSERT_TRUE(days[i] == HK_NAT || hk_date_to_lunar(&d, &expected) == HK_OK);
        ASSERT_TRUE(days[i] == HK_NAT ? l.missing == 1 && l.year == 0 && l.month == 0 && l.day == 0
                                      : l.missing == 0 && l.year == expected.year && l.day == expected.day &&
                                            (l.leap ? -l.month : l.month) == expected.month) << i;
        ASSERT_EQ(days[i], i % 97 == 50 ? HK_NAT : day_of({1901, 2, 18}) + static_cast<int64_t>(i));
    }
    // Lunar 2023 has a leap 2nd month of 29 days.
    const HkLunarDay invalid[] = {{2023, 2, 29, 1, 0}, {2023, 2, 30, 1, 0}, {2023, 2, 30, 2, 0}, {2024, 2, 1, 1, 0}};
    std::vector<int64_t> untouched(3, kUntouched);
    EXPECT_TRUE(hk_days_from_lunar(invalid, 3, back.data(), &bad) == HK_EINVAL && bad == 1 && back == untouched);
    EXPECT_TRUE(hk_days_from_lunar(invalid + 2, 2, back.data(), &bad) == HK_EINVAL && bad == 0 && back == untouched);
    EXPECT_TRUE(hk_days_from_lunar(invalid + 3, 1, back.data(), &bad) == HK_EINVAL && bad == 0 && back == untouched);
    EXPECT_TRUE(hk_days_roll(nullptr, 1, HK_PRECEDING, HK_MON_FRI, back.data(), &bad) == HK_ENULL && bad == 1);
    EXPECT_TRUE(hk_days_roll(nullptr, 0, HK_PRECEDING, 0x80, nullptr, nullptr) == HK_EINVAL);
}

// The date32 columns and their int64_t twins, by element type.
#define HK_COLUMNS(X)                                                                                                    \
    X(is_business_day) X(is_holiday) X(add_business_days) X(add_business_days_each) X(roll) X(business_days_between) \
    X(xhkg_is_trading_day) X(xhkg_add_trading_days) X(xhkg_roll) X(xhkg_trading_days_between) X(to_lunar) X(from_lunar)
#define HK_COLUMN64(f) static constexpr auto f = hk_days_##f;
#define HK_COLUMN32(f) static constexpr auto f = hk_days32_##f;
template <typename T>
struct Api;
template <>
struct Api<int64_t> { HK_COLUMNS(HK_COLUMN64) };
template <>
struct Api<int32_t> { HK_COLUMNS(HK_COLUMN32) };

// Column op over [from, to) of the span (day counts, NaT as HK_NAT) as elements of T: its status,
// first bad element and every answer widened to int64_t (NaT as HK_NAT, a lunar record's 8 bytes, 42 untouched).
template <typename T>
std::vector<int64_t> call(int op, uint8_t mask, const std::vector<int64_t>& span, const std::vector<HkLunarDay>& lunar,
                          size_t from, size_t to) {
    const size_t n = to - from, half = span.size() / 2;
    std::vector<T> days, steps, ends;
    const auto narrow = [](int64_t d) { return d == HK_NAT ? std::numeric_limits<T>::min() : static_cast<T>(d); };
    for (size_t i = from; i < to; ++i) {
        days.push_back(narrow(span[i]));
        steps.push_back(static_cast<T>(i % 41) - 20);
        ends.push_back(narrow(span[i < half ? i + 400 : i - 400]));  // counts forward and back
    }
    std::vector<uint8_t> flags(n, kUntouched);
    std::vector<T> out(n, kUntouched);
    std::vector<HkLunarDay> records(n, HkLunarDay{kUntouched, kUntouched, kUntouched, kUntouched, kUntouched});
    size_t bad = 99;
    const T* d = days.data();
    using A = Api<T>;
    hk_status s = HK_OK;
    switch (op) {
        case 0: s = A::is_business_day(d, n, mask, flags.data(), &bad); break;
        case 1: s = A::is_holiday(d, n, HK_STATUTORY, HK_CHRISTMAS, 6, flags.data(), &bad); break;
        case 2: s = A::add_business_days(d, n, -3, mask, out.data(), &bad); break;
        case 3: s = A::add_business_days_each(d, steps.data(), n, mask, out.data(), &bad); break;
        case 4: s = A::business_days_between(d, ends.data(), n, mask, out.data(), &bad); break;
        case 5: s = A::xhkg_is_trading_day(d, n, flags.data(), &bad); break;
        case 6: s = A::xhkg_add_trading_days(d, n, 2, out.data(), &bad); break;
        case 7: s = A::xhkg_trading_days_between(d, ends.data(), n, out.data(), &bad); break;
        case 8: s = A::to_lunar(d, n, records.data(), &bad); break;
        case 9: s = A::from_lunar(lunar.data() + from, n, out.data(), &bad); break;
        default: s = op < 14 ? A::roll(d, n, op - 10, mask, out.data(), &bad) : A::xhkg_roll(d, n, op - 14, out.data(), &bad);
    }
    std::vector<int64_t> outcome{s, static_cast<int64_t>(bad)};
    for (size_t i = 0; i < n; ++i) {
        int64_t packed = 0;
        std::memcpy(&packed, &records[i], sizeof packed);
        outcome.insert(outcome.end(), {flags[i], out[i] == std::numeric_limits<T>::min() ? HK_NAT : out[i], packed});
    }
    return outcome;
}

TEST(HkColumns, Date32EqualsInt64OnEveryDay) {
    const int64_t first = day_of({1901, 2, 18}), last = day_of({2101, 1, 29});  // a day past each end of the lunar dates
    std::vector<int64_t> span;
    for (int64_t d = first; d <= last; ++d) span.push_back(span.size() % 97 == 50 ? HK_NAT : d);
    const auto at = [&](const Date& d) { return static_cast<size_t>(day_of(d) - first); };
    const size_t n = span.size();
    // The lunar records of the span, and one a year outside lunar years at each end.
    std::vector<HkLunarDay> lunar(n, HkLunarDay{2101, 1, 1, 0, 0});
    lunar[0].year = 1900;
    ASSERT_EQ(hk_days_to_lunar(span.data() + 1, n - 2, lunar.data() + 1, nullptr), HK_OK);
    // Windows of the span: wholly covered ones, ones that start or end outside (the first bad element at 0 or inside).
    const size_t windows[][2] = {{0, n}, {1, n - 1}, {at({1997, 1, 1}), at({2101, 1, 1})}, {at({1997, 3, 1}), at({2100, 11, 1})},
                                 {at({1997, 3, 1}), n}, {at({1996, 12, 31}), at({2100, 11, 1})}};
    for (const uint8_t mask : {HK_MON_FRI, uint8_t{0xC1}, uint8_t{0}}) {
        for (int op = 0; op < 18; ++op) {
            for (const auto& w : windows) {
                const std::vector<int64_t> wide = call<int64_t>(op, mask, span, lunar, w[0], w[1]);
                ASSERT_TRUE(wide == call<int32_t>(op, mask, span, lunar, w[0], w[1])) << op << " " << w[0] << " " << int{mask};
            }
        }
    }
}

}  // namespace
