// A slow, literal model of the calendar core, the packed form, date
// arithmetic and the weekday index, written straight from the algorithms'
// prose: doubles and floor where the algorithms use them, table walks
// instead of closed forms, 32-bit wraparound where they compute in 32 bits.
// It shares no code with the library, so the tests can compare the two.
//
// Every function states the inputs on which it is defined; callers keep to
// them (the literal algorithms convert doubles to int32 and would be
// undefined elsewhere). Where the algorithms leave a result open (non-finite
// or huge JD0 values, negative remainders, week jumps beyond 32 bits) the
// model follows the library's documented choice and says so.
#pragma once

#include <cmath>
#include <cstdint>

#include "hkcal.h"

namespace ref {

// ---- 32-bit wraparound, written out -----------------------------------------

inline int32_t wrap32(uint32_t u) { return static_cast<int32_t>(u); }
inline int32_t add32(int32_t a, int32_t b) { return wrap32(static_cast<uint32_t>(a) + static_cast<uint32_t>(b)); }
inline int32_t mul32(int32_t a, int32_t b) { return wrap32(static_cast<uint32_t>(a) * static_cast<uint32_t>(b)); }
inline int32_t neg32(int32_t a) { return wrap32(0u - static_cast<uint32_t>(a)); }

inline Date null_date() { return Date{0, 0, 0}; }
inline bool same(const Date& a, const Date& b) { return a.year == b.year && a.month == b.month && a.day == b.day; }

// ---- rules and validity -----------------------------------------------------

// The month-length table, month 1 at index 0.
inline constexpr int32_t kTable[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

inline bool julian_rule(int32_t year) { return year % 4 == 0; }
inline bool gregorian_rule(int32_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }
inline int32_t leap_year(int32_t year) { return (year >= 1583 ? gregorian_rule(year) : julian_rule(year)) ? 1 : 0; }

// Month 1-12: the table's length, February 29 when leap.
inline int32_t table_length(int32_t month, bool leap) { return kTable[month - 1] + (month == 2 && leap ? 1 : 0); }

inline int32_t days_in_month(int32_t month) { return month < 1 || month > 12 ? 0 : kTable[month - 1]; }

inline int32_t days_in_month_for_year(int32_t year, int32_t month) {
    if (month < 1 || month > 12) return 0;
    if (year == 1582 && month == 10) return 21;
    return table_length(month, leap_year(year) == 1);
}

inline int32_t days_in_year(int32_t year) { return leap_year(year) == 1 ? 366 : 365; }

// Any fields: month 1-12 and day 1 to the month's length under the rule.
inline bool fields_valid(const Date& d, bool leap) {
    if (d.month < 1 || d.month > 12 || d.day < 1) return false;
    return d.day <= table_length(d.month, leap);
}

inline bool julian_valid(const Date& d) {
    if (d.year > 1582 || (d.year == 1582 && (d.month > 10 || (d.month == 10 && d.day >= 5)))) return false;
    return fields_valid(d, julian_rule(d.year));
}

inline bool gregorian_valid(const Date& d) {
    if (d.year < 1582 || (d.year == 1582 && (d.month < 10 || (d.month == 10 && d.day < 15)))) return false;
    return fields_valid(d, gregorian_rule(d.year));
}

inline int32_t valid_date(const Date& d) { return julian_valid(d) || gregorian_valid(d) ? 1 : 0; }

// ---- Julian Day Numbers, in doubles ------------------------------------------

// Any fields.
inline double date_to_JD0(const Date& d) {
    double day = d.day;
    if (d.year == 1582 && d.month == 10 && d.day >= 5 && d.day <= 14) day = 15;
    const double a = (static_cast<double>(d.year) + 4800) * 12 + d.month - 3;
    double j = std::floor(((a - std::floor(a / 12) * 12) * 2 + 7 + a * 365) / 12) + day +
               std::floor(a / 48) - 32083;
    if (j > 2299170) j = j + std::floor(a / 4800) - std::floor(a / 1200) + 38;
    return j;
}

// Any year.
inline double year_to_jan_0_JD0(int32_t year) {
    const double base = std::floor((static_cast<double>(year) - 1) * 365.25) + 1721423;
    if (year < 1583) return base;
    const int32_t c = (year - 1) / 100;
    return base + (c / 4 - c + 2);
}

// Defined for -2^31 <= floor(jd + 0.5) <= 2^31.
inline Date JD0_to_gregorian(double jd) {
    double l = std::floor(jd + 0.5) + 68569;
    const double n = std::floor(4 * l / 146097);
    l = l - std::floor((146097 * n + 3) * 0.25);
    const double i = std::floor(4000 * (l + 1) / 1461001);
    l = l - std::floor(1461 * i * 0.25) + 31;
    const double j = std::floor(80 * l / 2447);
    const double day = l - std::floor(2447 * j / 80);
    const double k = std::floor(j / 11);
    const double month = j + 2 - 12 * k;
    const double year = 100 * (n - 49) + i + k;
    return Date{static_cast<int32_t>(year), static_cast<int32_t>(month), static_cast<int32_t>(day)};
}

// The literal year-and-month walk. Defined for -2^31 - 1 <= jd < 2^31. It gives
// the Julian date for whole jd up to 2299248; for a fraction it may give
// day 0 of a month, and it stops at December (where the day may then exceed
// 31), so only its real dates are meaningful there.
inline Date JD0_to_julian(double jd) {
    auto y = static_cast<int32_t>(std::floor((jd - 1721423) / 365.25 + 1));
    double r = jd - year_to_jan_0_JD0(y);
    while (r <= 0) {
        y = y - 1;
        r = jd - year_to_jan_0_JD0(y);
    }
    int32_t month = 1;
    while (month < 12 && r > table_length(month, julian_rule(y))) {
        r = r - table_length(month, julian_rule(y));
        month = month + 1;
    }
    return Date{y, month, static_cast<int32_t>(r)};
}

// The calendar chosen by the truncated value. Outside int32 (and for NaN and
// infinities) the library's choice: the null date.
inline Date JD0_to_date(double jd) {
    if (!(jd > -2147483649.0 && jd < 2147483648.0)) return null_date();
    if (std::trunc(jd) >= 2299161) return JD0_to_gregorian(jd);
    return JD0_to_julian(jd);
}

// Proleptic Julian validity of any fields, for judging the walk's results.
inline bool real_julian_date(const Date& d) { return fields_valid(d, julian_rule(d.year)); }

// True where JD0_to_date above is the library's exact answer: the
// Gregorian side, the null date beyond int32, and the Julian walk wherever
// it gives a real date (a fraction can make it give day 0 of a month).
inline bool JD0_to_date_defined(double jd) {
    if (!(jd > -2147483649.0 && jd < 2147483648.0) || std::trunc(jd) >= 2299161) return true;
    return real_julian_date(JD0_to_julian(jd));
}

// ---- day numbers (day number 1 is 1 January) ----------------------------------

inline constexpr int32_t kBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
inline constexpr int32_t kStartCommon[13] = {1, 32, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366};
inline constexpr int32_t kStartLeap[13] = {1, 32, 61, 92, 122, 153, 183, 214, 245, 275, 306, 336, 367};
inline constexpr int32_t kStart1582[13] = {1, 32, 60, 91, 121, 152, 182, 213, 244, 274, 295, 325, 356};

// Any fields; the sums wrap modulo 2^32.
inline int32_t date_to_day_number(const Date& d) {
    if (d.month < 1 || d.month > 12) return 0;
    const int32_t n = add32(kBefore[d.month - 1], d.day);
    const bool leap = d.year > 1582 ? gregorian_rule(d.year) : julian_rule(d.year);
    if (d.year != 1582 || d.month < 10) return d.month > 2 && leap ? add32(n, 1) : n;
    if (d.month == 12) return add32(d.day, 324);
    if (d.month == 11) return add32(d.day, 294);
    if (d.day < 5) return n;
    if (d.day <= 14) return 0;
    return add32(n, -10);
}

// Any arguments.
inline Date day_number_to_date(int32_t year, int32_t day_number) {
    Date result{year, 0, 0};
    if (day_number < 1 || day_number > 366) return result;
    const int32_t* table = kStartCommon;
    if (year == 1582) {
        if (day_number > 355) return result;
        table = kStart1582;
    } else if ((year < 1582 && julian_rule(year)) || (year > 1582 && gregorian_rule(year))) {
        table = kStartLeap;
    } else if (day_number == 366) {
        return result;
    }
    int32_t m = 1;
    while (table[m] <= day_number) m = m + 1;  // table[12] is past the year's last day
    result.month = m;
    result.day = day_number - table[m - 1] + 1;
    if (year == 1582 && result.month == 10 && result.day >= 5) result.day = result.day + 10;
    return result;
}

// ---- comparison and the packed form --------------------------------------------

inline int32_t date_equal(const Date& a, const Date& b) { return same(a, b) ? 1 : 0; }
inline int32_t date_not_equal(const Date& a, const Date& b) { return date_equal(a, b) == 1 ? 0 : 1; }
inline int32_t date_greater(const Date& a, const Date& b) {
    if (a.year > b.year) return 1;
    if (a.year == b.year && a.month > b.month) return 1;
    return a.year == b.year && a.month == b.month && a.day > b.day ? 1 : 0;
}
inline int32_t date_less(const Date& a, const Date& b) { return date_greater(b, a); }
inline int32_t date_greater_or_equal(const Date& a, const Date& b) { return date_greater(a, b) | date_equal(a, b); }
inline int32_t date_less_or_equal(const Date& a, const Date& b) { return date_less(a, b) | date_equal(a, b); }
inline int32_t year_equal(const Date& a, const Date& b) { return a.year == b.year ? 1 : 0; }
inline int32_t month_equal(const Date& a, const Date& b) { return a.month == b.month ? 1 : 0; }
inline int32_t day_equal(const Date& a, const Date& b) { return a.day == b.day ? 1 : 0; }
inline int32_t day_and_month_equal(const Date& a, const Date& b) { return day_equal(a, b) & month_equal(a, b); }

// Any fields: the whole sum wraps modulo 2^32.
inline int32_t date_to_long(const Date& d) {
    const int32_t magnitude = d.year < 0 ? neg32(d.year) : d.year;
    const int32_t packed = add32(mul32(add32(mul32(magnitude, 100), d.month), 100), d.day);
    return d.year < 0 ? neg32(packed) : packed;
}

// Any value; |INT32_MIN| is taken as 2^31 (the library's choice).
inline Date long_to_date(int32_t packed) {
    const uint32_t a = packed < 0 ? 0u - static_cast<uint32_t>(packed) : static_cast<uint32_t>(packed);
    const auto year = static_cast<int32_t>(a / 10000);
    return Date{packed < 0 ? -year : year, static_cast<int32_t>(a % 10000 / 100), static_cast<int32_t>(a % 100)};
}

// ---- weekday index ---------------------------------------------------------------

// (trunc(jd) % 7) + 1, 7 read as 0. The library's choices: the same formula
// beyond int32, -1 for NaN and infinities.
inline int32_t day_of_week_index_JD0(double jd) {
    if (std::isnan(jd) || std::isinf(jd)) return -1;
    const auto r = static_cast<int32_t>(std::fmod(std::trunc(jd), 7.0));
    return r + 1 == 7 ? 0 : r + 1;
}

// The congruence in 64 bits (the library's choice); a negative remainder is
// moved into [0, 6].
inline int32_t day_of_week_index(const Date& d) {
    const int64_t m = d.month > 2 ? int64_t{d.month} - 2 : int64_t{d.month} + 10;
    const int64_t y = d.month > 2 ? int64_t{d.year} : int64_t{d.year} - 1;
    const int64_t c = y / 100;
    const int64_t r = y - 100 * c;
    const int64_t s = (13 * m - 1) / 5 + r / 4 - 102 * c + y + c / 4 + d.day + 77;
    const auto result = static_cast<int32_t>(s % 7);
    return result < 0 ? result + 7 : result;
}

inline int32_t is_day_of_week(const Date& d, int32_t dow) {
    const int32_t want = dow < 0 || dow > 6 ? dow % 7 : dow;
    return day_of_week_index_JD0(date_to_JD0(d)) == want ? 1 : 0;
}

// The weekday of a whole JD for every JD: below -1 the library's choice is
// the true weekday, the formula's negative remainder moved into [0, 6].
inline int32_t true_weekday(double jd) {
    const int32_t w = day_of_week_index_JD0(jd);
    return w < 0 ? w + 7 : w;
}

// ---- date arithmetic ---------------------------------------------------------------

inline Date date_N_days_after_date(double n, const Date& d) { return JD0_to_date(date_to_JD0(d) + n); }
inline Date date_N_days_before_date(double n, const Date& d) { return JD0_to_date(date_to_JD0(d) - n); }
inline double days_between_dates(const Date& a, const Date& b) { return date_to_JD0(a) - date_to_JD0(b); }

inline Date clamp_day(Date d) {
    const int32_t length = days_in_month_for_year(d.year, d.month);
    if (d.day > length) d.day = length;
    return d;
}

// Any arguments; the month sum and the year sums wrap modulo 2^32.
inline Date add_month(int32_t n, const Date& d) {
    Date result = d;
    const int32_t t = add32(d.month, n);
    if (t > 12) {
        result.year = add32(result.year, (t - 1) / 12);
        result.month = (t - 1) % 12 + 1;
    } else if (t < 1) {
        result.year = add32(result.year, t / 12 - 1);
        result.month = t % 12 + 12;
    } else {
        result.month = t;
    }
    return clamp_day(result);
}

inline Date add_year(int32_t n, const Date& d) { return clamp_day(Date{add32(d.year, n), d.month, d.day}); }

// Any arguments. The week jump is exact (the library's choice where 32 bits
// would overflow) and the steps use the true weekday below JD -1.
inline Date add_day_with_weekday_flag(int32_t n, uint8_t flags, const Date& d) {
    int32_t k = 0;
    for (int32_t bit = 0; bit <= 6; ++bit) k = k + ((flags >> bit) & 1);
    if (n == 0 || k == 0) return d;
    const int32_t s = n > 0 ? 1 : -1;
    const int64_t a = n > 0 ? int64_t{n} : -int64_t{n};
    int64_t r = a % k;
    double j = date_to_JD0(d) + static_cast<double>(s) * 7 * static_cast<double>(a / k);
    while (r > 0) {
        j = j + s;
        if ((flags >> true_weekday(j)) & 1) r = r - 1;
    }
    return JD0_to_date(j);
}

}  // namespace ref
