// The law's holiday lists of a year 1997-2100 as JD0 day numbers: the
// general holidays (General Holidays Ordinance, Cap. 149) and the statutory
// holidays (Employment Ordinance, Cap. 57, section 39).
#pragma once

#include <cstdint>

#include "hk/holiday_names.hpp"
#include "hkcal_hk.h"

namespace hkcal::hk::law {

inline constexpr int32_t kFirstYear = HK_HOLIDAY_FIRST_YEAR, kLastYear = HK_HOLIDAY_LAST_YEAR;

// 0 Sunday .. 6 Saturday of a JD0 >= 0 (JD0 0, -4712-01-01 Julian, was a Monday).
constexpr int32_t weekday(int32_t jd0) { return (jd0 + 1) % 7; }

struct Day {
    int32_t jd;        // JD0 of the day off
    int32_t festival;  // JD0 of the festival's own date when the day off replaces it, else 0
    int32_t feast;     // JD0 that settles a coincidence: the earlier festival keeps the day
    const char* key;   // stable within a year; a holiday keeps its key when it moves
    names::Id name;
    bool following;    // named "The day following <name>"
};

// A list in date order (once settled). At most HK_MAX_HOLIDAYS days.
struct List {
    Day day[HK_MAX_HOLIDAYS]{};
    int32_t count = 0;
    const Day* begin() const { return day; }
    const Day* end() const { return day + count; }
    bool holds(int32_t jd) const;
};

// The general holidays of a year other than Sundays.
List general(int32_t year);
// The statutory holidays as the Labour Department publishes them, each on
// its own date even on a Sunday; christmas: Christmas Day instead of the
// Winter Solstice.
List statutory(int32_t year, bool christmas);
// The days an employee whose weekly rest day is rest_day (0-6) gets for the
// published list: a holiday on the rest day or on a day already given moves
// to the next day that is neither and holds no other statutory holiday.
List given(const List& published, int32_t rest_day);

}  // namespace hkcal::hk::law
