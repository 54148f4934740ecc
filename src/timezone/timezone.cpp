// Time-zone conversion by fixed HHMM offsets: the exported wrappers. A
// conversion subtracts a net bias B (minutes, summed modulo 2^32 like the
// platform's 32-bit bias) from the caller's clock time through the
// platform's shift; B = 0 leaves the record untouched.
#include "timezone/offsets.hpp"
#include "timezone/platform.hpp"

using namespace hkcal::detail;

namespace {

// The local zone's bias, read from the platform by the first call and never
// again. A function-local static is initialised exactly once even when many
// threads make the first call together; afterwards reading it takes no lock.
int32_t cached_local_bias() noexcept {
    static const int32_t bias = query_local_bias();
    return bias;
}

// *time minus `bias` minutes; 1 without touching *time when bias is 0.
int32_t shift(SYSTEMTIME* time, int32_t bias) noexcept {
    if (bias == 0) return 1;
    const SYSTEMTIME copy = *time;
    return shift_by_bias(bias, &copy, time);
}

}  // namespace

extern "C" {

int32_t ConvertTimeZone(SYSTEMTIME* time, int32_t to_offset, int32_t to_dst, int32_t from_offset,
                        int32_t from_dst) {
    return shift(time, wrap_sub(zone_minutes(from_offset, from_dst), zone_minutes(to_offset, to_dst)));
}

int32_t LocalToOverseaTime(SYSTEMTIME* time, int32_t offset, int32_t dst) {
    return shift(time, wrap_sub(wrap_neg(zone_minutes(offset, dst)), cached_local_bias()));
}

int32_t OverseaToLocalTime(SYSTEMTIME* time, int32_t offset, int32_t dst) {
    return shift(time, wrap_add(zone_minutes(offset, dst), cached_local_bias()));
}

}  // extern "C"
