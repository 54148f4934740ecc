// The holidays of a year exactly as the library's functions give them: the
// Sunday rules in force before 24 February 2012, the Easter days,
// Remembrance Day and Sino-Japanese War Victory Day; no Ching Ming Festival,
// which no library function gives.
#pragma once

#include <cstdint>
#include <vector>

#include "holiday.hpp"

namespace hkcal::tool {

// In date order (days that two functions both give appear twice). A
// function's day differs from its festival's own date only by its Sunday
// rule; that date is then the entry's observed_for. Festivals for which the
// library has no date (lunar ones outside 1936-2031) are left out.
std::vector<Holiday> library_holidays(int32_t year);

}  // namespace hkcal::tool
