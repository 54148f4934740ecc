// Chinese lunar dates: the exported wrappers.
#include "lunar/lunar.hpp"

using namespace hkcal::detail;

extern "C" {

Date chinese_to_date(const Date* lunar) { return lunar_to_date(*lunar); }

Date date_to_chinese(const Date* date) { return date_to_lunar(*date); }

}  // extern "C"
