// The 24 solar terms, years 1901-2100: dates from the generated table
// (src/hk/solar_terms_table.hpp), instants computed (src/hk/astro.cpp).
#include <algorithm>
#include <cmath>

#include "hk/astro.hpp"
#include "hk/civil.hpp"
#include "hk/solar_terms_table.hpp"
#include "hkcal_hk.h"

namespace {

using namespace hkcal::hk::terms;

hk_status check(int32_t year, int32_t index) {
    if (year < kFirstYear || year > kLastYear) return HK_ERANGE;
    if (index < 0 || index >= HK_SOLAR_TERMS) return HK_EINVAL;
    return HK_OK;
}

constexpr const char* kNames[2][HK_SOLAR_TERMS] = {
    {"Minor Cold", "Major Cold", "Start of Spring", "Rain Water", "Awakening of Insects", "Spring Equinox",
     "Pure Brightness", "Grain Rain", "Start of Summer", "Grain Buds", "Grain in Ear", "Summer Solstice",
     "Minor Heat", "Major Heat", "Start of Autumn", "End of Heat", "White Dew", "Autumnal Equinox", "Cold Dew",
     "Frost's Descent", "Start of Winter", "Minor Snow", "Major Snow", "Winter Solstice"},
    {"小寒", "大寒", "立春", "雨水", "驚蟄", "春分", "清明", "穀雨", "立夏", "小滿", "芒種", "夏至",
     "小暑", "大暑", "立秋", "處暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"},
};

}  // namespace

extern "C" hk_status hk_solar_term_date(int32_t year, int32_t index, Date* date) {
    if (!date) return HK_ENULL;
    if (hk_status s = check(year, index)) return s;
    *date = hkcal::hk::terms::date(year, index);
    return HK_OK;
}

extern "C" hk_status hk_solar_term_instant(int32_t year, int32_t index, double* jd_ut) {
    if (!jd_ut) return HK_ENULL;
    if (hk_status s = check(year, index)) return s;
    *jd_ut = hkcal::hk::astro::solar_term_jd_ut(year, index);
    return HK_OK;
}

extern "C" hk_status hk_solar_term_local(int32_t year, int32_t index, Date* date, int32_t* minute_of_day) {
    namespace hk = hkcal::hk;
    if (!date || !minute_of_day) return HK_ENULL;
    if (hk_status s = check(year, index)) return s;
    const Date day = hk::terms::date(year, index);
    // The Hong Kong day of JD0 n starts at n - 0.5 UT less the offset; the
    // instant lies in it unless the table decided a close call against it.
    const double start = hk::civil::to_jd0(day) - 0.5 - hk::astro::kHongKongOffsetDays;
    const double minute = std::floor((hk::astro::solar_term_jd_ut(year, index) - start) * hk::astro::kMinutesPerDay);
    *minute_of_day = static_cast<int32_t>(std::clamp(minute, 0.0, hk::astro::kMinutesPerDay - 1));
    *date = day;
    return HK_OK;
}

extern "C" const char* hk_solar_term_name(int32_t index, int32_t lang) {
    if (index < 0 || index >= HK_SOLAR_TERMS || (lang != HK_LANG_EN && lang != HK_LANG_ZH)) return nullptr;
    return kNames[lang][index];
}
