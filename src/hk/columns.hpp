// The shape every column function (hk_days_*) shares: the call's own
// arguments checked first, then every element, and only when all pass is
// anything written; *first_bad names the first element refused, or is n.
#pragma once

#include <cstddef>
#include <cstdint>

#include "hk/civil.hpp"
#include "hkcal_hk.h"

namespace hkcal::hk::columns {

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

}  // namespace hkcal::hk::columns
