// Slow literal models of the functions the tests' reference model does not
// cover: weekday searches, Easter, the Hong Kong holidays, HHMM offsets and
// the shift of a clock time. Written from the algorithms' prose on top of
// the reference model (doubles and floor), sharing no code with the
// library. Where the algorithms leave a result open, the model follows the
// library's documented choice and says so.
#pragma once

#include <cmath>
#include <cstdint>

#include "hkcal.h"
#include "reference.hpp"

namespace lit {

using ref::null_date;
using ref::same;

// ---- weekday searches ------------------------------------------------------

// The first JD0 on or after (forward) or on or before (backward) jd whose
// weekday is dow (0-6); jd itself counts. The weekday is the true one below
// JD0 -1 too (the library's choice).
inline double first_forward(double jd, int32_t dow) {
    const int32_t d = dow - ref::true_weekday(jd);
    if (d < 0) return jd + d + 7;
    return jd + d;
}
inline double first_backward(double jd, int32_t dow) {
    const int32_t d = dow - ref::true_weekday(jd);
    if (d > 0) return jd + d - 7;
    return jd + d;
}

// Exact in doubles for every int32 n (the library's choice where 7 * (n - 1)
// leaves 32 bits); a JD0 outside int32 comes back as the null date.
inline Date Nth_DOW_after_date(int32_t n, uint32_t dow, const Date& d) {
    if (n < 1 || dow > 6 || d.month < 1 || d.month > 12) return null_date();
    const double f = first_forward(ref::date_to_JD0(d), static_cast<int32_t>(dow));
    return ref::JD0_to_date(f + 7.0 * (n - 1.0));
}

inline Date Nth_DOW_before_date(int32_t n, uint32_t dow, const Date& d) {
    if (n < 1 || dow > 6 || d.month < 1 || d.month > 12) return null_date();
    const double f = first_backward(ref::date_to_JD0(d), static_cast<int32_t>(dow));
    return ref::JD0_to_date(f - 7.0 * (n - 1.0));
}

inline Date Nth_DOW_of_month(int32_t n, uint32_t dow, int32_t month, int32_t year) {
    if (n < 1 || n > 5 || dow > 6 || month < 1 || month > 12) return null_date();
    double f = first_forward(ref::date_to_JD0(Date{year, month, 1}), static_cast<int32_t>(dow));
    if (n > 1) f = f + 7.0 * (n - 1);
    const Date result = ref::JD0_to_date(f);
    if (result.month == month && result.year == year) return result;
    return null_date();
}

inline Date DOW_closest_to_date(uint32_t dow, const Date& d) {
    if (dow > 6) return null_date();
    const Date before = Nth_DOW_before_date(1, dow, d);
    const double d1 = ref::date_to_JD0(d) - ref::date_to_JD0(before);
    if (d1 == 0) return before;
    const Date after = Nth_DOW_after_date(1, dow, d);
    const double d2 = ref::date_to_JD0(after) - ref::date_to_JD0(d);
    if (d2 > d1) return before;
    return after;
}

inline int32_t number_of_DOWs_in_month(uint32_t dow, int32_t month, int32_t year) {
    if (dow > 6 || month < 1 || month > 12) return 0;
    if (year == 1582 && month == 10) return 3;
    if (Nth_DOW_of_month(5, dow, month, year).day != 0) return 5;
    if (Nth_DOW_of_month(4, dow, month, year).day != 0) return 4;
    return 0;
}

inline Date Nth_full_weekend(int32_t n, int32_t month, int32_t year) {
    if (n < 1 || n > 5) return null_date();
    const Date saturday = Nth_DOW_of_month(n, 6, month, year);
    if (same(saturday, null_date())) return saturday;
    const Date sunday = ref::JD0_to_date(ref::date_to_JD0(saturday) + 1);
    if (sunday.month == month) return saturday;
    return null_date();
}

// ---- Easter --------------------------------------------------------------------

// March n, or April n - 31 for n above 31.
inline Date march_day(int32_t year, int64_t n) {
    if (n > 31) return Date{year, 4, static_cast<int32_t>(n - 31)};
    return Date{year, 3, static_cast<int32_t>(n)};
}

// Remainder and quotient as the computus takes them: truncating for the
// years from 0, floored for negative years (the library's choice, which
// continues the Julian cycle backward).
inline int64_t rem(int64_t a, int64_t b) {
    const int64_t r = a % b;
    return r < 0 ? r + b : r;
}
inline int64_t quot(int64_t a, int64_t b) { return (a - rem(a, b)) / b; }

// In 64 bits, so exact for every int32 year (the library's choice).
inline Date gregorian_easter(int32_t year) {
    const int64_t y = year;
    const int64_t g = y % 19 + 1;
    const int64_t c = y / 100 + 1;
    const int64_t x = 3 * c / 4 - 12;
    const int64_t z = (8 * c + 5) / 25 - 5;
    const int64_t d = 5 * y / 4 - x - 10;
    int64_t e = (11 * g + 20 + z - x) % 30;
    if (e < 0) e = e + 30;
    if ((e == 25 && g > 11) || e == 24) e = e + 1;
    int64_t n = 44 - e;
    if (n < 21) n = n + 30;
    n = n + 7 - (d + n) % 7;
    return march_day(year, n);
}

inline Date julian_easter(int32_t year) {
    const int64_t y = year;
    const int64_t d = quot(5 * y, 4);
    const int64_t e = rem(rem(y, 19) * 11 + 7, 30);
    int64_t n = 43 - e;
    if (n < 21) n = n + 30;
    n = n + 7 - rem(n + d, 7);
    return march_day(year, n);
}

inline Date easter(int32_t year) { return year >= 1583 ? gregorian_easter(year) : julian_easter(year); }

// The date k days after d on the JD0 line.
inline Date plus_days(const Date& d, double k) { return ref::JD0_to_date(ref::date_to_JD0(d) + k); }

// ---- Hong Kong holidays --------------------------------------------------------------

inline bool sunday(const Date& d) { return ref::true_weekday(ref::date_to_JD0(d)) == 0; }

// The festival itself, or k days on (k < 0: back) when it is a Sunday.
inline Date unless_sunday(const Date& d, double k) { return sunday(d) ? plus_days(d, k) : d; }

// A lunar festival: its date by the library's lunar conversion (checked on
// its own), the null date where that has none.
using LunarConversion = Date (*)(const Date*);
inline Date lunar_festival(LunarConversion convert, int32_t year, int32_t month, int32_t day) {
    const Date lunar{year, month, day};
    return convert(&lunar);
}
inline Date lunar_unless_sunday(LunarConversion convert, int32_t year, int32_t month, int32_t day,
                                double k) {
    const Date d = lunar_festival(convert, year, month, day);
    if (same(d, null_date())) return d;
    return unless_sunday(d, k);
}

// ---- time zones ---------------------------------------------------------------------

// The minutes of an HHMM offset: sign * (|x| - (|x| / 100) * 40), in 64 bits.
inline int64_t offset_minutes(int32_t hhmm) {
    const int64_t a = hhmm < 0 ? -int64_t{hhmm} : int64_t{hhmm};
    const int64_t m = a - (a / 100) * 40;
    return hhmm < 0 ? -m : m;
}

// A 64-bit bias taken modulo 2^32 as the platform's 32-bit bias.
inline int32_t bias32(int64_t b) { return ref::wrap32(static_cast<uint32_t>(b)); }

// A real clock time of the platform's years 1601 to 30827.
inline bool valid_time(const SYSTEMTIME& t) {
    if (t.wYear < 1601 || t.wYear > 30827) return false;
    const Date d{t.wYear, t.wMonth, t.wDay};
    if (t.wMonth < 1 || t.wMonth > 12 || t.wDay < 1) return false;
    if (t.wDay > ref::days_in_month_for_year(d.year, d.month)) return false;
    return t.wHour < 24 && t.wMinute < 60 && t.wSecond < 60 && t.wMilliseconds < 1000;
}

// *t minus bias minutes on the Gregorian calendar, weekday set, seconds and
// milliseconds kept; false (and *t untouched) when *t is not a valid time or
// the result leaves the years 1601 to 30827.
inline bool shift(SYSTEMTIME* t, int32_t bias) {
    if (!valid_time(*t)) return false;
    const double day = ref::date_to_JD0(Date{t->wYear, t->wMonth, t->wDay});
    const double minutes = day * 1440 + t->wHour * 60 + t->wMinute - bias;
    const double new_day = std::floor(minutes / 1440);
    const double minute_of_day = minutes - new_day * 1440;
    const Date d = ref::JD0_to_gregorian(new_day);
    if (d.year < 1601 || d.year > 30827) return false;
    t->wYear = static_cast<uint16_t>(d.year);
    t->wMonth = static_cast<uint16_t>(d.month);
    t->wDay = static_cast<uint16_t>(d.day);
    t->wHour = static_cast<uint16_t>(minute_of_day / 60);
    t->wMinute = static_cast<uint16_t>(std::fmod(minute_of_day, 60));
    t->wDayOfWeek = static_cast<uint16_t>(ref::true_weekday(new_day));
    return true;
}

}  // namespace lit
