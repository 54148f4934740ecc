// Easter Sunday by the Julian computus up to 1582 and the Gregorian computus
// from 1583, and the days tied to it.
#include "calendar/calendar.hpp"
#include "holidays/computus.hpp"

using namespace hkcal::detail;

namespace {

// N as a day of March: 1-31 is March N, 32 and up April N - 31.
constexpr Date march_day(int32_t year, int64_t n) noexcept {
    const auto day = static_cast<int32_t>(n);
    return n > 31 ? assemble_date(year, 4, day - 31) : assemble_date(year, 3, day);
}

// Easter Sunday of a year from 1583, a Gregorian date from March 22 to
// April 25.
constexpr Date gregorian_easter(int32_t year) noexcept { return march_day(year, gregorian_easter_march_day(year)); }

// Easter Sunday of a year up to 1582, a Julian date from March 22 to April
// 25. The remainders are floored, which for the years from 0 is the same as
// truncating and for negative years continues the 532-year cycle backward.
constexpr Date julian_easter(int32_t year) noexcept {
    const int64_t y = year;
    const int64_t d = floor_div(5 * y, 4);
    const int64_t e = floor_mod(floor_mod(y, 19) * 11 + 7, 30);  // [0, 29]
    int64_t n = 43 - e;                                          // the full moon as a day of March
    if (n < 21) n += 30;                                         // [21, 49]
    return march_day(year, n + 7 - floor_mod(n + d, 7));        // the Sunday after, [22, 56]
}

constexpr Date easter_sunday(int32_t year) noexcept {
    return year < kFirstGregorianYear ? julian_easter(year) : gregorian_easter(year);
}

// The date `days` after Easter Sunday on the JD line; the null date when its
// JD leaves int32.
constexpr Date easter_plus(int32_t year, int64_t days) noexcept {
    const Date e = easter_sunday(year);
    return date_from_whole_jd(fields_to_jd(e.year, e.month, e.day) + days);
}

static_assert(easter_sunday(2000).month == 4 && easter_sunday(2000).day == 23);
static_assert(easter_sunday(1582).month == 4 && easter_sunday(1582).day == 15);

}  // namespace

extern "C" {

Date easter(int32_t year) { return easter_sunday(year); }

Date good_friday(int32_t year) { return easter_plus(year, -2); }

Date good_friday_2_holiday(int32_t year) { return easter_plus(year, -1); }

Date easter_monday(int32_t year) { return easter_plus(year, 1); }

}  // extern "C"
