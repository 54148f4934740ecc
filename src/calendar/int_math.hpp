// Integer helpers shared by every subsystem: 32-bit wraparound arithmetic
// (for the functions that check nothing and compute in 32 bits) and floor
// division. None of them can overflow a signed type.
#pragma once

#include <cstdint>

namespace hkcal::detail {

// a + b, a - b modulo 2^32, as the two's-complement int32.
constexpr int32_t wrap_add(int32_t a, int32_t b) noexcept {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
constexpr int32_t wrap_sub(int32_t a, int32_t b) noexcept {
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
constexpr int32_t wrap_neg(int32_t a) noexcept {
    return static_cast<int32_t>(0u - static_cast<uint32_t>(a));
}

// |a| as an unsigned value: exact for INT32_MIN too.
constexpr uint32_t unsigned_abs(int32_t a) noexcept {
    return a < 0 ? 0u - static_cast<uint32_t>(a) : static_cast<uint32_t>(a);
}

// floor(a / b) and a - b * floor(a / b) for b > 0; a must not be INT64_MIN.
constexpr int64_t floor_div(int64_t a, int64_t b) noexcept {
    const int64_t q = a / b;
    return q - ((a % b) < 0 ? 1 : 0);
}
constexpr int64_t floor_mod(int64_t a, int64_t b) noexcept {
    const int64_t r = a % b;
    return r < 0 ? r + b : r;
}

}  // namespace hkcal::detail
