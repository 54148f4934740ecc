// The options' words and the values they name: each reader returns the
// value or throws UsageError quoting the word ("--format: 'xml' is not one
// of text, csv, json, ics"). main.cpp gives them to CLI11, so the commands
// receive their options typed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "format.hpp"
#include "lunar.hpp"

namespace hkcal::tool {

enum class Unit { days, months, years, workdays, trading_days };
enum class Color { automatic, always, never };

Format format_option(const std::string& value);  // text, csv, json, ics
Lang lang_option(const std::string& value);      // en, zh
Rules rules_option(const std::string& value);    // law (also when empty), library
uint32_t kind_option(const std::string& value);  // general, statutory: HK_GENERAL, HK_STATUTORY
int32_t rest_day_option(const std::string& value);  // one weekday, such as Sun: 0 Sunday .. 6 Saturday
int32_t roll_option(const std::string& value);   // following ... modified-preceding: HK_FOLLOWING ...
Color color_option(const std::string& value);    // auto, always, never
Unit unit_option(const std::string& value);      // days, months, years, workdays, trading-days
// A UTC offset as the library's HHMM integer (parse_offset); nothing for
// "local" when local_allowed.
std::optional<int32_t> zone_option(const std::string& value, const char* option, bool local_allowed);

// Whether a grid is coloured: always, never, or on a terminal that takes
// colour (not TERM=dumb, no NO_COLOR).
bool use_color(Color color);

}  // namespace hkcal::tool
