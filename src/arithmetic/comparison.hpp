// Field-by-field order of dates and the packed integer form of a date,
// (|year| * 100 + month) * 100 + day, negated for a negative year. Neither
// consults the calendar: any field values are compared or packed as they are.
#pragma once

#include <cstdint>

#include "calendar/int_math.hpp"
#include "hkcal.h"

namespace hkcal::detail {

// -1, 0 or 1 as a comes before, equals or comes after b: by year, then
// month, then day, each compared as a signed integer.
constexpr int compare_dates(const Date& a, const Date& b) noexcept {
    if (a.year != b.year) return a.year < b.year ? -1 : 1;
    if (a.month != b.month) return a.month < b.month ? -1 : 1;
    if (a.day != b.day) return a.day < b.day ? -1 : 1;
    return 0;
}

// The packed form of any fields, computed modulo 2^32: exact whenever it
// fits, and wrapping (as the 32-bit formula does) when it does not.
constexpr int32_t pack_date(const Date& d) noexcept {
    const uint32_t magnitude = (unsigned_abs(d.year) * 100u + static_cast<uint32_t>(d.month)) * 100u +
                               static_cast<uint32_t>(d.day);
    const auto packed = static_cast<int32_t>(magnitude);
    return d.year < 0 ? wrap_neg(packed) : packed;
}

// The date a packed value stands for; |INT32_MIN| is read as 2^31, so
// INT32_MIN unpacks to (-214748, 36, 48), which packs back to INT32_MIN.
constexpr Date unpack_date(int32_t packed) noexcept {
    const uint32_t a = unsigned_abs(packed);             // [0, 2^31]
    const auto year = static_cast<int32_t>(a / 10000);   // [0, 214748]
    const auto month = static_cast<int32_t>(a % 10000 / 100);  // [0, 99]
    const auto day = static_cast<int32_t>(a % 100);      // [0, 99]
    return Date{packed < 0 ? -year : year, month, day};
}

}  // namespace hkcal::detail
