// Working days for what the Hong Kong library's business days do not cover:
// the classic library's holidays (--rules=library, any year) or weekdays
// alone (--no-holidays). Whole weeks at a time and the holidays counted from
// each year's list, never day by day. (With the law's holidays the commands
// call hk_add_business_days and hk_business_days_between.)
#pragma once

#include <cstdint>

#include "holiday_book.hpp"

namespace hkcal::tool {

// The date n working days after start (before it for n < 0), a working day
// being a day whose weekday bit is set in `weekdays` and that is no holiday
// in the book. start itself is never counted: n = 0 gives start. Throws
// UsageError when no day is a working day or the count runs past the years
// -4712..9999.
Date add_workdays(const Date& start, int32_t n, uint8_t weekdays, HolidayBook& book);

// The working days after a up to and including b (holidays of the book not
// counted; no book: weekdays alone), negative (the working days after b up
// to and including a) when b is earlier; so add_workdays(a, count_workdays(a,
// b)) == b whenever b is a working day.
int64_t count_workdays(const Date& a, const Date& b, uint8_t weekdays, HolidayBook* book);

}  // namespace hkcal::tool
