// Holidays looked up by day, for the commands that mark or skip them
// (month, year, date, and working-day arithmetic).
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "holiday.hpp"

namespace hkcal::tool {

// The list of a year by the rules asked for, or, when none were asked for,
// the law's list where the tool has it (1999-2031) and the library's
// elsewhere. Lists are made once per year.
class HolidayBook {
public:
    explicit HolidayBook(std::optional<Rules> rules) : rules_(rules) {}

    // The year's list; throws UsageError when the law's list was asked for
    // a year outside 1999-2031.
    const std::vector<Holiday>& year(int32_t year);

    // The holidays on that day (none, one, or two that the library gives
    // for the same day).
    std::vector<const Holiday*> on(const Date& day);

    bool is_holiday(const Date& day) { return !on(day).empty(); }

    // The rules the book uses for that year.
    Rules rules_for(int32_t year) const;

private:
    std::optional<Rules> rules_;
    std::map<int32_t, std::vector<Holiday>> years_;
};

// The holiday list of a year by those rules; throws UsageError for the
// law's list outside 1999-2031.
std::vector<Holiday> holiday_list(int32_t year, Rules rules);

}  // namespace hkcal::tool
