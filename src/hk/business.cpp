// Business days 1997-2100 in constant time. Every answer goes through the
// rank of a day: the number of business days from 1997-01-01 up to it,
// counted from weekday arithmetic and the per-year holiday counts.
#include <bit>

#include "hk/civil.hpp"
#include "hk/holiday_table.hpp"
#include "hkcal_hk.h"

namespace {

using namespace hkcal::hk;
using table::kEndDay;
using table::kFirstDay;

constexpr int32_t kFirstWeekday = weekday(kFirstDay);  // 1997-01-01 was a Wednesday (3)

bool works(uint8_t mask, int32_t jd) { return (mask >> weekday(jd) & 1) != 0; }

// Days of [kFirstDay, kFirstDay + n) on a working weekday; n >= 0.
int32_t working_weekdays(uint8_t mask, int32_t n) {
    int32_t count = n / 7 * std::popcount(mask);
    for (int32_t d = n - n % 7; d < n; ++d) count += mask >> (kFirstWeekday + d) % 7 & 1;
    return count;
}

// Year index [0, kYears) of a day of [kFirstDay, kEndDay).
int32_t year_index(int32_t jd) { return civil::from_jd0(jd).year - law::kFirstYear; }

// Business days in [kFirstDay, jd), for jd in [kFirstDay, kEndDay]; [0, 26500].
int32_t rank(uint8_t mask, int32_t jd) {
    const table::Tables& t = table::tables();
    const int32_t y = jd == kEndDay ? table::kYears : year_index(jd);
    int32_t holidays = 0;
    for (int32_t w = 0; w < 7; ++w) {
        if (mask >> w & 1) holidays += t.before[static_cast<std::size_t>(y)][static_cast<std::size_t>(w)];
    }
    if (y < table::kYears) {
        for (const law::Day& d : t.years[static_cast<std::size_t>(y)].general) {
            if (jd0(d.date) >= jd) break;
            holidays += works(mask, jd0(d.date));
        }
    }
    return working_weekdays(mask, jd - kFirstDay) - holidays;
}

// The first working weekday from jd on (jd counted).
int32_t working_weekday_from(uint8_t mask, int32_t jd) {
    while (!works(mask, jd)) ++jd;
    return jd;
}

// The business day of rank k (the (k+1)-th from 1997-01-01), k in [0, rank(kEndDay)).
int32_t select(uint8_t mask, int32_t k) {
    int32_t low = 0, high = table::kYears - 1;  // the last year whose first day has rank <= k
    while (low < high) {
        const int32_t mid = (low + high + 1) / 2;
        if (rank(mask, civil::to_jd0(law::kFirstYear + mid, 1, 1)) <= k) {
            low = mid;
        } else {
            high = mid - 1;
        }
    }
    const int32_t jan1 = civil::to_jd0(law::kFirstYear + low, 1, 1);
    int32_t left = k - rank(mask, jan1);  // business days of the year before the answer
    const int32_t per_week = std::popcount(mask);
    int32_t jd = working_weekday_from(mask, jan1 + left / per_week * 7);
    for (left %= per_week; left > 0; --left) jd = working_weekday_from(mask, jd + 1);
    // Each holiday on a working weekday up to the candidate pushes it one working weekday on.
    for (const law::Day& d : table::tables().years[static_cast<std::size_t>(low)].general) {
        if (jd0(d.date) > jd) break;
        if (works(mask, jd0(d.date))) jd = working_weekday_from(mask, jd + 1);
    }
    return jd;
}

// A valid date of 1997-2100 and a mask with a working weekday, as a JD0.
hk_status check(const Date* date, uint8_t workdays, int32_t& jd) {
    if (!civil::valid(*date) || (workdays & 0x7F) == 0) return HK_EINVAL;
    if (date->year < law::kFirstYear || date->year > law::kLastYear) return HK_ERANGE;
    jd = civil::to_jd0(*date);
    return HK_OK;
}

// The n-th business day after jd (n > 0) or before it (n < 0); jd for n = 0.
hk_status add(uint8_t mask, int32_t jd, int64_t n, int32_t& result) {
    const int64_t k = n > 0 ? rank(mask, jd + 1) + n - 1 : rank(mask, jd) + n;
    if (n == 0) {
        result = jd;
    } else if (k < 0 || k >= rank(mask, kEndDay)) {
        return HK_ERANGE;
    } else {
        result = select(mask, static_cast<int32_t>(k));
    }
    return HK_OK;
}

bool is_business_day(uint8_t mask, int32_t jd) { return works(mask, jd) && !table::is_holiday(civil::from_jd0(jd)); }
static_assert(table::kFirstDay % 7 == (kFirstWeekday + 6) % 7);  // weekday(jd) = (jd + 1) % 7

hk_status write(hk_status s, int32_t jd, Date* out) {
    if (s == HK_OK) *out = civil::from_jd0(jd);
    return s;
}

// The error of a call whose date or mask the fast path refused.
[[gnu::noinline, gnu::cold]] hk_status business_day_error(const Date* date, uint8_t workdays) {
    int32_t jd = 0;
    return check(date, workdays, jd);
}

}  // namespace

extern "C" hk_status hk_is_business_day(const Date* date, uint8_t workdays, int32_t* result) {
    if (!date || !result) return HK_ENULL;
    // Offsets in unsigned arithmetic, which wraps where int32_t would overflow (INT32_MIN - 1).
    const uint32_t y = static_cast<uint32_t>(date->year) - static_cast<uint32_t>(law::kFirstYear);  // [0, kYears) when covered
    const uint32_t m = static_cast<uint32_t>(date->month) - 1u;  // [0, 11] when valid
    const uint32_t day = static_cast<uint32_t>(date->day) - 1u;
    if (y >= table::kYears || m >= 12 || (workdays & 0x7F) == 0) return business_day_error(date, workdays);
    const uint32_t month = y * 12 + m;
    const table::MonthShape& shape = table::kMonths[month];
    if (day >= shape.length) return business_day_error(date, workdays);
    // Branch-free: a working weekday and no holiday (random dates would mispredict a branch).
    // The week's mask repeated six times (bits 0-41): bit k is weekday k % 7, so no division is needed.
    constexpr uint64_t kRepeat = 1 | 1 << 7 | 1 << 14 | 1 << 21 | 1 << 28 | uint64_t{1} << 35;
    const uint64_t working = (uint64_t{workdays} & 0x7F) * kRepeat >> (shape.weekday + day);
    *result = static_cast<int32_t>(working & ~(table::kMonthHolidays[month] >> day) & 1u);
    return HK_OK;
}

extern "C" hk_status hk_add_business_days(const Date* date, int32_t n, uint8_t workdays, Date* result) {
    if (!date || !result) return HK_ENULL;
    int32_t jd = 0;
    if (hk_status s = check(date, workdays, jd)) return s;
    int32_t out = 0;
    const hk_status s = add(workdays & 0x7F, jd, n, out);
    return write(s, out, result);
}

extern "C" hk_status hk_next_business_day(const Date* date, uint8_t workdays, Date* result) {
    return hk_add_business_days(date, 1, workdays, result);
}

extern "C" hk_status hk_previous_business_day(const Date* date, uint8_t workdays, Date* result) {
    return hk_add_business_days(date, -1, workdays, result);
}

extern "C" hk_status hk_roll(const Date* date, int32_t convention, uint8_t workdays, Date* result) {
    if (!date || !result) return HK_ENULL;
    if (convention < HK_FOLLOWING || convention > HK_MODIFIED_PRECEDING) return HK_EINVAL;
    int32_t jd = 0;
    if (hk_status s = check(date, workdays, jd)) return s;
    const uint8_t mask = workdays & 0x7F;
    if (is_business_day(mask, jd)) return write(HK_OK, jd, result);
    const bool forward = convention == HK_FOLLOWING || convention == HK_MODIFIED_FOLLOWING;
    const bool modified = convention == HK_MODIFIED_FOLLOWING || convention == HK_MODIFIED_PRECEDING;
    int32_t rolled = 0;
    if (hk_status s = add(mask, jd, forward ? 1 : -1, rolled)) return s;
    if (modified && civil::from_jd0(rolled).month != date->month) {
        if (hk_status s = add(mask, jd, forward ? -1 : 1, rolled)) return s;
    }
    return write(HK_OK, rolled, result);
}

extern "C" hk_status hk_business_days_between(const Date* start, const Date* end, uint8_t workdays, int32_t* count) {
    if (!start || !end || !count) return HK_ENULL;
    int32_t from = 0, to = 0;
    if (hk_status s = check(start, workdays, from)) return s;
    if (hk_status s = check(end, workdays, to)) return s;
    *count = rank(workdays & 0x7F, to + 1) - rank(workdays & 0x7F, from + 1);
    return HK_OK;
}
