// The general holidays of a year as the law has them (the General Holidays
// Ordinance with the substitution rules in force on each day, the days
// appointed for a single year, and the festival dates of the Hong Kong
// Observatory's calendar where the library's lunar table differs).
#pragma once

#include <cstdint>
#include <vector>

#include "holiday.hpp"

namespace hkcal::tool {

// The years whose lists the tool vouches for.
inline constexpr int32_t kFirstLawYear = 1999;
inline constexpr int32_t kLastLawYear = 2031;

// The year's general holidays other than Sundays, in date order: 17 days,
// more in a year with a day appointed for it alone. Empty outside
// kFirstLawYear..kLastLawYear.
std::vector<Holiday> law_holidays(int32_t year);

}  // namespace hkcal::tool
