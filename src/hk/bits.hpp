// Counting and selecting the set bits of a 32-bit word, the business-day
// engine's two inner steps.
//
// Three ways, the same results: byte tables (every processor, and compile
// time); x86's popcnt instruction (every x86-64 processor since 2008-09);
// popcnt with BMI2's pdep, where pdep is fast (Intel since 2013, AMD since
// Zen 3; it is microcoded on earlier AMD processors). The processor is asked
// once, on the first call that counts; a call racing it uses the tables.
#pragma once

#include <array>
#include <atomic>
#include <bit>
#include <cstdint>
#include <type_traits>

#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
#include <cpuid.h>
#define HKCAL_HK_X86_BITS 1
#endif

namespace hkcal::hk::bits {

// ---- The tables ----------------------------------------------------------------

// kBitsInByte[b]: the set bits of byte b.
inline constexpr auto kBitsInByte = [] {
    std::array<uint8_t, 256> out{};
    for (std::size_t b = 1; b < 256; ++b) out[b] = static_cast<uint8_t>((b & 1) + out[b / 2]);
    return out;
}();

// kSelectInByte[b][r]: the position of the r-th set bit (from 0) of byte b, 8 where there is none.
inline constexpr auto kSelectInByte = [] {
    std::array<std::array<uint8_t, 8>, 256> out{};
    for (uint32_t b = 0; b < 256; ++b) {
        for (uint8_t& s : out[b]) s = 8;
        for (uint32_t bit = 0, r = 0; bit < 8; ++bit)
            if (b >> bit & 1) out[b][r++] = static_cast<uint8_t>(bit);
    }
    return out;
}();

// ---- The processor ---------------------------------------------------------------

enum Way : uint8_t { kUnasked, kTables, kPopcnt, kPdep };

// The way this process counts; kUnasked until the first count asks (tests set it to try each way).
inline std::atomic<uint8_t> g_way{kUnasked};

#ifdef HKCAL_HK_X86_BITS
// The best way this processor has, from CPUID: leaf 1 ECX bit 23 popcnt,
// leaf 7 EBX bit 8 BMI2, family from leaf 1 EAX (AMD before family 19h, Zen
// 3, microcodes pdep); recorded in g_way.
inline Way ask() {
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    Way way = kTables;
    if (__get_cpuid(1, &eax, &ebx, &ecx, &edx) && (ecx >> 23 & 1)) {
        way = kPopcnt;
        const unsigned base = eax >> 8 & 0xF;
        const unsigned family = base == 0xF ? base + (eax >> 20 & 0xFF) : base;
        unsigned vendor = 0;  // the first four letters: "Auth" (AMD), "Hygo" (Hygon) or others
        __get_cpuid(0, &eax, &vendor, &ecx, &edx);
        const bool slow_pdep = (vendor == 0x68747541u || vendor == 0x6F677948u) && family < 0x19;
        if (__get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx) && (ebx >> 8 & 1) && !slow_pdep) way = kPdep;
    }
    g_way.store(way, std::memory_order_relaxed);
    return way;
}
#else
inline Way ask() {
    g_way.store(kTables, std::memory_order_relaxed);
    return kTables;
}
#endif

// The way to count at run time.
inline Way way() {
    const auto w = static_cast<Way>(g_way.load(std::memory_order_relaxed));
    return w != kUnasked ? w : ask();
}

#ifdef HKCAL_HK_X86_BITS
inline uint32_t popcnt(uint32_t x) {
    uint32_t c;
    __asm__("popcnt %1, %0" : "=r"(c) : "rm"(x) : "cc");
    return c;
}
// The bits of `source` from the lowest up, placed at the set bits of `mask`.
inline uint32_t pdep(uint32_t source, uint32_t mask) {
    uint32_t d;
    __asm__("pdep %2, %1, %0" : "=r"(d) : "r"(source), "rm"(mask));
    return d;
}
#endif

// ---- Count and select ------------------------------------------------------------

// Set bits of byte `shift / 8` of x, shift in {0, 8, 16, 24}; [0, 8].
constexpr uint32_t count_byte(uint32_t x, uint32_t shift, Way w) {
#ifdef HKCAL_HK_X86_BITS
    if (w >= kPopcnt) return popcnt(x & 0xFFu << shift);
#endif
    static_cast<void>(w);
    return kBitsInByte[x >> shift & 0xFF];
}

// Set bits of x, [0, 32].
constexpr int32_t count(uint32_t x) {
#ifdef HKCAL_HK_X86_BITS
    if (!std::is_constant_evaluated() && way() >= kPopcnt) return static_cast<int32_t>(popcnt(x));
#endif
    return kBitsInByte[x & 0xFF] + kBitsInByte[x >> 8 & 0xFF] + kBitsInByte[x >> 16 & 0xFF] + kBitsInByte[x >> 24];
}

// The position [0, 31] of the r-th set bit (from 0) of x, for r < count(x);
// in bounds (and meaningless) for any other r.
constexpr int32_t select(uint32_t x, uint32_t r) {
    Way w = kTables;  // (not `const`: a const initialiser would be evaluated as a constant, tables always)
    if (!std::is_constant_evaluated()) w = way();
#ifdef HKCAL_HK_X86_BITS
    if (w == kPdep) return std::countr_zero(pdep(uint32_t{1} << (r & 31), x)) & 31;
#endif
    const uint32_t b0 = count_byte(x, 0, w), b1 = count_byte(x, 8, w), b2 = count_byte(x, 16, w);
    // The bytes wholly before the bit: those whose running count is r or less.
    const uint32_t in0 = b0 <= r, in1 = b0 + b1 <= r, in2 = b0 + b1 + b2 <= r;
    const uint32_t byte = 8 * (in0 + in1 + in2);
    const uint32_t before = (b0 & -in0) + (b1 & -in1) + (b2 & -in2);  // set bits of those bytes
    return static_cast<int32_t>(byte + kSelectInByte[x >> byte & 0xFF][(r - before) & 7]);
}

// The tables' way on words of every byte pattern and density.
constexpr bool tables_agree() {
    for (uint32_t i = 0; i < 1024; ++i) {
        const uint32_t x = i * 0x9E3779B9u ^ (i & 3) * 0x0F0F0F0Fu;  // spread words, some with empty bytes
        int32_t r = 0;
        for (uint32_t bit = 0; bit < 32; ++bit)
            if (x >> bit & 1 && select(x, static_cast<uint32_t>(r++)) != static_cast<int32_t>(bit)) return false;
        if (count(x) != r) return false;
    }
    return true;
}
static_assert(tables_agree() && count(0xFFFFFFFFu) == 32 && select(0x80000000u, 0) == 31);

}  // namespace hkcal::hk::bits
