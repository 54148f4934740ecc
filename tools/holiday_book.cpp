#include "holiday_book.hpp"

#include "dates.hpp"
#include "holidays_library.hpp"

namespace hkcal::tool {

std::vector<Holiday> holiday_list(int32_t year, Rules rules, const LawList& which) {
    return rules == Rules::library ? library_holidays(year) : law_holidays(year, which);
}

const std::vector<Holiday>& HolidayBook::year(int32_t year) {
    auto found = years_.find(year);
    if (found == years_.end()) found = years_.emplace(year, holiday_list(year, rules_)).first;
    return found->second;
}

std::vector<const Holiday*> HolidayBook::on(const Date& day) {
    std::vector<const Holiday*> found;
    for (const Holiday& holiday : year(day.year)) {
        if (same_day(holiday.date, day)) found.push_back(&holiday);
    }
    return found;
}

}  // namespace hkcal::tool
