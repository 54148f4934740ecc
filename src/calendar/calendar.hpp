// The calendar core: leap rules, month lengths, validity, and the one
// conversion between dates and whole Julian Day Numbers that everything
// else calls. Dates up to 1582-10-04 are Julian, from 1582-10-15 Gregorian.
#pragma once

#include <cmath>
#include <cstdint>

#include "calendar/int_math.hpp"
#include "hkcal.h"

namespace hkcal::detail {

inline constexpr Date kNullDate{0, 0, 0};

// JD 2299160 is 1582-10-04, the last Julian day; JD 2299161 is 1582-10-15,
// the first Gregorian day.
inline constexpr int64_t kLastJulianJD = 2299160;
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

// The JD of any fields, months and days running on in a straight line:
// read as Julian, and as Gregorian when the Julian reading falls after
// 1582-10-14 (JD 2299170); 1582-10-05..14 count as 1582-10-15.
// Exact for every int32 field; the result lies in about [-8.6e11, 8.6e11].
constexpr int64_t jd_from_fields(int32_t year, int32_t month, int32_t day) noexcept {
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
    return Date{static_cast<int32_t>(year), month, day};
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
    return Date{static_cast<int32_t>(year), month, day};
}

// The historical date of a whole JD: Julian up to JD 2299160, Gregorian
// after; the null date for a JD outside int32, as for the double form.
constexpr Date date_from_jd(int64_t jd) noexcept {
    if (jd < INT32_MIN || jd > INT32_MAX) return kNullDate;
    return jd >= kFirstGregorianJD ? gregorian_from_jd(jd) : julian_from_jd(jd);
}

// The historical date of a JD0 double: the calendar is chosen by trunc(jd);
// a fraction is rounded half up on the Gregorian side and floored on the
// Julian side. The null date when trunc(jd) is not an int32.
constexpr Date date_from_jd(double jd) noexcept {
    if (!jd_in_range(jd)) return kNullDate;
    if (jd >= static_cast<double>(kFirstGregorianJD)) return gregorian_from_jd(floor_to_int(jd + 0.5));
    return julian_from_jd(floor_to_int(jd));
}

// ---- weekdays -----------------------------------------------------------------

// The weekday of a whole JD, 0 Sunday to 6 Saturday, for every JD
// (JD 0, -4712-01-01 Julian, was a Monday).
constexpr int32_t weekday_from_jd(int64_t jd) noexcept {
    return static_cast<int32_t>((floor_mod(jd, 7) + 1) % 7);  // no overflow at INT64_MAX
}

// The Date `n` whole days after `d`, on the historical calendar (the null
// date when that JD lies outside int32); |n| < 2^62.
inline Date add_days(const Date& d, int64_t n) noexcept {
    return date_from_jd(jd_from_fields(d.year, d.month, d.day) + n);
}

// ---- day numbers (day number 1 is 1 January) ------------------------------------

// First day number of each month 1-12 and a closing entry; index 0 unused.
inline constexpr int32_t kFirstDayCommon[14] = {0, 1, 32, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366};
inline constexpr int32_t kFirstDayLeap[14] = {0, 1, 32, 61, 92, 122, 153, 183, 214, 245, 275, 306, 336, 367};
// 1582: October holds the 1st to the 4th and the 15th to the 31st.
inline constexpr int32_t kFirstDay1582[14] = {0, 1, 32, 60, 91, 121, 152, 182, 213, 244, 274, 295, 325, 356};

// Days in the year as counted by day numbers: 355 in 1582.
constexpr int32_t day_numbers_in_year(int32_t year) noexcept {
    return year == kReformYear ? 355 : (is_leap(year) ? 366 : 365);
}

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
