// hk_holidays and hk_is_holiday: the law's lists as HkHoliday records.
#include "hk/civil.hpp"
#include "hk/holiday_law.hpp"
#include "hk/holiday_table.hpp"
#include "hkcal_hk.h"

namespace {

using namespace hkcal::hk;

// The arguments name a list: the general one (no options, no rest day) or a
// statutory one (HK_CHRISTMAS or not; a rest day 0-6 or none).
hk_status check_list(uint32_t kind, uint32_t options, int32_t rest_day) {
    if (kind == HK_GENERAL) return options == 0 && rest_day == HK_NO_REST_DAY ? HK_OK : HK_EINVAL;
    if (kind != HK_STATUTORY || (options & ~HK_CHRISTMAS) != 0) return HK_EINVAL;
    return rest_day == HK_NO_REST_DAY || (rest_day >= 0 && rest_day <= 6) ? HK_OK : HK_EINVAL;
}

bool in_years(int32_t year) { return year >= law::kFirstYear && year <= law::kLastYear; }

const table::Year& year_table(int32_t year) { return table::tables().years[static_cast<std::size_t>(year - law::kFirstYear)]; }

// The list asked for; the general one also says which days are statutory.
law::List list_of(int32_t year, uint32_t kind, uint32_t options, int32_t rest_day) {
    if (kind == HK_GENERAL) return year_table(year).general;
    const law::List published = law::statutory(year, (options & HK_CHRISTMAS) != 0);
    return rest_day == HK_NO_REST_DAY ? published : law::given(published, rest_day);
}

// The kinds of list that hold day d (of a list of that kind) under its key.
uint32_t kinds_of(int32_t year, uint32_t kind, const law::List& list, int32_t i) {
    const table::Year& y = year_table(year);
    if (kind == HK_GENERAL) return HK_GENERAL | ((y.statutory_bits >> i & 1) != 0 ? HK_STATUTORY : 0u);
    const law::Day& d = list.day[i];
    for (const law::Day& g : y.general) {
        if (g.date == d.date && law::detail::same(g.key, d.key)) return HK_STATUTORY | HK_GENERAL;
    }
    return HK_STATUTORY;
}

HkHoliday record(const law::Day& d, uint32_t kinds) {
    const law::Name name = law::name(d);
    return HkHoliday{to_date(d.date), d.observed_for != law::kNoDay ? to_date(d.observed_for) : Date{0, 0, 0}, d.key,
                     name.en, name.zh, kinds};
}

}  // namespace

extern "C" hk_status hk_holidays(int32_t year, uint32_t kind, uint32_t options, int32_t rest_day, HkHoliday* out,
                                 size_t capacity, size_t* count) {
    if (!count || (!out && capacity > 0)) return HK_ENULL;
    if (hk_status s = check_list(kind, options, rest_day)) return s;
    if (!in_years(year)) return HK_ERANGE;
    const law::List list = list_of(year, kind, options, rest_day);
    *count = static_cast<size_t>(list.count);
    if (capacity < *count) return HK_ESPACE;
    for (int32_t i = 0; i < list.count; ++i) out[i] = record(list.day[i], kinds_of(year, kind, list, i));
    return HK_OK;
}

extern "C" hk_status hk_is_holiday(const Date* date, uint32_t kind, uint32_t options, int32_t rest_day,
                                   int32_t* result) {
    if (!date || !result) return HK_ENULL;
    if (hk_status s = check_list(kind, options, rest_day)) return s;
    if (!civil::valid(*date)) return HK_EINVAL;
    if (!in_years(date->year)) return HK_ERANGE;
    *result = kind == HK_GENERAL ? table::is_holiday(*date) : list_of(date->year, kind, options, rest_day).holds(day_number(*date));
    return HK_OK;
}
