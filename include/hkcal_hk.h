/*
 * hkcal_hk: the Hong Kong calendar as it is.
 *
 * - The Chinese lunar calendar as the Hong Kong Observatory publishes it,
 *   lunar years 1901-2100 (Gregorian 1901-02-19 to 2101-01-28).
 * - The 24 solar terms, Gregorian years 1901-2100.
 * - The general holidays (General Holidays Ordinance, Cap. 149) and the
 *   statutory holidays (Employment Ordinance, Cap. 57, section 39) as the
 *   law has them, 1997-2100.
 * - Business days and the usual roll conventions, 1997-2100.
 * - The stock exchange's (HKEX, XHKG) trading days and sessions with their
 *   history, half days and recorded closures, 1997-2100.
 *
 * Conventions:
 * - Every function but the name functions returns an hk_status: HK_OK (0),
 *   or an error code that hk_strerror explains. Outputs are written only on
 *   HK_OK; on an error nothing is written (hk_holidays' count excepted, see
 *   there).
 * - Dates are the classic library's Date, always Gregorian here. A lunar
 *   date is a Date whose month is 1-12, negated for the leap month
 *   (-4 is the leap 4th month).
 * - Hong Kong time is UTC+8 throughout, HK_UTC_OFFSET_MINUTES (the
 *   Observatory's calendar ignores the summer time of 1941-1979).
 * - Weekdays are numbered 0 Sunday .. 6 Saturday, and a set of working
 *   weekdays is a byte with bit 0 Sunday .. bit 6 Saturday (HK_MON_FRI), as
 *   in the classic library.
 * - Pointers must not be null unless said otherwise (HK_ENULL).
 * - No function allocates or keeps mutable state; all may be called from
 *   any thread. Every table (the lunar calendar, the solar terms, 1997-2100's
 *   holidays) is computed at compile time and constant-initialised: it is in
 *   place before any code runs, so a program's own global initialisers may
 *   call any function, with the static library as with the shared one.
 *
 * Valid C99 and C++.
 */
#ifndef HKCAL_HK_H
#define HKCAL_HK_H

#include <stddef.h>
#include <stdint.h>

#include "hkcal.h"

#if defined(_WIN32) || defined(__CYGWIN__)
#  if defined(HKCAL_STATIC)
#    define HKCAL_HK_API
#  elif defined(HKCAL_HK_BUILDING)
#    define HKCAL_HK_API __declspec(dllexport)
#  else
#    define HKCAL_HK_API __declspec(dllimport)
#  endif
#elif defined(__GNUC__) || defined(__clang__)
#  define HKCAL_HK_API __attribute__((visibility("default")))
#else
#  define HKCAL_HK_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Status ------------------------------------------------------------- */

typedef int32_t hk_status;
#define HK_OK 0      /* done; the outputs are written */
#define HK_ERANGE 1  /* a date or year outside the covered years */
#define HK_EINVAL 2  /* an argument that names nothing (no such date, month, kind) */
#define HK_ENULL 3   /* a required pointer is null */
#define HK_ESPACE 4  /* the caller's buffer is too small */

/* One line of English for a status ("lunar years 1901-2100 only", ...); an
 * unknown code gives "unknown status". Never null; static storage. */
HKCAL_HK_API const char* hk_strerror(hk_status status);

/* The years covered. */
#define HK_LUNAR_FIRST_YEAR 1901   /* lunar years, and solar-term years */
#define HK_LUNAR_LAST_YEAR 2100
#define HK_HOLIDAY_FIRST_YEAR 1997 /* holidays and business days */
#define HK_HOLIDAY_LAST_YEAR 2100

/* Hong Kong time, UTC+8, in minutes east of Greenwich. */
#define HK_UTC_OFFSET_MINUTES 480

/* What a coverage question is about. */
#define HK_COVERS_LUNAR 1         /* the Observatory's lunar calendar: lunar years and the days they span */
#define HK_COVERS_SOLAR_TERMS 2   /* the solar terms: Gregorian years */
#define HK_COVERS_HOLIDAYS 3      /* holidays and business days: Gregorian years */
#define HK_COVERS_CLASSIC_LUNAR 4 /* the classic library's lunar table (date_to_chinese, chinese_to_date) */

/* The years covered and the first and last days: for the lunar calendars
 * the lunar years and the Gregorian days they span (lunar years 1901-2100
 * are 1901-02-19 to 2101-01-28; the classic table's 1936-2031 are
 * 1936-01-24 to 2031-12-31, where date_to_chinese stops within lunar 2031),
 * otherwise 1 January of the first year to 31 December of the last. Each
 * output pointer may be null. HK_EINVAL for another `what`. */
HKCAL_HK_API hk_status hk_coverage(int32_t what, int32_t* first_year, int32_t* last_year, Date* first_day,
                                   Date* last_day);
/* The same in words for messages: "lunar years 1901-2100 (1901-02-19 to
 * 2101-01-28)", "years 1901-2100", "years 1997-2100", "lunar years
 * 1936-2031 (1936-01-24 to 2031-12-31)"; static storage; null for another
 * `what`. */
HKCAL_HK_API const char* hk_coverage_text(int32_t what);

/* ---- The Observatory's lunar calendar ----------------------------------- */

/* The lunar date of a Gregorian date from 1901-02-19 to 2101-01-28; HK_EINVAL
 * for an invalid Gregorian date, HK_ERANGE for a valid one outside. */
HKCAL_HK_API hk_status hk_date_to_lunar(const Date* date, Date* lunar);
/* The Gregorian date of a lunar date of lunar years 1901-2100; HK_ERANGE for
 * another year, HK_EINVAL for a month the year lacks or a day past its length. */
HKCAL_HK_API hk_status hk_lunar_to_date(const Date* lunar, Date* date);
/* The Gregorian date of the first day of a lunar year 1901-2100; HK_ERANGE
 * otherwise. */
HKCAL_HK_API hk_status hk_lunar_new_year(int32_t lunar_year, Date* date);
/* The lunar year's leap month (1-12), or 0 when it has none; HK_ERANGE
 * outside 1901-2100. */
HKCAL_HK_API hk_status hk_lunar_leap_month(int32_t lunar_year, int32_t* month);
/* The number of days (29 or 30) of a month of a lunar year 1901-2100, month
 * negative for the leap month; HK_ERANGE for another year, HK_EINVAL for a
 * month the year lacks. */
HKCAL_HK_API hk_status hk_lunar_month_days(int32_t lunar_year, int32_t month, int32_t* days);

/* ---- The 24 solar terms ------------------------------------------------- */

/* Term indices run in time order through a Gregorian year: 0 is Minor Cold
 * (the Sun's apparent longitude 285 degrees, early January), each next term
 * 15 degrees on, 23 the Winter Solstice (270 degrees, December). Even indices
 * are the minor terms (jieqi), odd ones the principal terms (zhongqi). */
#define HK_SOLAR_TERMS 24

/* The date of a term of a year 1901-2100 in the Observatory's calendar: the
 * civil date in Hong Kong of its instant, but for five terms of 1912-1928
 * within 15 minutes of a midnight, which the calendar of the time (reckoned
 * at Beijing's meridian, or in 1912-1913 by an older theory) dates on the
 * other side of it. HK_ERANGE for another year, HK_EINVAL for an index
 * outside 0-23. Constant time. */
HKCAL_HK_API hk_status hk_solar_term_date(int32_t year, int32_t index, Date* date);
/* The instant of a term as a Julian Date in UT (JD 2451545.0 is
 * 2000-01-01 12:00 UT), accurate to well under a minute; errors as
 * hk_solar_term_date. */
HKCAL_HK_API hk_status hk_solar_term_instant(int32_t year, int32_t index, double* jd_ut);

/* The term's civil date in Hong Kong (as hk_solar_term_date) and the minute
 * of that day, 0-1439, in which its instant falls in Hong Kong time; errors
 * as hk_solar_term_date. Where the table's date was decided against the
 * computed instant (a close call at midnight), the minute is the one of
 * that date nearest the instant (00:00 or 23:59). Constant time. */
HKCAL_HK_API hk_status hk_solar_term_local(int32_t year, int32_t index, Date* date, int32_t* minute_of_day);

#define HK_LANG_EN 0
#define HK_LANG_ZH 1 /* Traditional Chinese, UTF-8 */
/* The term's name ("Minor Cold", "小寒"), UTF-8, static storage; null for an
 * index outside 0-23 or another language. */
HKCAL_HK_API const char* hk_solar_term_name(int32_t index, int32_t lang);

/* ---- Holidays ----------------------------------------------------------- */

/* Kinds of holiday, as bits. */
#define HK_GENERAL 1u   /* general holidays, Cap. 149 (bank holidays) */
#define HK_STATUTORY 2u /* statutory holidays, Cap. 57 s. 39 */

/* Options of the statutory list, as bits. */
#define HK_CHRISTMAS 1u /* Christmas Day instead of the Winter Solstice (the employer's choice) */

/* For the rest_day argument: the statutory list as the Labour Department
 * publishes it, each day on its own date even on a Sunday. */
#define HK_NO_REST_DAY (-1)

/* The most holidays of any one list. */
#define HK_MAX_HOLIDAYS 32

/* One holiday of a list. The strings are static, UTF-8, never null. */
typedef struct HkHoliday {
    Date date;         /* the day off */
    Date observed_for; /* the date the day off stands for, never the day off itself; {0, 0, 0}
                        * for a day kept on its own date. A day moved by a Sunday rule, a
                        * coincidence or the rest-day rule stands for the festival's own date, a
                        * substitute moved again by the rest-day rule too; one moved back onto that
                        * very date stands for its published day (2006, rest day Saturday: the day
                        * preceding Lunar New Year's Day on Sunday 29 January, for 28 January) */
    const char* key;   /* stable ASCII identifier within a year ("lunar-new-year-2"); a day moved keeps it */
    const char* name_en; /* as the Government publishes it */
    const char* name_zh; /* Traditional Chinese, as the Government publishes it */
    uint32_t kinds;    /* the HK_GENERAL and HK_STATUTORY lists that hold this day under this key.
                        * HK_STATUTORY counts either December day: Christmas Day on 25 December
                        * carries both kinds, in the general list and in the statutory one with
                        * HK_CHRISTMAS; moved off a Sunday to the 27th it is HK_GENERAL only, and
                        * the statutory one on the Sunday HK_STATUTORY only; the Winter Solstice
                        * is HK_STATUTORY only */
} HkHoliday;

/* The name of the holiday under a key in English or Chinese (HK_LANG_EN,
 * HK_LANG_ZH), UTF-8, static storage: for every key hk_holidays gives, the
 * name the law gives that holiday on its own day ("mid-autumn": "The day
 * following the Chinese Mid-Autumn Festival"; a record of a day moved may
 * carry another), and for the two days the classic library's functions
 * give that no list of the law holds, "easter-sunday" and
 * "remembrance-day". Null for another key (or a null one) or language. */
HKCAL_HK_API const char* hk_holiday_name(const char* key, int32_t lang);

/* The note of a day off that replaces a festival's own date (HkHoliday's
 * observed_for), in the form and language asked: HK_NOTE_INLINE, to follow
 * the name on its line (" (for 2026-04-05)", "（2026-04-05 補假）"), or
 * HK_NOTE_ALONE, standing by itself ("For 2026-04-05", "2026-04-05 補假").
 * The date is written YYYY-MM-DD, with at least four year digits, a minus
 * sign before year 0 and a plus sign after 9999; any year, month 1-12, day
 * 1-31. Writes a UTF-8 text and its terminator to out; HK_NOTE_SIZE bytes
 * always suffice. HK_EINVAL for another form, language, month or day,
 * HK_ESPACE (out untouched) when capacity is too small. */
#define HK_NOTE_INLINE 0
#define HK_NOTE_ALONE 1
#define HK_NOTE_SIZE 32
HKCAL_HK_API hk_status hk_observed_note(const Date* festival, int32_t lang, int32_t form, char* out,
                                        size_t capacity);

/* The holidays of a year 1997-2100 in date order (Sundays are general
 * holidays too but are not listed). kind is HK_GENERAL or HK_STATUTORY.
 * options (HK_CHRISTMAS) and rest_day (0-6, or HK_NO_REST_DAY for the
 * published list) apply to HK_STATUTORY only and must be 0 and
 * HK_NO_REST_DAY for HK_GENERAL. With a rest day, the list is the days an
 * employee whose weekly rest day it is gets (s. 39(4)). On HK_OK, *count is
 * the number written to out[0..]. When capacity is smaller than the list,
 * HK_ESPACE with *count the length needed and out untouched; out may be
 * null when capacity is 0. HK_ERANGE for another year, HK_EINVAL for
 * another kind, option or rest day. */
HKCAL_HK_API hk_status hk_holidays(int32_t year, uint32_t kind, uint32_t options, int32_t rest_day,
                                   HkHoliday* out, size_t capacity, size_t* count);
/* *result = 1 when the date is in the list hk_holidays gives for its year
 * with these arguments, 0 otherwise (a Sunday is not in the lists); errors
 * as hk_holidays, HK_EINVAL for an invalid date. */
HKCAL_HK_API hk_status hk_is_holiday(const Date* date, uint32_t kind, uint32_t options,
                                     int32_t rest_day, int32_t* result);

/* ---- Business days ------------------------------------------------------ */

/* A business day is a working weekday (a bit of workdays: HK_MON_FRI for
 * Monday to Friday) that is not a general holiday. Bit 0 is Sunday: with
 * it set, Sundays are business days, though every Sunday is a general
 * holiday (no listed holiday falls on one). Bit 7 is ignored. Every
 * function here answers HK_EINVAL for an invalid date or a workdays with no
 * weekday bit (0 or 0x80: no business day ever), and HK_ERANGE when the
 * date, or the answer, lies outside 1997-01-01..2100-12-31. Constant time
 * for every n, distance and workdays, from compile-time tables and no
 * search over years or holidays: hk_is_business_day reads three tables;
 * next, previous and hk_roll read the date's month and at most its
 * neighbour; hk_business_days_between reads each date's month and the
 * business days before it; hk_add_business_days adds n to such a count and
 * finds the month holding the sum among eight months next to an estimate
 * (the tables prove those eight hold it), then the day in it. */
#define HK_MON_FRI ((uint8_t)0x3E)

/* *result = 1 when the date is a business day, 0 otherwise. */
HKCAL_HK_API hk_status hk_is_business_day(const Date* date, uint8_t workdays, int32_t* result);
/* The n-th business day after the date (n > 0) or before it (n < 0), the
 * date itself not counted; n == 0 gives the date unchanged. */
HKCAL_HK_API hk_status hk_add_business_days(const Date* date, int32_t n, uint8_t workdays, Date* result);
/* The first business day after the date (the date itself not counted). */
HKCAL_HK_API hk_status hk_next_business_day(const Date* date, uint8_t workdays, Date* result);
/* The last business day before the date (the date itself not counted). */
HKCAL_HK_API hk_status hk_previous_business_day(const Date* date, uint8_t workdays, Date* result);

/* Roll conventions: a business day stays; another day moves to the next
 * (following) or previous (preceding) business day; the modified forms move
 * the other way instead when that would leave the date's month, or the
 * covered years (which end with a month). */
#define HK_FOLLOWING 0
#define HK_MODIFIED_FOLLOWING 1
#define HK_PRECEDING 2
#define HK_MODIFIED_PRECEDING 3
/* The date rolled by a convention; HK_EINVAL for another convention. */
HKCAL_HK_API hk_status hk_roll(const Date* date, int32_t convention, uint8_t workdays, Date* result);
/* The number of business days d with start < d <= end, or minus the number
 * with end < d <= start when end is earlier; so that
 * hk_add_business_days(start, *count) is end when end is a later business
 * day, or an earlier one and start is a business day too. */
HKCAL_HK_API hk_status hk_business_days_between(const Date* start, const Date* end, uint8_t workdays,
                                                int32_t* count);

/* ---- The stock exchange (HKEX securities market, XHKG) ------------------ */

/* A trading day is a weekday (Monday to Friday) that is not a general
 * holiday and on which the exchange did not stay shut all day. The days the
 * exchange shut or cut short are recorded up to HK_XHKG_LAST_RECORDED_YEAR:
 * until 22 September 2024 a tropical cyclone signal No. 8 or above or a
 * black rainstorm warning in force at 9:00 cancelled the morning session,
 * one in force at noon the whole day, one hoisted during trading the rest
 * of it; from 23 September 2024 the market trades in severe weather. Later
 * years are the rules' projection (general holidays, weekends, half days)
 * and may still change. Years 1997-2100; HK_ERANGE outside, HK_EINVAL for an
 * invalid date. */
#define HK_XHKG_LAST_RECORDED_YEAR 2025

/* Kinds of trading day. */
#define HK_XHKG_CLOSED 0    /* no trading: a weekend, a general holiday or a closure */
#define HK_XHKG_FULL 1      /* morning and afternoon sessions */
#define HK_XHKG_HALF 2      /* the morning session only: an eve of Christmas, New Year or Lunar New
                             * Year, or a day whose afternoon the weather cancelled */
#define HK_XHKG_AFTERNOON 3 /* the afternoon session only: the weather cancelled the morning */
#define HK_XHKG_SHORTENED 4 /* both sessions, the afternoon's ended early by the weather */

/* One day's sessions, in minutes after midnight, Hong Kong time (570 is
 * 09:30). Continuous trading from open to close, except the lunch break
 * from break_start to break_end; -1 for what the day lacks.
 * Sessions: 10:00-12:30 and 14:30-16:00 until 4 March 2011; 09:30-12:00 and
 * 13:30-16:00 from 7 March 2011; 09:30-12:00 and 13:00-16:00 from 5 March
 * 2012. A half day closes at the morning close. A day whose morning the
 * weather cancelled opens when the exchange resumed (the era's afternoon
 * open when not recorded); a day a signal hoisted during trading ended
 * closes when trading stopped, with no closing auction. The pre-opening session (single price auction)
 * runs from pre_open to open on days with a morning session from 25 March
 * 2002. The closing auction session runs from close to a random close at
 * most auction_close, on trading days from 26 May 2008 to 20 March 2009
 * and from 25 July 2016. */
typedef struct HkSession {
    int32_t kind;        /* HK_XHKG_CLOSED .. HK_XHKG_SHORTENED; all times -1 when closed */
    int32_t open;
    int32_t break_start; /* -1 without a break (a half day, an afternoon only) */
    int32_t break_end;
    int32_t close;
    int32_t pre_open;      /* the pre-opening session's start, or -1 */
    int32_t auction_close; /* the closing auction's latest end, or -1 */
} HkSession;

/* The date's sessions; a day without trading gives kind HK_XHKG_CLOSED. */
HKCAL_HK_API hk_status hk_xhkg_session(const Date* date, HkSession* session);
/* *result = 1 when the date is a trading day, 0 otherwise. Constant time. */
HKCAL_HK_API hk_status hk_xhkg_is_trading_day(const Date* date, int32_t* result);
/* Trading-day arithmetic, as the business-day functions with the exchange's
 * closed days (weekends, general holidays, full-day closures), in constant
 * time; HK_ERANGE when an answer would lie outside 1997-2100. The n-th
 * trading day after the date (n > 0) or before it (n < 0), the date itself
 * not counted; n == 0 gives the date. */
HKCAL_HK_API hk_status hk_xhkg_add_trading_days(const Date* date, int32_t n, Date* result);
/* The first trading day after the date, and the last before it (the date itself not counted). */
HKCAL_HK_API hk_status hk_xhkg_next_trading_day(const Date* date, Date* result);
HKCAL_HK_API hk_status hk_xhkg_previous_trading_day(const Date* date, Date* result);
/* The date rolled to a trading day by a convention (HK_FOLLOWING ..). */
HKCAL_HK_API hk_status hk_xhkg_roll(const Date* date, int32_t convention, Date* result);
/* The number of trading days d with start < d <= end, or minus the number
 * with end < d <= start when end is earlier. */
HKCAL_HK_API hk_status hk_xhkg_trading_days_between(const Date* start, const Date* end, int32_t* count);
/* *recorded = 1 when the year's days are recorded, 0 when they are the
 * rules' projection; HK_ERANGE outside 1997-2100. */
HKCAL_HK_API hk_status hk_xhkg_recorded(int32_t year, int32_t* recorded);

/* A weekday, not a general holiday, on which the exchange did not trade a
 * full day: an eve's half day, or a day the exchange shut or cut short.
 * The strings are static, UTF-8, never null. */
typedef struct HkXhkgClosure {
    Date date;
    int32_t kind;        /* as hk_xhkg_session's: HK_XHKG_CLOSED, HK_XHKG_HALF, HK_XHKG_AFTERNOON or HK_XHKG_SHORTENED */
    const char* key;     /* the reason: "typhoon", "black-rainstorm", "christmas-eve", ... */
    const char* name_en; /* "Typhoon Hato: tropical cyclone signal No. 8 or above" */
    const char* name_zh;
    const char* source;  /* where it is recorded */
} HkXhkgClosure;

/* The most closures of any one year. */
#define HK_XHKG_MAX_CLOSURES 16

/* The half days, closures and weather-shortened days of a year 1997-2100
 * in date order (in a projected year, its eves' half days only).
 * On HK_OK, *count is the number written. When capacity is smaller,
 * HK_ESPACE with *count the length needed and out untouched; out may be
 * null when capacity is 0. HK_ERANGE for another year. */
HKCAL_HK_API hk_status hk_xhkg_closures(int32_t year, HkXhkgClosure* out, size_t capacity, size_t* count);

/* ---- Columns of dates --------------------------------------------------- */

/* A column is an array of day counts: days since 1970-01-01 (day 0 is
 * 1970-01-01, JD0 2440588), what numpy's datetime64[D] holds. HK_NAT,
 * numpy's NaT, is a missing date: a test gives 0 for it, a date or a count
 * gives HK_NAT, a lunar date all fields 0.
 *
 * Every column function takes n elements and the same rules:
 * - days, out and the other arrays may be null when n is 0; otherwise a null
 *   one is HK_ENULL. first_bad may always be null.
 * - The arguments that are not arrays (workdays, kind, convention, ...) are
 *   checked as the scalar function checks them: HK_EINVAL.
 * - An element outside the covered days (1997-01-01..2100-12-31 for holidays
 *   and business days, 1901-02-19..2101-01-28 for lunar dates), or whose
 *   answer would lie outside them, makes the call return HK_ERANGE (HK_EINVAL
 *   for a lunar date that does not exist), write nothing to out, and set
 *   *first_bad to the index of the first such element.
 * - *first_bad is n on every other return (HK_OK included).
 * - out may be the same array as an input of its element type (in place),
 *   but must not overlap it otherwise.
 * Each element's answer is the scalar function's; the cost per element is
 * about that of one scalar call. */
#define HK_NAT INT64_MIN

/* out[i] = 1 when days[i] is a business day (hk_is_business_day), else 0. */
HKCAL_HK_API hk_status hk_days_is_business_day(const int64_t* days, size_t n, uint8_t workdays, uint8_t* out,
                                               size_t* first_bad);
/* out[i] = 1 when days[i] is in the list of its year that kind, options and
 * rest_day name (hk_is_holiday), else 0. */
HKCAL_HK_API hk_status hk_days_is_holiday(const int64_t* days, size_t n, uint32_t kind, uint32_t options,
                                          int32_t rest_day, uint8_t* out, size_t* first_bad);
/* out[i] = the step-th business day after days[i] (before it for step < 0;
 * days[i] itself for step 0), as hk_add_business_days. */
HKCAL_HK_API hk_status hk_days_add_business_days(const int64_t* days, size_t n, int64_t step, uint8_t workdays,
                                                 int64_t* out, size_t* first_bad);
/* The same with a step per element: out[i] = days[i] moved steps[i] business days. */
HKCAL_HK_API hk_status hk_days_add_business_days_each(const int64_t* days, const int64_t* steps, size_t n,
                                                      uint8_t workdays, int64_t* out, size_t* first_bad);
/* out[i] = days[i] rolled by a convention (hk_roll). */
HKCAL_HK_API hk_status hk_days_roll(const int64_t* days, size_t n, int32_t convention, uint8_t workdays, int64_t* out,
                                    size_t* first_bad);
/* out[i] = hk_business_days_between(start[i], end[i]); HK_NAT when either is. */
HKCAL_HK_API hk_status hk_days_business_days_between(const int64_t* start, const int64_t* end, size_t n,
                                                     uint8_t workdays, int64_t* out, size_t* first_bad);

/* The exchange's trading days as columns, element by element the scalar
 * hk_xhkg_ function's answer. */
HKCAL_HK_API hk_status hk_days_xhkg_is_trading_day(const int64_t* days, size_t n, uint8_t* out, size_t* first_bad);
HKCAL_HK_API hk_status hk_days_xhkg_add_trading_days(const int64_t* days, size_t n, int64_t step, int64_t* out,
                                                     size_t* first_bad);
HKCAL_HK_API hk_status hk_days_xhkg_roll(const int64_t* days, size_t n, int32_t convention, int64_t* out,
                                         size_t* first_bad);
HKCAL_HK_API hk_status hk_days_xhkg_trading_days_between(const int64_t* start, const int64_t* end, size_t n,
                                                         int64_t* out, size_t* first_bad);

/* A lunar date as a record of a column (8 bytes, no padding): numpy can
 * read an array of them as the structured type
 * [("year", "<i4"), ("month", "i1"), ("day", "i1"), ("leap", "u1"), ("missing", "u1")]. */
typedef struct HkLunarDay {
    int32_t year;    /* lunar year 1901-2100 */
    int8_t month;    /* 1-12 */
    int8_t day;      /* 1-30 */
    uint8_t leap;    /* 1 in the year's leap month, else 0 */
    uint8_t missing; /* 1 for NaT (all other fields 0), else 0 */
} HkLunarDay;

/* out[i] = the lunar date of days[i] (hk_date_to_lunar). */
HKCAL_HK_API hk_status hk_days_to_lunar(const int64_t* days, size_t n, HkLunarDay* out, size_t* first_bad);
/* out[i] = the day of lunar[i] (hk_lunar_to_date); HK_NAT for a missing
 * record (missing != 0, the other fields ignored); HK_EINVAL for a month the
 * year lacks, a day past the month's length or leap not 0 or 1. */
HKCAL_HK_API hk_status hk_days_from_lunar(const HkLunarDay* lunar, size_t n, int64_t* out, size_t* first_bad);

/* ---- Columns of date32 --------------------------------------------------- */

/* hk_days32_X is hk_days_X over int32_t day counts since 1970-01-01, Arrow's
 * date32, with the same checks, errors, *first_bad and answers. Steps and
 * counts are int32_t too, the element type: 1997-2100 holds 37985 days, so
 * every step that can succeed and every count fits, and a step column of
 * Arrow's int32 is passed as it is. HK_NAT32 (INT32_MIN, a day some 5.9
 * million years from 1970, never a covered one) is the missing date: a test
 * gives 0 for it, a date or a count gives HK_NAT32. Arrow marks nulls in a
 * validity bitmap instead and leaves the values under them unspecified: write
 * HK_NAT32 under every null before the call (or any covered day, and ignore
 * those answers), then give the answer column the input's bitmap (for a
 * count, the AND of both inputs' bitmaps). */
#define HK_NAT32 INT32_MIN

/* out[i] = 1 when days[i] is a business day, else 0 (hk_days_is_business_day). */
HKCAL_HK_API hk_status hk_days32_is_business_day(const int32_t* days, size_t n, uint8_t workdays, uint8_t* out,
                                                 size_t* first_bad);
/* out[i] = 1 when days[i] is a holiday of the list named, else 0 (hk_days_is_holiday). */
HKCAL_HK_API hk_status hk_days32_is_holiday(const int32_t* days, size_t n, uint32_t kind, uint32_t options,
                                            int32_t rest_day, uint8_t* out, size_t* first_bad);
/* out[i] = days[i] moved step business days (hk_days_add_business_days). */
HKCAL_HK_API hk_status hk_days32_add_business_days(const int32_t* days, size_t n, int32_t step, uint8_t workdays,
                                                   int32_t* out, size_t* first_bad);
/* out[i] = days[i] moved steps[i] business days (hk_days_add_business_days_each). */
HKCAL_HK_API hk_status hk_days32_add_business_days_each(const int32_t* days, const int32_t* steps, size_t n,
                                                        uint8_t workdays, int32_t* out, size_t* first_bad);
/* out[i] = days[i] rolled by a convention (hk_days_roll). */
HKCAL_HK_API hk_status hk_days32_roll(const int32_t* days, size_t n, int32_t convention, uint8_t workdays,
                                      int32_t* out, size_t* first_bad);
/* out[i] = the business days from start[i] to end[i] (hk_days_business_days_between). */
HKCAL_HK_API hk_status hk_days32_business_days_between(const int32_t* start, const int32_t* end, size_t n,
                                                       uint8_t workdays, int32_t* out, size_t* first_bad);
/* out[i] = 1 when days[i] is a trading day, else 0 (hk_days_xhkg_is_trading_day). */
HKCAL_HK_API hk_status hk_days32_xhkg_is_trading_day(const int32_t* days, size_t n, uint8_t* out, size_t* first_bad);
/* out[i] = days[i] moved step trading days (hk_days_xhkg_add_trading_days). */
HKCAL_HK_API hk_status hk_days32_xhkg_add_trading_days(const int32_t* days, size_t n, int32_t step, int32_t* out,
                                                       size_t* first_bad);
/* out[i] = days[i] rolled to a trading day by a convention (hk_days_xhkg_roll). */
HKCAL_HK_API hk_status hk_days32_xhkg_roll(const int32_t* days, size_t n, int32_t convention, int32_t* out,
                                           size_t* first_bad);
/* out[i] = the trading days from start[i] to end[i] (hk_days_xhkg_trading_days_between). */
HKCAL_HK_API hk_status hk_days32_xhkg_trading_days_between(const int32_t* start, const int32_t* end, size_t n,
                                                           int32_t* out, size_t* first_bad);
/* out[i] = the lunar date of days[i] (hk_days_to_lunar). */
HKCAL_HK_API hk_status hk_days32_to_lunar(const int32_t* days, size_t n, HkLunarDay* out, size_t* first_bad);
/* out[i] = the day of lunar[i], HK_NAT32 for a missing record (hk_days_from_lunar). */
HKCAL_HK_API hk_status hk_days32_from_lunar(const HkLunarDay* lunar, size_t n, int32_t* out, size_t* first_bad);

#ifdef __cplusplus
}
#endif

#endif /* HKCAL_HK_H */
