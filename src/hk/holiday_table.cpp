// The table is built from the law's lists of each year; nothing here
// decides a holiday.
#include "hk/holiday_table.hpp"

namespace hkcal::hk::table {
namespace {

bool same_day_and_key(const law::Day& a, const law::Day& b) {
    if (a.jd != b.jd) return false;
    const char *x = a.key, *y = b.key;
    while (*x != '\0' && *x == *y) ++x, ++y;
    return *x == *y;
}

Tables build() {
    Tables t{};
    for (int32_t i = 0; i < kYears; ++i) {
        Year& y = t.years[static_cast<std::size_t>(i)];
        y.general = law::general(law::kFirstYear + i);
        t.before[static_cast<std::size_t>(i + 1)] = t.before[static_cast<std::size_t>(i)];
        const law::List winter = law::statutory(law::kFirstYear + i, false);
        const law::List christmas = law::statutory(law::kFirstYear + i, true);
        for (int32_t h = 0; h < y.general.count; ++h) {
            const law::Day& day = y.general.day[h];
            for (const law::List* list : {&winter, &christmas}) {
                for (const law::Day& s : *list) {
                    if (same_day_and_key(day, s)) y.statutory_bits |= 1u << h;
                }
            }
            const Date date = civil::from_jd0(day.jd);
            t.month_holidays[static_cast<std::size_t>(i * 12 + date.month - 1)] |= 1u << (date.day - 1);
            ++t.before[static_cast<std::size_t>(i + 1)][static_cast<std::size_t>(law::weekday(day.jd))];
        }
    }
    return t;
}

}  // namespace

const Tables g_tables = build();

}  // namespace hkcal::hk::table
