// Working-day arithmetic that skips general holidays as well as the
// weekdays not worked. (Without holidays the library's weekday-mask step,
// add_day_with_weekday_flag, does the adding.)
#pragma once

#include <cstdint>

#include "holiday_book.hpp"

namespace hkcal::tool {

// Saturday and Sunday off: bits 1-5 (Monday-Friday) of the library's mask.
inline constexpr uint8_t kMondayToFriday = 0x3E;

// The date n working days after start (before it for n < 0), a working day
// being a day whose weekday bit is set in `weekdays` and, with a book, that
// is no holiday in it. start itself is never counted: n = 0 gives start.
// Throws UsageError when no day is a working day or the count runs past the
// years -4712..9999.
Date add_workdays(const Date& start, int32_t n, uint8_t weekdays, HolidayBook* book);

// The working days after a up to and including b, negative (the working
// days after b up to and including a) when b is earlier; so
// add_workdays(a, count_workdays(a, b)) == b whenever b is a working day.
int64_t count_workdays(const Date& a, const Date& b, uint8_t weekdays, HolidayBook* book);

}  // namespace hkcal::tool
