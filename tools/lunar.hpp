// Lunar dates and solar terms for the commands, from one of two tables: the
// Hong Kong Observatory's calendar (the Hong Kong library, 1901-2100, the
// default) or the classic library's table (1936-2031, --table=library).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "hkcal.h"

namespace hkcal::tool {

enum class LunarTable { observatory, library };

// "the library's table covers 1936-01-24 to 2031-12-31": where the classic
// table has lunar dates.
std::string library_days();

// --table's value: observatory (also when empty) or library.
LunarTable lunar_table_option(const std::string& value);

// The lunar date of a date, or nothing when the table has none.
std::optional<Date> lunar_date(const Date& date, LunarTable table);

// The lunar date of a date; UsageError naming the table's days when it has none.
Date checked_lunar_date(const Date& date, LunarTable table, const std::string& text);

// The date of a lunar date parse_lunar_date read; UsageError (quoting text)
// when the table lacks its year, its month or its day.
Date solar_date(const Date& lunar, LunarTable table, const std::string& text);

// Nothing, or UsageError when a grid of Gregorian year `year` would show
// Observatory lunar days it cannot have.
void check_lunar_year(int32_t year, LunarTable table);

// The 24 solar terms of a year 1901-2100 in time order, one line each:
// "YYYY-MM-DD HH:MM  name" in Hong Kong time (the minute the instant falls
// in); UsageError for another year.
std::string solar_terms_text(int32_t year, bool chinese);

}  // namespace hkcal::tool
