/*
 * hkcal: historical calendar, Julian Day Numbers, date arithmetic, weekday
 * searches, the Chinese lunar calendar 1936-2031, Easter, the Hong Kong
 * public holidays, fixed-offset time-zone conversion and English names.
 *
 * The calendar is the historical one: dates up to 1582-10-04 are Julian,
 * dates from 1582-10-15 on are Gregorian, and the ten days between do not
 * exist. Years are astronomical (year 0 precedes year 1). Every day count
 * goes through the Julian Day Number `JD0` (2451545 is 2000-01-01), carried
 * as a double.
 *
 * Conventions:
 * - Dates come in by `const Date*` (never written, never null) and go out by
 *   value. The null date is {0, 0, 0}.
 * - Truth values are int32_t 1 or 0 (the time-zone functions: nonzero).
 * - Integer division and remainder truncate toward zero.
 * - Functions said to "check nothing" compute on any field values; where
 *   they compute in 32 bits, results wrap modulo 2^32 instead of
 *   overflowing. No input, however hostile, is undefined behaviour.
 * - No function allocates, locks (after the first time-zone call) or keeps
 *   state; all may be called from any thread.
 *
 * Valid C99 and C++.
 */
#ifndef HKCAL_H
#define HKCAL_H

#include <stdint.h>

#if defined(_WIN32)
#  include <windows.h>
#endif

#if defined(_WIN32) || defined(__CYGWIN__)
#  if defined(HKCAL_STATIC)
#    define HKCAL_API
#  elif defined(HKCAL_BUILDING)
#    define HKCAL_API __declspec(dllexport)
#  else
#    define HKCAL_API __declspec(dllimport)
#  endif
#elif defined(__GNUC__) || defined(__clang__)
#  define HKCAL_API __attribute__((visibility("default")))
#else
#  define HKCAL_API
#endif

/* The version of both libraries, as CMakeLists.txt's project() has it (its
 * configure stops when the two differ). */
#define HKCAL_VERSION_MAJOR 1
#define HKCAL_VERSION_MINOR 0
#define HKCAL_VERSION_PATCH 0

#ifdef __cplusplus
extern "C" {
#endif

/* A calendar date (or, for the lunar functions, a lunar date whose month is
 * negative for a leap month). Exactly three int32_t, in this order. */
typedef struct Date {
    int32_t year;  /* astronomical: 0 is 1 BC, -1 is 2 BC */
    int32_t month; /* 1 to 12 */
    int32_t day;   /* 1 to 31 */
} Date;

#if !defined(_WIN32)
/* The Windows clock-time record, with the same layout, for other platforms. */
typedef struct _SYSTEMTIME {
    uint16_t wYear;
    uint16_t wMonth;
    uint16_t wDayOfWeek;
    uint16_t wDay;
    uint16_t wHour;
    uint16_t wMinute;
    uint16_t wSecond;
    uint16_t wMilliseconds;
} SYSTEMTIME;
#endif

/* A UTF-16 code unit: char16_t for C++ callers, uint16_t for C callers (the
 * same size and representation, so the two declarations are one ABI). */
#ifdef __cplusplus
typedef char16_t hkcal_char16;
#else
typedef uint16_t hkcal_char16;
#endif

/* ---- Calendar rules and validity ---------------------------------------- */

/* The Date {year, month, day}, nothing checked. */
HKCAL_API Date make_date(int32_t year, int32_t month, int32_t day);
/* 1 for a leap year: Julian rule (year % 4 == 0) up to 1582, Gregorian from 1583; any int32 year. */
HKCAL_API int32_t leap_year(int32_t year);
/* Days of month 1-12 in a common year (February 28); 0 for any other month. */
HKCAL_API int32_t days_in_month(int32_t month);
/* Days of the month in that year (February 29 in leap years, October 1582 has 21); 0 for a month outside 1-12. */
HKCAL_API int32_t days_in_month_for_year(int32_t year, int32_t month);
/* 366 for a leap year, else 365 (1582 gives 365 although it held 355 days); any int32 year. */
HKCAL_API int32_t days_in_year(int32_t year);
/* 1 when the date is a valid Julian date up to 1582-10-04 or a valid Gregorian date from 1582-10-15; else 0. */
HKCAL_API int32_t valid_date(const Date* date);

/* ---- Julian Day Numbers ------------------------------------------------- */

/* JD0 of the date (2451545 for 2000-01-01); checks nothing: 1582-10-05..14
 * count as 1582-10-15, and months and days out of range run on in a straight
 * line ((2000, 13, 1) is 2001-01-01). Always a whole, finite number. */
HKCAL_API double date_to_JD0(const Date* date);
/* The date of a JD0: Gregorian when trunc(jd) >= 2299161 (1582-10-15), else
 * Julian. Fractions: rounded half up on the Gregorian side, floored on the
 * Julian side. NaN, infinities and jd with trunc(jd) outside int32 give the
 * null date. */
HKCAL_API Date JD0_to_date(double jd);
/* The proleptic Gregorian date of a JD0, fraction rounded half up; the null
 * date when jd is not finite or trunc(jd) lies outside int32. */
HKCAL_API Date JD0_to_gregorian(double jd);
/* The proleptic Julian date of a JD0 (floor(jd) for a fraction, so never a
 * day 0), for every jd whose truncation is an int32 -- also above 2299248
 * (1582-12-31 Julian), where it stays a true Julian converter; the null
 * date for NaN, infinities and other jd. */
HKCAL_API Date JD0_to_julian(double jd);
/* JD0 of the day before January 1 of the year (2451544 for 2000, 1721423 for
 * year 1); Gregorian year starts from 1583, Julian before; any int32 year. */
HKCAL_API double year_to_jan_0_JD0(int32_t year);

/* ---- Day numbers (day number 1 is 1 January) ----------------------------- */

/* The day number of the date (1582 has 355: 1582-10-15 is 278), 0 for a
 * month outside 1-12 or a day of 1582-10-05..14; the day is not checked
 * against the month (32-bit wraparound for huge days). */
HKCAL_API int32_t date_to_day_number(const Date* date);
/* The date with that day number in the year; {year, 0, 0} when the year has
 * no such day number (below 1, above 365/366, above 355 in 1582). */
HKCAL_API Date day_number_to_date(int32_t year, int32_t day_number);

/* ---- Comparison and packed form ----------------------------------------- */
/* Fields are compared as signed integers, valid or not. */

/* 1 when year, month and day are all equal. */
HKCAL_API int32_t date_equal(const Date* a, const Date* b);
/* 1 when any field differs. */
HKCAL_API int32_t date_not_equal(const Date* a, const Date* b);
/* 1 when a comes after b (year, then month, then day). */
HKCAL_API int32_t date_greater(const Date* a, const Date* b);
/* 1 when a comes before b (year, then month, then day). */
HKCAL_API int32_t date_less(const Date* a, const Date* b);
/* 1 when a is after or equal to b. */
HKCAL_API int32_t date_greater_or_equal(const Date* a, const Date* b);
/* 1 when a is before or equal to b. */
HKCAL_API int32_t date_less_or_equal(const Date* a, const Date* b);
/* 1 when the year fields are equal. */
HKCAL_API int32_t year_equal(const Date* a, const Date* b);
/* 1 when the month fields are equal. */
HKCAL_API int32_t month_equal(const Date* a, const Date* b);
/* 1 when the day fields are equal. */
HKCAL_API int32_t day_equal(const Date* a, const Date* b);
/* 1 when the day and the month fields are both equal. */
HKCAL_API int32_t day_and_month_equal(const Date* a, const Date* b);
/* (|year| * 100 + month) * 100 + day, negated for a negative year, in
 * 32-bit arithmetic that wraps for fields too large to pack. */
HKCAL_API int32_t date_to_long(const Date* date);
/* The date a packed int32 stands for (1231 and -1231 are both (0, 12, 31)).
 * |INT32_MIN| is read as 2^31: INT32_MIN gives (-214748, 36, 48), which
 * packs back to INT32_MIN. */
HKCAL_API Date long_to_date(int32_t packed);

/* ---- Date arithmetic ---------------------------------------------------- */

/* JD0_to_date(date_to_JD0(date) + n): n may be negative or fractional; the
 * null date when the sum is NaN, infinite or its truncation not an int32. */
HKCAL_API Date date_N_days_after_date(double n, const Date* date);
/* JD0_to_date(date_to_JD0(date) - n). */
HKCAL_API Date date_N_days_before_date(double n, const Date* date);
/* date_to_JD0(a) - date_to_JD0(b): positive when a is later. */
HKCAL_API double days_between_dates(const Date* a, const Date* b);
/* The date n months later (n < 0: earlier), the day clamped to the target
 * month's length (October 1582: 21, so 1582-09-10 + 1 is the nonexistent
 * 1582-10-10); checks nothing: month + n and the year sum wrap modulo 2^32. */
HKCAL_API Date add_month(int32_t n, const Date* date);
/* The date n years later (n < 0: earlier), the day clamped to the target
 * month's length (a month outside 1-12 has length 0); checks nothing: the
 * year sum wraps modulo 2^32. */
HKCAL_API Date add_year(int32_t n, const Date* date);
/* The date n counted days later (earlier for n < 0), counting only weekdays
 * whose bit is set (bit 0 Sunday .. bit 6 Saturday; 0x3E is Monday-Friday).
 * |n| / k whole weeks (k bits set) jump 7 days each, keeping the weekday,
 * then the rest steps day by day. n == 0 or no bit set: the date unchanged.
 * The jump is exact (no 32-bit overflow for any n) and the true weekday is
 * used below JD0 -1 too; a result outside the int32 JD0 range is the null date. */
HKCAL_API Date add_day_with_weekday_flag(int32_t n, uint8_t weekday_flags, const Date* date);

/* ---- Weekday index (DOW: 0 Sunday .. 6 Saturday) ------------------------ */

/* The DOW of a JD0: (trunc(jd) % 7) + 1, 7 read as 0 (negative, -5..0, below
 * -1). Finite jd beyond int32 use the same formula exactly; NaN and infinities give -1. */
HKCAL_API int32_t day_of_week_index_JD0(double jd);
/* The DOW by the Gregorian congruence on the fields (differs from the JD0 form
 * before 1582-10-15). Exact in 64 bits for any fields; where the sum is
 * negative (years from 4600, up to -65) its remainder is moved into 0-6. */
HKCAL_API int32_t day_of_week_index(const Date* date);
/* 1 when the date's weekday (by its JD0) equals dow, read as dow % 7
 * truncated (7 is Sunday; -1..-6 match only dates below JD0 -1). */
HKCAL_API int32_t is_day_of_week(const Date* date, int32_t dow);

/* ---- Weekday searches --------------------------------------------------- */
/* Searches step on the JD0 line, so they follow the historical calendar
 * across 1582 (October 1582 holds three of each weekday). dow is taken as
 * unsigned: a negative dow is out of range like 7. The date's day is not
 * checked (it runs on, as in date_to_JD0). A result whose JD0 lies outside
 * int32 is the null date, as JD0_to_date gives it; below JD0 -1 the searches
 * use the true weekday. */

/* The n-th dow on or after the date (the date itself counts); null date for
 * n < 1, dow > 6 or month outside 1-12. 7 * (n - 1) is exact for every n, so
 * n above 306783379 gives the null date (from any date from JD0 0 on). */
HKCAL_API Date Nth_DOW_after_date(int32_t n, uint32_t dow, const Date* date);
/* The n-th dow on or before the date (the date itself counts); null date for
 * n < 1, dow > 6 or month outside 1-12; exact for every n, as above. */
HKCAL_API Date Nth_DOW_before_date(int32_t n, uint32_t dow, const Date* date);
/* The n-th dow of the month (n 1-5); null date when it does not exist or an argument is out of range. */
HKCAL_API Date Nth_DOW_of_month(int32_t n, uint32_t dow, int32_t month, int32_t year);
/* The dow nearest the date (the date itself when it is one); null date for dow > 6 or month outside 1-12. */
HKCAL_API Date DOW_closest_to_date(uint32_t dow, const Date* date);
/* How many times dow occurs in the month: 3 (October 1582), 4 or 5; 0 for
 * bad arguments (and for months whose JD0 lie outside int32). */
HKCAL_API int32_t number_of_DOWs_in_month(uint32_t dow, int32_t month, int32_t year);
/* The Saturday of the n-th weekend (n 1-5) whose Saturday and Sunday both lie in the month; else the null date. */
HKCAL_API Date Nth_full_weekend(int32_t n, int32_t month, int32_t year);

/* ---- Chinese lunar calendar (lunar years 1936-2031) --------------------- */
/* A lunar date is a Date whose year is the Gregorian year of its first day
 * and whose month is negative for a leap month (-4 follows the fourth). */

/* The Gregorian date of a lunar date; null date for a lunar year outside
 * 1936-2031. Month and day are not checked: a leap month the year lacks, and
 * month 0 or below, count as month 1; a month past the year's last counts on
 * through the 13 stored month lengths and no further; the day counts on from
 * the month's start in 32 bits (wrapping) into the next Gregorian year, and
 * past both years gives {year, 0, 0} (before) or {year + 1, 0, 0} (after). */
HKCAL_API Date chinese_to_date(const Date* lunar);
/* The lunar date of a Gregorian date; null date for anything but a valid date
 * from 1936-01-24 (lunar 1936-1-1) to 2031-12-31. */
HKCAL_API Date date_to_chinese(const Date* date);

/* ---- Easter ------------------------------------------------------------- */
/* Easter is always a real Sunday from March 22 to April 25 of the year. The
 * other days are moved on the JD0 line and are the null date when their JD0
 * lies outside int32 (-5884202-03-16 to 5874898-06-03): years from 5874899
 * and up to -5884203. */

/* Easter Sunday: Julian computus up to 1582 (a Julian date), Gregorian from
 * 1583, exact for every int32 year. Negative years take floored remainders,
 * continuing the 532-year Julian cycle: easter(-3) is -3-04-15. */
HKCAL_API Date easter(int32_t year);
/* Good Friday: Easter Sunday minus 2 days. */
HKCAL_API Date good_friday(int32_t year);
/* The day following Good Friday: Easter Sunday minus 1 day. */
HKCAL_API Date good_friday_2_holiday(int32_t year);
/* Easter Monday: Easter Sunday plus 1 day. */
HKCAL_API Date easter_monday(int32_t year);

/* ---- Hong Kong public holidays ------------------------------------------ */
/* The plain function gives the festival's date, the _holiday one the day
 * given as a holiday. Lunar festivals (and their holidays) give the null date
 * outside 1936-2031. A day moved on the JD0 line is the null date when its
 * JD0 lies outside int32 (before -5884202-03-16 or after 5874898-06-03). */

/* January 1. */
HKCAL_API Date new_year(int32_t year);
/* January 1; January 2 when January 1 is a Sunday. */
HKCAL_API Date new_year_holiday(int32_t year);
/* Lunar 1-1. */
HKCAL_API Date lunar_new_year_day(int32_t year);
/* Lunar 1-1; the eve (1 day earlier) when it is a Sunday. */
HKCAL_API Date lunar_new_year_day_holiday(int32_t year);
/* Lunar 1-2; the eve (2 days earlier) when it is a Sunday. */
HKCAL_API Date lunar_new_year_day_2_holiday(int32_t year);
/* Lunar 1-3; the eve (3 days earlier) when it is a Sunday. */
HKCAL_API Date lunar_new_year_day_3_holiday(int32_t year);
/* Lunar 4-8. */
HKCAL_API Date birthday_of_the_buddha(int32_t year);
/* Lunar 4-8; the next day when it is a Sunday. */
HKCAL_API Date birthday_of_the_buddha_holiday(int32_t year);
/* May 1. */
HKCAL_API Date labour_day(int32_t year);
/* May 1; May 2 when May 1 is a Sunday. */
HKCAL_API Date labour_day_holiday(int32_t year);
/* Lunar 5-5. */
HKCAL_API Date tuen_ng_festival(int32_t year);
/* Lunar 5-5; the next day when it is a Sunday. */
HKCAL_API Date tuen_ng_festival_holiday(int32_t year);
/* July 1. */
HKCAL_API Date HKSAR_establishment_day(int32_t year);
/* July 1; July 2 when July 1 is a Sunday (the day field is written, never null). */
HKCAL_API Date HKSAR_establishment_day_holiday(int32_t year);
/* Lunar 8-15. */
HKCAL_API Date chinese_mid_autumn_festival(int32_t year);
/* The day after lunar 8-15; lunar 8-15 itself when that is a Saturday. */
HKCAL_API Date chinese_mid_autumn_festival_holiday(int32_t year);
/* October 1. */
HKCAL_API Date national_day(int32_t year);
/* October 1; October 2 when October 1 is a Sunday. */
HKCAL_API Date national_day_holiday(int32_t year);
/* Lunar 9-9. */
HKCAL_API Date chung_yeung_festival(int32_t year);
/* Lunar 9-9; the next day when it is a Sunday. */
HKCAL_API Date chung_yeung_festival_holiday(int32_t year);
/* December 25. */
HKCAL_API Date christmas_day(int32_t year);
/* December 25; December 27 when December 25 is a Sunday. */
HKCAL_API Date christmas_day_holiday(int32_t year);
/* December 26; December 27 when December 26 is a Sunday (the day field is written, never null). */
HKCAL_API Date christmas_day_2_holiday(int32_t year);
/* The Sunday nearest November 11 (November 11 itself when a Sunday). */
HKCAL_API Date remembrance_day(int32_t year);
/* The third Monday of August. */
HKCAL_API Date sino_japanese_war_victory_day(int32_t year);

/* ---- Time-zone conversion (HHMM offsets: 800 is +8:00, -530 is -5:30) ---- */
/* An HHMM offset x counts sign(x) * (|x| - (|x| / 100) * 40) minutes (199 is
 * 159); every int32 is accepted. A conversion subtracts a net bias B from
 * *time, B being the offsets' minutes summed modulo 2^32 (the platform's bias
 * is 32 bits). B == 0: returns 1, *time untouched whatever it holds. Else the
 * platform shifts a copy into *time and its answer is returned (0: failed).
 * Windows: the kernel's GetTimeZoneInformation and
 * SystemTimeToTzSpecificLocalTime. Elsewhere a stand-in shifts on the
 * proleptic Gregorian calendar, keeps seconds and milliseconds, ignores the
 * given wDayOfWeek and sets it (0 Sunday); it returns 0 and leaves *time
 * untouched for a month outside 1-12, a day outside the month, an hour > 23,
 * a minute or second > 59, milliseconds > 999, a year outside 1601-30827, or
 * a result outside 1601-01-01 00:00 .. 30827-12-31 23:59.
 * The local bias (UTC = local time + bias: -480 in UTC+8) is read once, by
 * the first call of LocalToOverseaTime or OverseaToLocalTime, with the
 * daylight saving then in force, and never refreshed; concurrent first calls
 * are safe and all see one value. Off Windows it is the C library's UTC
 * offset of the local zone (TZ) at that moment, truncated to whole minutes
 * (0 if the C library cannot tell). */

/* Converts *time from zone (from_offset + from_dst) to zone (to_offset + to_dst): B = from - to. */
HKCAL_API int32_t ConvertTimeZone(SYSTEMTIME* time, int32_t to_offset, int32_t to_dst,
                                  int32_t from_offset, int32_t from_dst);
/* Converts a local *time to zone (offset + dst): B = -(offset + dst) - local bias. */
HKCAL_API int32_t LocalToOverseaTime(SYSTEMTIME* time, int32_t offset, int32_t dst);
/* Converts *time of zone (offset + dst) to local time: B = offset + dst + local bias. */
HKCAL_API int32_t OverseaToLocalTime(SYSTEMTIME* time, int32_t offset, int32_t dst);

/* ---- Day and month names (English, null-terminated UTF-16) --------------- */
/* Indices are unsigned, so a negative index arrives huge and is out of range.
 * Pointers lead into constant tables: never write or free them. */

/* "Sun".."Sat" for dow 0-6; a null pointer otherwise. */
HKCAL_API const hkcal_char16* day_of_week_abbreviation(uint32_t dow);
/* "Sunday".."Saturday" for dow 0-6; a null pointer otherwise. */
HKCAL_API const hkcal_char16* day_of_week_name(uint32_t dow);
/* "Jan".."Dec" for month 1-12; a null pointer otherwise. */
HKCAL_API const hkcal_char16* month_name_military(uint32_t month);
/* "January".."December" for month 1-12; a null pointer otherwise. */
HKCAL_API const hkcal_char16* month_name(uint32_t month);
/* Copies the abbreviation with its null into buffer (4 units) and returns its length; 0, nothing written, out of range. */
HKCAL_API int32_t day_of_week_abbreviation_2(uint32_t dow, hkcal_char16* buffer);
/* Copies the name with its null into buffer (10 units) and returns its length; 0, nothing written, out of range. */
HKCAL_API int32_t day_of_week_name_2(uint32_t dow, hkcal_char16* buffer);
/* Copies the abbreviation with its null into buffer (4 units) and returns its length; 0, nothing written, out of range. */
HKCAL_API int32_t month_name_military_2(uint32_t month, hkcal_char16* buffer);
/* Copies the name with its null into buffer (10 units) and returns its length; 0, nothing written, out of range. */
HKCAL_API int32_t month_name_2(uint32_t month, hkcal_char16* buffer);

#ifdef __cplusplus
}
#endif

#endif /* HKCAL_H */
