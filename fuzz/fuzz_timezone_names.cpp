// Fuzzes the time-zone conversions and the day and month names (11
// functions): any SYSTEMTIME contents and any offsets against the literal
// model of the shift (a failed shift leaves the record untouched), and the
// names' pointer and copy forms with buffers of exactly the documented size
// between guard units.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz_input.hpp"
#include "hkcal.h"
#include "literal.hpp"
#include "reference.hpp"

namespace {

using fuzz::Input;

// ---- time zones --------------------------------------------------------------

struct TimeText {
    char s[96];
};
TimeText text(const SYSTEMTIME& t) {
    TimeText x;
    std::snprintf(x.s, sizeof x.s, "{%u-%u-%u %u:%u:%u.%u dow %u}", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                  t.wSecond, t.wMilliseconds, t.wDayOfWeek);
    return x;
}

bool same_time(const SYSTEMTIME& a, const SYSTEMTIME& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Minutes since JD0 0 00:00 of a valid clock time.
double minutes_of(const SYSTEMTIME& t) {
    return ref::date_to_JD0(Date{t.wYear, t.wMonth, t.wDay}) * 1440 + t.wHour * 60 + t.wMinute;
}

// The local zone's bias as the library cached it (UTC = local + bias),
// measured once through the library: a local time converted to UTC is the
// time plus the bias. This first call fills the cache.
int32_t local_bias() {
    static const int32_t bias = [] {
        const SYSTEMTIME noon{2000, 6, 4, 15, 12, 0, 0, 0};
        SYSTEMTIME utc = noon;
        FUZZ_CHECK(LocalToOverseaTime(&utc, 0, 0) != 0, "LocalToOverseaTime(%s, 0, 0) failed", text(noon).s);
        return static_cast<int32_t>(minutes_of(utc) - minutes_of(noon));
    }();
    return bias;
}

// A conversion subtracts the net bias from the record: 0 returns 1 with the
// record untouched; otherwise the literal shift, which fails on an invalid
// record or a result outside 1601-30827 and then leaves the record as it was.
void expect_shift(const char* call, const SYSTEMTIME& before, const SYSTEMTIME& after, int32_t result,
                  int32_t bias, int32_t a, int32_t b, int32_t c, int32_t d) {
    SYSTEMTIME want = before;
    const bool ok = bias == 0 || lit::shift(&want, bias);
    FUZZ_CHECK((result != 0) == ok && (bias != 0 || result == 1) && same_time(after, want),
               "%s(%s, %d, %d, %d, %d) (net bias %d) returned %d with %s; expected %d with %s", call, text(before).s, a,
               b, c, d, bias, result, text(after).s, ok ? 1 : 0, text(want).s);
}

void check_convert(const SYSTEMTIME& t, int32_t to, int32_t to_dst, int32_t from, int32_t from_dst) {
    SYSTEMTIME x = t;
    const int32_t result = ConvertTimeZone(&x, to, to_dst, from, from_dst);
    const int32_t bias = lit::bias32(lit::offset_minutes(from) + lit::offset_minutes(from_dst) -
                                     lit::offset_minutes(to) - lit::offset_minutes(to_dst));
    expect_shift("ConvertTimeZone", t, x, result, bias, to, to_dst, from, from_dst);
}

void check_local_to_oversea(const SYSTEMTIME& t, int32_t offset, int32_t dst) {
    SYSTEMTIME x = t;
    const int32_t result = LocalToOverseaTime(&x, offset, dst);
    const int32_t bias = lit::bias32(-lit::offset_minutes(offset) - lit::offset_minutes(dst) - local_bias());
    expect_shift("LocalToOverseaTime", t, x, result, bias, offset, dst, 0, 0);
}

void check_oversea_to_local(const SYSTEMTIME& t, int32_t offset, int32_t dst) {
    SYSTEMTIME x = t;
    const int32_t result = OverseaToLocalTime(&x, offset, dst);
    const int32_t bias = lit::bias32(lit::offset_minutes(offset) + lit::offset_minutes(dst) + local_bias());
    expect_shift("OverseaToLocalTime", t, x, result, bias, offset, dst, 0, 0);
}

// Local to a zone and back gives the time again (its weekday set), unless
// the net bias is -2^31, which is its own negation modulo 2^32.
void check_round_trip(const SYSTEMTIME& t, int32_t offset, int32_t dst) {
    const int32_t bias = lit::bias32(-lit::offset_minutes(offset) - lit::offset_minutes(dst) - local_bias());
    SYSTEMTIME x = t;
    if (bias == INT32_MIN || LocalToOverseaTime(&x, offset, dst) == 0) return;
    const SYSTEMTIME there = x;
    const int32_t result = OverseaToLocalTime(&x, offset, dst);
    x.wDayOfWeek = t.wDayOfWeek;
    FUZZ_CHECK(result != 0 && same_time(x, t), "OverseaToLocalTime(LocalToOverseaTime(%s, %d, %d) = %s) gave %d, %s",
               text(t).s, offset, dst, text(there).s, result, text(x).s);
}

// ---- names -------------------------------------------------------------------------

constexpr const char* kDayAbbreviations[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char* kDayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr const char* kMonthAbbreviations[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                       "July",    "August",   "September", "October", "November", "December"};

struct NameTable {
    const char* function;
    const hkcal_char16* (*pointer)(uint32_t);
    int32_t (*copy)(uint32_t, hkcal_char16*);
    const char* const* entries;
    uint32_t first;  // the index of entries[0]
    uint32_t count;
    size_t buffer;  // the documented buffer size, in units
};

constexpr NameTable kNameTables[] = {
    {"day_of_week_abbreviation", day_of_week_abbreviation, day_of_week_abbreviation_2, kDayAbbreviations, 0, 7, 4},
    {"day_of_week_name", day_of_week_name, day_of_week_name_2, kDayNames, 0, 7, 10},
    {"month_name_military", month_name_military, month_name_military_2, kMonthAbbreviations, 1, 12, 4},
    {"month_name", month_name, month_name_2, kMonthNames, 1, 12, 10},
};

// True when s (UTF-16, null-terminated) is the ASCII string want.
bool same_name(const hkcal_char16* s, const char* want) {
    size_t i = 0;
    for (; want[i] != '\0'; ++i)
        if (s[i] != static_cast<hkcal_char16>(want[i])) return false;
    return s[i] == 0;
}

constexpr size_t kGuard = 8;          // guard units on each side of the buffer
constexpr hkcal_char16 kUnwritten = 0xA5A5;  // what the buffer and guards hold before the call

void check_names(const NameTable& table, uint32_t index) {
    const bool in_range = index >= table.first && index - table.first < table.count;
    const char* want = in_range ? table.entries[index - table.first] : nullptr;
    const hkcal_char16* s = table.pointer(index);
    FUZZ_CHECK(in_range ? s != nullptr && same_name(s, want) : s == nullptr, "%s(%u) gave the wrong string or pointer",
               table.function, index);

    // The buffer of exactly the documented size, between guards.
    hkcal_char16 area[kGuard + 10 + kGuard];
    const size_t used = kGuard + table.buffer + kGuard;
    for (size_t i = 0; i < used; ++i) area[i] = kUnwritten;
    hkcal_char16* buffer = area + kGuard;
    const int32_t length = table.copy(index, buffer);
    const size_t written = in_range ? std::strlen(want) + 1 : 0;
    FUZZ_CHECK(length == static_cast<int32_t>(in_range ? written - 1 : 0) && (!in_range || same_name(buffer, want)),
               "%s_2(%u) returned %d or copied the wrong string", table.function, index, length);
    for (size_t i = 0; i < used; ++i) {
        const bool copied = i >= kGuard && i < kGuard + written;
        FUZZ_CHECK(copied || area[i] == kUnwritten, "%s_2(%u) wrote unit %td of its %zu-unit buffer",
                   table.function, index, static_cast<ptrdiff_t>(i) - static_cast<ptrdiff_t>(kGuard), table.buffer);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in(data, size);
    while (!in.done()) {
        const unsigned op = in.next_call(8);
        switch (op) {
            case 0: {
                const SYSTEMTIME t = in.time();
                const int32_t to = in.offset(), to_dst = in.offset(), from = in.offset(), from_dst = in.offset();
                check_convert(t, to, to_dst, from, from_dst);
                break;
            }
            case 1:
            case 2:
            case 3: {
                const SYSTEMTIME t = in.time();
                const int32_t offset = in.offset(), dst = in.offset();
                if (op == 1) check_local_to_oversea(t, offset, dst);
                if (op == 2) check_oversea_to_local(t, offset, dst);
                if (op == 3) check_round_trip(t, offset, dst);
                break;
            }
            default: {
                const NameTable& table = kNameTables[op - 4];
                check_names(table, in.index(table.first + table.count + 2));
                break;
            }
        }
    }
    return 0;
}
