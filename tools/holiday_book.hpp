// Holidays looked up by day, for the commands that mark or skip them
// (month, year, date, and working-day arithmetic).
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "holiday.hpp"
#include "holidays_law.hpp"

namespace hkcal::tool {

// The general holidays by the rules asked for: the law's list (1997-2100)
// or the classic library's (any year). Lists are made once per year.
class HolidayBook {
public:
    explicit HolidayBook(Rules rules) : rules_(rules) {}

    // The year's list; throws UsageError for the law's list outside 1997-2100.
    const std::vector<Holiday>& year(int32_t year);

    // The holidays on that day (none, one, or two that the library gives
    // for the same day).
    std::vector<const Holiday*> on(const Date& day);

    bool is_holiday(const Date& day) { return !on(day).empty(); }

private:
    Rules rules_;
    std::map<int32_t, std::vector<Holiday>> years_;
};

// The holiday list of a year by those rules (which: the law's list asked
// for); throws UsageError for the law's lists outside 1997-2100.
std::vector<Holiday> holiday_list(int32_t year, Rules rules, const LawList& which = {});

}  // namespace hkcal::tool
