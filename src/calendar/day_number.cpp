// Day numbers (day number 1 is 1 January): the exported wrappers.
#include "calendar/day_number.hpp"

using namespace hkcal::detail;

extern "C" {

int32_t date_to_day_number(const Date* date) { return day_number(*date); }

Date day_number_to_date(int32_t year, int32_t day_number) {
    return date_from_day_number(year, day_number);
}

}  // extern "C"
