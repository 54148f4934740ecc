// The law's holiday lists of 1997-2100, as the Hong Kong library gives them.
#pragma once

#include <cstdint>
#include <vector>

#include "hkcal_hk.h"
#include "holiday.hpp"

namespace hkcal::tool {

// Which of the law's lists: the general holidays, or the statutory ones
// (Christmas Day instead of the Winter Solstice; the published list, or with
// a weekly rest day 0-6 the days an employee gets).
struct LawList {
    uint32_t kind = HK_GENERAL;
    bool christmas = false;
    int32_t rest_day = HK_NO_REST_DAY;
};

// The list of a year in date order; throws UsageError outside 1997-2100.
std::vector<Holiday> law_holidays(int32_t year, const LawList& which = {});

}  // namespace hkcal::tool
