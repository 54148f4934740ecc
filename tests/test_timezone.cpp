// Time-zone conversion. The library reads the local zone's bias once per
// process, so tests/timezone.cmake runs this program once per fixed zone
// (TZ), telling it the zone's bias in HKCAL_TEST_BIAS ("standard/daylight"
// in minutes, UTC = local time + bias). Every shift is checked against the
// literal model's.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <latch>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "model.hpp"

#include "hkcal.h"

namespace {

SYSTEMTIME make_time(int y, int mo, int d, int h, int mi, int s = 0, int ms = 0, int dow = 0) {
    const auto w = [](int v) { return static_cast<uint16_t>(v); };
    return SYSTEMTIME{w(y), w(mo), w(dow), w(d), w(h), w(mi), w(s), w(ms)};
}

// Minutes from JD0 0 00:00 to the valid time t.
int64_t minutes(const SYSTEMTIME& t) {
    const Date d{t.wYear, t.wMonth, t.wDay};
    return static_cast<int64_t>(model::jd(d)) * 1440 + t.wHour * 60 + t.wMinute;
}

std::string show(const SYSTEMTIME& t) {
    char s[64];
    std::snprintf(s, sizeof s, "%05u-%02u-%02u %02u:%02u:%02u.%03u dow %u", t.wYear, t.wMonth, t.wDay, t.wHour,
                  t.wMinute, t.wSecond, t.wMilliseconds, t.wDayOfWeek);
    return s;
}

// A conversion of t by the library and by the model: the same answer and the
// same record after it (untouched where it fails).
template <typename... Offsets>
void expect_model(int32_t (*library)(SYSTEMTIME*, Offsets...), int32_t (*model_function)(SYSTEMTIME*, Offsets...),
                  const SYSTEMTIME& t, Offsets... offsets) {
    SYSTEMTIME ours = t, want = t;
    const int32_t ok = library(&ours, offsets...), lands = model_function(&want, offsets...);
    SCOPED_TRACE(show(t) + " with offsets " + ((std::to_string(offsets) + " ") + ...));
#ifdef _WIN32
    if (lands == 0 && ok != 0 && ours.wYear == 30828) return;  // the kernel's own upper end lies in 30828
#endif
    EXPECT_EQ(ok, lands);
    EXPECT_EQ(show(ours), show(want));
}

void expect_convert(const SYSTEMTIME& t, const std::array<int32_t, 4>& z) {
    expect_model(ConvertTimeZone, model::ConvertTimeZone, t, z[0], z[1], z[2], z[3]);
}

// ---- the local zone ----------------------------------------------------------

const SYSTEMTIME kNoon = make_time(2000, 6, 15, 12, 0);  // a Thursday given as Sunday: a shift by 0 shows
const SYSTEMTIME kGarbage = make_time(0, 0, 0, 25, 61, 61, 1001, 8);

// The bias the library has cached: LocalToOverseaTime(t, 0, 0) gives UTC = t + bias.
int64_t observed_bias() {
    SYSTEMTIME t = kNoon;
    EXPECT_NE(LocalToOverseaTime(&t, 0, 0), 0);
    return minutes(t) - minutes(kNoon);
}

// The zone's bias now, found apart from the library (the kernel's answer on
// Windows, local time minus UTC elsewhere) and checked against HKCAL_TEST_BIAS.
int64_t expected_bias() {
#ifdef _WIN32
    TIME_ZONE_INFORMATION zone{};
    const DWORD answer = GetTimeZoneInformation(&zone);
    const bool daylight = answer == TIME_ZONE_ID_DAYLIGHT;
    const int64_t bias =
        zone.Bias + (daylight ? zone.DaylightBias : answer == TIME_ZONE_ID_STANDARD ? zone.StandardBias : 0);
#else
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    EXPECT_NE(localtime_r(&now, &local), nullptr);
    const bool daylight = local.tm_isdst > 0;
    const int64_t bias = -((timegm(&local) - now) / 60);
#endif
    int standard = 0, summer = 0;
    if (const char* known = std::getenv("HKCAL_TEST_BIAS")) {
        EXPECT_EQ(std::sscanf(known, "%d/%d", &standard, &summer), 2) << known;
        EXPECT_EQ(bias, daylight ? summer : standard) << known;
    }
    return bias;
}

// Declared first: in a run of the whole program this is the process's first
// call, made by 16 threads at once, half through each local function.
TEST(LocalBias, ConcurrentFirstCallsAllSeeTheZonesBias) {
    std::vector<int64_t> seen(16, INT64_MIN);
    std::latch start(16);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < seen.size(); ++i)
        threads.emplace_back([&, i] {
            SYSTEMTIME t = kNoon;
            const bool to_utc = i % 2 == 0;  // t + bias, else t - bias
            start.arrive_and_wait();
            if ((to_utc ? LocalToOverseaTime(&t, 0, 0) : OverseaToLocalTime(&t, 0, 0)) != 0)
                seen[i] = (minutes(t) - minutes(kNoon)) * (to_utc ? 1 : -1);
        });
    for (std::thread& thread : threads) thread.join();
    const int64_t bias = expected_bias();
    for (const int64_t s : seen) EXPECT_EQ(s, bias);
}

int32_t g_bias = 0;  // the zone's bias as the library cached it
int32_t local_to_oversea(SYSTEMTIME* t, int32_t offset, int32_t dst) {
    return model::LocalToOverseaTime(t, offset, dst, g_bias);
}
int32_t oversea_to_local(SYSTEMTIME* t, int32_t offset, int32_t dst) {
    return model::OverseaToLocalTime(t, offset, dst, g_bias);
}

// local + bias is UTC, UTC + the zone's offsets is the zone's time; and back.
// The local zone itself gives B = 0: the record comes back untouched, even
// one no platform would accept.
TEST(LocalToOverseaTime, ShiftsThroughUtcAndBack) {
    g_bias = static_cast<int32_t>(observed_bias());
    const auto own = static_cast<int32_t>(-(g_bias / 60 * 100 + g_bias % 60));  // the zone's HHMM: 800 in UTC+8
    const SYSTEMTIME records[] = {kNoon, make_time(2000, 12, 31, 20, 0), make_time(1601, 1, 1, 0, 0),
                                  make_time(30827, 12, 31, 23, 59, 59, 999), make_time(2000, 2, 28, 23, 30), kGarbage};
    const std::pair<int32_t, int32_t> zones[] = {{own, 0}, {0, own}, {0, 0}, {800, 0}, {100, 100}, {-530, 100},
                                                 {545, 0}, {199, 0}, {-1200, -100}, {1400, 0}, {0, -1},
                                                 {INT32_MIN, 0}, {INT32_MAX, INT32_MAX}};
    for (const auto& [offset, dst] : zones)
        for (const SYSTEMTIME& record : records) {
            expect_model(LocalToOverseaTime, local_to_oversea, record, offset, dst);
            expect_model(OverseaToLocalTime, oversea_to_local, record, offset, dst);
        }
}

// ---- ConvertTimeZone -------------------------------------------------------------

// Every HHMM offset in [-5000, 5000] and a stride through all of int32 in
// each of the four places; and sums of extremes at both ends of the range,
// which add up modulo 2^32 like the platform's 32-bit bias.
TEST(ConvertTimeZone, OffsetsInEveryPlaceSumModulo2To32) {
    const SYSTEMTIME t = make_time(10000, 6, 15, 12, 34, 56, 789);
    // HHMM digits are read as written, not as a clock: 199 is 159 minutes
    // (not 119), 160 is 120 like 200.
    for (const auto& [to, hour, minute] : {std::tuple{199, 15, 13}, {-199, 9, 55}, {160, 14, 34}}) {
        SYSTEMTIME after = t;
        EXPECT_EQ(ConvertTimeZone(&after, to, 0, 0, 0), 1);
        EXPECT_EQ(after.wHour * 100 + after.wMinute, hour * 100 + minute) << to;
    }
    std::vector<int32_t> offsets{INT32_MAX};
    for (int32_t x = -5000; x <= 5000; ++x) offsets.push_back(x);
    for (int64_t x = INT32_MIN; x <= INT32_MAX; x += 2'147'483) offsets.push_back(static_cast<int32_t>(x));
    for (const int32_t x : offsets)
        for (const std::array<int32_t, 4>& z : {std::array{x, 0, 0, 0}, {0, x, 0, 0}, {0, 0, x, 0}, {0, 0, 0, x}})
            expect_convert(t, z);
    constexpr int32_t N = INT32_MIN, X = INT32_MAX;
    // The last sums to exactly 2^32 minutes: no shift.
    const std::array<int32_t, 4> sums[] = {{N, 0, 0, 0}, {X, 0, 0, 0}, {N, N, 0, 0}, {0, 0, N, N},
                                           {N, N, X, X}, {X, X, N, N}, {N, -715827754, X, X}};
    for (const SYSTEMTIME& r : {t, make_time(1601, 1, 1, 0, 0), make_time(30827, 12, 31, 23, 59)})
        for (const auto& z : sums) expect_convert(r, z);
}

// Records the platform cannot shift: the conversion fails and leaves them as
// they were; with B = 0 (offsets that cancel, modulo 2^32 too) it succeeds
// without looking at them.
TEST(ConvertTimeZone, InvalidRecordsAreRejectedUntouched) {
    std::vector<SYSTEMTIME> invalid = {
        make_time(2000, 0, 1, 0, 0),       make_time(2000, 13, 1, 0, 0),     make_time(2000, 1, 0, 0, 0),
        make_time(2000, 1, 32, 0, 0),      make_time(2001, 2, 29, 0, 0),     make_time(1900, 2, 29, 0, 0),
        make_time(2100, 2, 29, 0, 0),      make_time(2000, 2, 30, 0, 0),     make_time(2000, 4, 31, 0, 0),
        make_time(2000, 1, 1, 24, 0),      make_time(2000, 1, 1, 0, 60),     make_time(2000, 1, 1, 0, 0, 60),
        make_time(2000, 1, 1, 0, 0, 0, 1000), make_time(1600, 12, 31, 23, 59), make_time(0, 1, 1, 0, 0),
        make_time(2000, 65535, 65535, 65535, 65535, 65535, 65535, 65535), kGarbage};
#ifndef _WIN32
    invalid.insert(invalid.end(), {make_time(30828, 1, 1, 0, 0), make_time(65535, 1, 1, 0, 0)});
#endif
    // {to, to_dst, from, from_dst, the answer}
    const std::array<int32_t, 5> zones[] = {{100, 0, 0, 0, 0}, {800, 0, 800, 0, 1}, {100, 0, 60, 0, 1},
                                            {-45, 0, -45, 0, 1}, {INT32_MIN, -715827754, INT32_MAX, INT32_MAX, 1}};
    for (const SYSTEMTIME& record : invalid)
        for (const auto& [to, to_dst, from, from_dst, answer] : zones) {
#ifdef _WIN32
            // Wine (8.0) reads every February as 29 days long when it checks
            // a record, so it shifts 2001-02-29 where Windows refuses it.
            const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
            if (answer == 0 && record.wMonth == 2 && record.wDay == 29 && ntdll != nullptr &&
                GetProcAddress(ntdll, "wine_get_version") != nullptr)
                continue;
#endif
            SYSTEMTIME t = record;
            EXPECT_EQ(ConvertTimeZone(&t, to, to_dst, from, from_dst), answer) << show(record);
            EXPECT_EQ(show(t), show(record));
        }
}

}  // namespace
