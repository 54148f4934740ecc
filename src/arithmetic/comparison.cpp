// Comparison and the packed form: the exported wrappers.
#include "arithmetic/comparison.hpp"

using namespace hkcal::detail;

extern "C" {

int32_t date_equal(const Date* a, const Date* b) { return compare_dates(*a, *b) == 0 ? 1 : 0; }
int32_t date_not_equal(const Date* a, const Date* b) { return compare_dates(*a, *b) != 0 ? 1 : 0; }
int32_t date_greater(const Date* a, const Date* b) { return compare_dates(*a, *b) > 0 ? 1 : 0; }
int32_t date_less(const Date* a, const Date* b) { return compare_dates(*a, *b) < 0 ? 1 : 0; }
int32_t date_greater_or_equal(const Date* a, const Date* b) { return compare_dates(*a, *b) >= 0 ? 1 : 0; }
int32_t date_less_or_equal(const Date* a, const Date* b) { return compare_dates(*a, *b) <= 0 ? 1 : 0; }

int32_t year_equal(const Date* a, const Date* b) { return a->year == b->year ? 1 : 0; }
int32_t month_equal(const Date* a, const Date* b) { return a->month == b->month ? 1 : 0; }
int32_t day_equal(const Date* a, const Date* b) { return a->day == b->day ? 1 : 0; }
int32_t day_and_month_equal(const Date* a, const Date* b) {
    return a->day == b->day && a->month == b->month ? 1 : 0;
}

int32_t date_to_long(const Date* date) { return pack_date(*date); }
Date long_to_date(int32_t packed) { return unpack_date(packed); }

}  // extern "C"
