// Time-zone conversion. The library reads the local zone's bias once per
// process, so tests/timezone.cmake runs this program once per fixed zone
// (TZ), telling it the zone's bias in HKCAL_TEST_BIAS ("standard/daylight"
// in minutes, UTC = local time + bias). Every shift is checked against a
// slow count of minutes since 1601-01-01 00:00.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <latch>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "hkcal.h"

namespace {

// ---- the reference: minutes since 1601-01-01 00:00, a Monday --------------

constexpr int kFirstYear = 1601;
constexpr int kLastYear = 30827;
constexpr int64_t kMinutesPerDay = 1440;

bool leap(int y) { return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0); }

int days_in(int y, int m) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return kDays[m - 1] + (m == 2 && leap(y) ? 1 : 0);
}

// Days from 1601-01-01 to January 1 of each year 1601..30828, counted year by year.
const std::vector<int64_t>& year_starts() {
    static const std::vector<int64_t> starts = [] {
        std::vector<int64_t> v;
        int64_t days = 0;
        for (int y = kFirstYear; y <= kLastYear + 1; ++y) {
            v.push_back(days);
            days += leap(y) ? 366 : 365;
        }
        return v;
    }();
    return starts;
}

int64_t days_since_1601(int y, int m, int d) {
    int64_t days = year_starts()[static_cast<std::size_t>(y - kFirstYear)];
    for (int k = 1; k < m; ++k) days += days_in(y, k);
    return days + d - 1;
}

int64_t minutes_since_1601(const SYSTEMTIME& t) {
    return days_since_1601(t.wYear, t.wMonth, t.wDay) * kMinutesPerDay + t.wHour * 60 + t.wMinute;
}

// Minutes from 1601-01-01 00:00 to 30828-01-01 00:00.
int64_t minutes_in_range() { return year_starts().back() * kMinutesPerDay; }

SYSTEMTIME make_time(int y, int mo, int d, int h, int mi, int s = 0, int ms = 0, int dow = 0) {
    SYSTEMTIME t;
    t.wYear = static_cast<uint16_t>(y);
    t.wMonth = static_cast<uint16_t>(mo);
    t.wDayOfWeek = static_cast<uint16_t>(dow);
    t.wDay = static_cast<uint16_t>(d);
    t.wHour = static_cast<uint16_t>(h);
    t.wMinute = static_cast<uint16_t>(mi);
    t.wSecond = static_cast<uint16_t>(s);
    t.wMilliseconds = static_cast<uint16_t>(ms);
    return t;
}

// The time `minutes` after 1601-01-01 00:00 with its weekday, seconds and
// milliseconds taken from `like`; 0 <= minutes < minutes_in_range().
SYSTEMTIME from_minutes(int64_t minutes, const SYSTEMTIME& like) {
    const std::vector<int64_t>& starts = year_starts();
    const int64_t day = minutes / kMinutesPerDay;
    const auto year = std::upper_bound(starts.begin(), starts.end(), day) - 1;
    const int y = kFirstYear + static_cast<int>(year - starts.begin());
    int64_t day_of_year = day - *year;
    int m = 1;
    while (day_of_year >= days_in(y, m)) day_of_year -= days_in(y, m++);
    const int64_t minute_of_day = minutes % kMinutesPerDay;
    return make_time(y, m, static_cast<int>(day_of_year) + 1, static_cast<int>(minute_of_day / 60),
                     static_cast<int>(minute_of_day % 60), like.wSecond, like.wMilliseconds,
                     static_cast<int>((day + 1) % 7));
}

std::string show(const SYSTEMTIME& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%05u-%02u-%02u %02u:%02u:%02u.%03u dow %u", t.wYear, t.wMonth, t.wDay,
                  t.wHour, t.wMinute, t.wSecond, t.wMilliseconds, t.wDayOfWeek);
    return text;
}

// The minutes of an HHMM offset: hours * 60 plus the minute digits, signed.
int64_t hhmm_minutes(int32_t x) {
    const int64_t a = x < 0 ? -int64_t{x} : int64_t{x};
    const int64_t minutes = (a / 100) * 60 + a % 100;
    return x < 0 ? -minutes : minutes;
}

// The HHMM offset of a whole number of minutes, |minutes| < 2^31 * 0.6.
int32_t hhmm(int64_t minutes) {
    const int64_t a = minutes < 0 ? -minutes : minutes;
    const int64_t x = (a / 60) * 100 + a % 60;
    return static_cast<int32_t>(minutes < 0 ? -x : x);
}

// v modulo 2^32, as a signed count.
int64_t wrap32(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v))); }

// Checks one conversion of the valid time `before` that subtracted the net
// bias b (taken modulo 2^32) and answered `ok`, leaving `after`.
void expect_shift(const SYSTEMTIME& before, int64_t b, int32_t ok, const SYSTEMTIME& after) {
    const int64_t bias = wrap32(b);
    if (bias == 0) {
        EXPECT_EQ(ok, 1) << "zero bias";
        EXPECT_EQ(show(after), show(before)) << "zero bias leaves the record untouched";
        return;
    }
    const int64_t target = minutes_since_1601(before) - bias;
    if (target >= 0 && target < minutes_in_range()) {
        EXPECT_NE(ok, 0) << show(before) << " minus " << bias;
        EXPECT_EQ(show(after), show(from_minutes(target, before))) << show(before) << " minus " << bias;
        return;
    }
#ifdef _WIN32
    if (target >= 0) return;  // the kernel's own upper end lies in 30828
#endif
    EXPECT_EQ(ok, 0) << show(before) << " minus " << bias << " leaves the range";
    EXPECT_EQ(show(after), show(before)) << "a failed shift leaves the record untouched";
}

// ConvertTimeZone on a copy of t, checked by expect_shift.
void expect_convert(const SYSTEMTIME& t, int32_t to_offset, int32_t to_dst, int32_t from_offset, int32_t from_dst) {
    SYSTEMTIME after = t;
    const int32_t ok = ConvertTimeZone(&after, to_offset, to_dst, from_offset, from_dst);
    SCOPED_TRACE(::testing::Message() << "ConvertTimeZone(" << to_offset << ", " << to_dst << ", "
                                      << from_offset << ", " << from_dst << ")");
    expect_shift(t, hhmm_minutes(from_offset) + hhmm_minutes(from_dst) - hhmm_minutes(to_offset) -
                        hhmm_minutes(to_dst),
                 ok, after);
}

// ---- the local zone ----------------------------------------------------------

const SYSTEMTIME kNoon = make_time(2000, 6, 15, 12, 0);

// The bias the library has cached, seen through LocalToOverseaTime(t, 0, 0),
// which turns a local time into UTC = local + bias.
int64_t observed_bias() {
    SYSTEMTIME t = kNoon;
    EXPECT_NE(LocalToOverseaTime(&t, 0, 0), 0);
    return minutes_since_1601(t) - minutes_since_1601(kNoon);
}

#ifdef _WIN32
// The kernel's answer for the local zone now.
int64_t expected_bias() {
    TIME_ZONE_INFORMATION zone;
    ZeroMemory(&zone, sizeof zone);
    const DWORD answer = GetTimeZoneInformation(&zone);
    int64_t bias = zone.Bias;
    if (answer == TIME_ZONE_ID_STANDARD) bias += zone.StandardBias;
    if (answer == TIME_ZONE_ID_DAYLIGHT) bias += zone.DaylightBias;
    if (const char* known = std::getenv("HKCAL_TEST_BIAS")) {
        int standard = 0;
        int daylight = 0;
        EXPECT_EQ(std::sscanf(known, "%d/%d", &standard, &daylight), 2) << known;
        EXPECT_EQ(bias, answer == TIME_ZONE_ID_DAYLIGHT ? daylight : standard) << "TZ=" << std::getenv("TZ");
    }
    return bias;
}

// Wine (8.0) reads every February as 29 days long when it checks a record,
// so it shifts 2001-02-29 where Windows refuses it.
bool running_under_wine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}
#else
// The C library's view of the local zone now, UTC minus local time counted
// independently; also checked against the zone timezone.cmake named.
int64_t expected_bias() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    std::tm utc{};
    EXPECT_NE(localtime_r(&now, &local), nullptr);
    EXPECT_NE(gmtime_r(&now, &utc), nullptr);
    const auto seconds = [](const std::tm& t) {
        return days_since_1601(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday) * 86400 + t.tm_hour * 3600 +
               t.tm_min * 60 + t.tm_sec;
    };
    const int64_t bias = -((seconds(local) - seconds(utc)) / 60);
    if (const char* known = std::getenv("HKCAL_TEST_BIAS")) {
        int standard = 0;
        int daylight = 0;
        EXPECT_EQ(std::sscanf(known, "%d/%d", &standard, &daylight), 2) << known;
        EXPECT_EQ(bias, local.tm_isdst > 0 ? daylight : standard) << "TZ=" << std::getenv("TZ");
    }
    return bias;
}
#endif

// Declared first: in a run of the whole program this is the process's first
// call, made by 16 threads at once, half through each local function.
TEST(LocalBias, ConcurrentFirstCallsAllSeeOneValue) {
    constexpr int kThreads = 16;
    year_starts();  // the reference's own one-time table, built before the race
    std::vector<int64_t> seen(kThreads);
    std::vector<int32_t> ok(kThreads);
    std::latch start(kThreads);
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i) {
        threads.emplace_back([&, i] {
            SYSTEMTIME t = kNoon;
            const auto k = static_cast<std::size_t>(i);
            start.arrive_and_wait();
            if (i % 2 == 0) {
                ok[k] = LocalToOverseaTime(&t, 0, 0);  // t + bias
                seen[k] = minutes_since_1601(t) - minutes_since_1601(kNoon);
            } else {
                ok[k] = OverseaToLocalTime(&t, 0, 0);  // t - bias
                seen[k] = minutes_since_1601(kNoon) - minutes_since_1601(t);
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_NE(ok[i], 0) << "thread " << i;
        EXPECT_EQ(seen[i], seen[0]) << "thread " << i;
    }
    EXPECT_EQ(seen[0], expected_bias());
}

TEST(LocalBias, IsTheZonesBiasNow) { EXPECT_EQ(observed_bias(), expected_bias()); }

#ifndef _WIN32
TEST(LocalBias, IsNotRefreshedWhenTheZoneChanges) {
    const int64_t before = observed_bias();
    const char* tz = std::getenv("TZ");
    const std::string saved = tz != nullptr ? tz : "";
    setenv("TZ", before == -780 ? "UTC0" : "XXX-13", 1);  // some other zone
    tzset();
    EXPECT_EQ(observed_bias(), before);
    if (tz != nullptr) setenv("TZ", saved.c_str(), 1);
    else unsetenv("TZ");
    tzset();
}
#endif

// A zone whose offsets equal the local zone's gives a bias of 0: the
// record comes back untouched, even one no platform would accept.
TEST(LocalToOverseaTime, TheLocalZoneItselfLeavesTheRecordUntouched) {
    const int32_t own = hhmm(-observed_bias());  // 800 in UTC+8
    const SYSTEMTIME records[] = {kNoon, make_time(2000, 13, 45, 99, 99, 99, 9999, 77)};
    for (const SYSTEMTIME& record : records) {
        for (const auto& [offset, dst] : {std::pair{own, 0}, std::pair{0, own}}) {
            SYSTEMTIME t = record;
            EXPECT_EQ(LocalToOverseaTime(&t, offset, dst), 1);
            EXPECT_EQ(show(t), show(record));
            EXPECT_EQ(OverseaToLocalTime(&t, offset, dst), 1);
            EXPECT_EQ(show(t), show(record));
        }
    }
}

// local + bias is UTC, UTC + the zone's offsets is the zone's time; and back.
TEST(LocalToOverseaTime, ShiftsThroughUtcAndBack) {
    const int64_t bias = observed_bias();
    const SYSTEMTIME records[] = {kNoon, make_time(2000, 12, 31, 20, 0), make_time(1601, 1, 1, 0, 0),
                                  make_time(30827, 12, 31, 23, 59, 59, 999), make_time(2000, 2, 28, 23, 30)};
    const std::pair<int32_t, int32_t> zones[] = {{0, 0},     {800, 0},   {100, 100},       {-530, 100},
                                                 {545, 0},   {199, 0},   {-1200, -100},    {1400, 0},
                                                 {INT32_MIN, 0}, {INT32_MAX, INT32_MAX}, {0, -1}};
    for (const SYSTEMTIME& record : records) {
        for (const auto& [offset, dst] : zones) {
            SCOPED_TRACE(::testing::Message() << show(record) << " zone " << offset << " + " << dst);
            const int64_t zone = hhmm_minutes(offset) + hhmm_minutes(dst);
            SYSTEMTIME there = record;
            const int32_t ok = LocalToOverseaTime(&there, offset, dst);
            expect_shift(record, -zone - bias, ok, there);
            SYSTEMTIME here = record;
            expect_shift(record, zone + bias, OverseaToLocalTime(&here, offset, dst), here);
            if (ok != 0 && wrap32(zone + bias) != 0) {
                EXPECT_NE(OverseaToLocalTime(&there, offset, dst), 0);
                EXPECT_EQ(show(there), show(from_minutes(minutes_since_1601(record), record)));
            }
        }
    }
}

// ---- ConvertTimeZone -------------------------------------------------------------

TEST(ConvertTimeZone, WorkedExamples) {
    SYSTEMTIME t = make_time(2000, 12, 31, 20, 0);  // a Sunday
    EXPECT_NE(ConvertTimeZone(&t, 800, 0, 0, 0), 0);
    EXPECT_EQ(show(t), show(make_time(2001, 1, 1, 4, 0, 0, 0, 1)));
    EXPECT_NE(ConvertTimeZone(&t, 0, 0, 800, 0), 0);
    EXPECT_EQ(show(t), show(make_time(2000, 12, 31, 20, 0, 0, 0, 0)));
    EXPECT_NE(ConvertTimeZone(&t, 530, 0, -100, 100), 0);
    EXPECT_EQ(show(t), show(make_time(2001, 1, 1, 1, 30, 0, 0, 1)));
    EXPECT_NE(ConvertTimeZone(&t, 199, 0, 0, 0), 0);  // 159 minutes, not 119
    EXPECT_EQ(show(t), show(make_time(2001, 1, 1, 4, 9, 0, 0, 1)));
    EXPECT_NE(ConvertTimeZone(&t, 0, 0, 160, 0), 0);  // 160 is 120 minutes, like 200
    EXPECT_EQ(show(t), show(make_time(2001, 1, 1, 2, 9, 0, 0, 1)));

    const SYSTEMTIME garbage = make_time(0, 0, 0, 25, 61, 61, 1001, 8);
    for (const auto& [to, from] : {std::pair{800, 800}, std::pair{100, 60}, std::pair{-45, -45}}) {
        SYSTEMTIME g = garbage;
        EXPECT_EQ(ConvertTimeZone(&g, to, 0, from, 0), 1) << to << " from " << from;
        EXPECT_EQ(show(g), show(garbage));
    }
}

// Every HHMM offset in [-5000, 5000] in each of the four places, and a
// stride through all of int32, on a time far from either end of the range.
TEST(ConvertTimeZone, HhmmOffsetsInEveryPlace) {
    const SYSTEMTIME t = make_time(10000, 6, 15, 12, 34, 56, 789);
    std::vector<int32_t> offsets;
    for (int32_t x = -5000; x <= 5000; ++x) offsets.push_back(x);
    for (int64_t x = INT32_MIN; x <= INT32_MAX; x += 2'147'483) offsets.push_back(static_cast<int32_t>(x));
    offsets.push_back(INT32_MAX);
    for (const int32_t x : offsets) {
        expect_convert(t, x, 0, 0, 0);
        expect_convert(t, 0, x, 0, 0);
        expect_convert(t, 0, 0, x, 0);
        expect_convert(t, 0, 0, 0, x);
    }
}

// The four offsets' minutes add up modulo 2^32, like the platform's 32-bit bias.
TEST(ConvertTimeZone, ExtremeOffsetsSumModulo2To32) {
    const SYSTEMTIME records[] = {make_time(10000, 1, 1, 0, 0), make_time(1601, 1, 1, 0, 0),
                                  make_time(30827, 12, 31, 23, 59)};
    const int32_t cases[][4] = {
        {INT32_MIN, 0, 0, 0},           {INT32_MAX, 0, 0, 0},
        {INT32_MIN, INT32_MIN, 0, 0},   {0, 0, INT32_MIN, INT32_MIN},
        {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX},
        {INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN},
        {INT32_MIN, -715827754, INT32_MAX, INT32_MAX},  // exactly 2^32 minutes: no shift
    };
    for (const SYSTEMTIME& t : records)
        for (const auto& c : cases) expect_convert(t, c[0], c[1], c[2], c[3]);

    const SYSTEMTIME garbage = make_time(0, 0, 0, 25, 61, 61, 1001, 8);
    SYSTEMTIME g = garbage;
    EXPECT_EQ(ConvertTimeZone(&g, INT32_MIN, -715827754, INT32_MAX, INT32_MAX), 1);
    EXPECT_EQ(show(g), show(garbage));
}

// Shifts of a minute to a leap year across the first and last days of
// every month of years around leap-rule and century ends, and at the ends
// of the platform's range.
TEST(ConvertTimeZone, CarriesAcrossMonthYearAndCenturyEnds) {
    const int years[] = {1601, 1602, 1603, 1604, 1699, 1700, 1799, 1800, 1899, 1900, 1999, 2000, 2001,
                         2003, 2004, 2024, 2099, 2100, 2101, 2399, 2400, 2401, 9999, 10000, 30826, 30827};
    const int64_t shifts[] = {1, 59, 60, 61, 1439, 1440, 1441, 2 * 1440 + 1, 28 * 1440, 29 * 1440, 31 * 1440,
                              365 * 1440, 366 * 1440, 400 * 366 * 1440};
    for (const int y : years) {
        for (int m = 1; m <= 12; ++m) {
            for (const int d : {1, 2, days_in(y, m) - 1, days_in(y, m)}) {
                for (const auto& [h, mi] : {std::pair{0, 0}, std::pair{23, 59}, std::pair{12, 1}}) {
                    const SYSTEMTIME t = make_time(y, m, d, h, mi, 30, 500);
                    for (const int64_t s : shifts) {
                        expect_convert(t, hhmm(s), 0, 0, 0);  // s minutes later
                        expect_convert(t, 0, 0, 0, hhmm(s));  // s minutes earlier
                    }
                }
            }
        }
    }
}

TEST(ConvertTimeZone, RandomTimesAndOffsetsAgainstTheReference) {
    std::mt19937 random(20240229);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const auto offset = [&] { return pick(0, 3) == 0 ? pick(INT32_MIN, INT32_MAX) : pick(-1499, 1499); };
    for (int i = 0; i < 100'000; ++i) {
        const int y = pick(kFirstYear, kLastYear);
        const int m = pick(1, 12);
        const SYSTEMTIME t = make_time(y, m, pick(1, days_in(y, m)), pick(0, 23), pick(0, 59), pick(0, 59),
                                       pick(0, 999), pick(0, 65535));  // the weekday is never read
        expect_convert(t, offset(), offset(), offset(), offset());
        if (HasFailure()) break;
    }
}

// Records the platform cannot shift: the conversion fails and leaves them as they were.
TEST(ConvertTimeZone, InvalidRecordsAreRejectedUntouched) {
    std::vector<SYSTEMTIME> invalid = {
        make_time(2000, 0, 1, 0, 0),       make_time(2000, 13, 1, 0, 0),     make_time(2000, 1, 0, 0, 0),
        make_time(2000, 1, 32, 0, 0),      make_time(2001, 2, 29, 0, 0),     make_time(1900, 2, 29, 0, 0),
        make_time(2100, 2, 29, 0, 0),      make_time(2000, 2, 30, 0, 0),     make_time(2000, 4, 31, 0, 0),
        make_time(2000, 1, 1, 24, 0),      make_time(2000, 1, 1, 0, 60),     make_time(2000, 1, 1, 0, 0, 60),
        make_time(2000, 1, 1, 0, 0, 0, 1000), make_time(1600, 12, 31, 23, 59), make_time(0, 1, 1, 0, 0),
        make_time(2000, 65535, 65535, 65535, 65535, 65535, 65535, 65535),
    };
#ifndef _WIN32
    invalid.push_back(make_time(30828, 1, 1, 0, 0));
    invalid.push_back(make_time(65535, 1, 1, 0, 0));
#endif
    for (const SYSTEMTIME& record : invalid) {
#ifdef _WIN32
        if (running_under_wine() && record.wMonth == 2 && record.wDay == 29) continue;
#endif
        SYSTEMTIME t = record;
        EXPECT_EQ(ConvertTimeZone(&t, 100, 0, 0, 0), 0) << show(record);
        EXPECT_EQ(show(t), show(record));
    }
}

}  // namespace
