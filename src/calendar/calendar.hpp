// The calendar core: leap rules, month lengths, validity, and the one
// conversion between dates and whole Julian Day Numbers that everything
// else calls. Dates up to 1582-10-04 are Julian, from 1582-10-15 Gregorian.
#pragma once

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "calendar/int_math.hpp"
#include "hkcal.h"

namespace hkcal::detail {

inline constexpr Date kNullDate{0, 0, 0};

// The Date {year, month, day}, built from one 64-bit word holding year and
// month so that a function returning it by value hands it back in registers
// (GCC otherwise stores the fields and reloads them as one word, which
// stalls store forwarding on the way out of every exported function).
constexpr Date assemble_date(int32_t year, int32_t month, int32_t day) noexcept {
    if (std::is_constant_evaluated()) return Date{year, month, day};
    const uint64_t year_month = uint64_t{static_cast<uint32_t>(year)} | uint64_t{static_cast<uint32_t>(month)} << 32;
    Date d{0, 0, day};
    std::memcpy(&d, &year_month, sizeof year_month);
    return d;
}

// JD 2299161 is 1582-10-15, the first Gregorian day (the day after the
// Julian 1582-10-04).
inline constexpr int64_t kFirstGregorianJD = 2299161;
inline constexpr int32_t kReformYear = 1582;
inline constexpr int32_t kFirstGregorianYear = 1583;  // year rules switch here

// ---- leap rules -------------------------------------------------------------

constexpr bool julian_leap(int32_t year) noexcept { return year % 4 == 0; }
constexpr bool gregorian_leap(int32_t year) noexcept {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}
// The historical rule: Julian up to 1582, Gregorian from 1583.
constexpr bool is_leap(int32_t year) noexcept {
    return year >= kFirstGregorianYear ? gregorian_leap(year) : julian_leap(year);
}

// Days of month 1-12 in a common year; index 0 is unused.
inline constexpr int32_t kMonthDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr bool month_in_range(int32_t month) noexcept { return month >= 1 && month <= 12; }

// Days of month 1-12 in a common year; 0 for any other month.
constexpr int32_t common_month_length(int32_t month) noexcept {
    return month_in_range(month) ? kMonthDays[month] : 0;
}

// Days of the month in that year: February 29 in leap years, October 1582
// has 21 days (the 1st to the 4th and the 15th to the 31st); 0 for a month
// outside 1-12.
constexpr int32_t month_length(int32_t year, int32_t month) noexcept {
    if (!month_in_range(month)) return 0;
    if (year == kReformYear && month == 10) return 21;
    return kMonthDays[month] + (month == 2 && is_leap(year) ? 1 : 0);
}

constexpr bool valid_julian(int32_t y, int32_t m, int32_t d) noexcept {
    if (y > kReformYear) return false;
    if (y == kReformYear && (m > 10 || (m == 10 && d >= 5))) return false;
    if (!month_in_range(m) || d < 1 || d > 31) return false;
    return d <= kMonthDays[m] + (m == 2 && julian_leap(y) ? 1 : 0);
}

constexpr bool valid_gregorian(int32_t y, int32_t m, int32_t d) noexcept {
    if (y < kReformYear) return false;
    if (y == kReformYear && (m < 10 || (m == 10 && d < 15))) return false;
    if (!month_in_range(m) || d < 1 || d > 31) return false;
    return d <= kMonthDays[m] + (m == 2 && gregorian_leap(y) ? 1 : 0);
}

constexpr bool valid(const Date& d) noexcept {
    return valid_julian(d.year, d.month, d.day) || valid_gregorian(d.year, d.month, d.day);
}

// ---- dates to Julian Day Numbers --------------------------------------------

// The general form of jd_from_fields (which sends it months outside 1-12
// and the year 1582): the JD of any fields, months and days running on in a
// straight line, read as Julian, and as Gregorian when the Julian reading
// falls after 1582-10-14 (JD 2299170); 1582-10-05..14 count as 1582-10-15.
// Exact for every int32 field; the result lies in about [-8.6e11, 8.6e11].
constexpr int64_t jd_from_any_fields(int32_t year, int32_t month, int32_t day) noexcept {
    if (year == kReformYear && month == 10 && day >= 5 && day <= 14) day = 15;
    // Months counted from March of year -4800: a = 12 * q + r, r in [0, 11].
    // The offset (a multiple of 4800 months = 400 years) keeps the dividend
    // non-negative for every int32 year and month, so the divisions below are
    // plain unsigned ones.
    constexpr int64_t kCycles = 6'000'000;  // 400-year cycles added
    constexpr int64_t kOffsetMonths = 4800 * kCycles;
    const int64_t a = (int64_t{year} + 4800) * 12 + month - 3;  // |a| < 2.8e10
    const auto ap = static_cast<uint64_t>(a + kOffsetMonths);   // [8.8e8, 5.7e10]
    const uint64_t q = ap / 12;                                 // years since March -4800, offset
    const uint64_t r = ap % 12;                                 // [0, 11], 0 is March
    const int64_t julian = static_cast<int64_t>(365 * q + q / 4 + (367 * r + 7) / 12) -
                           (365 * 400 + 100) * kCycles + day - 32083;
    if (julian <= 2299170) return julian;
    return julian + static_cast<int64_t>(q / 400) - static_cast<int64_t>(q / 100) + 3 * kCycles + 38;
}

// Days from March 1 to the first of each month 1-12, in a year counted from
// March (January and February close the year before), each plus the JD of
// the day before 0000-03-01 Julian (JD 1721117) less the days of the whole
// years jd_from_fields shifts by (kFieldYearShift / 4 Julian 4-year cycles of
// 1461 days). Index 0 is unused.
inline constexpr int64_t kFieldYearShift = int64_t{400} * 5368710;  // 2147484000 > 2^31
inline constexpr int64_t kMonthStartBase = 1721117 - kFieldYearShift / 4 * 1461;
inline constexpr int64_t kMonthStart[13] = {
    0,
    kMonthStartBase + 306, kMonthStartBase + 337, kMonthStartBase + 0,   kMonthStartBase + 31,
    kMonthStartBase + 61,  kMonthStartBase + 92,  kMonthStartBase + 122, kMonthStartBase + 153,
    kMonthStartBase + 184, kMonthStartBase + 214, kMonthStartBase + 245, kMonthStartBase + 275};

// The JD of any fields, exactly as jd_from_any_fields gives it. Months 1-12
// of every year but 1582 take the straight path: the Julian reading from
// the March-based year, then the Gregorian correction added when that
// reading falls after JD 2299170, selected with a mask rather than a branch
// because inputs mix both calendars.
constexpr int64_t jd_from_fields(int32_t year, int32_t month, int32_t day) noexcept {
    if ((static_cast<uint32_t>(month) - 1 < 12) & (year != kReformYear)) [[likely]] {
        const uint32_t early = month < 3 ? 1 : 0;  // January and February close the year before
        // The March-based year plus whole 400-year cycles: [351, 4294967647].
        const auto y = static_cast<uint64_t>(int64_t{year} + kFieldYearShift) - early;
        const int64_t julian = static_cast<int64_t>(y * 1461 / 4) + kMonthStart[month] + day;
        // y / 100 by multiply and shift: exact for y < 4.9e9, as the
        // multiplier exceeds 2^37 / 100 by 28 / 100 and 28 * y < 2^37.
        const uint64_t centuries = (y * 1374389535) >> 37;
        const int64_t correction = static_cast<int64_t>(centuries / 4) - static_cast<int64_t>(centuries) +
                                   (kFieldYearShift / 100 - kFieldYearShift / 400 + 2);
        const int64_t gregorian_mask = (2299170 - julian) >> 63;  // all ones after JD 2299170
        return julian + (correction & gregorian_mask);
    }
    return jd_from_any_fields(year, month, day);
}

// ---- Julian Day Numbers to dates --------------------------------------------

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
    constexpr int32_t kLengths[12] = {31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 31, 29};  // March to February
    std::array<MarchDay, 366> t{};
    int32_t m = 0;  // [0, 11], 0 is March
    int32_t d = 1;
    for (MarchDay& entry : t) {
        entry = MarchDay{static_cast<uint8_t>(m < 10 ? m + 3 : m - 9), static_cast<uint8_t>(d),
                         static_cast<uint8_t>(m >= 10 ? 1 : 0)};
        if (++d > kLengths[m]) {
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

// The historical date of a whole JD: Julian up to JD 2299160, Gregorian
// after; the null date for a JD outside int32, as for the double form.
constexpr Date date_from_jd(int64_t jd) noexcept {
    if (jd_fast(jd)) [[likely]] return date_from_jd_fast(jd, gregorian_mask_of(jd));
    if (jd < INT32_MIN || jd > INT32_MAX) return kNullDate;
    return jd >= kFirstGregorianJD ? gregorian_from_jd(jd) : julian_from_jd(jd);
}

// The historical date of a JD0 double: the calendar is chosen by trunc(jd);
// a fraction is rounded half up on the Gregorian side and floored on the
// Julian side. The null date when trunc(jd) is not an int32.
constexpr Date date_from_jd(double jd) noexcept {
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

// ---- weekdays -----------------------------------------------------------------

// The JDs whose weekday weekday_from_jd reads off one multiplication:
// x = jd + kWeekdayBias counts days from a Sunday (kWeekdayBias is 1 more
// than a multiple of 7), and for x up to 1431655769 bits 32-34 of
// x * 4908534053 (2^35 / 7 rounded up) are the top bits of the fraction
// x / 7, which give x % 7 exactly.
inline constexpr int64_t kWeekdayBias = 715827883;
inline constexpr int64_t kMinQuickWeekdayJD = -kWeekdayBias;
inline constexpr int64_t kMaxQuickWeekdayJD = 1431655769 - kWeekdayBias;  // 715827886

// The weekday of a whole JD, 0 Sunday to 6 Saturday, for every JD
// (JD 0, -4712-01-01 Julian, was a Monday).
constexpr int32_t weekday_from_jd(int64_t jd) noexcept {
    if (jd >= kMinQuickWeekdayJD && jd <= kMaxQuickWeekdayJD) [[likely]] {
        const auto x = static_cast<uint64_t>(jd + kWeekdayBias);  // [0, 1431655769]
        return static_cast<int32_t>(((x * 4908534053) >> 32) & 7);
    }
    return static_cast<int32_t>((floor_mod(jd, 7) + 1) % 7);  // no overflow at INT64_MAX
}

// ---- day numbers (day number 1 is 1 January) ------------------------------------

// First day number of each month 1-12 and a closing entry; index 0 unused.
inline constexpr int32_t kFirstDayCommon[14] = {0, 1, 32, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366};
inline constexpr int32_t kFirstDayLeap[14] = {0, 1, 32, 61, 92, 122, 153, 183, 214, 245, 275, 306, 336, 367};
// 1582: October holds the 1st to the 4th and the 15th to the 31st.
inline constexpr int32_t kFirstDay1582[14] = {0, 1, 32, 60, 91, 121, 152, 182, 213, 244, 274, 295, 325, 356};

constexpr int32_t day_number(const Date& d) noexcept {
    if (!month_in_range(d.month)) return 0;
    const int32_t n = wrap_add(kFirstDayCommon[d.month] - 1, d.day);
    if (d.year == kReformYear && d.month >= 10) {
        if (d.month == 12) return wrap_add(d.day, 324);
        if (d.month == 11) return wrap_add(d.day, 294);
        if (d.day < 5) return n;
        if (d.day <= 14) return 0;
        return wrap_sub(n, 10);
    }
    return d.month > 2 && is_leap(d.year) ? wrap_add(n, 1) : n;
}

constexpr Date date_from_day_number(int32_t year, int32_t n) noexcept {
    const int32_t* first = kFirstDayCommon;
    if (year == kReformYear) first = kFirstDay1582;
    else if (is_leap(year)) first = kFirstDayLeap;
    if (n < 1 || n >= first[13]) return Date{year, 0, 0};
    // Every month has 21 to 31 days, so the guess is the month or the one before.
    int32_t m = (n - 1) / 31 + 1;  // [1, 12]
    if (n >= first[m + 1]) ++m;
    int32_t day = n - first[m] + 1;
    if (year == kReformYear && m == 10 && day >= 5) day += 10;
    return Date{year, m, day};
}

}  // namespace hkcal::detail
