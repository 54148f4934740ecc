// The Date value as the calendar core builds it: the null date, and a
// constructor that hands the fields back in registers.
#pragma once

#include <cstdint>
#include <cstring>
#include <type_traits>

#include "hkcal.h"

namespace hkcal::detail {

inline constexpr Date kNullDate{0, 0, 0};

// The Date {year, month, day}, built from one 64-bit word holding year and
// month so that a function returning it by value hands it back in registers
// (GCC otherwise stores the fields and reloads them as one word, which
// stalls store forwarding on the way out of every exported function).
constexpr Date assemble_date(int32_t year, int32_t month, int32_t day) noexcept {
    if (std::is_constant_evaluated()) return Date{year, month, day};
    const uint64_t year_month = uint64_t{static_cast<uint32_t>(year)} | uint64_t{static_cast<uint32_t>(month)} << 32;
    Date d{0, 0, day};
    std::memcpy(&d, &year_month, sizeof year_month);
    return d;
}

}  // namespace hkcal::detail
