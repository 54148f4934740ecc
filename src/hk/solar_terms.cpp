// The 24 solar terms, years 1901-2100: dates from the generated table
// src/hk/solar_terms_table.inc, instants computed (src/hk/astro.cpp).
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "hk/astro.hpp"
#include "hk/civil.hpp"
#include "hkcal_hk.h"

namespace {

constexpr int32_t kFirstYear = HK_LUNAR_FIRST_YEAR, kLastYear = HK_LUNAR_LAST_YEAR;

// A row as the generator writes it: the year and the day of the month of
// each term; term i falls in month i / 2 + 1.
struct Row {
    int32_t year;
    std::array<uint8_t, HK_SOLAR_TERMS> day;
};
constexpr Row kRows[] = {
#include "hk/solar_terms_table.inc"
};

// Consecutive years; each minor term (even index) on day 3-9 of its month,
// each principal term on day 18-24: the Sun's 15 degrees take 14.7-15.7 days.
constexpr bool table_consistent() {
    if (std::size(kRows) != static_cast<std::size_t>(kLastYear - kFirstYear + 1)) return false;
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        if (kRows[i].year != kFirstYear + static_cast<int32_t>(i)) return false;
        for (std::size_t t = 0; t < HK_SOLAR_TERMS; ++t) {
            const int32_t low = t % 2 == 0 ? 3 : 18;
            if (kRows[i].day[t] < low || kRows[i].day[t] > low + 6) return false;
        }
    }
    return true;
}
static_assert(table_consistent());

hk_status check(int32_t year, int32_t index) {
    if (year < kFirstYear || year > kLastYear) return HK_ERANGE;
    if (index < 0 || index >= HK_SOLAR_TERMS) return HK_EINVAL;
    return HK_OK;
}

// The table's date of a term; year and index checked.
Date table_date(int32_t year, int32_t index) {
    return Date{year, index / 2 + 1, kRows[year - kFirstYear].day[static_cast<std::size_t>(index)]};
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

using namespace hkcal::hk;

extern "C" hk_status hk_solar_term_date(int32_t year, int32_t index, Date* date) {
    if (!date) return HK_ENULL;
    if (hk_status s = check(year, index)) return s;
    *date = table_date(year, index);
    return HK_OK;
}

extern "C" hk_status hk_solar_term_instant(int32_t year, int32_t index, double* jd_ut) {
    if (!jd_ut) return HK_ENULL;
    if (hk_status s = check(year, index)) return s;
    *jd_ut = astro::solar_term_jd_ut(year, index);
    return HK_OK;
}

extern "C" hk_status hk_solar_term_local(int32_t year, int32_t index, Date* date, int32_t* minute_of_day) {
    if (!date || !minute_of_day) return HK_ENULL;
    if (hk_status s = check(year, index)) return s;
    const Date day = table_date(year, index);
    // The Hong Kong day of JD0 n starts at n - 0.5 UT less the offset; the
    // instant lies in it unless the table decided a close call against it.
    const double start = civil::to_jd0(day) - 0.5 - astro::kHongKongOffsetDays;
    const double minute = std::floor((astro::solar_term_jd_ut(year, index) - start) * astro::kMinutesPerDay);
    *minute_of_day = static_cast<int32_t>(std::clamp(minute, 0.0, astro::kMinutesPerDay - 1));
    *date = day;
    return HK_OK;
}

extern "C" const char* hk_solar_term_name(int32_t index, int32_t lang) {
    if (index < 0 || index >= HK_SOLAR_TERMS || (lang != HK_LANG_EN && lang != HK_LANG_ZH)) return nullptr;
    return kNames[lang][index];
}
