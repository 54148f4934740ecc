// The Observatory's lunar calendar and the solar terms (libhkcal_hk):
// conversions both ways and a term's date over random days of 1901-2100,
// against the classic date_to_JD0 on the same dates.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "hkcal.h"
#include "hkcal_hk.h"

namespace {

constexpr std::size_t kInputs = 8192, kMask = kInputs - 1;

struct Inputs {
    std::vector<Date> dates, lunar;
    std::vector<int32_t> years, terms;
};

// Random days of 1901-02-19..2100-12-31 with their lunar dates, and random (year, term) pairs.
const Inputs g_in = [] {
    Inputs in;
    std::mt19937_64 rng(0x6c756e6172);
    const Date first{1901, 2, 19}, last{2100, 12, 31};
    std::uniform_int_distribution<int64_t> day(static_cast<int64_t>(date_to_JD0(&first)), static_cast<int64_t>(date_to_JD0(&last)));
    std::uniform_int_distribution<int32_t> year(HK_LUNAR_FIRST_YEAR, HK_LUNAR_LAST_YEAR), term(0, HK_SOLAR_TERMS - 1);
    for (std::size_t i = 0; i < kInputs; ++i) {
        in.dates.push_back(JD0_to_date(static_cast<double>(day(rng))));
        Date lunar{};
        hk_date_to_lunar(&in.dates.back(), &lunar);
        in.lunar.push_back(lunar);
        in.years.push_back(year(rng));
        in.terms.push_back(term(rng));
    }
    return in;
}();

void bm_jd0(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(date_to_JD0(&g_in.dates[i]));
        i = (i + 1) & kMask;
    }
}

template <hk_status (*F)(const Date*, Date*)>
void bm_convert(benchmark::State& state, const std::vector<Date>* in) {
    std::size_t i = 0;
    Date out{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(F(&(*in)[i], &out));
        benchmark::DoNotOptimize(out);
        i = (i + 1) & kMask;
    }
}

void bm_term_date(benchmark::State& state) {
    std::size_t i = 0;
    Date out{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(hk_solar_term_date(g_in.years[i], g_in.terms[i], &out));
        benchmark::DoNotOptimize(out);
        i = (i + 1) & kMask;
    }
}

[[maybe_unused]] const bool g_registered = [] {
    benchmark::RegisterBenchmark("date_to_JD0/1901-2100/hkcal", bm_jd0);
    benchmark::RegisterBenchmark("date_to_lunar/1901-2100/hkcal", bm_convert<hk_date_to_lunar>, &g_in.dates);
    benchmark::RegisterBenchmark("lunar_to_date/1901-2100/hkcal", bm_convert<hk_lunar_to_date>, &g_in.lunar);
    benchmark::RegisterBenchmark("solar_term_date/1901-2100/hkcal", bm_term_date);
    return true;
}();

}  // namespace
