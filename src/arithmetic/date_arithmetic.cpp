// Date arithmetic: the exported wrappers.
#include "arithmetic/date_arithmetic.hpp"

using namespace hkcal::detail;

namespace {

// The JD0 of any fields, as the double the day arithmetic computes with.
double jd0_of(const Date* date) {
    return static_cast<double>(fields_to_jd(date->year, date->month, date->day));
}

}  // namespace

extern "C" {

Date date_N_days_after_date(double n, const Date* date) { return date_from_jd0_rounded(jd0_of(date) + n); }

Date date_N_days_before_date(double n, const Date* date) { return date_from_jd0_rounded(jd0_of(date) - n); }

double days_between_dates(const Date* a, const Date* b) { return jd0_of(a) - jd0_of(b); }

Date add_month(int32_t n, const Date* date) { return add_months(*date, n); }

Date add_year(int32_t n, const Date* date) { return add_years(*date, n); }

Date add_day_with_weekday_flag(int32_t n, uint8_t weekday_flags, const Date* date) {
    return add_counted_days(*date, n, weekday_flags);
}

}  // extern "C"
