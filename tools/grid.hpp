// Month and year grids in the manner of cal(1): weeks start on Sunday,
// holidays marked by colour or by a '*' after the day.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "holiday_book.hpp"
#include "lunar.hpp"

namespace hkcal::tool {

struct GridOptions {
    bool color = false;  // holidays in red instead of a '*'
    bool lunar = false;  // each day's lunar day under it, and where lunar months begin
    LunarTable table = LunarTable::observatory;  // whose lunar days
};

// The month's lines: title, weekday header, the weeks (each followed by its
// lunar days when asked), then one line per lunar month beginning in it.
// Lines carry no trailing spaces.
std::vector<std::string> month_lines(int32_t year, int32_t month, const GridOptions& options, HolidayBook& book);

// The month grid followed by the month's holidays, one per line.
std::string month_view(int32_t year, int32_t month, const GridOptions& options, HolidayBook& book);

// The twelve month grids, three across.
std::string year_view(int32_t year, const GridOptions& options, HolidayBook& book);

}  // namespace hkcal::tool
