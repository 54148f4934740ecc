// Whole Julian Day Numbers and JD0 doubles to dates: the proleptic Julian
// and Gregorian readings, and the historical date with a straight path for
// JDs near the present.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "calendar/date.hpp"
#include "calendar/rules.hpp"

namespace hkcal::detail {

// A whole JD within this range converts to a date whose year fits int32.
inline constexpr double kMinJD = -2147483648.0;
inline constexpr double kMaxJD = 2147483647.0;

// True when trunc(jd) is an int32 (false for NaN and infinities).
constexpr bool jd_in_range(double jd) noexcept { return jd > kMinJD - 1.0 && jd < kMaxJD + 1.0; }

// floor(x) for |x| < 2^62, without the libm call.
constexpr int64_t floor_to_int(double x) noexcept {
    const auto t = static_cast<int64_t>(x);
    return t - (static_cast<double>(t) > x ? 1 : 0);
}

// The proleptic Gregorian date of a whole JD, |jd| <= 2^31 + 1.
constexpr Date gregorian_from_jd(int64_t jd) noexcept {
    // Days since 0000-03-01 (JD 1721120), shifted by whole 400-year eras so
    // that the dividend is never negative.
    constexpr int64_t kEras = 15000;
    const auto z = static_cast<uint64_t>(jd - 1721120 + 146097 * kEras);
    const uint64_t era = z / 146097;
    const uint64_t doe = z - era * 146097;                                  // [0, 146096]
    const uint64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    const uint64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);           // [0, 365], 0 is March 1
    const uint64_t mp = (5 * doy + 2) / 153;                                 // [0, 11], 0 is March
    const auto day = static_cast<int32_t>(doy - (153 * mp + 2) / 5 + 1);
    const auto month = static_cast<int32_t>(mp < 10 ? mp + 3 : mp - 9);
    const int64_t year = static_cast<int64_t>(yoe + era * 400) - 400 * kEras + (month <= 2 ? 1 : 0);
    return assemble_date(static_cast<int32_t>(year), month, day);
}

// The proleptic Julian date of a whole JD, |jd| <= 2^31 + 1.
constexpr Date julian_from_jd(int64_t jd) noexcept {
    // Days since 0000-03-01 Julian (JD 1721118), shifted by whole 4-year
    // cycles so that the dividend is never negative.
    constexpr int64_t kCycles = 1'500'000;
    const auto z = static_cast<uint64_t>(jd - 1721118 + 1461 * kCycles);
    const uint64_t cycle = z / 1461;
    const uint64_t doc = z - cycle * 1461;            // [0, 1460]
    const uint64_t yoc = (doc - doc / 1460) / 365;    // [0, 3]
    const uint64_t doy = doc - 365 * yoc;             // [0, 365], 0 is March 1
    const uint64_t mp = (5 * doy + 2) / 153;          // [0, 11], 0 is March
    const auto day = static_cast<int32_t>(doy - (153 * mp + 2) / 5 + 1);
    const auto month = static_cast<int32_t>(mp < 10 ? mp + 3 : mp - 9);
    const int64_t year = static_cast<int64_t>(yoc + cycle * 4) - 4 * kCycles + (month <= 2 ? 1 : 0);
    return assemble_date(static_cast<int32_t>(year), month, day);
}

// ---- the straight path for JDs near the present --------------------------

// Day counts from 0000-03-01 (JD 1721120 in the Gregorian calendar, JD
// 1721118 in the Julian), shifted by kJDEras 400-year eras (146097 days
// Gregorian, 146100 Julian) so that no JD in [kMinFastJD, kMaxFastJD]
// gives a negative count or one of 2^30 or more in either calendar.
inline constexpr int64_t kJDEras = 3674;
inline constexpr int64_t kGregorianShift = 146097 * kJDEras - 1721120;
inline constexpr int64_t kJulianShift = 146100 * kJDEras - 1721118;
static_assert(kGregorianShift < kJulianShift);

// The days from the shifted 0000-03-01 to a whole JD's date counted in
// Julian years, 365 * y + floor(y / 4) + the day of the year: the Julian
// calendar's own count when gregorian_mask is zero; when it is all ones the
// count of the JD's Gregorian date, which is the Gregorian count with the
// leap days that c whole centuries drop added back (c - floor(c / 4)).
constexpr uint32_t julian_year_days(int64_t jd, uint32_t gregorian_mask) noexcept {
    constexpr auto kShiftDiff = static_cast<uint32_t>(kJulianShift - kGregorianShift);
    const auto gregorian_days = static_cast<uint32_t>(jd + kGregorianShift);
    const uint32_t centuries = (4 * gregorian_days + 3) / 146097;
    const uint32_t dropped = centuries - centuries / 4;
    return static_cast<uint32_t>(jd + kJulianShift) + (gregorian_mask & (dropped - kShiftDiff));
}

inline constexpr int64_t kMinFastJD = -kGregorianShift;  // -535039258
inline constexpr int64_t kMaxFastJD = 538680517;         // the last JD whose Gregorian count is below 2^30
static_assert(julian_year_days(kMinFastJD, ~0u) == 0);
static_assert(julian_year_days(kMaxFastJD, ~0u) == (1u << 30) - 1);
static_assert(julian_year_days(kMaxFastJD, 0u) < (1u << 30));

// The month and day of each day of a year counted from March 1 (day 0 is
// March 1, day 305 December 31, day 365 February 29), and whether it lies in
// January or February, which carry the next year's number.
struct MarchDay {
    uint8_t month, day, next_year;
};
inline constexpr auto kMarchDays = [] {
    std::array<MarchDay, 366> t{};
    int32_t m = 0;  // [0, 11], 0 is March
    int32_t d = 1;
    for (MarchDay& entry : t) {
        const int32_t month = m < 10 ? m + 3 : m - 9;
        entry = MarchDay{static_cast<uint8_t>(month), static_cast<uint8_t>(d), static_cast<uint8_t>(m >= 10 ? 1 : 0)};
        if (++d > month_length_in(true, month)) {
            d = 1;
            ++m;
        }
    }
    return t;
}();
static_assert(kMarchDays[305].month == 12 && kMarchDays[305].day == 31 && kMarchDays[305].next_year == 0);
static_assert(kMarchDays[306].month == 1 && kMarchDays[306].day == 1 && kMarchDays[306].next_year == 1);
static_assert(kMarchDays[365].month == 2 && kMarchDays[365].day == 29);

// The date of a whole JD in [kMinFastJD, kMaxFastJD] by the Gregorian
// calendar when gregorian_mask is all ones, the Julian when it is zero,
// without a branch: either becomes a count in Julian years, one Euclidean
// affine step gives the year and the day of the year from March 1, and a
// table the month and day.
constexpr Date date_from_jd_fast(int64_t jd, uint32_t gregorian_mask) noexcept {
    const uint32_t n = 4 * julian_year_days(jd, gregorian_mask) + 3;  // < 2^32
    const MarchDay md = kMarchDays[n % 1461 / 4];                      // [0, 365], 0 is March 1
    const auto year = static_cast<int32_t>(static_cast<int64_t>(n / 1461 + md.next_year) - 400 * kJDEras);
    return assemble_date(year, md.month, md.day);
}

constexpr bool jd_fast(int64_t jd) noexcept { return jd >= kMinFastJD && jd <= kMaxFastJD; }

// All ones from JD 2299161 (1582-10-15) on, zero before.
constexpr uint32_t gregorian_mask_of(int64_t jd) noexcept {
    return 0u - static_cast<uint32_t>(jd >= kFirstGregorianJD);
}

// ---- the historical date ------------------------------------------------------

// The historical date of a whole JD: Julian up to JD 2299160, Gregorian
// after; the null date for a JD outside int32.
constexpr Date date_from_whole_jd(int64_t jd) noexcept {
    if (jd_fast(jd)) [[likely]] return date_from_jd_fast(jd, gregorian_mask_of(jd));
    if (jd < INT32_MIN || jd > INT32_MAX) return kNullDate;
    return jd >= kFirstGregorianJD ? gregorian_from_jd(jd) : julian_from_jd(jd);
}
Date date_from_whole_jd(double) = delete;  // a JD0 double rounds: date_from_jd0_rounded

// The historical date of a JD0 double, rounded to a whole day as each
// calendar reads a fraction: the calendar is chosen by trunc(jd); a fraction
// is rounded half up on the Gregorian side and floored on the Julian side.
// The null date when trunc(jd) is not an int32.
constexpr Date date_from_jd0_rounded(double jd) noexcept {
    // 0 <= jd <= kMaxFastJD in one comparison: the bits of +0.0 up to those of
    // any larger double count up as unsigned integers; -0.0, negative
    // numbers and NaN compare above.
    if (std::bit_cast<uint64_t>(jd) <= std::bit_cast<uint64_t>(static_cast<double>(kMaxFastJD))) [[likely]] {
        // One conversion: jd + 0.5 or jd, both >= 0, so truncating floors.
        // The whole JD is >= 2299161 exactly when jd is.
        const double rounding = jd >= static_cast<double>(kFirstGregorianJD) ? 0.5 : 0.0;
        const auto whole = static_cast<int64_t>(jd + rounding);
        return date_from_jd_fast(whole, gregorian_mask_of(whole));
    }
    if (!jd_in_range(jd)) return kNullDate;
    if (jd >= static_cast<double>(kFirstGregorianJD)) return gregorian_from_jd(floor_to_int(jd + 0.5));
    return julian_from_jd(floor_to_int(jd));
}
Date date_from_jd0_rounded(int64_t) = delete;  // a whole JD: date_from_whole_jd

}  // namespace hkcal::detail
