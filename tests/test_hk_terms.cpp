// The solar terms against instants the library did not make: the equinoxes
// and solstices as the almanac offices publish them. (Every term of
// 1901-2100 is checked against PyEphem by tests/hk/ephem_check.py, and the
// gazetted Ching Ming dates are in the tool's golden holiday lists.)
#include <gtest/gtest.h>

#include <cmath>

#include "hkcal.h"
#include "hkcal_hk.h"

namespace {

constexpr double kSecondsPerDay = 86400;

// The Julian Date (days from JD 0.0) of y-m-d hh:mm:ss UT, by the library's
// JD0 (whose day runs from JD0 - 0.5).
double jd_at(int32_t y, int32_t m, int32_t d, int h, int min, int s) {
    Date date = make_date(y, m, d);
    return date_to_JD0(&date) - 0.5 + (h * 3600 + min * 60 + s) / kSecondsPerDay;
}

double instant(int32_t year, int32_t index) {
    double jd = NAN;
    EXPECT_EQ(hk_solar_term_instant(year, index, &jd), HK_OK);
    return jd;
}

// The equinoxes and solstices of 2000 and 2024 (terms 5, 11, 17, 23) to the
// minute, as the almanac offices publish them (UT).
TEST(SolarTerm, EquinoxesAndSolsticesWithinTwoMinutesOfTheAlmanac) {
    struct Season { int32_t index, y, m, d; int h, min; };
    const Season seasons[] = {
        {5, 2000, 3, 20, 7, 35},  {11, 2000, 6, 21, 1, 48},  {17, 2000, 9, 22, 17, 27}, {23, 2000, 12, 21, 13, 37},
        {5, 2024, 3, 20, 3, 6},   {11, 2024, 6, 20, 20, 51}, {17, 2024, 9, 22, 12, 44}, {23, 2024, 12, 21, 9, 20},
    };
    for (const Season& s : seasons) {
        const double published = jd_at(s.y, s.m, s.d, s.h, s.min, 30);  // the middle of the published minute
        EXPECT_LT(std::fabs(instant(s.y, s.index) - published) * kSecondsPerDay, 120) << s.y << " term " << s.index;
    }
}

// Every one of the 4800 table dates is the Hong Kong day of the computed
// instant, or, for a term of the years reckoned at Beijing or by the older
// theory (to 1928) within 15 minutes of a Hong Kong midnight, the day on the
// other side of that midnight; the terms follow each other 14-16 days apart.
TEST(SolarTerm, TableDatesAreTheInstantsHongKongDays) {
    constexpr int32_t kReckonedOtherwiseUntil = 1928;
    constexpr double kCloseMinutes = 15, kMinutesPerDay = 1440;
    double previous = 0;
    for (int32_t y = HK_LUNAR_FIRST_YEAR; y <= HK_LUNAR_LAST_YEAR; ++y) {
        for (int32_t i = 0; i < HK_SOLAR_TERMS; ++i) {
            Date date{};
            ASSERT_EQ(hk_solar_term_date(y, i, &date), HK_OK);
            const double jd = instant(y, i);
            const double local = jd + 8.0 / 24 + 0.5;  // days from JD0 0's Hong Kong midnight
            const double from_midnight = (local - std::round(local)) * kMinutesPerDay;
            const int32_t day = static_cast<int32_t>(std::floor(local));
            if (date_to_JD0(&date) != day) {
                ASSERT_TRUE(y <= kReckonedOtherwiseUntil && std::fabs(from_midnight) < kCloseMinutes &&
                            date_to_JD0(&date) == day + (from_midnight < 0 ? 1 : -1))
                    << y << " " << i;
            }
            if (previous != 0) {
                ASSERT_TRUE(jd - previous > 14 && jd - previous < 16) << y << " " << i;
            }
            previous = jd;
        }
    }
}

}  // namespace
