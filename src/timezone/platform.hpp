// The two operating-system services the time-zone functions stand on. One
// implementation per platform: platform_windows.cpp calls the kernel's own
// time-zone services, platform_posix.cpp stands in for them elsewhere.
#pragma once

#include <cstdint>

#include "hkcal.h"

namespace hkcal::detail {

// The local zone's bias in minutes at this moment, daylight saving included,
// in the platform's sign convention: UTC = local time + bias (-480 for a
// zone eight hours ahead of UTC). 0 when the platform cannot tell.
int32_t query_local_bias() noexcept;

// Writes into *out the time *in minus `bias` minutes, with the carry into
// hours, days, months and years. Nonzero on success; 0 when *in is not a
// valid time or the result falls outside the platform's range.
int32_t shift_by_bias(int32_t bias, const SYSTEMTIME* in, SYSTEMTIME* out) noexcept;

}  // namespace hkcal::detail
