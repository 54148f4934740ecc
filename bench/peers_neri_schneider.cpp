// Peers written from Neri and Schneider's description of the Gregorian
// calendar by Euclidean affine functions ("Euclidean affine functions and
// their application to calendar algorithms", 2021): dates are counted in a
// computational calendar whose years start on March 1 and whose origin lies
// far enough back that every count is an unsigned 32-bit number; each
// division by a calendar period is a multiplication and a shift.
#include "peers.hpp"

namespace peer {
namespace {

// JD 2440588 is 1970-01-01, day 0 of the rata die counted here.
constexpr int64_t kUnixEpochJD = 2440588;

// The computational calendar's origin: kEras 400-year eras before
// 0000-03-01, itself 719468 days before 1970-01-01.
constexpr uint32_t kEras = 82;
constexpr uint32_t kYearShift = 400 * kEras;
constexpr uint32_t kDayShift = 719468 + 146097 * kEras;

// Days since 1970-01-01 of a proleptic Gregorian date of the years -32800
// to about 2.9 million (1461 * y stays below 2^32).
constexpr int32_t days_from_date(int32_t year, int32_t month, int32_t day) {
    const uint32_t january_or_february = static_cast<uint32_t>(month) <= 2 ? 1 : 0;
    const uint32_t y = static_cast<uint32_t>(year) + kYearShift - january_or_february;
    const uint32_t m = january_or_february ? static_cast<uint32_t>(month) + 12 : static_cast<uint32_t>(month);
    const uint32_t d = static_cast<uint32_t>(day) - 1;
    const uint32_t century = y / 100;
    const uint32_t year_days = 1461 * y / 4 - century + century / 4;
    const uint32_t month_days = (979 * m - 2919) / 32;  // days from March 1 to the first of month m (3-14)
    return static_cast<int32_t>(year_days + month_days + d - kDayShift);
}

// The proleptic Gregorian date of a day count since 1970-01-01.
constexpr Date date_from_days(int32_t days) {
    const uint32_t n = static_cast<uint32_t>(days) + kDayShift;
    // The century and the day of the century.
    const uint32_t n1 = 4 * n + 3;
    const uint32_t century = n1 / 146097;
    const uint32_t day_of_century = n1 % 146097 / 4;
    // The year of the century and the day of the year, from one 64-bit
    // product: its high half is the quotient by 1461, its low half the
    // scaled remainder.
    const uint64_t p2 = uint64_t{2939745} * (4 * day_of_century + 3);
    const auto year_of_century = static_cast<uint32_t>(p2 >> 32);
    const uint32_t day_of_year = static_cast<uint32_t>(p2) / 2939745 / 4;  // [0, 365], 0 is March 1
    // The month (3-14) and day from one product: high half and scaled low half.
    const uint32_t n3 = 2141 * day_of_year + 197913;
    const uint32_t month = n3 >> 16;
    const uint32_t day = (n3 & 0xFFFF) / 2141;
    const uint32_t january_or_february = day_of_year >= 306 ? 1 : 0;
    const uint32_t year = 100 * century + year_of_century + january_or_february;
    return Date{static_cast<int32_t>(year - kYearShift), static_cast<int32_t>(january_or_february ? month - 12 : month),
                static_cast<int32_t>(day + 1)};
}

static_assert(days_from_date(1970, 1, 1) == 0 && days_from_date(2000, 3, 1) == 11017);
static_assert(date_from_days(11016).month == 2 && date_from_days(11016).day == 29);

}  // namespace

double neri_schneider_date_to_JD0(const Date* d) {
    return static_cast<double>(days_from_date(d->year, d->month, d->day) + kUnixEpochJD);
}

Date neri_schneider_JD0_to_date(double jd) {
    return date_from_days(static_cast<int32_t>(static_cast<int64_t>(jd) - kUnixEpochJD));
}

}  // namespace peer
