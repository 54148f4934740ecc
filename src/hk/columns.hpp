// The shape every column function (hk_days_*, hk_days32_*) shares: the
// call's own arguments checked first, then every element, and only when all
// pass is anything written; *first_bad names the first element refused, or
// is n. Each operation is one template over the element type T, int64_t
// (numpy's datetime64[D]) or int32_t (Arrow's date32), and the engine E.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>

#include "hk/business_engine.hpp"
#include "hk/civil.hpp"
#include "hkcal_hk.h"

namespace hkcal::hk::columns {

// A column's missing date: the least value of its element type.
template <typename T>
inline constexpr T kNat = std::numeric_limits<T>::min();
static_assert(kNat<int64_t> == HK_NAT && kNat<int32_t> == HK_NAT32);

// Whether a day count of any value is its column's missing date.
template <typename T>
constexpr bool is_nat(T day) { return day == kNat<T>; }

// A call refused as a whole (a null array, an invalid argument): *first_bad = n.
inline hk_status refuse(hk_status s, size_t n, size_t* first_bad) {
    if (first_bad) *first_bad = n;
    return s;
}

// Runs check(i) over every element, stopping at the first refusal; then,
// when none was refused, compute(i) over every element.
template <typename Check, typename Compute>
hk_status run(size_t n, size_t* first_bad, Check check, Compute compute) {
    for (size_t i = 0; i < n; ++i) {
        if (const hk_status s = check(i)) return refuse(s, i, first_bad);
    }
    for (size_t i = 0; i < n; ++i) compute(i);
    return refuse(HK_OK, n, first_bad);
}

// Day 0 of a column, 1970-01-01, as a JD0.
inline constexpr int64_t kEpochJD0 = civil::kUnixEpochJD0;

// The offset of a day count from a first day (a day count too), in
// [0, days) when the day is one of the `days` days from it; any other day,
// NaT too, gives `days` or more (the arithmetic is unsigned: no overflow).
constexpr uint64_t offset(int64_t day, int64_t first) { return static_cast<uint64_t>(day) - static_cast<uint64_t>(first); }

// ---- Columns over an engine of business days --------------------------------

inline constexpr int64_t kFirst = business::kFirstJD0 - kEpochJD0;  // 1997-01-01 as a day count (9862)

static_assert(kFirst + business::kDays <= std::numeric_limits<int32_t>::max(), "every covered day fits a date32");

// A day count of 1997-2100 (NaT is not).
inline bool covered(int64_t day) { return offset(day, kFirst) < static_cast<uint64_t>(business::kDays); }
inline business::Position at(int64_t day) { return business::position(static_cast<int32_t>(day - kFirst)); }  // day covered
inline int32_t day_of(business::Position p) { return static_cast<int32_t>(kFirst) + business::days_since_first(p); }  // [9862, 47846]
template <typename T>
hk_status check_day(T day) { return is_nat(day) || covered(day) ? HK_OK : HK_ERANGE; }

// Columns whose answer is a day: answer(i, day, result) gives element i's,
// false when it lies outside the covered days. With `edges`, every answer
// exists when those of the earliest and the latest day do (an answer that
// only fails past an end), and only those two are tried before writing.
template <typename T, typename Answer>
hk_status dates(const T* days, size_t n, T* out, size_t* first_bad, bool edges, Answer answer) {
    T low = std::numeric_limits<T>::max(), high = std::numeric_limits<T>::min();
    int32_t r = 0;
    size_t low_at = 0, high_at = 0;
    for (size_t i = 0; i < n; ++i) {
        if (is_nat(days[i])) continue;
        if (!covered(days[i]) || (!edges && !answer(i, days[i], r))) return refuse(HK_ERANGE, i, first_bad);
        if (days[i] < low) low = days[i], low_at = i;
        if (days[i] > high) high = days[i], high_at = i;
    }
    if (edges && low <= high && (!answer(low_at, low, r) || !answer(high_at, high, r))) {
        for (size_t i = 0; i < n; ++i) {
            if (!is_nat(days[i]) && !answer(i, days[i], r)) return refuse(HK_ERANGE, i, first_bad);
        }
    }
    for (size_t i = 0; i < n; ++i) out[i] = !is_nat(days[i]) && answer(i, days[i], r) ? T{r} : kNat<T>;
    return refuse(HK_OK, n, first_bad);
}

// Element i of a column of steps: days[i] moved steps(i) open days of engine E.
template <typename E, typename T, typename Steps>
hk_status add(const T* days, size_t n, uint8_t workdays, bool edges, T* out, size_t* first_bad, Steps steps) {
    const uint32_t mask = workdays & 0x7Fu;
    if (mask == 0) return refuse(HK_EINVAL, n, first_bad);
    return dates(days, n, out, first_bad, edges, [&](size_t i, T day, int32_t& r) {
        business::Position p = at(day);
        return E::add(mask, p, int64_t{steps(i)}) && (r = day_of(p), true);
    });
}

// Every day moved the same step: an answer can only run past the end its step points to.
template <typename E, typename T>
hk_status add_step(const T* days, size_t n, T step, uint8_t workdays, T* out, size_t* first_bad) {
    if (n > 0 && (!days || !out)) return refuse(HK_ENULL, n, first_bad);
    return add<E>(days, n, workdays, true, out, first_bad, [&](size_t) { return step; });
}
// Each day moved its own step.
template <typename E, typename T>
hk_status add_each(const T* days, const T* steps, size_t n, uint8_t workdays, T* out, size_t* first_bad) {
    if (n > 0 && (!days || !steps || !out)) return refuse(HK_ENULL, n, first_bad);
    return add<E>(days, n, workdays, false, out, first_bad, [&](size_t i) { return steps[i]; });
}

// Columns of open days of engine E: each day's test, roll and count.
template <typename E, typename T>
hk_status is_open(const T* days, size_t n, uint8_t workdays, uint8_t* out, size_t* first_bad) {
    if (n > 0 && (!days || !out)) return refuse(HK_ENULL, n, first_bad);
    const uint32_t mask = workdays & 0x7Fu;
    if (mask == 0) return refuse(HK_EINVAL, n, first_bad);
    return run(
        n, first_bad, [&](size_t i) { return check_day(days[i]); },
        [&](size_t i) { out[i] = !is_nat(days[i]) && E::is_open(mask, at(days[i])); });
}
template <typename E, typename T>
hk_status roll(const T* days, size_t n, int32_t convention, uint8_t workdays, T* out, size_t* first_bad) {
    if (n > 0 && (!days || !out)) return refuse(HK_ENULL, n, first_bad);
    const uint32_t mask = workdays & 0x7Fu;
    if (mask == 0 || convention < HK_FOLLOWING || convention > HK_MODIFIED_PRECEDING) return refuse(HK_EINVAL, n, first_bad);
    // A roll fails only before the first open day or after the last.
    return dates(days, n, out, first_bad, true, [&](size_t, T day, int32_t& r) {
        business::Position p = at(day);
        return E::roll(mask, convention, p) && (r = day_of(p), true);
    });
}
template <typename E, typename T>
hk_status between(const T* start, const T* end, size_t n, uint8_t workdays, T* out, size_t* first_bad) {
    if (n > 0 && (!start || !end || !out)) return refuse(HK_ENULL, n, first_bad);
    const uint32_t mask = workdays & 0x7Fu;
    if (mask == 0) return refuse(HK_EINVAL, n, first_bad);
    const auto missing = [&](size_t i) { return is_nat(start[i]) || is_nat(end[i]); };
    return run(
        n, first_bad, [&](size_t i) { return missing(i) || (covered(start[i]) && covered(end[i])) ? HK_OK : HK_ERANGE; },
        [&](size_t i) { out[i] = missing(i) ? kNat<T> : T{E::between(mask, at(start[i]), at(end[i]))}; });
}

}  // namespace hkcal::hk::columns
