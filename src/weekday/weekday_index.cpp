// The weekday index (0 Sunday .. 6 Saturday): the exported wrappers.
#include <bit>
#include <cmath>

#include "calendar/int_math.hpp"
#include "calendar/jd_to_date.hpp"

using namespace hkcal::detail;

namespace {

// (trunc(jd) % 7) + 1 with 7 read as 0, for any finite jd: the remainder of
// the truncated value keeps its sign, so JD below -1 give -5 to 0.
// NaN and infinities have no weekday: -1.
int32_t weekday_of_jd0(double jd) noexcept {
    // 0 <= jd <= kMaxJD in one comparison of the bits (see date_from_jd0_rounded).
    if (std::bit_cast<uint64_t>(jd) <= std::bit_cast<uint64_t>(kMaxJD)) [[likely]] {
        // Truncation keeps t >= 0, where (t % 7) + 1 with 7 read as 0 is (t + 1) % 7.
        const auto t = static_cast<uint32_t>(static_cast<int32_t>(jd));  // [0, 2^31 - 1]
        return static_cast<int32_t>((t + 1) % 7);
    }
    int32_t r;
    if (jd_in_range(jd)) {
        r = static_cast<int32_t>(jd) % 7;  // [-6, 6]
    } else if (std::isfinite(jd)) {
        r = static_cast<int32_t>(std::fmod(std::trunc(jd), 7.0));  // exact, [-6, 6]
    } else {
        return -1;
    }
    return r == 6 ? 0 : r + 1;
}

}  // namespace

extern "C" {

int32_t day_of_week_index_JD0(double jd) { return weekday_of_jd0(jd); }

int32_t day_of_week_index(const Date* date) {
    // The Gregorian congruence with March as month 1; January and February
    // count as months 11 and 12 of the previous year. Evaluated in 64 bits,
    // so no field value overflows. For years 1 to 4599 s is positive and
    // this is s % 7; elsewhere a negative s is reduced to [0, 6] as well.
    const bool early = date->month <= 2;
    const int64_t m = early ? int64_t{date->month} + 10 : int64_t{date->month} - 2;
    const int64_t y = early ? int64_t{date->year} - 1 : int64_t{date->year};
    const int64_t c = y / 100;
    const int64_t r = y - 100 * c;
    const int64_t s = (13 * m - 1) / 5 + r / 4 - 102 * c + y + c / 4 + date->day + 77;
    return static_cast<int32_t>(floor_mod(s, 7));
}

int32_t is_day_of_week(const Date* date, int32_t dow) {
    const int32_t want = dow >= 0 && dow <= 6 ? dow : dow % 7;
    return weekday_of_jd0(date_to_JD0(date)) == want ? 1 : 0;
}

}  // extern "C"
