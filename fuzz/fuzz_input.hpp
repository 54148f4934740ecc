// Turns a fuzzer's bytes into a stream of calls with arbitrary arguments,
// and reports a broken property loudly.
//
// Byte format (little-endian, so the dictionary's entries are the bytes of
// the values themselves): each call is one opcode byte followed by its
// arguments in order: int32/uint32 4 bytes, uint8 1 byte, double the 8 bytes
// of its bit pattern, Date 12 bytes, SYSTEMTIME 16 bytes. Bytes past the end
// read as 0.
//
// Opcode bit 7 set makes the call "shaped": every argument is then folded
// into a small interesting range (years around the cut-over or the lunar
// tables, months -14..14, days -2..32, whole and half JD0s near the ends of
// the int32 range and of the library's straight paths, ...), so that the
// properties that need valid dates get them often. Bits 0-6 pick the
// function.
#pragma once

#include <cmath>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <limits>
#include <string>

#include "hkcal.h"

namespace fuzz {

inline constexpr int kMaxCalls = 64;  // calls per input, so one input stays cheap

// raw folded into [lo, hi] (hi - lo < 2^32).
inline int32_t fold(uint32_t raw, int64_t lo, int64_t hi) {
    return static_cast<int32_t>(lo + static_cast<int64_t>(raw % static_cast<uint64_t>(hi - lo + 1)));
}

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
inline constexpr double kInf = std::numeric_limits<double>::infinity();
// Doubles that break naive code: non-finite, the int32 ends, the cut-over,
// the JD0s of year 1, lunar 1936 and 2031, and the ends of the library's
// one-multiplication weekday and straight-line date paths.
inline constexpr double kSpecialDoubles[] = {
    kNaN, -kNaN, kInf, -kInf, 0.0, -0.0, std::numeric_limits<double>::denorm_min(), 1e300, -1e300, 9.3e18, 4.6e18,
    2147483647.0, 2147483647.5, 2147483647.9999998, 2147483648.0, -2147483648.0, -2147483648.5,
    -2147483648.9999995, -2147483649.0, 2299160.0, 2299160.5, 2299160.9999999995, 2299161.0, 2299161.4999999995,
    2299248.0, 2299249.0, -1.0, -0.5, 0.5, 0.4999999999999999, 1721423.0, 2428191.0, 2464329.0,
    715827886.0, 715827887.0, 715827893.0, -715827883.0, -715827884.0, -715827890.0,
    538680517.0, 538680517.5, 538680518.0, 538680524.0, -535039258.0, -535039259.0, -535039265.0};

// Field values at the int32 ends and where the formulas wrap or turn.
inline constexpr int32_t kHostile[] = {INT32_MIN, INT32_MIN + 1, -214749, -214748, -4801, -4713, -13, -12, -1, 0, 1,
                                       2, 9, 10, 12, 13, 14, 15, 28, 29, 31, 32, 99, 100, 1582, 1583, 1700, 2000,
                                       214748, INT32_MAX - 1, INT32_MAX};

class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool done() const { return pos_ >= size_ || calls_ >= kMaxCalls; }

    // Starts the next call: reads its opcode, returns a function index in [0, count).
    unsigned next_call(unsigned count) {
        ++calls_;
        const uint8_t op = u8();
        shaped_ = (op & 0x80) != 0;
        return static_cast<unsigned>(op & 0x7F) % count;
    }

    uint8_t u8() { return pos_ < size_ ? data_[pos_++] : 0; }
    uint16_t u16() { return static_cast<uint16_t>(u8() | u8() << 8); }
    uint32_t u32() { return u16() | static_cast<uint32_t>(u16()) << 16; }
    uint64_t u64() { return u32() | static_cast<uint64_t>(u32()) << 32; }

    // An argument of type T: any bits, or shaped (see above).
    template <typename T>
    T read();

private:
    int32_t shaped_int(uint32_t raw) {
        switch (raw & 7) {
            case 0: return fold(raw >> 3, -3, 40);        // counts, days, weekdays
            case 1: return fold(raw >> 3, -1418, 4582);   // years around the cut-over
            case 2: return fold(raw >> 3, 1899, 2102);    // years of the lunar tables
            case 3: return fold(raw >> 3, -1500, 1500);   // HHMM offsets
            case 4: return fold(raw >> 3, -2, 370);       // day numbers
            case 5: return raw & 8 ? kHostile[(raw >> 4) % std::size(kHostile)]
                                   : static_cast<int32_t>(raw >> 4) - 0x08000000;  // turning points, or large
            case 6: return raw & 8 ? INT32_MAX - static_cast<int32_t>(raw >> 4 & 15) : INT32_MIN + static_cast<int32_t>(raw >> 4 & 15);
            default: return fold(raw >> 3, -14, 14);      // lunar months
        }
    }

    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
    int calls_ = 0;
    bool shaped_ = false;
};

template <>
inline int32_t Input::read<int32_t>() {
    const uint32_t raw = u32();
    return shaped_ ? shaped_int(raw) : static_cast<int32_t>(raw);
}
template <>
inline uint32_t Input::read<uint32_t>() {
    const uint32_t raw = u32();
    return shaped_ ? raw % 16 : raw;
}
template <>
inline uint8_t Input::read<uint8_t>() { return u8(); }

// Shaped: whole, half and 1/256 values of any int32, values near the
// cut-over, small day counts, and the special values.
template <>
inline double Input::read<double>() {
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
        case 3: return kSpecialDoubles[(high >> 8) % std::size(kSpecialDoubles)];
        case 4: return kSpecialDoubles[(high >> 8) % std::size(kSpecialDoubles)] + fold(static_cast<uint32_t>(bits), -8, 8);
        case 5: return 2299161.0 + fold(static_cast<uint32_t>(bits), -1000000, 1000000);
        case 6: return std::nextafter(whole + 0.5, -1e308);
        default: return fold(static_cast<uint32_t>(bits), -400, 400) + (high & 0x100 ? 0.25 : 0.0);
    }
}

// Shaped: a year of the lunar tables' range, of the cut-over's, 1581-1583,
// or any shaped int32; a month -14..14 (negative: a leap month) and a day
// -2..32, or one time in eight any shaped int32.
template <>
inline Date Input::read<Date>() {
    if (!shaped_) {
        const int32_t y = static_cast<int32_t>(u32()), m = static_cast<int32_t>(u32());
        return Date{y, m, static_cast<int32_t>(u32())};
    }
    const uint32_t raw = u32(), month = u32(), day = u32();
    const int32_t y = raw & 1   ? fold(raw >> 1, 1899, 2102)
                      : raw & 2 ? fold(raw >> 2, -1418, 4582)
                      : raw & 4 ? fold(raw >> 3, 1581, 1583)
                                : shaped_int(raw >> 3);
    const auto field = [this](uint32_t r, int32_t lo, int32_t hi) { return r % 8 ? fold(r >> 3, lo, hi) : shaped_int(r >> 3); };
    return Date{y, field(month, -14, 14), field(day, -2, 32)};
}

// Shaped: fields near and just outside their valid ranges.
template <>
inline SYSTEMTIME Input::read<SYSTEMTIME>() {
    SYSTEMTIME t{u16(), u16(), u16(), u16(), u16(), u16(), u16(), u16()};
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

// ---- comparing and reporting ---------------------------------------------------------

inline bool same(const Date& a, const Date& b) { return a.year == b.year && a.month == b.month && a.day == b.day; }
// Same bits, or both NaN; 0.0 and -0.0 differ.
inline bool same(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b)); }
template <std::integral T>
bool same(T a, T b) { return a == b; }
inline bool same(const SYSTEMTIME& a, const SYSTEMTIME& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

inline std::string text(const Date& d) {
    std::string s(1, '{');  // appended piecewise: GCC 12 misreads "{" + string
    return s.append(std::to_string(d.year)).append(", ").append(std::to_string(d.month)).append(", ").append(std::to_string(d.day)) + "}";
}
inline std::string text(double x) {
    char s[32];
    std::snprintf(s, sizeof s, "%.17g", x);
    return s;
}
template <std::integral T>
std::string text(T x) { return std::to_string(x); }
inline std::string text(const SYSTEMTIME& t) {
    char s[96];
    std::snprintf(s, sizeof s, "{%u-%u-%u %u:%u:%u.%u dow %u}", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                  t.wSecond, t.wMilliseconds, t.wDayOfWeek);
    return s;
}

// Prints "hkcal property failed: <what>" and aborts, so that libFuzzer saves
// the input as a crash.
[[noreturn]] inline void fail(const std::string& what) {
    std::fprintf(stderr, "\n==== hkcal property failed: %s\n", what.c_str());
    std::abort();
}

}  // namespace fuzz
