// The time-zone services where the Windows kernel's are missing: the local
// bias from the C library's view of the local zone, and a shift of a
// SYSTEMTIME on the proleptic Gregorian calendar that accepts and rejects
// what the kernel's shift does.
#include <ctime>

#include "calendar/calendar.hpp"
#include "timezone/platform.hpp"

namespace hkcal::detail {

namespace {

inline constexpr int64_t kMinutesPerDay = 24 * 60;
inline constexpr int32_t kFirstYear = 1601;   // the platform's first year
inline constexpr int32_t kLastYear = 30827;   // and its last
// JD 2305814 is 1601-01-01, JD 12980755 is 30827-12-31 (both Gregorian).
inline constexpr int64_t kFirstJD = fields_to_jd(kFirstYear, 1, 1);
inline constexpr int64_t kLastJD = fields_to_jd(kLastYear, 12, 31);
static_assert(kFirstJD == 2305814 && kLastJD == 12980755);

// True when the record names a real time of the years 1601-30827; the day
// of the week is not read.
constexpr bool valid_time(const SYSTEMTIME& t) noexcept {
    if (t.wYear < kFirstYear || t.wYear > kLastYear || t.wDay < 1) return false;
    const int32_t days = month_length_in(gregorian_leap(t.wYear), t.wMonth);  // 0 for a month outside 1-12
    return t.wDay <= days && t.wHour < 24 && t.wMinute < 60 && t.wSecond < 60 && t.wMilliseconds < 1000;
}

}  // namespace

// tm_gmtoff is seconds east of UTC; the bias is whole minutes west of it,
// the seconds of an odd historical offset truncated toward zero.
int32_t query_local_bias() noexcept {
    tzset();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (now == static_cast<std::time_t>(-1) || localtime_r(&now, &local) == nullptr) return 0;
    const auto east_minutes = static_cast<int64_t>(local.tm_gmtoff) / 60;  // |x| < 1 day in practice
    return static_cast<int32_t>(-east_minutes);
}

// Minutes counted from JD 0 00:00; seconds and milliseconds ride along
// unchanged. On failure *out is not written.
int32_t shift_by_bias(int32_t bias, const SYSTEMTIME* in, SYSTEMTIME* out) noexcept {
    if (!valid_time(*in)) return 0;
    const int64_t jd = fields_to_jd(in->wYear, in->wMonth, in->wDay);  // Gregorian after 1582
    const int64_t minutes = jd * kMinutesPerDay + in->wHour * 60 + in->wMinute - bias;
    const int64_t day = floor_div(minutes, kMinutesPerDay);
    if (day < kFirstJD || day > kLastJD) return 0;
    const int64_t minute_of_day = minutes - day * kMinutesPerDay;  // [0, 1439]
    const Date date = gregorian_from_jd(day);
    SYSTEMTIME result = *in;
    result.wYear = static_cast<uint16_t>(date.year);
    result.wMonth = static_cast<uint16_t>(date.month);
    result.wDay = static_cast<uint16_t>(date.day);
    result.wHour = static_cast<uint16_t>(minute_of_day / 60);
    result.wMinute = static_cast<uint16_t>(minute_of_day % 60);
    result.wDayOfWeek = static_cast<uint16_t>(weekday_from_jd(day));
    *out = result;
    return 1;
}

}  // namespace hkcal::detail
