// hkcal's exported functions against the fastest peers, on the same inputs.
// Benchmarks are named job/input-set/implementation; bench/run turns their
// medians into one table of ratios. Every implementation is called once per
// element through a call it cannot inline, the result consumed each time.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdio>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "hkcal.h"
#include "peers.hpp"

namespace {

// Elements per input set: a power of two, so the index wraps with a mask.
constexpr std::size_t kInputs = 8192;
constexpr std::size_t kMask = kInputs - 1;
constexpr uint64_t kSeed = 0x686b63616c;  // fixed: every run sees the same inputs

// Monday to Friday: bits 1 to 5, bit 0 being Sunday.
constexpr uint8_t kWeekdays = 0x3E;

// Days drawn uniformly from one span, as historical dates (Julian up to
// 1582-10-04) and as their JD0; steps[i] leads from element i - 1 to i.
struct DateSet {
    std::vector<Date> dates;
    std::vector<double> jds;
    std::vector<double> steps;
};

DateSet make_date_set(Date first, Date last, uint64_t seed) {
    std::mt19937_64 rng(seed);
    std::uniform_int_distribution<int64_t> pick(static_cast<int64_t>(date_to_JD0(&first)),
                                                static_cast<int64_t>(date_to_JD0(&last)));
    DateSet set;
    for (std::size_t i = 0; i < kInputs; ++i) {
        const auto jd = static_cast<double>(pick(rng));
        set.jds.push_back(jd);
        set.dates.push_back(JD0_to_date(jd));
    }
    for (std::size_t i = 0; i < kInputs; ++i) set.steps.push_back(set.jds[i] - set.jds[(i - 1) & kMask]);
    return set;
}

std::vector<int32_t> make_years(int32_t first, int32_t last, uint64_t seed) {
    std::mt19937_64 rng(seed);
    std::uniform_int_distribution<int32_t> pick(first, last);
    std::vector<int32_t> years;
    for (std::size_t i = 0; i < kInputs; ++i) years.push_back(pick(rng));
    return years;
}

// The input sets, built once in main(), each kInputs draws.
const DateSet* g_modern;          // 1600-01-01..2400-12-31, all Gregorian
const DateSet* g_historic;        // 0001-01-01..2400-12-31, about two thirds Julian
const DateSet* g_lunar;           // the lunar table's range, 1936-01-24..2031-12-31
std::vector<Date> g_lunar_dates;  // g_lunar's dates as lunar dates
std::vector<int32_t> g_years;     // 1936..2031

// ---- one loop shape per signature -------------------------------------------

template <double (*F)(const Date*)>
void bm_date_to_jd(benchmark::State& state, const std::vector<Date>* in) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(F(&(*in)[i]));
        i = (i + 1) & kMask;
    }
}

template <Date (*F)(const Date*)>
void bm_date_to_date(benchmark::State& state, const std::vector<Date>* in) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(F(&(*in)[i]));
        i = (i + 1) & kMask;
    }
}

template <Date (*F)(double)>
void bm_jd_to_date(benchmark::State& state, const std::vector<double>* in) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(F((*in)[i]));
        i = (i + 1) & kMask;
    }
}

template <int32_t (*F)(double)>
void bm_jd_to_int(benchmark::State& state, const std::vector<double>* in) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(F((*in)[i]));
        i = (i + 1) & kMask;
    }
}

// Latency: each conversion starts from the previous result, so the calls
// cannot overlap. The chain visits the set's days in order.
template <double (*To)(const Date*), Date (*From)(double)>
void bm_round_trip(benchmark::State& state, const DateSet* set) {
    Date d = From(set->jds[kMask]);
    std::size_t i = 0;
    for (auto _ : state) {
        d = From(To(&d) + set->steps[i]);
        i = (i + 1) & kMask;
    }
    benchmark::DoNotOptimize(d);
}

template <Date (*F)(int32_t, uint8_t, const Date*)>
void bm_working_days(benchmark::State& state, const std::vector<Date>* in, int32_t n) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(F(n, kWeekdays, &(*in)[i]));
        i = (i + 1) & kMask;
    }
}

// One iteration calls every function F for one year.
template <Date (*... F)(int32_t)>
void bm_year(benchmark::State& state, const std::vector<int32_t>* years) {
    std::size_t i = 0;
    for (auto _ : state) {
        const int32_t year = (*years)[i];
        (benchmark::DoNotOptimize(F(year)), ...);
        i = (i + 1) & kMask;
    }
}

// ---- registration -------------------------------------------------------------

template <typename... Args>
void add(const std::string& name, void (*fn)(benchmark::State&, Args...), std::type_identity_t<Args>... args) {
    benchmark::RegisterBenchmark(name.c_str(), fn, args...);
}

template <double (*To)(const Date*), Date (*From)(double)>
void add_conversions(const std::string& impl) {
    add("date_to_JD0/1600-2400/" + impl, bm_date_to_jd<To>, &g_modern->dates);
    add("date_to_JD0/1-2400/" + impl, bm_date_to_jd<To>, &g_historic->dates);
    add("JD0_to_date/1600-2400/" + impl, bm_jd_to_date<From>, &g_modern->jds);
    add("JD0_to_date/1-2400/" + impl, bm_jd_to_date<From>, &g_historic->jds);
    add("round_trip/1600-2400/" + impl, bm_round_trip<To, From>, g_modern);
    add("round_trip/1-2400/" + impl, bm_round_trip<To, From>, g_historic);
}

template <double (*To)(const Date*), Date (*From)(double), int32_t (*Weekday)(double)>
void add_core(const std::string& impl) {
    add_conversions<To, From>(impl);
    add("day_of_week_index_JD0/1600-2400/" + impl, bm_jd_to_int<Weekday>, &g_modern->jds);
}

void register_all(bool icu) {
    add_core<date_to_JD0, JD0_to_date, day_of_week_index_JD0>("hkcal");
    add_core<peer::chrono_date_to_JD0, peer::chrono_JD0_to_date, peer::chrono_day_of_week>("chrono");
    add_conversions<peer::neri_schneider_date_to_JD0, peer::neri_schneider_JD0_to_date>("neri_schneider");
#ifdef HKCAL_BENCH_HINNANT
    add_core<peer::hinnant_date_to_JD0, peer::hinnant_JD0_to_date, peer::hinnant_day_of_week>("hinnant");
#endif
#ifdef HKCAL_BENCH_ICU
    if (icu) add_core<peer::icu_date_to_JD0, peer::icu_JD0_to_date, peer::icu_day_of_week>("icu");
#endif
    add("date_to_JD0/1600-2400/glibc", bm_date_to_jd<peer::glibc_date_to_JD0>, &g_modern->dates);
    add("JD0_to_date/1600-2400/glibc", bm_jd_to_date<peer::glibc_JD0_to_date>, &g_modern->jds);
    add("round_trip/1600-2400/glibc", bm_round_trip<peer::glibc_date_to_JD0, peer::glibc_JD0_to_date>, g_modern);

    add("easter/1936-2031/hkcal", bm_year<easter>, &g_years);
    add("easter/1936-2031/meeus", bm_year<peer::meeus_easter>, &g_years);

    for (const int32_t n : {10, 13}) {
        const std::string job = "add_day_with_weekday_flag(" + std::to_string(n) + ")/1600-2400/";
        add(job + "hkcal", bm_working_days<add_day_with_weekday_flag>, &g_modern->dates, n);
        add(job + "chrono", bm_working_days<peer::chrono_add_day_with_weekday_flag>, &g_modern->dates, n);
    }

    add("date_to_JD0/lunar/hkcal", bm_date_to_jd<date_to_JD0>, &g_lunar->dates);
    add("date_to_chinese/lunar/hkcal", bm_date_to_date<date_to_chinese>, &g_lunar->dates);
    add("chinese_to_date/lunar/hkcal", bm_date_to_date<chinese_to_date>, &g_lunar_dates);
#ifdef HKCAL_BENCH_ICU
    if (icu) {
        add("date_to_chinese/lunar/icu", bm_date_to_date<peer::icu_date_to_chinese>, &g_lunar->dates);
        add("chinese_to_date/lunar/icu", bm_date_to_date<peer::icu_chinese_to_date>, &g_lunar_dates);
    }
#endif

    add("holidays/1936-2031/hkcal",
        bm_year<new_year, new_year_holiday, lunar_new_year_day, lunar_new_year_day_holiday,
                lunar_new_year_day_2_holiday, lunar_new_year_day_3_holiday, birthday_of_the_buddha,
                birthday_of_the_buddha_holiday, labour_day, labour_day_holiday, tuen_ng_festival,
                tuen_ng_festival_holiday, HKSAR_establishment_day, HKSAR_establishment_day_holiday,
                chinese_mid_autumn_festival, chinese_mid_autumn_festival_holiday, national_day,
                national_day_holiday, chung_yeung_festival, chung_yeung_festival_holiday, christmas_day,
                christmas_day_holiday, christmas_day_2_holiday, remembrance_day, sino_japanese_war_victory_day>,
        &g_years);
    (void)icu;
}

// ---- the peers do the same job ------------------------------------------------

bool same(const Date& a, const Date& b) { return a.year == b.year && a.month == b.month && a.day == b.day; }
bool same(double a, double b) { return a == b; }
bool same(int32_t a, int32_t b) { return a == b; }

// Notes on stderr how many inputs a peer answers differently from hkcal.
template <typename In, typename Out>
void compare(const char* what, const std::vector<In>& in, Out (*ours)(In), Out (*theirs)(In)) {
    std::size_t differ = 0;
    for (const In& x : in)
        if (!same(ours(x), theirs(x))) ++differ;
    if (differ != 0) std::fprintf(stderr, "note: %s differs from hkcal on %zu of %zu inputs\n", what, differ, in.size());
}

// The dates of a set as the pointers the functions take.
std::vector<const Date*> pointers(const std::vector<Date>& dates) {
    std::vector<const Date*> p;
    for (const Date& d : dates) p.push_back(&d);
    return p;
}

// The peers are proleptic Gregorian (ICU excepted), so they are compared on
// Gregorian dates only; ICU's Chinese calendar computes new moons, so it may
// differ from the published table by a day at some month starts.
void check_peers(bool icu) {
    const std::vector<const Date*> modern = pointers(g_modern->dates);
    compare("chrono date_to_JD0", modern, date_to_JD0, peer::chrono_date_to_JD0);
    compare("chrono JD0_to_date", g_modern->jds, JD0_to_date, peer::chrono_JD0_to_date);
    compare("chrono day_of_week_index_JD0", g_historic->jds, day_of_week_index_JD0, peer::chrono_day_of_week);
    compare("glibc date_to_JD0", modern, date_to_JD0, peer::glibc_date_to_JD0);
    compare("glibc JD0_to_date", g_modern->jds, JD0_to_date, peer::glibc_JD0_to_date);
    compare("Neri-Schneider date_to_JD0", modern, date_to_JD0, peer::neri_schneider_date_to_JD0);
    compare("Neri-Schneider JD0_to_date", g_modern->jds, JD0_to_date, peer::neri_schneider_JD0_to_date);
    compare("Meeus easter", g_years, easter, peer::meeus_easter);
    for (const int32_t n : {10, 13, -13}) {
        std::size_t differ = 0;
        for (const Date* d : modern)
            if (!same(add_day_with_weekday_flag(n, kWeekdays, d), peer::chrono_add_day_with_weekday_flag(n, kWeekdays, d)))
                ++differ;
        if (differ != 0) std::fprintf(stderr, "note: chrono add_day_with_weekday_flag(%d) differs on %zu inputs\n", n, differ);
    }
#ifdef HKCAL_BENCH_HINNANT
    compare("hinnant date_to_JD0", modern, date_to_JD0, peer::hinnant_date_to_JD0);
    compare("hinnant JD0_to_date", g_modern->jds, JD0_to_date, peer::hinnant_JD0_to_date);
    compare("hinnant day_of_week_index_JD0", g_historic->jds, day_of_week_index_JD0, peer::hinnant_day_of_week);
#endif
#ifdef HKCAL_BENCH_ICU
    if (icu) {
        compare("icu date_to_JD0", pointers(g_historic->dates), date_to_JD0, peer::icu_date_to_JD0);
        compare("icu JD0_to_date", g_historic->jds, JD0_to_date, peer::icu_JD0_to_date);
        compare("icu day_of_week_index_JD0", g_historic->jds, day_of_week_index_JD0, peer::icu_day_of_week);
        compare("icu date_to_chinese", pointers(g_lunar->dates), date_to_chinese, peer::icu_date_to_chinese);
        compare("icu chinese_to_date", pointers(g_lunar_dates), chinese_to_date, peer::icu_chinese_to_date);
    }
#endif
    (void)icu;
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    const DateSet modern = make_date_set(Date{1600, 1, 1}, Date{2400, 12, 31}, kSeed);
    const DateSet historic = make_date_set(Date{1, 1, 1}, Date{2400, 12, 31}, kSeed + 1);
    const DateSet lunar = make_date_set(Date{1936, 1, 24}, Date{2031, 12, 31}, kSeed + 2);
    g_modern = &modern;
    g_historic = &historic;
    g_lunar = &lunar;
    for (const Date& d : lunar.dates) g_lunar_dates.push_back(date_to_chinese(&d));
    g_years = make_years(1936, 2031, kSeed + 3);

    bool icu = false;
#ifdef HKCAL_BENCH_ICU
    icu = peer::icu_init();
    if (!icu) std::fprintf(stderr, "note: ICU calendars could not be created; ICU skipped\n");
#endif
    check_peers(icu);
    register_all(icu);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
