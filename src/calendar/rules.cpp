// Calendar rules and validity: the exported wrappers.
#include "calendar/rules.hpp"

using namespace hkcal::detail;

extern "C" {

Date make_date(int32_t year, int32_t month, int32_t day) { return Date{year, month, day}; }

int32_t leap_year(int32_t year) { return is_leap(year) ? 1 : 0; }

int32_t days_in_month(int32_t month) { return month_length_in(false, month); }

int32_t days_in_month_for_year(int32_t year, int32_t month) { return month_length(year, month); }

int32_t days_in_year(int32_t year) { return year_length(year); }

int32_t valid_date(const Date* date) { return valid(*date) ? 1 : 0; }

}  // extern "C"
