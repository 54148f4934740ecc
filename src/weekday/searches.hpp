// Weekday searches on the line of whole Julian Day Numbers, shared by the
// exported searches and the Hong Kong holidays. Stepping on JDs makes every
// search follow the historical calendar across the 1582 cut-over.
#pragma once

#include <cstdint>

#include "calendar/date_to_jd.hpp"
#include "calendar/jd_to_date.hpp"
#include "calendar/weekday.hpp"

namespace hkcal::detail {

inline constexpr int32_t kSunday = 0;
inline constexpr int32_t kMonday = 1;
inline constexpr int32_t kSaturday = 6;

constexpr bool dow_in_range(uint32_t dow) noexcept { return dow <= 6; }

// The JD a search result reads back as (date_to_JD0 of it): its own JD, or,
// when it lies outside int32 and so came back from date_from_whole_jd as the null
// date, that of the null date.
inline constexpr int64_t kNullDateJD = fields_to_jd(0, 0, 0);
constexpr int64_t read_back_jd(int64_t jd) noexcept {
    return jd >= INT32_MIN && jd <= INT32_MAX ? jd : kNullDateJD;
}

// The first JD on or after `jd` (`jd` itself counts) whose weekday is `dow`
// (0-6); |jd| < 2^62.
constexpr int64_t first_dow_on_or_after(int64_t jd, int32_t dow) noexcept {
    const int32_t d = dow - weekday_from_jd(jd);  // [-6, 6]
    return jd + (d < 0 ? d + 7 : d);
}

// The first JD on or before `jd` (`jd` itself counts) whose weekday is `dow`.
constexpr int64_t first_dow_on_or_before(int64_t jd, int32_t dow) noexcept {
    const int32_t d = dow - weekday_from_jd(jd);  // [-6, 6]
    return jd + (d > 0 ? d - 7 : d);
}

// The n-th `dow` of the month counting from its first day, or the null date
// unless n is 1-5, dow 0-6, month 1-12 and that day lies in the month.
constexpr Date nth_dow_of_month(int32_t n, uint32_t dow, int32_t month, int32_t year) noexcept {
    if (n < 1 || n > 5 || !dow_in_range(dow) || !month_in_range(month)) return kNullDate;
    const int64_t first = first_dow_on_or_after(fields_to_jd(year, month, 1), static_cast<int32_t>(dow));
    const Date d = date_from_whole_jd(first + 7 * (n - 1));
    return d.month == month && d.year == year ? d : kNullDate;
}

// The `dow` nearest the date: the date itself when it is one, else whichever
// of the one before and the one after is nearer (they are 7 days apart, so
// there is no tie). The null date for dow > 6 or a month outside 1-12.
// Near the ends of the int32 JD range a search result that is the null date
// is measured from the null date's JD, as reading it back would.
constexpr Date dow_closest_to_date(uint32_t dow, const Date& date) noexcept {
    if (!dow_in_range(dow) || !month_in_range(date.month)) return kNullDate;
    const int64_t jd = fields_to_jd(date.year, date.month, date.day);
    const int64_t before = first_dow_on_or_before(jd, static_cast<int32_t>(dow));
    const int64_t to_before = jd - read_back_jd(before);
    if (to_before == 0) return date_from_whole_jd(before);
    const int64_t after = first_dow_on_or_after(jd, static_cast<int32_t>(dow));
    const int64_t to_after = read_back_jd(after) - jd;
    return date_from_whole_jd(to_after > to_before ? before : after);
}

}  // namespace hkcal::detail
