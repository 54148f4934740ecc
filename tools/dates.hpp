// Small wrappers over the library's exported functions, so the tool's code
// reads as what it asks: every day count still goes through the library.
#pragma once

#include <cstdint>

#include "hkcal.h"

namespace hkcal::tool {

// The date n days later on the JD0 line (earlier for n < 0).
inline Date plus_days(const Date& date, int32_t n) { return date_N_days_after_date(n, &date); }

// 0 Sunday .. 6 Saturday, by the date's JD0.
inline int32_t weekday_of(const Date& date) { return day_of_week_index_JD0(date_to_JD0(&date)); }

inline bool same_day(const Date& a, const Date& b) { return date_equal(&a, &b) != 0; }

// a comes before b (year, then month, then day).
inline bool earlier(const Date& a, const Date& b) { return date_less(&a, &b) != 0; }

// The null date {0, 0, 0} that the library returns for what does not exist;
// no real date has month 0.
inline bool is_null(const Date& date) { return date.month == 0; }

}  // namespace hkcal::tool
