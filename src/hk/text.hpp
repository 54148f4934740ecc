// Short texts of fixed capacity, written at compile time (the messages that
// quote the covered years) or at run time (the notes of substitute days):
// no allocation, no locale, any int32 field.
#pragma once

#include <cstddef>
#include <cstdint>

#include "hkcal.h"

namespace hkcal::hk::text {

inline constexpr std::size_t kCapacity = 128;  // the longest message and its terminator

struct Text {
    char s[kCapacity]{};
    std::size_t size = 0;

    // Appends x; what would not fit (with the terminator) is dropped.
    constexpr Text& operator<<(const char* x) {
        while (*x != '\0' && size + 1 < kCapacity) s[size++] = *x++;
        return *this;
    }
    constexpr Text& operator<<(char c) {
        if (size + 1 < kCapacity) s[size++] = c;
        return *this;
    }
    // A decimal number of at least `width` digits (0-padded), a minus sign
    // before the digits of a negative one.
    constexpr Text& number(int64_t v, int32_t width = 1) {
        if (v < 0) *this << '-';
        uint64_t u = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
        char digits[20]{};
        int32_t n = 0;  // [1, 20]
        do {
            digits[n++] = static_cast<char>('0' + u % 10);
            u /= 10;
        } while (u != 0);
        for (int32_t i = n; i < width; ++i) *this << '0';
        while (n > 0) *this << digits[--n];
        return *this;
    }
    // YYYY-MM-DD with at least four year digits, a minus sign before years
    // before year 0 and a plus sign after 9999 (ISO 8601's expanded form);
    // month and day of at least two digits.
    constexpr Text& date(const Date& d) {
        if (d.year > 9999) *this << '+';
        number(d.year, 4) << '-';
        number(d.month, 2) << '-';
        return number(d.day, 2);
    }
};

constexpr bool same(const char* a, const char* b) {
    while (*a != '\0' && *a == *b) ++a, ++b;
    return *a == *b;
}

static_assert(same(Text{}.date(Date{-1, 2, 3}).s, "-0001-02-03") && same(Text{}.date(Date{10000, 12, 31}).s, "+10000-12-31"));
static_assert(same(Text{}.number(INT32_MIN).s, "-2147483648"));

}  // namespace hkcal::hk::text
