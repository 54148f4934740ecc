// Reading the tool's arguments: years, dates, lunar dates, counts, offsets,
// clock times and weekday sets. Every function either returns a value the
// library accepts or throws UsageError with a one-line reason that quotes
// the argument ("'2024-02-30' is not a date: February 2024 has 29 days").
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "hkcal.h"

namespace hkcal::tool {

// A mistake on the command line; main prints "hkcal: <what>" and exits 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Years the tool reads: astronomical (year 0 is 1 BC), from -4712, whose
// January 1 is JD0 0 and where the library's weekdays begin, to 9999.
inline constexpr int32_t kMinYear = -4712;
inline constexpr int32_t kMaxYear = 9999;

// A year: [-]Y to [-]YYYY within kMinYear..kMaxYear.
int32_t parse_year(std::string_view text);

struct YearMonth {
    int32_t year;
    int32_t month;  // 1-12
};
// [-]YYYY-MM.
YearMonth parse_year_month(std::string_view text);

// [-]YYYY-MM-DD, a date of the historical calendar (Julian up to
// 1582-10-04, Gregorian from 1582-10-15), as valid_date judges it.
Date parse_date(std::string_view text);

// YYYY-MM-DD or, for a leap month, YYYY-LM-DD (2023-L2-01); month and day
// of one or two digits. The result carries a leap month as a negative
// month; months 1-12, days 1-30 (which months a year has, and how long,
// the lunar table judges: tools/lunar.hpp).
Date parse_lunar_date(std::string_view text);

// A signed decimal count within int32; `what` names it in the message.
int32_t parse_count(std::string_view text, std::string_view what);

// A UTC offset +HHMM, -HHMM, +HH:MM or +HH (hours 0-23, minutes 0-59) as
// the library's HHMM integer: "-0530" gives -530. `option` names the
// option in the message.
int32_t parse_offset(std::string_view text, std::string_view option);

// "YYYY-MM-DD HH:MM" (or with a T between), years 1601-9999, as a
// SYSTEMTIME with seconds and milliseconds 0.
SYSTEMTIME parse_clock_time(std::string_view text);

// Working weekdays as the library's mask (bit 0 Sunday .. bit 6 Saturday):
// a comma-separated list of day abbreviations and ranges, "Mon-Fri,Sat";
// a range may wrap around the week ("Fri-Mon").
uint8_t parse_weekdays(std::string_view text);

}  // namespace hkcal::tool
