// Solar terms: the moment the Sun's apparent geocentric longitude reaches a
// given value, and Ching Ming Festival (longitude 15 degrees) as a date in
// Hong Kong time. No library function gives these; the tool computes them.
//
// Time scales: JDE is a Julian Ephemeris Day in Terrestrial Time (TT);
// JD is a Julian Day in Universal Time (UT). JD 2451545.0 is 2000-01-01
// 12:00. The two differ by Delta T (about 69 s in 2024).
#pragma once

#include <cstdint>

#include "hkcal.h"

namespace hkcal::tool {

// Years for which Ching Ming is computed: the series for the Sun hold to
// about an arcsecond over several millennia, but the Delta T polynomials
// are fitted to 1900 on and extrapolate only a few decades well.
inline constexpr int32_t kFirstSolarTermYear = 1900;
inline constexpr int32_t kLastSolarTermYear = 2100;

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

// The JD (UT) at which the Sun reaches apparent longitude 15 degrees in
// the year (around 4-5 April); NaN outside kFirst/kLastSolarTermYear.
double ching_ming_instant(int32_t year);

// The date of Ching Ming Festival in Hong Kong time (UTC+8): the civil day
// of ching_ming_instant(year) + 8 h. The null date outside
// kFirst/kLastSolarTermYear.
Date ching_ming(int32_t year);

}  // namespace hkcal::tool
