#include "holiday_book.hpp"

#include "dates.hpp"
#include "holidays_law.hpp"
#include "holidays_library.hpp"
#include "parse.hpp"

namespace hkcal::tool {

std::vector<Holiday> holiday_list(int32_t year, Rules rules) {
    if (rules == Rules::library) return library_holidays(year);
    if (year < kFirstLawYear || year > kLastLawYear) {
        throw UsageError("the law's holiday list covers " + std::to_string(kFirstLawYear) + " to " +
                         std::to_string(kLastLawYear) + ", not " + std::to_string(year) +
                         "; --rules=library lists what the library gives for any year");
    }
    return law_holidays(year);
}

Rules HolidayBook::rules_for(int32_t year) const {
    if (rules_) return *rules_;
    return year >= kFirstLawYear && year <= kLastLawYear ? Rules::law : Rules::library;
}

const std::vector<Holiday>& HolidayBook::year(int32_t year) {
    auto found = years_.find(year);
    if (found == years_.end()) found = years_.emplace(year, holiday_list(year, rules_for(year))).first;
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
