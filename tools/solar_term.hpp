// Ching Ming Festival as a date: the Hong Kong library's solar term 6 (the
// Sun at 15 degrees, around 4-5 April) in Hong Kong time.
#pragma once

#include <cstdint>

#include "hkcal.h"
#include "hkcal_hk.h"

namespace hkcal::tool {

inline constexpr int32_t kChingMingTerm = 6;

// The date of Ching Ming in Hong Kong; the null date outside 1901-2100.
inline Date ching_ming(int32_t year) {
    Date date{0, 0, 0};
    hk_solar_term_date(year, kChingMingTerm, &date);
    return date;
}

}  // namespace hkcal::tool
