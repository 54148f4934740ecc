// The time-zone services on Windows: the kernel's own.
#include <windows.h>

#include "calendar/int_math.hpp"
#include "timezone/platform.hpp"

namespace hkcal::detail {

// Bias plus the standard or daylight adjustment the kernel says is in
// force; on any other answer (failure included) the Bias field as the call
// left it, 0 when it left the zero-filled record untouched.
int32_t query_local_bias() noexcept {
    TIME_ZONE_INFORMATION zone;
    ZeroMemory(&zone, sizeof zone);
    const DWORD answer = GetTimeZoneInformation(&zone);
    const int32_t bias = zone.Bias;
    if (answer == TIME_ZONE_ID_STANDARD) return wrap_add(bias, zone.StandardBias);
    if (answer == TIME_ZONE_ID_DAYLIGHT) return wrap_add(bias, zone.DaylightBias);
    return bias;
}

// A zone record that is zero except its Bias has no daylight rule, so the
// kernel shifts by exactly `bias` minutes.
int32_t shift_by_bias(int32_t bias, const SYSTEMTIME* in, SYSTEMTIME* out) noexcept {
    TIME_ZONE_INFORMATION zone;
    ZeroMemory(&zone, sizeof zone);
    zone.Bias = bias;
    return SystemTimeToTzSpecificLocalTime(&zone, in, out) ? 1 : 0;
}

}  // namespace hkcal::detail
