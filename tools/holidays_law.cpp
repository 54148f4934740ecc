#include "holidays_law.hpp"

#include <string>

#include "format.hpp"
#include "parse.hpp"

namespace hkcal::tool {

std::vector<Holiday> law_holidays(int32_t year, const LawList& which) {
    HkHoliday records[HK_MAX_HOLIDAYS];
    size_t count = 0;
    const uint32_t options = which.christmas ? HK_CHRISTMAS : 0u;
    if (hk_holidays(year, which.kind, options, which.rest_day, records, HK_MAX_HOLIDAYS, &count) != HK_OK) {
        throw UsageError("the law's holiday lists cover " + covered_years(HK_COVERS_HOLIDAYS) + ", not " + std::to_string(year) +
                         "; --rules=library lists what the classic library gives for any year");
    }
    std::vector<Holiday> list;
    for (size_t i = 0; i < count; ++i) {
        const HkHoliday& h = records[i];
        std::optional<Date> observed_for;
        if (h.observed_for.month != 0) observed_for = h.observed_for;
        list.push_back({h.date, h.key, {h.name_en, h.name_zh}, observed_for});
    }
    return list;
}

}  // namespace hkcal::tool
