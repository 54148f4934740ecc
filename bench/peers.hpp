// The peers the benchmark compares with: other libraries doing the same jobs,
// each behind a non-inlined function with the signature of the hkcal function
// it stands in for, so every implementation pays one call per element.
#pragma once

#include <cstdint>

#include "hkcal.h"

#define HKCAL_PEER __attribute__((noinline))

namespace peer {

// ---- std::chrono (libstdc++), the C library and a textbook computus --------

// date_to_JD0 through sys_days{year_month_day} (proleptic Gregorian).
HKCAL_PEER double chrono_date_to_JD0(const Date* date);
// JD0_to_date through year_month_day{sys_days}.
HKCAL_PEER Date chrono_JD0_to_date(double jd);
// day_of_week_index_JD0 through weekday{sys_days}.
HKCAL_PEER int32_t chrono_day_of_week(double jd);
// add_day_with_weekday_flag's rule stepped on sys_days: whole weeks in one
// jump, then the remainder one day at a time.
HKCAL_PEER Date chrono_add_day_with_weekday_flag(int32_t n, uint8_t weekday_flags, const Date* date);
// Gregorian Easter Sunday by the Meeus/Jones/Butcher computus.
HKCAL_PEER Date meeus_easter(int32_t year);
// date_to_JD0 through timegm.
HKCAL_PEER double glibc_date_to_JD0(const Date* date);
// JD0_to_date through gmtime_r.
HKCAL_PEER Date glibc_JD0_to_date(double jd);

// ---- Neri and Schneider's Euclidean affine functions (proleptic Gregorian) ----

HKCAL_PEER double neri_schneider_date_to_JD0(const Date* date);
HKCAL_PEER Date neri_schneider_JD0_to_date(double jd);

// ---- Howard Hinnant's date (header only, when installed) ---------------------

HKCAL_PEER double hinnant_date_to_JD0(const Date* date);
HKCAL_PEER Date hinnant_JD0_to_date(double jd);
HKCAL_PEER int32_t hinnant_day_of_week(double jd);

// ---- ICU (when installed): one GregorianCalendar and one ChineseCalendar in
// GMT, created by icu_init() and reused by every call ----------------------------

bool icu_init();
// The Gregorian calendar switches on 1582-10-15, like hkcal.
HKCAL_PEER double icu_date_to_JD0(const Date* date);
HKCAL_PEER Date icu_JD0_to_date(double jd);
HKCAL_PEER int32_t icu_day_of_week(double jd);
// Lunar dates as hkcal writes them: year named by the Gregorian year of its
// first day, a leap month negative.
HKCAL_PEER Date icu_date_to_chinese(const Date* date);
HKCAL_PEER Date icu_chinese_to_date(const Date* lunar);

}  // namespace peer

// ---- QuantLib (when installed): its HongKong calendar ---------------------------

namespace peer {
// The n-th business day after the date by QuantLib's HongKong calendar
// (Calendar::advance with Days; its holiday data ends in the early 2020s).
HKCAL_PEER Date quantlib_add_business_days(const Date* date, int32_t n);
}  // namespace peer
