// Weekday searches: the exported wrappers.
#include "weekday/searches.hpp"

using namespace hkcal::detail;

namespace {

// The n-th `dow` counting from the date forward (direction 1) or backward
// (direction -1), the date itself counting as the first when it is one. The
// step 7 * (n - 1) is exact in 64 bits for every int32 n; a result whose JD
// leaves int32 is the null date, as JD0_to_date gives it (so n above
// 306783379 gives the null date forward from any date from JD 0 on).
Date nth_dow_from_date(int32_t n, uint32_t dow, const Date& date, int64_t direction) noexcept {
    if (n < 1 || !dow_in_range(dow) || !month_in_range(date.month)) return kNullDate;
    const int64_t jd = fields_to_jd(date.year, date.month, date.day);
    const auto d = static_cast<int32_t>(dow);
    const int64_t first = direction > 0 ? first_dow_on_or_after(jd, d) : first_dow_on_or_before(jd, d);
    return date_from_whole_jd(first + direction * 7 * (int64_t{n} - 1));  // |step| < 1.6e10
}

}  // namespace

extern "C" {

Date Nth_DOW_after_date(int32_t n, uint32_t dow, const Date* date) {
    return nth_dow_from_date(n, dow, *date, 1);
}

Date Nth_DOW_before_date(int32_t n, uint32_t dow, const Date* date) {
    return nth_dow_from_date(n, dow, *date, -1);
}

Date Nth_DOW_of_month(int32_t n, uint32_t dow, int32_t month, int32_t year) {
    return nth_dow_of_month(n, dow, month, year);
}

Date DOW_closest_to_date(uint32_t dow, const Date* date) { return dow_closest_to_date(dow, *date); }

int32_t number_of_DOWs_in_month(uint32_t dow, int32_t month, int32_t year) {
    if (!dow_in_range(dow) || !month_in_range(month)) return 0;
    if (year == kReformYear && month == 10) return 3;  // October 1582 has 21 days
    if (nth_dow_of_month(5, dow, month, year).day != 0) return 5;
    if (nth_dow_of_month(4, dow, month, year).day != 0) return 4;
    return 0;  // the month's JDs leave int32
}

Date Nth_full_weekend(int32_t n, int32_t month, int32_t year) {
    const Date saturday = nth_dow_of_month(n, kSaturday, month, year);
    if (saturday.month == 0) return kNullDate;
    const Date sunday = date_from_whole_jd(fields_to_jd(saturday.year, saturday.month, saturday.day) + 1);
    return sunday.month == month ? saturday : kNullDate;
}

}  // extern "C"
