// The Observatory's lunar calendar, lunar years 1901-2100, from the
// generated table src/hk/lunar_table.inc, compiled into per-year tables.
// A conversion is a few look-ups and additions, with no JD0 on either path:
// a date is placed by its Gregorian month's distance from the new year
// before it, a lunar date by its month's distance from its own.
#include "hk/lunar_table.hpp"

#include <algorithm>
#include <array>
#include <bit>

#include "hk/columns.hpp"
#include "hk/coverage.hpp"
#include "hkcal_hk.h"

namespace hkcal::hk::lunar {
namespace {

// JD0 of 2101-01-29, the day after the last lunar year (1 month 2101): the
// table spans exactly the days the library says it covers.
constexpr int32_t kEnd = kCompiled[kYears - 1].new_year + kCompiled[kYears - 1].length();
static_assert(kCompiled[0].new_year == civil::to_jd0(coverage::kLunar.first_day) &&
              kEnd == civil::to_jd0(coverage::kLunar.last_day) + 1);

bool in_years(int32_t y) { return y >= kFirstYear && y <= kLastYear; }

// ---- The conversions' tables. Lunar year y begins in January or February
// of Gregorian year y, so a date of Gregorian year y is in lunar year y - 1
// or y. ----

constexpr int32_t kGregorianYears = kYears + 1;  // 1901-2101: lunar 2100 ends in 2101

// Days of the Gregorian year before month m (index m - 1), common and leap years.
constexpr uint16_t kDaysBefore[2][13] = {{0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365},
                                         {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366}};

// Month and day of day-of-year d (0-based) in a common [0] or leap [1] year.
struct MonthDay {
    uint8_t month, day;
};
constexpr auto kMonthDays = [] {
    std::array<std::array<MonthDay, 366>, 2> t{};
    for (int leap = 0; leap < 2; ++leap)
        for (int m = 1; m <= 12; ++m)
            for (int d = kDaysBefore[leap][m - 1]; d < kDaysBefore[leap][m]; ++d)
                t[static_cast<std::size_t>(leap)][static_cast<std::size_t>(d)] =
                    MonthDay{static_cast<uint8_t>(m), static_cast<uint8_t>(d - kDaysBefore[leap][m - 1] + 1)};
    return t;
}();

// Per lunar year: where its months begin and how they are numbered.
struct Slots {
    uint16_t start[14];   // days from the new year to slot s's first day; start[13] is the year's length
    int8_t month_of[13];  // month number of slot s (negative: the leap month)
    int8_t slot_of[25];   // slot of month m at index m + 12 (m < 0 the leap month), -1 where the year lacks it
};
// Per Gregorian year g (1901-2101): its months placed against lunar year g - 1.
struct Gregorian {
    int16_t base[12];    // days from lunar year g - 1's new year to the first of month m + 1 (from lunar g's for 1901)
    uint8_t length[12];  // days of month m + 1
    uint16_t previous;   // the length of lunar year g - 1 (0 for 1901: its base counts from lunar 1901)
    uint16_t new_year_doy;  // day of the year (0-based) of lunar year g's first day (1901-2100)
    uint8_t leap;           // g is a leap year
};

constexpr std::array<Slots, kYears> kSlots = [] {
    std::array<Slots, kYears> t{};
    for (std::size_t i = 0; i < kYears; ++i) {
        const Year& y = kCompiled[i];
        for (int32_t s = 0; s < 14; ++s) t[i].start[s] = static_cast<uint16_t>(y.offset(s <= y.months() ? s : y.months()));
        for (int32_t s = 0; s < 13; ++s) t[i].month_of[s] = static_cast<int8_t>(s < y.months() ? y.month(s) : 0);
        for (int32_t m = -12; m <= 12; ++m) t[i].slot_of[m + 12] = static_cast<int8_t>(y.slot(m));
    }
    return t;
}();

constexpr std::array<Gregorian, kGregorianYears> kGregorian = [] {
    std::array<Gregorian, kGregorianYears> t{};
    for (std::size_t i = 0; i < static_cast<std::size_t>(kGregorianYears); ++i) {
        const int32_t g = kFirstYear + static_cast<int32_t>(i);
        const int32_t from = i == 0 ? kCompiled[0].new_year : kCompiled[i - 1].new_year;
        t[i].leap = ::hkcal::detail::gregorian_leap(g);
        t[i].previous = static_cast<uint16_t>(i == 0 ? 0 : kCompiled[i - 1].length());
        t[i].new_year_doy = static_cast<uint16_t>(i < kYears ? kCompiled[i].new_year - civil::to_jd0(g, 1, 1) : 0);
        for (int32_t m = 1; m <= 12; ++m) {
            t[i].base[m - 1] = static_cast<int16_t>(civil::to_jd0(g, m, 1) - from);
            t[i].length[m - 1] = static_cast<uint8_t>(civil::month_days(g, m));
        }
    }
    return t;
}();

// The tables agree with the compiled rows: every slot's start and number;
// each Gregorian month placed against the year before as against its own.
constexpr bool tables_agree() {
    for (std::size_t i = 0; i < kYears; ++i) {
        const Year& y = kCompiled[i];
        for (int32_t s = 0; s <= y.months(); ++s)
            if (kSlots[i].start[s] != y.offset(s) || (s < y.months() && kSlots[i].slot_of[kSlots[i].month_of[s] + 12] != s))
                return false;
        const Gregorian& g = kGregorian[i];
        if (civil::to_jd0(kFirstYear + static_cast<int32_t>(i), 1, 1) + g.new_year_doy != y.new_year) return false;
        const bool leap = ::hkcal::detail::gregorian_leap(kFirstYear + static_cast<int32_t>(i));
        for (std::size_t m = 0; m < 12; ++m)
            if (g.base[m] - g.previous != kDaysBefore[leap][m] - g.new_year_doy) return false;
    }
    return true;
}
static_assert(tables_agree());

// ---- Columns: a day placed by 16-day blocks from the first new year. ----
// Every lunar month of the table is numbered in time order (month index);
// a block of 16 days, shorter than any month, holds at most one month's
// first day after its own first day, so a block names the month its first
// day falls in and the last of its days still in that month.

constexpr auto kMonthCount = [] {
    int32_t n = 0;
    for (const Year& y : kCompiled) n += y.months();
    return n;
}();
static_assert(kMonthCount == 2473);  // 200 years, 73 of them with a leap month

// A record of the column as 8 bytes: the day field counts up in steps of
// kDayOne without carrying into its neighbours (day 1-30).
static_assert(sizeof(HkLunarDay) == sizeof(uint64_t));
constexpr uint64_t pack(HkLunarDay l) { return std::bit_cast<uint64_t>(l); }
constexpr uint64_t kDayOne = pack(HkLunarDay{0, 0, 1, 0, 0});
constexpr uint64_t kMissing = pack(HkLunarDay{0, 0, 0, 0, 1});

constexpr int32_t kSpan = kEnd - kCompiled[0].new_year;  // days 1901-02-19 to 2101-01-28, 73049

// Per month index: days from the first new year to its first day, [0, kSpan);
// the last entry is kSpan, the day after the table.
constexpr auto kMonthStart = [] {
    std::array<int32_t, kMonthCount + 1> t{};
    int32_t m = 0;
    for (const Year& y : kCompiled)
        for (int32_t s = 0; s < y.months(); ++s) t[static_cast<std::size_t>(m++)] = y.new_year - kCompiled[0].new_year + y.offset(s);
    t[kMonthCount] = kSpan;
    return t;
}();

// Per month index: its first day's record less kMonthStart[m] steps of
// kDayOne (modulo 2^64), so that the record of the day `d` days from the
// first new year is kMonthBase[m] + d * kDayOne.
constexpr auto kMonthBase = [] {
    std::array<uint64_t, kMonthCount> t{};
    std::size_t m = 0;
    for (std::size_t i = 0; i < kYears; ++i) {
        for (int32_t s = 0; s < kCompiled[i].months(); ++s, ++m) {
            const int32_t month = kCompiled[i].month(s);
            t[m] = pack(HkLunarDay{kFirstYear + static_cast<int32_t>(i), static_cast<int8_t>(month < 0 ? -month : month), 1,
                                   static_cast<uint8_t>(month < 0), 0}) -
                   static_cast<uint64_t>(kMonthStart[m]) * kDayOne;
        }
    }
    return t;
}();

constexpr int32_t kBlockDays = 16, kBlockShift = 4;
static_assert(kBlockDays == 1 << kBlockShift && kBlockDays < 29);
constexpr int32_t kBlocks = (kSpan + kBlockDays - 1) / kBlockDays;  // 4566

// Per block: the month index of its first day times 16, plus the position
// (0-15) in the block of that month's last day, 15 when it lasts through
// the block. A day at position r of block b is in month
// (kBlock[b] >> 4) + (r > (kBlock[b] & 15)).
static_assert(kMonthCount < (1 << (16 - kBlockShift)));
constexpr auto kBlock = [] {
    std::array<uint16_t, kBlocks> t{};
    int32_t m = 0;
    for (int32_t b = 0; b < kBlocks; ++b) {
        const int32_t first = b * kBlockDays;
        while (kMonthStart[static_cast<std::size_t>(m) + 1] <= first) ++m;
        const int32_t last = std::min(kMonthStart[static_cast<std::size_t>(m) + 1] - 1 - first, kBlockDays - 1);
        t[static_cast<std::size_t>(b)] = static_cast<uint16_t>(m << kBlockShift | last);
    }
    return t;
}();

// The record of the day `d` days from the first new year, d in [0, kSpan).
constexpr HkLunarDay record(uint32_t d) {
    const uint32_t block = kBlock[d >> kBlockShift];
    const uint32_t m = (block >> kBlockShift) + ((d & (kBlockDays - 1)) > (block & (kBlockDays - 1)));  // [0, kMonthCount)
    return std::bit_cast<HkLunarDay>(kMonthBase[m] + d * kDayOne);
}

// The blocks and months agree with the compiled years on every day: each
// year's months in order, each month's days numbered from 1.
constexpr bool records_agree() {
    int32_t d = 0;
    for (std::size_t i = 0; i < kYears; ++i) {
        const Year& y = kCompiled[i];
        for (int32_t s = 0; s < y.months(); ++s) {
            const int32_t month = y.month(s);
            for (int32_t day = 1; day <= y.offset(s + 1) - y.offset(s); ++day, ++d) {
                const HkLunarDay l = record(static_cast<uint32_t>(d));
                if (l.year != kFirstYear + static_cast<int32_t>(i) || l.month != (month < 0 ? -month : month) ||
                    l.day != day || l.leap != (month < 0) || l.missing != 0)
                    return false;
            }
        }
    }
    return d == kSpan;
}
static_assert(records_agree());

}  // namespace


}  // namespace hkcal::hk::lunar

using namespace hkcal::hk;

extern "C" hk_status hk_date_to_lunar(const Date* date, Date* lunar_date) {
    if (!date || !lunar_date) return HK_ENULL;
    // Offsets in unsigned arithmetic: any int32 field wraps to a large value instead of overflowing.
    const uint32_t gi = static_cast<uint32_t>(date->year) - static_cast<uint32_t>(lunar::kFirstYear);
    const uint32_t m = static_cast<uint32_t>(date->month) - 1u;
    const uint32_t day = static_cast<uint32_t>(date->day) - 1u;
    if (gi >= static_cast<uint32_t>(lunar::kGregorianYears) || m >= 12) return civil::valid(*date) ? HK_ERANGE : HK_EINVAL;
    const lunar::Gregorian& g = lunar::kGregorian[gi];
    if (day >= g.length[m]) return HK_EINVAL;
    // Days from lunar year gi - 1's new year; a full year of it or more: lunar year gi.
    const int32_t from_previous = g.base[m] + static_cast<int32_t>(day);
    const bool later = from_previous >= g.previous;
    const uint32_t li = gi - !later;  // the lunar year's index; wraps below 1901
    if (li >= lunar::kYears || from_previous < 0) return HK_ERANGE;
    const auto d = static_cast<uint32_t>(from_previous - (later ? g.previous : 0));  // [0, 384]
    const lunar::Slots& ly = lunar::kSlots[li];
    uint32_t s = d / 30;  // no later than the true slot, at most one before
    s += ly.start[s + 1] <= d;
    *lunar_date = Date{lunar::kFirstYear + static_cast<int32_t>(li), ly.month_of[s], static_cast<int32_t>(d - ly.start[s]) + 1};
    return HK_OK;
}

extern "C" hk_status hk_lunar_to_date(const Date* lunar_date, Date* date) {
    if (!lunar_date || !date) return HK_ENULL;
    const uint32_t i = static_cast<uint32_t>(lunar_date->year) - static_cast<uint32_t>(lunar::kFirstYear);
    if (i >= lunar::kYears) return HK_ERANGE;
    const lunar::Slots& ly = lunar::kSlots[i];
    const uint32_t mi = static_cast<uint32_t>(lunar_date->month) + 12u;
    const int32_t s = mi < 25 ? ly.slot_of[mi] : -1;
    if (s < 0) return HK_EINVAL;
    const uint32_t day = static_cast<uint32_t>(lunar_date->day) - 1u;
    if (day >= static_cast<uint32_t>(ly.start[s + 1] - ly.start[s])) return HK_EINVAL;
    // Day of the Gregorian year of the new year, which may run into the next one.
    int32_t doy = lunar::kGregorian[i].new_year_doy + ly.start[s] + static_cast<int32_t>(day);
    uint32_t g = i;  // the Gregorian year's index
    const int32_t year_days = 365 + lunar::kGregorian[g].leap;
    if (doy >= year_days) {
        doy -= year_days;
        ++g;
    }
    const lunar::MonthDay md = lunar::kMonthDays[lunar::kGregorian[g].leap][static_cast<std::size_t>(doy)];
    const int32_t year = lunar::kFirstYear + static_cast<int32_t>(g);
    *date = Date{year, md.month, md.day};
    return HK_OK;
}

extern "C" hk_status hk_lunar_new_year(int32_t lunar_year, Date* date) {
    if (!date) return HK_ENULL;
    if (!lunar::in_years(lunar_year)) return HK_ERANGE;
    *date = civil::from_jd0(lunar::year(lunar_year).new_year);
    return HK_OK;
}

extern "C" hk_status hk_lunar_leap_month(int32_t lunar_year, int32_t* month) {
    if (!month) return HK_ENULL;
    if (!lunar::in_years(lunar_year)) return HK_ERANGE;
    *month = lunar::year(lunar_year).leap;
    return HK_OK;
}

extern "C" hk_status hk_lunar_month_days(int32_t lunar_year, int32_t month, int32_t* days) {
    if (!days) return HK_ENULL;
    if (!lunar::in_years(lunar_year)) return HK_ERANGE;
    const lunar::Year& ly = lunar::year(lunar_year);
    const int32_t s = ly.slot(month);
    if (s < 0) return HK_EINVAL;
    *days = ly.offset(s + 1) - ly.offset(s);
    return HK_OK;
}

namespace {

// The lunar date of each day of a column of T.
template <typename T>
hk_status to_lunar(const T* days, size_t n, HkLunarDay* out, size_t* first_bad) {
    if (n > 0 && (!days || !out)) return columns::refuse(HK_ENULL, n, first_bad);
    constexpr int64_t kFirst = lunar::kCompiled[0].new_year - columns::kEpochJD0;
    constexpr auto kSpan = static_cast<uint64_t>(lunar::kSpan);
    return columns::run(
        n, first_bad, [&](size_t i) { return columns::is_nat(days[i]) || columns::offset(days[i], kFirst) < kSpan ? HK_OK : HK_ERANGE; },
        [&](size_t i) {
            out[i] = columns::is_nat(days[i]) ? std::bit_cast<HkLunarDay>(lunar::kMissing)
                                              : lunar::record(static_cast<uint32_t>(columns::offset(days[i], kFirst)));
        });
}

// The day count of T of each lunar record.
template <typename T>
hk_status from_lunar(const HkLunarDay* lunar_days, size_t n, T* out, size_t* first_bad) {
    if (n > 0 && (!lunar_days || !out)) return columns::refuse(HK_ENULL, n, first_bad);
    // The JD0 of a lunar record that is not missing, or -1 with the error in *s.
    const auto jd = [&](const HkLunarDay& l, hk_status& status) {
        const uint32_t i = static_cast<uint32_t>(l.year) - static_cast<uint32_t>(lunar::kFirstYear);
        if (i >= lunar::kYears) return status = HK_ERANGE, -1;
        const lunar::Slots& ly = lunar::kSlots[i];
        const uint32_t mi = static_cast<uint32_t>(l.leap ? -l.month : l.month) + 12u;
        const int32_t s = mi < 25 && l.leap <= 1 ? ly.slot_of[mi] : -1;
        const uint32_t day = static_cast<uint32_t>(l.day) - 1u;
        if (s < 0 || day >= static_cast<uint32_t>(ly.start[s + 1] - ly.start[s])) return status = HK_EINVAL, -1;
        return lunar::kCompiled[i].new_year + ly.start[s] + static_cast<int32_t>(day);
    };
    hk_status status = HK_OK;
    return columns::run(
        n, first_bad, [&](size_t i) { return lunar_days[i].missing || jd(lunar_days[i], status) >= 0 ? HK_OK : status; },
        [&](size_t i) {
            out[i] = lunar_days[i].missing ? columns::kNat<T> : static_cast<T>(jd(lunar_days[i], status) - columns::kEpochJD0);
        });
}

}  // namespace

// The lunar columns for int64_t and int32_t (date32) elements alike.

extern "C" hk_status hk_days_to_lunar(const int64_t* days, size_t n, HkLunarDay* out, size_t* first_bad) {
    return to_lunar(days, n, out, first_bad);
}
extern "C" hk_status hk_days32_to_lunar(const int32_t* days, size_t n, HkLunarDay* out, size_t* first_bad) {
    return to_lunar(days, n, out, first_bad);
}

extern "C" hk_status hk_days_from_lunar(const HkLunarDay* lunar_days, size_t n, int64_t* out, size_t* first_bad) {
    return from_lunar(lunar_days, n, out, first_bad);
}
extern "C" hk_status hk_days32_from_lunar(const HkLunarDay* lunar_days, size_t n, int32_t* out, size_t* first_bad) {
    return from_lunar(lunar_days, n, out, first_bad);
}
