// A slow, literal model of all 82 functions of the classic library, written
// from the algorithms' prose: doubles and floor where the algorithms use
// them, walks a day, a month or a year at a time instead of closed forms,
// 32-bit wraparound where they compute in 32 bits. It shares no code with the
// library (only the lunar year records, which are data), and each function
// has the library's name and signature, so that the fuzz targets and the
// unit tests can call both the same way. Where the algorithms leave a result
// open (non-finite JD0s, negative remainders, sums beyond 32 bits) the model
// follows the library's documented choice. Calls between the model's
// functions name the namespace, since argument-dependent lookup would
// find the library's functions of the same name too.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>

#include "hkcal.h"
#include "lunar/lunar_table.hpp"

namespace model {

// ---- helpers ------------------------------------------------------------------

inline int32_t wrap32(uint32_t u) { return static_cast<int32_t>(u); }
inline int32_t add32(int32_t a, int32_t b) { return wrap32(static_cast<uint32_t>(a) + static_cast<uint32_t>(b)); }
inline int32_t mul32(int32_t a, int32_t b) { return wrap32(static_cast<uint32_t>(a) * static_cast<uint32_t>(b)); }
inline int32_t neg32(int32_t a) { return wrap32(0u - static_cast<uint32_t>(a)); }

inline constexpr Date kNull{0, 0, 0};
inline bool same(const Date& a, const Date& b) { return a.year == b.year && a.month == b.month && a.day == b.day; }
inline bool is_null(const Date& d) { return same(d, kNull); }

inline constexpr int32_t kTable[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
inline bool julian_rule(int32_t y) { return y % 4 == 0; }
inline bool gregorian_rule(int32_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
inline int32_t table_length(int32_t month, bool leap) { return kTable[month - 1] + (month == 2 && leap ? 1 : 0); }
inline bool fields_valid(const Date& d, bool leap) {
    return d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= table_length(d.month, leap);
}
inline bool julian_valid(const Date& d) {
    if (d.year > 1582 || (d.year == 1582 && (d.month > 10 || (d.month == 10 && d.day >= 5)))) return false;
    return fields_valid(d, julian_rule(d.year));
}
inline bool gregorian_valid(const Date& d) {
    if (d.year < 1582 || (d.year == 1582 && (d.month < 10 || (d.month == 10 && d.day < 15)))) return false;
    return fields_valid(d, gregorian_rule(d.year));
}

// ---- rules --------------------------------------------------------------------

inline Date make_date(int32_t y, int32_t m, int32_t d) { return Date{y, m, d}; }
inline int32_t leap_year(int32_t y) { return (y >= 1583 ? gregorian_rule(y) : julian_rule(y)) ? 1 : 0; }
inline int32_t days_in_month(int32_t m) { return m < 1 || m > 12 ? 0 : kTable[m - 1]; }
inline int32_t days_in_month_for_year(int32_t y, int32_t m) {
    if (m < 1 || m > 12) return 0;
    if (y == 1582 && m == 10) return 21;
    return table_length(m, model::leap_year(y) == 1);
}
inline int32_t days_in_year(int32_t y) { return model::leap_year(y) == 1 ? 366 : 365; }
inline int32_t valid_date(const Date* d) { return julian_valid(*d) || gregorian_valid(*d) ? 1 : 0; }

// ---- Julian Day Numbers, in doubles -------------------------------------------------

inline double date_to_JD0(const Date* date) {
    const Date& d = *date;
    double day = d.day;
    if (d.year == 1582 && d.month == 10 && d.day >= 5 && d.day <= 14) day = 15;
    const double a = (static_cast<double>(d.year) + 4800) * 12 + d.month - 3;
    double j = std::floor(((a - std::floor(a / 12) * 12) * 2 + 7 + a * 365) / 12) + day + std::floor(a / 48) - 32083;
    if (j > 2299170) j = j + std::floor(a / 4800) - std::floor(a / 1200) + 38;
    return j;
}
inline double jd(const Date& d) { return model::date_to_JD0(&d); }

inline double year_to_jan_0_JD0(int32_t year) {
    const double base = std::floor((static_cast<double>(year) - 1) * 365.25) + 1721423;
    if (year < 1583) return base;
    const int32_t c = (year - 1) / 100;
    return base + (c / 4 - c + 2);
}

// A JD0 whose truncation is an int32 (false for NaN and infinities).
inline bool jd_in_int32(double jd) { return jd > -2147483649.0 && jd < 2147483648.0; }

// The Gregorian formula, fractions rounded half up.
inline Date JD0_to_gregorian(double jd) {
    if (!jd_in_int32(jd)) return kNull;
    double l = std::floor(jd + 0.5) + 68569;
    const double n = std::floor(4 * l / 146097);
    l = l - std::floor((146097 * n + 3) * 0.25);
    const double i = std::floor(4000 * (l + 1) / 1461001);
    l = l - std::floor(1461 * i * 0.25) + 31;
    const double j = std::floor(80 * l / 2447);
    const double day = l - std::floor(2447 * j / 80);
    const double k = std::floor(j / 11);
    return Date{static_cast<int32_t>(100 * (n - 49) + i + k), static_cast<int32_t>(j + 2 - 12 * k),
                static_cast<int32_t>(day)};
}

// The proleptic Julian date of floor(jd) by walking years, then months.
inline Date JD0_to_julian(double jd) {
    if (!jd_in_int32(jd)) return kNull;
    const double whole = std::floor(jd);
    auto y = static_cast<int32_t>(std::floor((whole - 1721423) / 365.25 + 1));
    const auto jan_0 = [](int32_t year) { return std::floor((static_cast<double>(year) - 1) * 365.25) + 1721423; };
    double r = whole - jan_0(y);
    while (r <= 0) r = whole - jan_0(--y);
    while (r > (julian_rule(y) ? 366 : 365)) r = whole - jan_0(++y);
    int32_t month = 1;
    while (r > table_length(month, julian_rule(y))) r -= table_length(month++, julian_rule(y));
    return Date{y, month, static_cast<int32_t>(r)};
}

// The calendar chosen by the truncated value; the Julian side floors.
inline Date JD0_to_date(double jd) {
    if (!jd_in_int32(jd)) return kNull;
    return std::trunc(jd) >= 2299161 ? model::JD0_to_gregorian(jd) : model::JD0_to_julian(jd);
}

// ---- day numbers (day number 1 is 1 January) ----------------------------------------

inline constexpr int32_t kBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

inline int32_t date_to_day_number(const Date* date) {
    const Date& d = *date;
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

// Walks the year's valid dates from 1 January.
inline Date day_number_to_date(int32_t year, int32_t n) {
    int32_t count = 0;
    for (int32_t m = 1; m <= 12 && n >= 1; ++m)
        for (int32_t d = 1; d <= 31; ++d) {
            const Date date{year, m, d};
            if (model::valid_date(&date) == 1 && ++count == n) return date;
        }
    return Date{year, 0, 0};
}

// ---- comparison and the packed form ---------------------------------------------

inline int32_t date_equal(const Date* a, const Date* b) { return same(*a, *b) ? 1 : 0; }
inline int32_t date_not_equal(const Date* a, const Date* b) { return 1 - model::date_equal(a, b); }
inline int32_t date_greater(const Date* a, const Date* b) {
    if (a->year != b->year) return a->year > b->year;
    if (a->month != b->month) return a->month > b->month;
    return a->day > b->day;
}
inline int32_t date_less(const Date* a, const Date* b) { return model::date_greater(b, a); }
inline int32_t date_greater_or_equal(const Date* a, const Date* b) { return model::date_greater(a, b) | model::date_equal(a, b); }
inline int32_t date_less_or_equal(const Date* a, const Date* b) { return model::date_less(a, b) | model::date_equal(a, b); }
inline int32_t year_equal(const Date* a, const Date* b) { return a->year == b->year; }
inline int32_t month_equal(const Date* a, const Date* b) { return a->month == b->month; }
inline int32_t day_equal(const Date* a, const Date* b) { return a->day == b->day; }
inline int32_t day_and_month_equal(const Date* a, const Date* b) { return model::day_equal(a, b) & model::month_equal(a, b); }

inline int32_t date_to_long(const Date* d) {
    const int32_t magnitude = d->year < 0 ? neg32(d->year) : d->year;
    const int32_t packed = add32(mul32(add32(mul32(magnitude, 100), d->month), 100), d->day);
    return d->year < 0 ? neg32(packed) : packed;
}
// |INT32_MIN| is taken as 2^31.
inline Date long_to_date(int32_t packed) {
    const uint32_t a = packed < 0 ? 0u - static_cast<uint32_t>(packed) : static_cast<uint32_t>(packed);
    const auto year = static_cast<int32_t>(a / 10000);
    return Date{packed < 0 ? -year : year, static_cast<int32_t>(a % 10000 / 100), static_cast<int32_t>(a % 100)};
}

// ---- weekdays ---------------------------------------------------------------------------

// (trunc(jd) % 7) + 1, 7 read as 0; the same formula beyond int32, -1 for NaN
// and infinities.
inline int32_t day_of_week_index_JD0(double jd) {
    if (std::isnan(jd) || std::isinf(jd)) return -1;
    const auto r = static_cast<int32_t>(std::fmod(std::trunc(jd), 7.0));
    return r + 1 == 7 ? 0 : r + 1;
}
// The weekday of a whole JD for every JD (the true one below -1 too).
inline int32_t weekday(double jd) {
    const int32_t w = model::day_of_week_index_JD0(jd);
    return w < 0 ? w + 7 : w;
}
// Zeller's congruence in 64 bits, a negative remainder moved into [0, 6].
inline int32_t day_of_week_index(const Date* date) {
    const Date& d = *date;
    const int64_t m = d.month > 2 ? int64_t{d.month} - 2 : int64_t{d.month} + 10;
    const int64_t y = d.month > 2 ? int64_t{d.year} : int64_t{d.year} - 1;
    const int64_t c = y / 100;
    const int64_t s = (13 * m - 1) / 5 + (y - 100 * c) / 4 - 102 * c + y + c / 4 + d.day + 77;
    const auto result = static_cast<int32_t>(s % 7);
    return result < 0 ? result + 7 : result;
}
inline int32_t is_day_of_week(const Date* d, int32_t dow) {
    const int32_t want = dow < 0 || dow > 6 ? dow % 7 : dow;
    return model::day_of_week_index_JD0(model::date_to_JD0(d)) == want ? 1 : 0;
}

// ---- date arithmetic ---------------------------------------------------------------------

inline Date date_N_days_after_date(double n, const Date* d) { return model::JD0_to_date(model::date_to_JD0(d) + n); }
inline Date date_N_days_before_date(double n, const Date* d) { return model::JD0_to_date(model::date_to_JD0(d) - n); }
inline double days_between_dates(const Date* a, const Date* b) { return model::date_to_JD0(a) - model::date_to_JD0(b); }
inline Date plus_days(const Date& d, double n) { return model::JD0_to_date(jd(d) + n); }

inline Date clamp_day(Date d) {
    const int32_t length = model::days_in_month_for_year(d.year, d.month);
    if (d.day > length) d.day = length;
    return d;
}
// The month sum and the year sums wrap modulo 2^32.
inline Date add_month(int32_t n, const Date* d) {
    Date r = *d;
    const int32_t t = add32(d->month, n);
    if (t > 12) {
        r.year = add32(r.year, (t - 1) / 12);
        r.month = (t - 1) % 12 + 1;
    } else if (t < 1) {
        r.year = add32(r.year, t / 12 - 1);
        r.month = t % 12 + 12;
    } else {
        r.month = t;
    }
    return clamp_day(r);
}
inline Date add_year(int32_t n, const Date* d) { return clamp_day(Date{add32(d->year, n), d->month, d->day}); }

// The week jump is exact; the steps use the true weekday below JD -1.
inline Date add_day_with_weekday_flag(int32_t n, uint8_t flags, const Date* d) {
    int32_t k = 0;
    for (int32_t bit = 0; bit <= 6; ++bit) k += (flags >> bit) & 1;
    if (n == 0 || k == 0) return *d;
    const int32_t s = n > 0 ? 1 : -1;
    const int64_t a = n > 0 ? int64_t{n} : -int64_t{n};
    double j = model::date_to_JD0(d) + static_cast<double>(s) * 7 * static_cast<double>(a / k);
    for (int64_t r = a % k; r > 0;) {
        j += s;
        if ((flags >> weekday(j)) & 1) --r;
    }
    return model::JD0_to_date(j);
}

// ---- weekday searches (the start date counts) ------------------------------------------------

// The first JD0 on or after (step 1) or on or before (step -1) jd with weekday dow.
inline double first_dow(double jd, int32_t dow, int32_t step) {
    while (weekday(jd) != dow) jd += step;
    return jd;
}
inline Date nth_dow(int32_t n, uint32_t dow, const Date* d, int32_t step) {
    if (n < 1 || dow > 6 || d->month < 1 || d->month > 12) return kNull;
    const double f = first_dow(model::date_to_JD0(d), static_cast<int32_t>(dow), step);
    return model::JD0_to_date(f + step * 7.0 * (n - 1.0));
}
inline Date Nth_DOW_after_date(int32_t n, uint32_t dow, const Date* d) { return nth_dow(n, dow, d, 1); }
inline Date Nth_DOW_before_date(int32_t n, uint32_t dow, const Date* d) { return nth_dow(n, dow, d, -1); }

inline Date Nth_DOW_of_month(int32_t n, uint32_t dow, int32_t month, int32_t year) {
    if (n < 1 || n > 5 || dow > 6 || month < 1 || month > 12) return kNull;
    const Date first{year, month, 1};
    const Date r = model::JD0_to_date(first_dow(jd(first), static_cast<int32_t>(dow), 1) + 7.0 * (n - 1));
    return r.month == month && r.year == year ? r : kNull;
}

// The nearer of the two; distances read through the JD line (a null date
// counts as its JD).
inline Date DOW_closest_to_date(uint32_t dow, const Date* d) {
    if (dow > 6 || d->month < 1 || d->month > 12) return kNull;
    const Date before = model::Nth_DOW_before_date(1, dow, d);
    const double d1 = model::date_to_JD0(d) - jd(before);
    if (d1 == 0) return before;
    const Date after = model::Nth_DOW_after_date(1, dow, d);
    return jd(after) - model::date_to_JD0(d) > d1 ? before : after;
}

inline int32_t number_of_DOWs_in_month(uint32_t dow, int32_t month, int32_t year) {
    if (dow > 6 || month < 1 || month > 12) return 0;
    if (year == 1582 && month == 10) return 3;
    if (model::Nth_DOW_of_month(5, dow, month, year).day != 0) return 5;
    if (model::Nth_DOW_of_month(4, dow, month, year).day != 0) return 4;
    return 0;
}

inline Date Nth_full_weekend(int32_t n, int32_t month, int32_t year) {
    const Date saturday = model::Nth_DOW_of_month(n, 6, month, year);
    if (is_null(saturday)) return saturday;
    return plus_days(saturday, 1).month == month ? saturday : kNull;
}

// ---- the lunar table (1936-2031), by walking its months -------------------------------------------

using hkcal::detail::kFirstLunarYear;
using hkcal::detail::kLastLunarYear;
inline const hkcal::detail::LunarYearRecord& record(int32_t y) { return hkcal::detail::kLunarYears[y - kFirstLunarYear]; }
inline int32_t month_days(const hkcal::detail::LunarYearRecord& r, int32_t i) {
    return 29 + (r.month_is_long[static_cast<size_t>(i)] - '0');
}

// Month lengths summed one at a time; a month past the thirteenth stored one
// adds nothing more; the sum wraps at 32 bits.
inline Date chinese_to_date(const Date* lunar) {
    if (lunar->year < kFirstLunarYear || lunar->year > kLastLunarYear) return kNull;
    const auto& r = record(lunar->year);
    int64_t k = lunar->month;  // the month's place in the year
    if (r.leap_month != 0 && k > r.leap_month) k = k + 1;
    if (r.leap_month != 0 && k == -r.leap_month) k = r.leap_month + 1;
    int32_t n = r.new_year_offset;
    for (int64_t i = 0; i < k - 1 && i < 13; ++i) n += month_days(r, static_cast<int32_t>(i));
    n = add32(n, lunar->day);
    const int32_t year_days = model::days_in_year(lunar->year);
    if (n > year_days) return model::day_number_to_date(lunar->year + 1, n - year_days);
    return n < 1 ? Date{lunar->year, 0, 0} : model::day_number_to_date(lunar->year, n);
}

// The null date for anything but a valid date from 1936-01-24 to 2031-12-31.
inline Date date_to_chinese(const Date* date) {
    const bool in_range = date->year >= kFirstLunarYear && date->year <= kLastLunarYear && jd(*date) >= 2428192;
    if (!in_range || model::valid_date(date) == 0) return kNull;
    int32_t year = date->year, n = model::date_to_day_number(date);
    if (n <= record(year).new_year_offset) n += model::days_in_year(--year);  // counted from last year's start
    const auto& r = record(year);
    int32_t c = r.new_year_offset, i = 0;
    for (; i < 13 && n > c + month_days(r, i); ++i) c += month_days(r, i);
    int32_t month = i + 1;
    if (r.leap_month != 0 && month > r.leap_month) {
        month = month - 1;
        if (month == r.leap_month) month = -r.leap_month;
    }
    if (month > 12) month = month - 12;
    return Date{year, month, n - c};
}

// ---- Easter and the holidays ---------------------------------------------------------------

inline Date march_day(int32_t year, int64_t n) {
    return n > 31 ? Date{year, 4, static_cast<int32_t>(n - 31)} : Date{year, 3, static_cast<int32_t>(n)};
}
// Floored remainders, so that negative years continue the Julian cycle.
inline int64_t rem(int64_t a, int64_t b) { return (a % b + b) % b; }

// Meeus/Jones/Butcher for Gregorian years, Meeus's Julian algorithm up to
// 1582; in 64 bits, so exact for every int32 year.
inline Date easter(int32_t year) {
    const int64_t y = year;
    if (year < 1583) {
        const int64_t a = rem(y, 4), b = rem(y, 7), c = rem(y, 19), d = (19 * c + 15) % 30, e = (2 * a + 4 * b - d + 34) % 7;
        return march_day(year, d + e + 22);
    }
    const int64_t a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4, f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int64_t h = (19 * a + b - d - g + 15) % 30, i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int64_t m = (a + 11 * h + 22 * l) / 451;
    return march_day(year, h + l - 7 * m + 22);
}
inline Date good_friday(int32_t y) { return plus_days(model::easter(y), -2); }
inline Date good_friday_2_holiday(int32_t y) { return plus_days(model::easter(y), -1); }
inline Date easter_monday(int32_t y) { return plus_days(model::easter(y), 1); }

inline bool sunday(const Date& d) { return weekday(jd(d)) == 0; }
// The date, or k days on the JD line from it when it is a Sunday.
inline Date unless_sunday(const Date& d, double k) { return !is_null(d) && sunday(d) ? plus_days(d, k) : d; }
// The date, or the day field set to `day` when it is a Sunday.
inline Date day_if_sunday(const Date& d, int32_t day) { return sunday(d) ? Date{d.year, d.month, day} : d; }
inline Date lunar(int32_t y, int32_t m, int32_t d) {
    const Date l{y, m, d};
    return model::chinese_to_date(&l);
}

inline Date new_year(int32_t y) { return Date{y, 1, 1}; }
inline Date new_year_holiday(int32_t y) { return unless_sunday(Date{y, 1, 1}, 1); }
inline Date lunar_new_year_day(int32_t y) { return lunar(y, 1, 1); }
inline Date lunar_new_year_day_holiday(int32_t y) { return unless_sunday(lunar(y, 1, 1), -1); }
inline Date lunar_new_year_day_2_holiday(int32_t y) { return unless_sunday(lunar(y, 1, 2), -2); }
inline Date lunar_new_year_day_3_holiday(int32_t y) { return unless_sunday(lunar(y, 1, 3), -3); }
inline Date birthday_of_the_buddha(int32_t y) { return lunar(y, 4, 8); }
inline Date birthday_of_the_buddha_holiday(int32_t y) { return unless_sunday(lunar(y, 4, 8), 1); }
inline Date labour_day(int32_t y) { return Date{y, 5, 1}; }
inline Date labour_day_holiday(int32_t y) { return unless_sunday(Date{y, 5, 1}, 1); }
inline Date tuen_ng_festival(int32_t y) { return lunar(y, 5, 5); }
inline Date tuen_ng_festival_holiday(int32_t y) { return unless_sunday(lunar(y, 5, 5), 1); }
inline Date HKSAR_establishment_day(int32_t y) { return Date{y, 7, 1}; }
inline Date HKSAR_establishment_day_holiday(int32_t y) { return day_if_sunday(Date{y, 7, 1}, 2); }
inline Date chinese_mid_autumn_festival(int32_t y) { return lunar(y, 8, 15); }
// The day following the festival, or the festival itself when the day following is a Sunday.
inline Date chinese_mid_autumn_festival_holiday(int32_t y) {
    const Date festival = lunar(y, 8, 15);
    if (is_null(festival)) return festival;
    return weekday(jd(festival)) == 6 ? festival : plus_days(festival, 1);
}
inline Date national_day(int32_t y) { return Date{y, 10, 1}; }
inline Date national_day_holiday(int32_t y) { return unless_sunday(Date{y, 10, 1}, 1); }
inline Date chung_yeung_festival(int32_t y) { return lunar(y, 9, 9); }
inline Date chung_yeung_festival_holiday(int32_t y) { return unless_sunday(lunar(y, 9, 9), 1); }
inline Date christmas_day(int32_t y) { return Date{y, 12, 25}; }
inline Date christmas_day_holiday(int32_t y) { return unless_sunday(Date{y, 12, 25}, 2); }
inline Date christmas_day_2_holiday(int32_t y) { return day_if_sunday(Date{y, 12, 26}, 27); }
inline Date remembrance_day(int32_t y) {
    const Date d{y, 11, 11};
    return model::DOW_closest_to_date(0, &d);
}
inline Date sino_japanese_war_victory_day(int32_t y) { return model::Nth_DOW_of_month(3, 1, 8, y); }

// ---- clock times -----------------------------------------------------------------------------

// The minutes of an HHMM offset: sign * (|x| - (|x| / 100) * 40), in 64 bits.
inline int64_t offset_minutes(int32_t hhmm) {
    const int64_t a = hhmm < 0 ? -int64_t{hhmm} : int64_t{hhmm};
    const int64_t m = a - (a / 100) * 40;
    return hhmm < 0 ? -m : m;
}
// A 64-bit sum taken modulo 2^32, as the platform's 32-bit bias.
inline int32_t bias32(int64_t b) { return wrap32(static_cast<uint32_t>(b)); }

// A real clock time of the platform's years 1601 to 30827.
inline bool valid_time(const SYSTEMTIME& t) {
    if (t.wYear < 1601 || t.wYear > 30827 || t.wMonth < 1 || t.wMonth > 12 || t.wDay < 1) return false;
    if (t.wDay > model::days_in_month_for_year(t.wYear, t.wMonth)) return false;
    return t.wHour < 24 && t.wMinute < 60 && t.wSecond < 60 && t.wMilliseconds < 1000;
}

// *t minus bias minutes, weekday set, seconds and milliseconds kept; a bias
// of 0 succeeds untouched; 0 (and *t untouched) for an invalid time or a
// result outside the years 1601 to 30827.
inline int32_t shift(SYSTEMTIME* t, int32_t bias) {
    if (bias == 0) return 1;
    if (!valid_time(*t)) return 0;
    const Date date{t->wYear, t->wMonth, t->wDay};
    const double minutes = jd(date) * 1440 + t->wHour * 60 + t->wMinute - bias;
    const double day = std::floor(minutes / 1440);
    const double minute_of_day = minutes - day * 1440;
    const Date d = model::JD0_to_gregorian(day);
    if (d.year < 1601 || d.year > 30827) return 0;
    t->wYear = static_cast<uint16_t>(d.year);
    t->wMonth = static_cast<uint16_t>(d.month);
    t->wDay = static_cast<uint16_t>(d.day);
    t->wHour = static_cast<uint16_t>(minute_of_day / 60);
    t->wMinute = static_cast<uint16_t>(std::fmod(minute_of_day, 60));
    t->wDayOfWeek = static_cast<uint16_t>(weekday(day));
    return 1;
}
inline int32_t ConvertTimeZone(SYSTEMTIME* t, int32_t to_offset, int32_t to_dst, int32_t from_offset, int32_t from_dst) {
    return shift(t, bias32(offset_minutes(from_offset) + offset_minutes(from_dst) - offset_minutes(to_offset) -
                           offset_minutes(to_dst)));
}
// local + bias is UTC: the local zone's bias in minutes, as the platform has it.
inline int32_t LocalToOverseaTime(SYSTEMTIME* t, int32_t offset, int32_t dst, int32_t local_bias) {
    return shift(t, bias32(-offset_minutes(offset) - offset_minutes(dst) - int64_t{local_bias}));
}
inline int32_t OverseaToLocalTime(SYSTEMTIME* t, int32_t offset, int32_t dst, int32_t local_bias) {
    return shift(t, bias32(offset_minutes(offset) + offset_minutes(dst) + int64_t{local_bias}));
}

// ---- names ----------------------------------------------------------------------------------

inline const char16_t* const kDays[] = {u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday",
                                        u"Saturday"};
inline const char16_t* const kMonths[] = {u"January", u"February", u"March",     u"April",   u"May",      u"June",
                                          u"July",    u"August",   u"September", u"October", u"November", u"December"};
// The name, its first three letters (abbreviated), or null out of range.
inline std::u16string name(const char16_t* const* table, uint32_t count, uint32_t index, bool abbreviated) {
    if (index >= count) return u"(null)";
    const std::u16string full = table[index];
    return abbreviated ? full.substr(0, 3) : full;
}

}  // namespace model
