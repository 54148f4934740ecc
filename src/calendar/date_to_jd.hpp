// Dates to whole Julian Day Numbers: the one conversion every date-taking
// function calls, with a straight path for months 1-12 outside 1582.
#pragma once

#include <array>
#include <cstdint>

#include "calendar/rules.hpp"

namespace hkcal::detail {

// JD 2299170, 1582-10-14 read as Julian: the last Julian reading taken as it
// stands; any later one is read as Gregorian.
inline constexpr int64_t kLastJulianReadingJD = kFirstGregorianJD + kDroppedDays - 1;
static_assert(kLastJulianReadingJD == 2299170);

// The JD of any fields, months and days running on in a straight line from
// the month count year * 12 + month, read as Julian, and as Gregorian when
// the Julian reading falls after kLastJulianReadingJD; 1582-10-05..14
// count as 1582-10-15. Exact for every int32 field; the result lies in about
// [-8.6e11, 8.6e11]. fields_to_jd sends it months outside 1-12 and 1582.
constexpr int64_t fields_to_jd_by_months(int32_t year, int32_t month, int32_t day) noexcept {
    if (year == kReformYear && month == kReformMonth && day > kLastJulianDay && day < kFirstGregorianDay) {
        day = kFirstGregorianDay;
    }
    // Months counted from March of year -4800: a = 12 * q + r, r in [0, 11].
    // The offset (a multiple of 4800 months = 400 years) keeps the dividend
    // non-negative for every int32 year and month, so the divisions below are
    // plain unsigned ones.
    constexpr int64_t kCycles = 6'000'000;  // 400-year cycles added
    constexpr int64_t kOffsetMonths = 4800 * kCycles;
    const int64_t a = (int64_t{year} + 4800) * 12 + month - 3;  // |a| < 2.8e10
    const auto ap = static_cast<uint64_t>(a + kOffsetMonths);   // [8.8e8, 5.7e10]
    const uint64_t q = ap / 12;                                 // years since March -4800, offset
    const uint64_t r = ap % 12;                                 // [0, 11], 0 is March
    const int64_t julian = static_cast<int64_t>(365 * q + q / 4 + (367 * r + 7) / 12) -
                           (365 * 400 + 100) * kCycles + day - 32083;
    if (julian <= kLastJulianReadingJD) return julian;
    return julian + static_cast<int64_t>(q / 400) - static_cast<int64_t>(q / 100) + 3 * kCycles + 38;
}

// Days from March 1 to the first of each month 1-12, in a year counted from
// March (January and February close the year before), each plus the JD of
// the day before 0000-03-01 Julian (JD 1721117) less the days of the whole
// years fields_to_jd shifts by (kFieldYearShift / 4 Julian 4-year cycles of
// 1461 days). Index 0 is unused.
inline constexpr int64_t kFieldYearShift = int64_t{400} * 5368710;  // 2147484000 > 2^31
inline constexpr int64_t kMonthStartBase = 1721117 - kFieldYearShift / 4 * 1461;
inline constexpr auto kMonthStart = [] {
    std::array<int64_t, 13> start{};
    int64_t days = 0;  // from March 1
    for (int32_t k = 0; k < 12; ++k) {
        const int32_t month = (k + 2) % 12 + 1;  // March first
        start[static_cast<std::size_t>(month)] = kMonthStartBase + days;
        days += month_length_in(false, month);
    }
    return start;
}();
static_assert(kMonthStart[3] == kMonthStartBase && kMonthStart[12] == kMonthStartBase + 275 &&
              kMonthStart[1] == kMonthStartBase + 306 && kMonthStart[2] == kMonthStartBase + 337);

// The JD of any fields, exactly as fields_to_jd_by_months gives it. Months
// 1-12 of every year but 1582 take the straight path: the Julian reading
// from the March-based year, then the Gregorian correction added when that
// reading falls after kLastJulianReadingJD, selected with a mask rather
// than a branch because inputs mix both calendars.
constexpr int64_t fields_to_jd(int32_t year, int32_t month, int32_t day) noexcept {
    if ((static_cast<uint32_t>(month) - 1 < 12) & (year != kReformYear)) [[likely]] {
        const uint32_t early = month < 3 ? 1 : 0;  // January and February close the year before
        // The March-based year plus whole 400-year cycles: [351, 4294967647].
        const auto y = static_cast<uint64_t>(int64_t{year} + kFieldYearShift) - early;
        const int64_t julian = static_cast<int64_t>(y * 1461 / 4) + kMonthStart[static_cast<std::size_t>(month)] + day;
        // y / 100 by multiply and shift: exact for y < 4.9e9, as the
        // multiplier exceeds 2^37 / 100 by 28 / 100 and 28 * y < 2^37.
        const uint64_t centuries = (y * 1374389535) >> 37;
        const int64_t correction = static_cast<int64_t>(centuries / 4) - static_cast<int64_t>(centuries) +
                                   (kFieldYearShift / 100 - kFieldYearShift / 400 + 2);
        const int64_t gregorian_mask = (kLastJulianReadingJD - julian) >> 63;  // all ones after it
        return julian + (correction & gregorian_mask);
    }
    return fields_to_jd_by_months(year, month, day);
}

}  // namespace hkcal::detail
