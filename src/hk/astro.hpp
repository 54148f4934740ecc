// The astronomy behind the Hong Kong calendar: the Sun's apparent longitude,
// the instants of the solar terms and of the new moons, Delta T. Used by the
// library (hk_solar_term_instant) and by the table generator; the lunar
// calendar at run time uses only the generated tables.
//
// Time scales: JDE is a Julian Ephemeris Day in Terrestrial Time (TT); JD is
// a Julian Day in Universal Time (UT). JD 2451545.0 is 2000-01-01 12:00.
// The two differ by Delta T (about 69 s in 2024).
#pragma once

#include <cstdint>

#include "hkcal_hk.h"

namespace hkcal::hk::astro {

inline constexpr double kMinutesPerDay = 1440;
// Hong Kong time's lead on UT, in days.
inline constexpr double kHongKongOffsetDays = HK_UTC_OFFSET_MINUTES / kMinutesPerDay;

// The Sun's apparent geocentric longitude at the instant jde, in degrees
// [0, 360), referred to the true equinox of date (nutation and aberration
// included). Accurate to about 1 arcsecond (24 s of the Sun's motion) for
// some thousands of years around 2000.
double sun_apparent_longitude(double jde);

// Delta T = TT - UT in seconds at the decimal year (2024.5 is mid-2024):
// the Espenak-Meeus polynomials for 1900-2150, their long-term parabola
// outside.
double delta_t_seconds(double decimal_year);

// The JDE (TT) at which the Sun's apparent longitude equals `degrees`,
// the one nearest jde_guess (which must lie within about 150 days of it).
double solar_longitude_instant(double degrees, double jde_guess);

// The JD (UT) of solar term `index` (0 Minor Cold, 285 degrees .. 23 the
// Winter Solstice, 270 degrees) of Gregorian year `year`; meant for years
// 1800-2200 (the Delta T fit), any int32 year gives a finite number.
double solar_term_jd_ut(int32_t year, int32_t index);

// The JD (UT) of new moon number k, k = 0 being the one of 2000-01-06
// (18:14 UT), k < 0 before it. Meeus' series (Astronomical Algorithms, 2nd
// ed., ch. 49) with its periodic and planetary terms: within about 20 s of
// the full lunar theory over 1900-2100.
double new_moon_jd_ut(int32_t k);

// The JD0 (the number of the day whose noon UT is JD0, 2451545 for
// 2000-01-01) of the civil day in Hong Kong (kHongKongOffsetDays) holding instant jd_ut.
int32_t hong_kong_day(double jd_ut);

}  // namespace hkcal::hk::astro
