// Business days over a set of closed days in constant time, for any set of
// working weekdays (a mask, bit 0 Sunday .. bit 6 Saturday).
//
// A day of 1997-2100 is a month index m (12 * (year - 1997) + month - 1) and
// a day d of that month from 0. A day set is, per month, the bits of its
// closed days (bit d: day d + 1). For a day set the engine keeps, at compile
// time, the rank of every month's first day for every mask: the open days
// (working weekday, not closed) from 1997-01-01 up to it. A step of n
// business days is then a rank, an addition and a select: the month holding
// a rank is found from a linear estimate and a count over a window of
// months whose width the tables prove, and the day within it by the
// select of a set bit (hk/bits.hpp). The tables are built at compile time
// in one file per day set (business_tables.cpp, xhkg_tables.cpp).
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "hk/bits.hpp"
#include "hk/civil.hpp"
#include "hk/holiday_law.hpp"
#include "hkcal_hk.h"

namespace hkcal::hk::business {

using bits::count;
using bits::select;

inline constexpr int32_t kFirstYear = law::kFirstYear, kYears = law::kLastYear - law::kFirstYear + 1;
inline constexpr int32_t kMonths = kYears * 12;                                  // 1248
inline constexpr int32_t kFirstJD0 = civil::to_jd0(kFirstYear, 1, 1);           // 1997-01-01
inline constexpr int32_t kDays = civil::to_jd0(law::kLastYear + 1, 1, 1) - kFirstJD0;  // 37985
inline constexpr int32_t kMasks = 128;  // indexed by mask & 0x7F; row 0 (no working weekday) unused

// Closed days per month, bit d: day d + 1 of month m.
using DaySet = std::array<uint32_t, kMonths>;

// ---- The calendar of 1997-2100 ----------------------------------------------------

struct Month {
    uint16_t start;   // days from 1997-01-01 to its first day, [0, kDays]
    uint8_t length;   // 28-31
    uint8_t weekday;  // of its first day, 0 Sunday .. 6 Saturday
};
// Every month, and a last entry starting at kDays (2101-01-01).
inline constexpr auto kMonthGrid = [] {
    std::array<Month, kMonths + 1> out{};
    for (int32_t m = 0; m <= kMonths; ++m) {
        const int32_t year = kFirstYear + m / 12, month = m % 12 + 1;
        const int32_t first = civil::to_jd0(year, month, 1);
        out[static_cast<std::size_t>(m)] = {static_cast<uint16_t>(first - kFirstJD0),
                                            static_cast<uint8_t>(civil::month_days(year, month)),
                                            static_cast<uint8_t>(law::weekday(first))};
    }
    return out;
}();
static_assert(kMonthGrid[kMonths].start == kDays);

// The month of each 16-day block's first day (a block holds at most one
// month's first day, months being longer than 16 days).
inline constexpr int32_t kBlock = 4;  // log2 of the block's days
inline constexpr auto kMonthOfBlock = [] {
    std::array<uint16_t, (kDays >> kBlock) + 1> out{};
    for (int32_t m = 0, b = 0; b < static_cast<int32_t>(out.size()); ++b) {
        while (kMonthGrid[static_cast<std::size_t>(m + 1)].start <= b << kBlock) ++m;
        out[static_cast<std::size_t>(b)] = static_cast<uint16_t>(m);
    }
    return out;
}();

struct Position {
    int32_t month;  // [0, kMonths)
    int32_t day;    // [0, the month's length)
};

// The month and day of a day t of [0, kDays) counted from 1997-01-01.
constexpr Position position(int32_t t) {
    int32_t m = kMonthOfBlock[static_cast<std::size_t>(t >> kBlock)];
    m += t >= kMonthGrid[static_cast<std::size_t>(m + 1)].start;
    return {m, t - kMonthGrid[static_cast<std::size_t>(m)].start};
}
constexpr int32_t days_since_first(Position p) { return kMonthGrid[static_cast<std::size_t>(p.month)].start + p.day; }
constexpr Date date(Position p) { return {kFirstYear + p.month / 12, p.month % 12 + 1, p.day + 1}; }

// A date's position when it is a valid date of 1997-2100 and the mask has a working weekday; else the error.
constexpr hk_status locate(const Date& date, uint8_t workdays, Position& p) {
    // Offsets in unsigned arithmetic, which wraps where int32_t would overflow (INT32_MIN - 1).
    const uint32_t y = static_cast<uint32_t>(date.year) - static_cast<uint32_t>(kFirstYear);  // [0, kYears) when covered
    const uint32_t m = static_cast<uint32_t>(date.month) - 1u;  // [0, 11] when valid
    const uint32_t day = static_cast<uint32_t>(date.day) - 1u;
    if (y < static_cast<uint32_t>(kYears) && m < 12 && (workdays & 0x7F) != 0) {
        p = {static_cast<int32_t>(y * 12 + m), static_cast<int32_t>(day)};
        if (day < kMonthGrid[static_cast<std::size_t>(p.month)].length) return HK_OK;
    }
    if (!civil::valid(date) || (workdays & 0x7F) == 0) return HK_EINVAL;
    return HK_ERANGE;
}

// Each month's first and last day placed in it (a block holds at most one
// first day, so the days between follow).
constexpr bool positions_agree() {
    for (int32_t m = 0; m < kMonths; ++m) {
        const Month& g = kMonthGrid[static_cast<std::size_t>(m)];
        for (const int32_t day : {0, g.length - 1}) {
            const Position p = position(g.start + day);
            if (p.month != m || p.day != day || civil::to_jd0(date(p)) != kFirstJD0 + g.start + day) return false;
        }
    }
    return true;
}
static_assert(positions_agree());

// The mask's weekdays repeated six times (bits 0-41): bit k is weekday k % 7,
// so day d of a month whose first day is weekday w is bit w + d: no table,
// no division.
constexpr uint64_t repeated(uint32_t mask) {
    constexpr uint64_t kSixWeeks = 1 | 1 << 7 | 1 << 14 | 1 << 21 | 1 << 28 | uint64_t{1} << 35;
    return mask * kSixWeeks;
}

// ---- The tables ------------------------------------------------------------------

// The open days of a month whose first day is weekday `weekday` (bit d: day d), for the
// working weekdays `mask` and the month's shut days `shut`.
constexpr uint32_t open_days(uint32_t mask, uint8_t weekday, uint32_t shut) {
    return static_cast<uint32_t>(repeated(mask) >> weekday) & ~shut;
}

// The month holding rank k is found from the estimate est(g) = g * kMonths /
// total(mask) of a guide rank g, k - most(mask) <= g <= k, lowered by the
// mask's lead, and a count over kWindow months. (A step's guide is its rank
// before the count within the start month, so the estimate need not wait
// for that count; most(mask) is the most open days of a month.)
struct Reach {
    int32_t lead = -kMonths;  // the most est(g) exceeds k's month, over k and g
    int32_t lag = -kMonths;   // the most k's month exceeds est(g), over k and g
};
inline constexpr int32_t kWindow = 8;  // months counted; every table proves its reach fits (fits())

// What the engine reads for one set of closed days: about 330 KB, built at
// compile time in the one translation unit that defines it. Plain arrays:
// the compiler evaluates their subscripts several times faster than
// std::array's, which matters for 160,000 counts.
struct Tables {
    // shut[m]: the closed days of month m and the bits past its end.
    uint32_t shut[kMonths];
    // rank[mask][m]: open days before month m, m in [0, kMonths]; [0, kDays].
    uint16_t rank[kMasks][kMonths + 1];
    // scale[mask]: kMonths / total(mask) in 32-bit fixed point (a division at compile time, not per call).
    uint64_t scale[kMasks];
    Reach reach[kMasks];
};

// The tables of the closed days `closed`: a long evaluation, for one constexpr definition.
constexpr Tables make_tables(const DaySet& closed) {
    Tables t{};
    for (std::size_t m = 0; m < kMonths; ++m) t.shut[m] = closed[m] | ~((uint32_t{1} << kMonthGrid[m].length) - 1);
    // A mask's row is the row without its lowest weekday plus that weekday's row.
    for (uint32_t w = 0; w < 7; ++w) {
        auto& row = t.rank[1u << w];
        for (std::size_t m = 0; m < kMonths; ++m)
            row[m + 1] = static_cast<uint16_t>(row[m] + count(open_days(1u << w, kMonthGrid[m].weekday, t.shut[m])));
    }
    for (uint32_t mask = 1; mask < kMasks; ++mask) {
        if ((mask & (mask - 1)) == 0) continue;
        const auto& rest = t.rank[mask & (mask - 1)];
        const auto& lowest = t.rank[mask & -mask];
        for (std::size_t m = 0; m <= kMonths; ++m) t.rank[mask][m] = static_cast<uint16_t>(rest[m] + lowest[m]);
    }
    for (uint32_t mask = 1; mask < kMasks; ++mask) {
        const auto& rank_of = t.rank[mask];
        const uint64_t s = t.scale[mask] = (uint64_t{kMonths} << 32) / uint64_t{rank_of[kMonths]};
        uint64_t most = 0;  // open days of the fullest month
        for (std::size_t m = 0; m < kMonths; ++m) most = std::max<uint64_t>(most, rank_of[m + 1] - rank_of[m]);
        // Since est(g) and k's month both rise with k, the extremes are at each
        // month's last rank with g = k, and its first rank with the lowest g.
        Reach r;
        for (std::size_t m = 0; m < kMonths; ++m) {
            const uint64_t first = rank_of[m], end = rank_of[m + 1];
            if (end == first) continue;  // a month without an open day holds no rank
            const uint64_t lowest_guide = first > most ? first - most : 0;
            const auto month = static_cast<int32_t>(m);
            r.lead = std::max(r.lead, static_cast<int32_t>((end - 1) * s >> 32) - month);
            r.lag = std::max(r.lag, month - static_cast<int32_t>(lowest_guide * s >> 32));
        }
        t.reach[mask] = r;
    }
    return t;
}

// The tables are sound: every month has an open day on each weekday (so for
// every mask a neighbour is at most a month away), and every mask's reach
// fits the window.
constexpr bool fits(const Tables& t) {
    for (uint32_t w = 0; w < 7; ++w)
        for (std::size_t m = 0; m < kMonths; ++m)
            if (t.rank[1u << w][m + 1] == t.rank[1u << w][m]) return false;
    for (uint32_t mask = 1; mask < kMasks; ++mask)
        if (t.reach[mask].lead + t.reach[mask].lag + 1 > kWindow) return false;
    return true;
}

// ---- The engine ------------------------------------------------------------------

// Business days over the tables kT; mask is a set of working weekdays 1-127
// (the caller drops bit 7 and refuses 0).
template <const Tables& kT>
struct Engine {
    // The open days of month m, bit d: day d.
    static constexpr uint32_t open(uint32_t mask, int32_t m) {
        const auto i = static_cast<std::size_t>(m);
        return open_days(mask, kMonthGrid[i].weekday, kT.shut[i]);
    }
    static constexpr int32_t total(uint32_t mask) { return kT.rank[mask][kMonths]; }

    // Open days before day p (p not counted); p.day may be the month's length.
    static constexpr int32_t rank(uint32_t mask, Position p) {
        return kT.rank[mask][static_cast<std::size_t>(p.month)] +
               count(open(mask, p.month) & ((uint32_t{1} << p.day) - 1));
    }
    static constexpr int32_t estimate(uint32_t mask, int32_t g) {
        return static_cast<int32_t>(static_cast<uint64_t>(g) * kT.scale[mask] >> 32);  // [0, kMonths)
    }

    // The day of rank k, k in [0, total(mask)), from a guide g in [k - most(mask), k] and g >= 0 (see Reach).
    static constexpr Position at(uint32_t mask, int32_t g, int32_t k) {
        const auto& rank_of = kT.rank[mask];
        // The window [m, m + kWindow) holds k's month; clamped within the months.
        int32_t m = std::clamp(estimate(mask, g) - kT.reach[mask].lead, 0, kMonths - kWindow);
        // The months of the window whose first rank is k or less, counted: loads
        // side by side and no branch (a search's turns would be as good as random).
        int32_t later = 0;
        for (int32_t i = 1; i < kWindow; ++i) later += rank_of[static_cast<std::size_t>(m + i)] <= k;
        m += later;
        return {m, select(open(mask, m), static_cast<uint32_t>(k - rank_of[static_cast<std::size_t>(m)]))};
    }

    static constexpr bool is_open(uint32_t mask, Position p) { return (open(mask, p.month) >> p.day & 1) != 0; }

    // The first open day after p (p not counted); false past the last month.
    static constexpr bool next(uint32_t mask, Position& p) {
        const uint32_t later = open(mask, p.month) & ~((uint32_t{2} << p.day) - 1);
        if (later != 0) return p.day = std::countr_zero(later), true;
        if (p.month + 1 == kMonths) return false;
        p = {p.month + 1, std::countr_zero(open(mask, p.month + 1))};
        return true;
    }
    // The last open day before p (p not counted); false before the first month.
    static constexpr bool previous(uint32_t mask, Position& p) {
        const uint32_t earlier = open(mask, p.month) & ((uint32_t{1} << p.day) - 1);
        if (earlier != 0) return p.day = 31 - std::countl_zero(earlier), true;
        if (p.month == 0) return false;
        p = {p.month - 1, 31 - std::countl_zero(open(mask, p.month - 1))};
        return true;
    }

    // The n-th open day after p (n > 0) or before it (n < 0), p itself for n = 0; false outside.
    static constexpr bool add(uint32_t mask, Position& p, int64_t n) {
        if (n == 1) return next(mask, p);
        if (n == -1) return previous(mask, p);
        if (n == 0) return true;
        if (n > kDays || n < -kDays) return false;  // more open days than the years hold
        // The rank of the answer: n - 1 open days after p's successor's rank, or
        // n before p's; the guide is that rank before the count within p's month.
        const int64_t guide = kT.rank[mask][static_cast<std::size_t>(p.month)] + (n > 0 ? n - 1 : n);
        const int32_t before = n > 0 ? p.day + 1 : p.day;  // days of p's month counted, [0, 31]
        const int64_t k = guide + count(open(mask, p.month) & ((uint32_t{1} << before) - 1));  // [guide, guide + most]
        if (k < 0 || k >= total(mask)) return false;
        p = at(mask, static_cast<int32_t>(std::max<int64_t>(guide, 0)), static_cast<int32_t>(k));
        return true;
    }

    // Open days d with a < d <= b, or minus those with b < d <= a.
    static constexpr int32_t between(uint32_t mask, Position a, Position b) {
        return rank(mask, {b.month, b.day + 1}) - rank(mask, {a.month, a.day + 1});
    }

    // p rolled by a convention (HK_FOLLOWING .. HK_MODIFIED_PRECEDING); false outside.
    static constexpr bool roll(uint32_t mask, int32_t convention, Position& p) {
        if (is_open(mask, p)) return true;
        const bool forward = convention == HK_FOLLOWING || convention == HK_MODIFIED_FOLLOWING;
        const bool modified = convention == HK_MODIFIED_FOLLOWING || convention == HK_MODIFIED_PRECEDING;
        Position q = p;
        // Past the covered years is another month: the modified forms turn back.
        if ((forward ? next(mask, q) : previous(mask, q)) && (!modified || q.month == p.month)) return p = q, true;
        return modified && (forward ? previous(mask, p) : next(mask, p));
    }
};

}  // namespace hkcal::hk::business
