// HHMM offsets and the net bias of a conversion.
#pragma once

#include <cstdint>

#include "calendar/int_math.hpp"

namespace hkcal::detail {

// The minutes of an HHMM offset: sign * (|x| - (|x| / 100) * 40), so 800 is
// 480, -530 is -330 and 199 is 159 (the minute part is not checked). Exact
// for every int32, INT32_MIN included: the result lies in
// [-1288490208, 1288490207].
constexpr int32_t offset_minutes(int32_t hhmm) noexcept {
    const uint32_t a = unsigned_abs(hhmm);
    const auto minutes = static_cast<int32_t>(a - (a / 100) * 40);  // [0, 1288490208]
    return hhmm < 0 ? -minutes : minutes;
}

// The minutes a zone (offset, dst) lies ahead of UTC, modulo 2^32.
constexpr int32_t zone_minutes(int32_t offset, int32_t dst) noexcept {
    return wrap_add(offset_minutes(offset), offset_minutes(dst));
}

}  // namespace hkcal::detail
