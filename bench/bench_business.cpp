// The law's holidays and business days (libhkcal_hk): each business-day
// function against the classic date_to_JD0 on the same dates, adding n
// business days for small and large n and against QuantLib's HongKong
// calendar, a year's general holidays, and the column functions over all the
// dates in one call, int64_t days and two as int32_t (date32) days (their
// "elements" counter: bench/table.py divides by it).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <vector>

#include "hkcal.h"
#include "hkcal_hk.h"
#include "peers.hpp"

namespace {

constexpr std::size_t kInputs = 8192, kMask = kInputs - 1;

std::vector<Date> dates(Date first, Date last, uint64_t seed) {
    std::mt19937_64 rng(seed);
    std::uniform_int_distribution<int64_t> pick(static_cast<int64_t>(date_to_JD0(&first)),
                                                static_cast<int64_t>(date_to_JD0(&last)));
    std::vector<Date> out;
    for (std::size_t i = 0; i < kInputs; ++i) out.push_back(JD0_to_date(static_cast<double>(pick(rng))));
    return out;
}

// 1998-2095: n = 1000 business days on stays within 1997-2100 (1000 back leaves it from the first few years).
const std::vector<Date> g_days = dates({1998, 1, 1}, {2095, 12, 31}, 0x627573);
// 2005-2022: 250 business days on stays within QuantLib's data.
const std::vector<Date> g_quantlib_days = dates({2005, 1, 1}, {2022, 12, 31}, 0x716c);

void bm_jd0(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(date_to_JD0(&g_days[i]));
        i = (i + 1) & kMask;
    }
}

// A scalar function of a date and the date after it in the inputs.
template <typename F>
void bm_scalar(benchmark::State& state, F f) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f(g_days[i], g_days[(i + 1) & kMask]));
        i = (i + 1) & kMask;
    }
}

// The inputs as day counts since 1970-01-01, of element type T (int64_t, or int32_t for date32).
template <typename T>
std::vector<T> counts() {
    std::vector<T> out;
    const Date epoch{1970, 1, 1};
    for (const Date& d : g_days) out.push_back(static_cast<T>(date_to_JD0(&d) - date_to_JD0(&epoch)));
    return out;
}

// A column function over all the inputs per iteration.
template <typename T, typename F>
void bm_column(benchmark::State& state, F f) {
    const std::vector<T> in = counts<T>();
    std::vector<T> out(kInputs);
    for (auto _ : state) {
        benchmark::DoNotOptimize(f(in.data(), out.data()));
        benchmark::ClobberMemory();
    }
    state.counters["elements"] = kInputs;
}

void bm_weekday(benchmark::State& state) {
    std::vector<double> jds;
    for (const Date& d : g_days) jds.push_back(date_to_JD0(&d));
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(day_of_week_index_JD0(jds[i]));
        i = (i + 1) & kMask;
    }
}

void bm_is_business_day(benchmark::State& state) {
    std::size_t i = 0;
    int32_t result = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(hk_is_business_day(&g_days[i], HK_MON_FRI, &result));
        benchmark::DoNotOptimize(result);
        i = (i + 1) & kMask;
    }
}

void bm_add(benchmark::State& state, const std::vector<Date>* in, int32_t n) {
    std::size_t i = 0;
    Date result{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(hk_add_business_days(&(*in)[i], n, HK_MON_FRI, &result));
        benchmark::DoNotOptimize(result);
        i = (i + 1) & kMask;
    }
}

#ifdef HKCAL_BENCH_QUANTLIB
void bm_quantlib(benchmark::State& state, int32_t n) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(peer::quantlib_add_business_days(&g_quantlib_days[i], n));
        i = (i + 1) & kMask;
    }
}
#endif

void bm_holidays(benchmark::State& state) {
    std::size_t i = 0;
    HkHoliday list[HK_MAX_HOLIDAYS];
    size_t count = 0;
    for (auto _ : state) {
        const int32_t year = g_days[i].year;
        benchmark::DoNotOptimize(hk_holidays(year, HK_GENERAL, 0, HK_NO_REST_DAY, list, HK_MAX_HOLIDAYS, &count));
        benchmark::ClobberMemory();
        i = (i + 1) & kMask;
    }
}

#ifdef HKCAL_BENCH_QUANTLIB
// Notes on stderr the start dates on which QuantLib's calendar and the law's list disagree.
void compare_quantlib() {
    std::size_t differ = 0;
    for (const Date& d : g_quantlib_days) {
        Date ours{};
        hk_add_business_days(&d, 250, HK_MON_FRI, &ours);
        const Date theirs = peer::quantlib_add_business_days(&d, 250);
        differ += ours.year != theirs.year || ours.month != theirs.month || ours.day != theirs.day;
    }
    if (differ != 0) std::fprintf(stderr, "note: QuantLib's HongKong advance(250) differs on %zu of %zu dates\n", differ, kInputs);
}
#endif

[[maybe_unused]] const bool g_registered = [] {
    benchmark::RegisterBenchmark("date_to_JD0/1998-2095/hkcal", bm_jd0);
    benchmark::RegisterBenchmark("day_of_week_index_JD0/1998-2095/hkcal", bm_weekday);
    benchmark::RegisterBenchmark("is_business_day/1998-2095/hkcal", bm_is_business_day);
    benchmark::RegisterBenchmark("previous_business_day/1998-2095/hkcal", bm_scalar<hk_status (*)(const Date&, const Date&)>,
                                 [](const Date& d, const Date&) { Date r{}; return hk_previous_business_day(&d, HK_MON_FRI, &r) + r.day; });
    benchmark::RegisterBenchmark("roll_modified_following/1998-2095/hkcal", bm_scalar<hk_status (*)(const Date&, const Date&)>,
                                 [](const Date& d, const Date&) { Date r{}; return hk_roll(&d, HK_MODIFIED_FOLLOWING, HK_MON_FRI, &r) + r.day; });
    benchmark::RegisterBenchmark("business_days_between/1998-2095/hkcal", bm_scalar<hk_status (*)(const Date&, const Date&)>,
                                 [](const Date& d, const Date& e) { int32_t c = 0; return hk_business_days_between(&d, &e, HK_MON_FRI, &c) + c; });
    benchmark::RegisterBenchmark("is_holiday_general/1998-2095/hkcal", bm_scalar<hk_status (*)(const Date&, const Date&)>,
                                 [](const Date& d, const Date&) { int32_t y = 0; return hk_is_holiday(&d, HK_GENERAL, 0, HK_NO_REST_DAY, &y) + y; });
    using Column = hk_status (*)(const int64_t*, int64_t*);
    benchmark::RegisterBenchmark("days_is_business_day/1998-2095/hkcal", bm_column<int64_t, Column>, [](const int64_t* d, int64_t* o) {
        return hk_days_is_business_day(d, kInputs, HK_MON_FRI, reinterpret_cast<uint8_t*>(o), nullptr);
    });
    benchmark::RegisterBenchmark("days_is_holiday_general/1998-2095/hkcal", bm_column<int64_t, Column>, [](const int64_t* d, int64_t* o) {
        return hk_days_is_holiday(d, kInputs, HK_GENERAL, 0, HK_NO_REST_DAY, reinterpret_cast<uint8_t*>(o), nullptr);
    });
    benchmark::RegisterBenchmark("days_add_business_days(2)/1998-2095/hkcal", bm_column<int64_t, Column>,
                                 [](const int64_t* d, int64_t* o) { return hk_days_add_business_days(d, kInputs, 2, HK_MON_FRI, o, nullptr); });
    benchmark::RegisterBenchmark("days_add_business_days(1000)/1998-2095/hkcal", bm_column<int64_t, Column>,
                                 [](const int64_t* d, int64_t* o) { return hk_days_add_business_days(d, kInputs, 1000, HK_MON_FRI, o, nullptr); });
    benchmark::RegisterBenchmark("days_roll_modified_following/1998-2095/hkcal", bm_column<int64_t, Column>,
                                 [](const int64_t* d, int64_t* o) { return hk_days_roll(d, kInputs, HK_MODIFIED_FOLLOWING, HK_MON_FRI, o, nullptr); });
    benchmark::RegisterBenchmark("days_business_days_between/1998-2095/hkcal", bm_column<int64_t, Column>,
                                 [](const int64_t* d, int64_t* o) { return hk_days_business_days_between(d, d + 1, kInputs - 1, HK_MON_FRI, o, nullptr); });
    using Column32 = hk_status (*)(const int32_t*, int32_t*);
    benchmark::RegisterBenchmark("days32_is_business_day/1998-2095/hkcal", bm_column<int32_t, Column32>, [](const int32_t* d, int32_t* o) {
        return hk_days32_is_business_day(d, kInputs, HK_MON_FRI, reinterpret_cast<uint8_t*>(o), nullptr);
    });
    benchmark::RegisterBenchmark("days32_add_business_days(2)/1998-2095/hkcal", bm_column<int32_t, Column32>,
                                 [](const int32_t* d, int32_t* o) { return hk_days32_add_business_days(d, kInputs, 2, HK_MON_FRI, o, nullptr); });
    benchmark::RegisterBenchmark("days_to_lunar/1998-2095/hkcal", bm_column<int64_t, Column>,
                                 [](const int64_t* d, int64_t* o) { return hk_days_to_lunar(d, kInputs, reinterpret_cast<HkLunarDay*>(o), nullptr); });
    benchmark::RegisterBenchmark("date_to_lunar/1998-2095/hkcal", bm_scalar<hk_status (*)(const Date&, const Date&)>,
                                 [](const Date& d, const Date&) { Date r{}; return hk_date_to_lunar(&d, &r) + r.day; });
    for (const int32_t n : {1, 2, 1000, -1000}) {
        const std::string job = "add_business_days(" + std::to_string(n) + ")/1998-2095/hkcal";
        benchmark::RegisterBenchmark(job.c_str(), bm_add, &g_days, n);
    }
    benchmark::RegisterBenchmark("add_business_days(250)/2005-2022/hkcal", bm_add, &g_quantlib_days, 250);
#ifdef HKCAL_BENCH_QUANTLIB
    benchmark::RegisterBenchmark("add_business_days(250)/2005-2022/quantlib", bm_quantlib, 250);
    compare_quantlib();
#endif
    benchmark::RegisterBenchmark("holidays_general/1998-2095/hkcal", bm_holidays);
    return true;
}();

}  // namespace
