// The Sun's apparent longitude from the Earth's heliocentric longitude and
// radius (the VSOP87 series as abridged by Meeus, Astronomical Algorithms,
// 2nd ed., appendix III), the FK5 correction, nutation in longitude (the
// four largest terms) and aberration; Delta T from the Espenak-Meeus
// polynomials. Together about 1 arcsecond, i.e. 24 s of time. The new moons
// from Meeus' series for the mean lunation and its corrections (ch. 49).
#include "hk/astro.hpp"

#include <cmath>
#include <iterator>
#include <numbers>

namespace hkcal::hk::astro {
namespace {

// One periodic term A cos(B + C tau): A in 1e-8 rad (or AU), B in rad, C in
// rad per Julian millennium.
struct Term {
    double a, b, c;
};

// Earth's heliocentric ecliptic longitude, mean equinox of date, L0..L5.
constexpr Term kL0[] = {
    {175347046, 0, 0},
    {3341656, 4.6692568, 6283.0758500},
    {34894, 4.6261, 12566.1517},
    {3497, 2.7441, 5753.3849},
    {3418, 2.8289, 3.5231},
    {3136, 3.6277, 77713.7715},
    {2676, 4.4181, 7860.4194},
    {2343, 6.1352, 3930.2097},
    {1324, 0.7425, 11506.7698},
    {1273, 2.0371, 529.6910},
    {1199, 1.1096, 1577.3435},
    {990, 5.233, 5884.927},
    {902, 2.045, 26.298},
    {857, 3.508, 398.149},
    {780, 1.179, 5223.694},
    {753, 2.533, 5507.553},
    {505, 4.583, 18849.228},
    {492, 4.205, 775.523},
    {357, 2.920, 0.067},
    {317, 5.849, 11790.629},
    {284, 1.899, 796.298},
    {271, 0.315, 10977.079},
    {243, 0.345, 5486.778},
    {206, 4.806, 2544.314},
    {205, 1.869, 5573.143},
    {202, 2.458, 6069.777},
    {156, 0.833, 213.299},
    {132, 3.411, 2942.463},
    {126, 1.083, 20.775},
    {115, 0.645, 0.980},
    {103, 0.636, 4694.003},
    {102, 0.976, 15720.839},
    {102, 4.267, 7.114},
    {99, 6.21, 2146.17},
    {98, 0.68, 155.42},
    {86, 5.98, 161000.69},
    {85, 1.30, 6275.96},
    {85, 3.67, 71430.70},
    {80, 1.81, 17260.15},
    {79, 3.04, 12036.46},
    {75, 1.76, 5088.63},
    {74, 3.50, 3154.69},
    {74, 4.68, 801.82},
    {70, 0.83, 9437.76},
    {62, 3.98, 8827.39},
    {61, 1.82, 7084.90},
    {57, 2.78, 6286.60},
    {56, 4.39, 14143.50},
    {56, 3.47, 6279.55},
    {52, 0.19, 12139.55},
    {52, 1.33, 1748.02},
    {51, 0.28, 5856.48},
    {49, 0.49, 1194.45},
    {41, 5.37, 8429.24},
    {41, 2.40, 19651.05},
    {39, 6.17, 10447.39},
    {37, 6.04, 10213.29},
    {37, 2.57, 1059.38},
    {36, 1.71, 2352.87},
    {36, 1.78, 6812.77},
    {33, 0.59, 17789.85},
    {30, 0.44, 83996.85},
    {30, 2.74, 1349.87},
    {25, 3.16, 4690.48},
};
constexpr Term kL1[] = {
    {628331966747, 0, 0},
    {206059, 2.678235, 6283.075850},
    {4303, 2.6351, 12566.1517},
    {425, 1.590, 3.523},
    {119, 5.796, 26.298},
    {109, 2.966, 1577.344},
    {93, 2.59, 18849.23},
    {72, 1.14, 529.69},
    {68, 1.87, 398.15},
    {67, 4.41, 5507.55},
    {59, 2.89, 5223.69},
    {56, 2.17, 155.42},
    {45, 0.40, 796.30},
    {36, 0.47, 775.52},
    {29, 2.65, 7.11},
    {21, 5.34, 0.98},
    {19, 1.85, 5486.78},
    {19, 4.97, 213.30},
    {17, 2.99, 6275.96},
    {16, 0.03, 2544.31},
    {16, 1.43, 2146.17},
    {15, 1.21, 10977.08},
    {12, 2.83, 1748.02},
    {12, 3.26, 5088.63},
    {12, 5.27, 1194.45},
    {12, 2.08, 4694.00},
    {11, 0.77, 553.57},
    {10, 1.30, 6286.60},
    {10, 4.24, 1349.87},
    {9, 2.70, 242.73},
    {9, 5.64, 951.72},
    {8, 5.30, 2352.87},
    {6, 2.65, 9437.76},
    {6, 4.67, 4690.48},
};
constexpr Term kL2[] = {
    {52919, 0, 0},
    {8720, 1.0721, 6283.0758},
    {309, 0.867, 12566.152},
    {27, 0.05, 3.52},
    {16, 5.19, 26.30},
    {16, 3.68, 155.42},
    {10, 0.76, 18849.23},
    {9, 2.06, 77713.77},
    {7, 0.83, 775.52},
    {5, 4.66, 1577.34},
    {4, 1.03, 7.11},
    {4, 3.44, 5573.14},
    {3, 5.14, 796.30},
    {3, 6.05, 5507.55},
    {3, 1.19, 242.73},
    {3, 6.12, 529.69},
    {3, 0.31, 398.15},
    {3, 2.28, 553.57},
    {2, 4.38, 5223.69},
    {2, 3.75, 0.98},
};
constexpr Term kL3[] = {
    {289, 5.844, 6283.076}, {35, 0, 0},        {17, 5.49, 12566.15}, {3, 5.20, 155.42},
    {1, 4.72, 3.52},        {1, 5.30, 18849.23}, {1, 5.97, 242.73},
};
constexpr Term kL4[] = {{114, 3.142, 0}, {8, 4.13, 6283.08}, {1, 3.84, 12566.15}};
constexpr Term kL5[] = {{1, 3.14, 0}};

// Earth's radius vector R0..R2, enough for the aberration (20.5" / R): the
// terms left out change it by less than 0.001".
constexpr Term kR0[] = {
    {100013989, 0, 0},
    {1670700, 3.0984635, 6283.0758500},
    {13956, 3.05525, 12566.15170},
    {3084, 5.1985, 77713.7715},
    {1628, 1.1739, 5753.3849},
    {1576, 2.8469, 7860.4194},
};
constexpr Term kR1[] = {{103019, 1.107490, 6283.075850}, {1721, 1.0644, 12566.1517}, {702, 3.142, 0}};
constexpr Term kR2[] = {{4359, 5.7846, 6283.0758}, {124, 5.579, 12566.152}};

constexpr double kJ2000 = 2451545.0;             // JDE of 2000-01-01 12:00 TT
constexpr double kDaysPerMillennium = 365250.0;  // Julian millennium
constexpr double kTropicalYear = 365.2422;       // days, for the search step
constexpr double kArcsecond = 1.0 / 3600.0;      // degrees
constexpr double kPi = std::numbers::pi;

template <std::size_t N>
double series(const Term (&terms)[N], double tau) {
    double sum = 0;
    for (const Term& t : terms) sum += t.a * std::cos(t.b + t.c * tau);
    return sum;
}

double degrees(double radians) { return radians * 180.0 / kPi; }
double radians(double deg) { return deg * kPi / 180.0; }

// x reduced to [0, 360).
double normalized(double deg) {
    double r = std::fmod(deg, 360.0);
    return r < 0 ? r + 360.0 : r;
}

// x reduced to [-180, 180).
double signed_angle(double deg) { return normalized(deg + 180.0) - 180.0; }

// Nutation in longitude in degrees, the four terms above 0.2" (0.5" overall).
double nutation_in_longitude(double t_centuries) {
    double omega = radians(125.04452 - 1934.136261 * t_centuries);  // Moon's node
    double sun = radians(280.4665 + 36000.7698 * t_centuries);      // Sun's mean longitude
    double moon = radians(218.3165 + 481267.8813 * t_centuries);    // Moon's mean longitude
    return (-17.20 * std::sin(omega) - 1.32 * std::sin(2 * sun) - 0.23 * std::sin(2 * moon) +
            0.21 * std::sin(2 * omega)) *
           kArcsecond;
}

}  // namespace

double sun_apparent_longitude(double jde) {
    double tau = (jde - kJ2000) / kDaysPerMillennium;
    double l = (series(kL0, tau) +
                tau * (series(kL1, tau) +
                       tau * (series(kL2, tau) +
                              tau * (series(kL3, tau) + tau * (series(kL4, tau) + tau * series(kL5, tau)))))) /
               1e8;
    double r = (series(kR0, tau) + tau * (series(kR1, tau) + tau * series(kR2, tau))) / 1e8;
    double geometric = degrees(l) + 180.0;                       // the Sun seen from the Earth
    double fk5 = -0.09033 * kArcsecond;                          // VSOP87 to FK5 equinox
    double aberration = -20.4898 * kArcsecond / r;
    return normalized(geometric + fk5 + nutation_in_longitude(tau * 10) + aberration);
}

double delta_t_seconds(double y) {
    if (y < 1900 || y >= 2150) {
        double u = (y - 1820) / 100;  // the long-term parabola
        return -20 + 32 * u * u;
    }
    if (y < 1920) {
        double t = y - 1900;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - t * 0.000197)));
    }
    if (y < 1941) {
        double t = y - 1920;
        return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
    }
    if (y < 1961) {
        double t = y - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
    }
    if (y < 1986) {
        double t = y - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
    }
    if (y < 2005) {
        double t = y - 2000;
        return 63.86 +
               t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    if (y < 2050) {
        double t = y - 2000;
        return 62.92 + t * (0.32217 + t * 0.005589);
    }
    double u = (y - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

double solar_longitude_instant(double target_degrees, double jde_guess) {
    // Newton steps with the Sun's mean rate as slope: the true rate differs
    // by at most 3.4 %, so each step gains more than a factor 29.
    double jde = jde_guess;
    for (int i = 0; i < 30; ++i) {
        double miss = signed_angle(target_degrees - sun_apparent_longitude(jde));
        jde += miss * kTropicalYear / 360.0;
        if (std::fabs(miss) < 1e-9) break;
    }
    return jde;
}

double solar_term_jd_ut(int32_t year, int32_t index) {
    // Term 0 (285 degrees) falls about 5 January, each next one about 15.2 days on.
    double jan0 = kJ2000 - 0.5 + std::floor((year - 2000) * kTropicalYear);  // about 0h UT on 1 January
    double guess = jan0 + 5.5 + index * (kTropicalYear / 24);
    double target = normalized(285.0 + 15.0 * index);
    double jde = solar_longitude_instant(target, guess);
    return jde - delta_t_seconds(year + (jde - jan0) / kTropicalYear) / 86400.0;
}

namespace {

// One periodic term of the new moon's correction: coefficient (days) times
// sin(u * M + v * M' + w * F) where M, M', F are the Sun's and Moon's mean
// anomalies and the Moon's argument of latitude; e_power says how often the
// eccentricity factor E multiplies it.
struct LunarTerm {
    double coefficient;
    int8_t e_power, u, v, w;
};
constexpr LunarTerm kNewMoonTerms[] = {
    {-0.40720, 0, 0, 1, 0}, {0.17241, 1, 1, 0, 0},  {0.01608, 0, 0, 2, 0},   {0.01039, 0, 0, 0, 2},
    {0.00739, 1, -1, 1, 0}, {-0.00514, 1, 1, 1, 0}, {0.00208, 2, 2, 0, 0},   {-0.00111, 0, 0, 1, -2},
    {-0.00057, 0, 0, 1, 2}, {0.00056, 1, 1, 2, 0},  {-0.00042, 0, 0, 3, 0},  {0.00042, 1, 1, 0, 2},
    {0.00038, 1, 1, 0, -2}, {-0.00024, 1, -1, 2, 0}, {-0.00007, 0, 2, 1, 0}, {0.00004, 0, 0, 2, -2},
    {0.00004, 0, 3, 0, 0},  {0.00003, 0, 1, 1, -2}, {0.00003, 0, 0, 2, 2},   {-0.00003, 0, 1, 1, 2},
    {0.00003, 0, -1, 1, 2}, {-0.00002, 0, -1, 1, -2}, {-0.00002, 0, 1, 3, 0}, {0.00002, 0, 0, 4, 0},
};
// The planetary arguments A1..A14: degrees at k = 0, degrees per lunation,
// and the coefficient (days) of their sine.
struct PlanetaryTerm {
    double at_zero, per_lunation, coefficient;
};
constexpr PlanetaryTerm kPlanetaryTerms[] = {
    {299.77, 0.107408, 0.000325}, {251.88, 0.016321, 0.000165}, {251.83, 26.651886, 0.000164},
    {349.42, 36.412478, 0.000126}, {84.66, 18.206239, 0.000110}, {141.74, 53.303771, 0.000062},
    {207.14, 2.453732, 0.000060}, {154.84, 7.306860, 0.000056},  {34.52, 27.261239, 0.000047},
    {207.19, 0.121824, 0.000042}, {291.34, 1.844379, 0.000040},  {161.72, 24.198154, 0.000037},
    {239.56, 25.513099, 0.000035}, {331.55, 3.592518, 0.000023},
};
constexpr double kLunationsPerCentury = 1236.85;

}  // namespace

double new_moon_jd_ut(int32_t lunation) {
    const double k = lunation;
    const double t = k / kLunationsPerCentury;  // Julian centuries from J2000
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    double jde = 2451550.09766 + 29.530588861 * k + 0.00015437 * t2 - 0.000000150 * t3 + 0.00000000073 * t4;
    const double e = 1 - 0.002516 * t - 0.0000074 * t2;
    const double m = radians(2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t3);
    const double mp = radians(201.5643 + 385.81693528 * k + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4);
    const double f = radians(160.7108 + 390.67050284 * k - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4);
    const double omega = radians(124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t3);
    for (const LunarTerm& term : kNewMoonTerms) {
        double factor = term.e_power == 0 ? 1 : term.e_power == 1 ? e : e * e;
        jde += term.coefficient * factor * std::sin(term.u * m + term.v * mp + term.w * f);
    }
    jde += -0.00017 * std::sin(omega);
    for (std::size_t i = 0; i < std::size(kPlanetaryTerms); ++i) {
        const PlanetaryTerm& p = kPlanetaryTerms[i];
        double a = p.at_zero + p.per_lunation * k - (i == 0 ? 0.009173 * t2 : 0);  // A1 has a T^2 term
        jde += p.coefficient * std::sin(radians(a));
    }
    double decimal_year = 2000 + (jde - kJ2000) / kTropicalYear;
    return jde - delta_t_seconds(decimal_year) / 86400.0;
}

int32_t hong_kong_day(double jd_ut) {
    // The civil day whose noon is JD0 n runs from n - 0.5 to n + 0.5.
    return static_cast<int32_t>(std::floor(jd_ut + kHongKongOffsetDays + 0.5));
}

}  // namespace hkcal::hk::astro
