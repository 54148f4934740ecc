// Turns a fuzzer's bytes into a stream of library calls with arbitrary
// arguments, and reports a broken property loudly.
//
// Byte format (little-endian throughout, so the dictionary's entries are the
// bytes of the values themselves): each call is one opcode byte followed by
// its arguments in order: int32/uint32 4 bytes, uint8 1 byte, double the 8
// bytes of its bit pattern, Date 12 bytes (year, month, day), SYSTEMTIME 16
// bytes (its eight uint16 in field order). Bytes past the end read as 0.
//
// Opcode bit 7 set makes the call "shaped": every argument is then folded
// into a small interesting range (years around the cut-over or the lunar
// table, months -2..13, days -2..32, whole and half JD0s, ...), so that the
// properties that need valid dates get them often. Bits 0-6 pick the
// function.
#pragma once

#include <cmath>
#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <limits>

#include "hkcal.h"

namespace fuzz {

// At most this many calls per input, so one input stays cheap.
inline constexpr int kMaxCalls = 64;

// Folds raw into [lo, hi] (hi - lo < 2^32).
inline int32_t fold(uint32_t raw, int64_t lo, int64_t hi) {
    const auto span = static_cast<uint64_t>(hi - lo + 1);
    return static_cast<int32_t>(lo + static_cast<int64_t>(raw % span));
}

// Doubles that break naive code, for shaped JD0s and day counts.
inline constexpr double kSpecialDoubles[] = {
    std::numeric_limits<double>::quiet_NaN(),
    -std::numeric_limits<double>::quiet_NaN(),
    std::numeric_limits<double>::infinity(),
    -std::numeric_limits<double>::infinity(),
    0.0, -0.0,
    std::numeric_limits<double>::denorm_min(),
    -std::numeric_limits<double>::denorm_min(),
    std::numeric_limits<double>::min(),
    std::numeric_limits<double>::max(),
    -std::numeric_limits<double>::max(),
    1e300, -1e300, 9.3e18, -9.3e18, 4.6e18, 1e15,
    2147483647.0, 2147483647.5, 2147483647.9999998,  // the top of int32
    2147483648.0, -2147483648.0, -2147483648.5,
    -2147483648.9999995, -2147483649.0,
    2299160.0, 2299160.5, 2299160.9999999995, 2299161.0,  // the 1582 cut-over
    2299161.4999999995, 2299248.0, 2299248.5, 2299249.0,
    -1.0, -0.5, 0.5, -1.5, -2.0, 0.4999999999999999,
    1721423.0, 1721424.0, 2428191.0, 2464329.0,  // year 1, lunar 1936 and 2031
};

class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool done() const { return pos_ >= size_ || calls_ >= kMaxCalls; }

    // Starts the next call: reads its opcode and returns the function index
    // in [0, count).
    unsigned next_call(unsigned count) {
        ++calls_;
        const uint8_t op = u8();
        shaped_ = (op & 0x80) != 0;
        return static_cast<unsigned>(op & 0x7F) % count;
    }

    uint8_t u8() { return pos_ < size_ ? data_[pos_++] : 0; }
    uint16_t u16() { return static_cast<uint16_t>(u8() | u8() << 8); }
    uint32_t u32() {
        const uint32_t lo = u16();
        return lo | static_cast<uint32_t>(u16()) << 16;
    }
    uint64_t u64() {
        const uint64_t lo = u32();
        return lo | static_cast<uint64_t>(u32()) << 32;
    }
    int32_t i32() { return static_cast<int32_t>(u32()); }

    // Any int32; shaped: a calendar year of -1418..4582.
    int32_t year() { return pick(-1418, 4582); }
    // Any int32; shaped: a year around the lunar table, 1930..2039.
    int32_t lunar_year() { return pick(1930, 2039); }
    // Any int32; shaped: a month -2..13.
    int32_t month() { return pick(-2, 13); }
    // Any int32; shaped: a lunar month -14..14 (negative: a leap month).
    int32_t lunar_month() { return pick(-14, 14); }
    // Any int32; shaped: a day -2..32.
    int32_t day() { return pick(-2, 32); }
    // Any int32; shaped: a day number -2..370.
    int32_t day_number() { return pick(-2, 370); }
    // Any int32; shaped: a count -20..20.
    int32_t count() { return pick(-20, 20); }
    // Any int32; shaped: an HHMM offset -1500..1500.
    int32_t offset() { return pick(-1500, 1500); }
    // Any uint32; shaped: 0..limit - 1.
    uint32_t index(uint32_t limit) {
        const uint32_t raw = u32();
        return shaped_ ? raw % limit : raw;
    }

    Date date() {
        const int32_t y = year();
        const int32_t m = month();
        return Date{y, m, day()};
    }
    Date lunar_date() {
        const int32_t y = lunar_year();
        const int32_t m = lunar_month();
        return Date{y, m, day()};
    }

    // Any bit pattern; shaped: whole, half and quarter values of any int32,
    // values near the cut-over, small day counts, and the special values.
    double real() {
        const uint64_t bits = u64();
        if (!shaped_) {
            double x;
            std::memcpy(&x, &bits, sizeof x);
            return x;
        }
        const auto whole = static_cast<double>(static_cast<int32_t>(bits));
        const auto high = static_cast<uint32_t>(bits >> 32);
        switch (high % 8) {
            case 0: return whole;
            case 1: return whole + 0.5;
            case 2: return whole + static_cast<double>(high >> 8 & 0xFF) / 256.0;
            case 3: return whole * 0.25;
            case 4: return kSpecialDoubles[(high >> 8) % std::size(kSpecialDoubles)];
            case 5: return 2299161.0 + fold(static_cast<uint32_t>(bits), -1000000, 1000000);
            case 6: return std::nextafter(whole + 0.5, -1e308);
            default: return fold(static_cast<uint32_t>(bits), -400, 400);
        }
    }

    // Any contents; shaped: fields near and just outside their valid ranges.
    SYSTEMTIME time() {
        SYSTEMTIME t;
        t.wYear = u16();
        t.wMonth = u16();
        t.wDayOfWeek = u16();
        t.wDay = u16();
        t.wHour = u16();
        t.wMinute = u16();
        t.wSecond = u16();
        t.wMilliseconds = u16();
        if (shaped_) {
            t.wYear = static_cast<uint16_t>(t.wYear % 3 == 0 ? 1599 + t.wYear % 8
                                            : t.wYear % 3 == 1 ? 30822 + t.wYear % 8
                                                               : 1601 + t.wYear % 29300);
            t.wMonth = static_cast<uint16_t>(t.wMonth % 14);
            t.wDay = static_cast<uint16_t>(t.wDay % 33);
            t.wHour = static_cast<uint16_t>(t.wHour % 25);
            t.wMinute = static_cast<uint16_t>(t.wMinute % 61);
            t.wSecond = static_cast<uint16_t>(t.wSecond % 61);
            t.wMilliseconds = static_cast<uint16_t>(t.wMilliseconds % 1001);
        }
        return t;
    }

private:
    int32_t pick(int64_t lo, int64_t hi) {
        const uint32_t raw = u32();
        return shaped_ ? fold(raw, lo, hi) : static_cast<int32_t>(raw);
    }

    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
    int calls_ = 0;
    bool shaped_ = false;
};

// ---- reporting ---------------------------------------------------------------

inline bool same(const Date& a, const Date& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}
inline bool is_null(const Date& d) { return same(d, Date{0, 0, 0}); }

// Same value, or both NaN; 0.0 and -0.0 count as different.
inline bool same(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}

// "{y, m, d}" for messages.
struct Text {
    char s[64];
};
inline Text text(const Date& d) {
    Text t;
    std::snprintf(t.s, sizeof t.s, "{%d, %d, %d}", d.year, d.month, d.day);
    return t;
}
inline Text text(double x) {
    Text t;
    std::snprintf(t.s, sizeof t.s, "%.17g", x);
    return t;
}
inline Text text(int32_t x) {
    Text t;
    std::snprintf(t.s, sizeof t.s, "%d", x);
    return t;
}

// Prints "property failed: <call>: <detail>" and aborts, so that libFuzzer
// saves the input as a crash.
[[noreturn]] __attribute__((format(printf, 1, 2))) inline void fail(const char* format, ...) {
    std::fputs("\n==== hkcal property failed: ", stderr);
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fputs("\n", stderr);
    std::abort();
}

}  // namespace fuzz

// Checks cond; on failure prints the call (a printf format and its
// arguments, evaluated only then) and aborts.
#define FUZZ_CHECK(cond, ...)                    \
    do {                                         \
        if (!(cond)) ::fuzz::fail(__VA_ARGS__);  \
    } while (0)

// Checks that got equals want (Date, double or int32) and prints both when not.
#define FUZZ_EXPECT_EQ(got, want, call_format, ...)                                      \
    do {                                                                                 \
        const auto fuzz_got_ = (got);                                                    \
        const auto fuzz_want_ = (want);                                                  \
        if (!::fuzz::same_value(fuzz_got_, fuzz_want_))                                  \
            ::fuzz::fail(call_format " gave %s, expected %s", __VA_ARGS__,               \
                         ::fuzz::text(fuzz_got_).s, ::fuzz::text(fuzz_want_).s);         \
    } while (0)

namespace fuzz {
inline bool same_value(const Date& a, const Date& b) { return same(a, b); }
inline bool same_value(double a, double b) { return same(a, b); }
inline bool same_value(int32_t a, int32_t b) { return a == b; }
}  // namespace fuzz
