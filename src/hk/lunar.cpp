// The Observatory's lunar calendar, lunar years 1901-2100, from the
// generated table src/hk/lunar_table.inc. Every conversion is a table look-up
// and a few additions.
#include "hk/lunar_table.hpp"

#include <array>

#include "hkcal_hk.h"

namespace hkcal::hk::lunar {
namespace {

// A row as the generator writes it.
struct Row {
    int32_t year;
    Date new_year;
    const char* lengths;  // "29 30 ...", one number per month in time order
    int32_t leap;
};
constexpr Row kRows[] = {
#include "hk/lunar_table.inc"
};
constexpr std::size_t kYears = kLastYear - kFirstYear + 1;
static_assert(std::size(kRows) == kYears);

// The row compiled; kYear.new_year == 0 marks a malformed row.
constexpr Year compile(const Row& row) {
    Year y{civil::to_jd0(row.new_year), 0, static_cast<int8_t>(row.leap)};
    int32_t slots = 0;
    for (const char* p = row.lengths; *p; ++p) {
        if (*p == ' ') continue;
        if (p[1] != '9' && p[1] != '0') return {};
        if (p[0] == '3' && p[1] == '0') y.long_months |= static_cast<uint16_t>(1u << slots);
        else if (p[0] != '2' || p[1] != '9') return {};
        ++slots;
        ++p;
    }
    bool leap_ok = row.leap == 0 ? slots == 12 : row.leap >= 1 && row.leap <= 12 && slots == 13;
    return leap_ok ? y : Year{};
}

constexpr std::array<Year, kYears> kCompiled = [] {
    std::array<Year, kYears> years{};
    for (std::size_t i = 0; i < kYears; ++i) years[i] = compile(kRows[i]);
    return years;
}();

// Each row is its own year, well formed, its new year between 21 January and
// 21 February, and it ends the day before the next row's new year.
constexpr bool table_consistent() {
    for (std::size_t i = 0; i < kYears; ++i) {
        const Row& r = kRows[i];
        const int32_t jan21 = civil::to_jd0(r.new_year.year, 1, 21);
        if (r.year != kFirstYear + static_cast<int32_t>(i) || r.new_year.year != r.year || kCompiled[i].new_year == 0 ||
            kCompiled[i].new_year < jan21 || kCompiled[i].new_year > jan21 + 31)
            return false;
        if (i + 1 < kYears && kCompiled[i].new_year + kCompiled[i].length() != kCompiled[i + 1].new_year) return false;
    }
    return true;
}
static_assert(table_consistent());

// JD0 of 2101-01-29, the day after the last lunar year (1 month 2101).
constexpr int32_t kEnd = kCompiled[kYears - 1].new_year + kCompiled[kYears - 1].length();
static_assert(kEnd == civil::to_jd0(2101, 1, 29));

bool in_years(int32_t y) { return y >= kFirstYear && y <= kLastYear; }

// ---- The conversions' table: Gregorian year y and lunar year y side by side ----
//
// Lunar year y begins in January or February of Gregorian year y, so a date
// is placed by its day of the Gregorian year alone, without a JD0.

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

struct Fast {
    uint16_t new_year_doy;  // day of Gregorian year y (0-based) of lunar year y's first day
    uint8_t leap_year;      // Gregorian year y is a leap year
    int8_t slot_of[25];     // slot of month m at index m + 12 (m < 0 the leap month), -1 where the year lacks it
    int8_t month_of[13];    // month number of slot s (negative: the leap month)
    uint16_t start[14];     // days from the new year to slot s's first day; start[months] is the year's length
};

constexpr std::array<Fast, kGregorianYears> kFast = [] {
    std::array<Fast, kGregorianYears> t{};
    for (std::size_t i = 0; i < static_cast<std::size_t>(kGregorianYears); ++i) {
        const int32_t gy = kFirstYear + static_cast<int32_t>(i);
        Fast& f = t[i];
        f.leap_year = civil::is_leap(gy);
        if (i == kYears) continue;  // 2101: only its leap flag is read
        const Year& y = kCompiled[i];
        f.new_year_doy = static_cast<uint16_t>(y.new_year - civil::to_jd0(gy, 1, 1));
        for (int32_t m = -12; m <= 12; ++m) f.slot_of[m + 12] = static_cast<int8_t>(y.slot(m));
        for (int32_t s = 0; s < 13; ++s) f.month_of[s] = static_cast<int8_t>(s < y.months() ? y.month(s) : 0);
        for (int32_t s = 0; s < 14; ++s) f.start[s] = static_cast<uint16_t>(y.offset(s <= y.months() ? s : y.months()));
    }
    return t;
}();

// The fast table agrees with the compiled rows on every slot of every year.
constexpr bool fast_consistent() {
    for (std::size_t i = 0; i < kYears; ++i) {
        const Year& y = kCompiled[i];
        const Fast& f = kFast[i];
        if (civil::to_jd0(kFirstYear + static_cast<int32_t>(i), 1, 1) + f.new_year_doy != y.new_year) return false;
        for (int32_t s = 0; s <= y.months(); ++s)
            if (f.start[s] != y.offset(s) || (s < y.months() && f.slot_of[f.month_of[s] + 12] != s)) return false;
    }
    return true;
}
static_assert(fast_consistent());

}  // namespace

const Year& year(int32_t y) { return kCompiled[static_cast<std::size_t>(y - kFirstYear)]; }

}  // namespace hkcal::hk::lunar

using namespace hkcal::hk;

extern "C" hk_status hk_date_to_lunar(const Date* date, Date* lunar_date) {
    if (!date || !lunar_date) return HK_ENULL;
    // Offsets in unsigned arithmetic: any int32 field wraps to a large value instead of overflowing.
    const uint32_t gi = static_cast<uint32_t>(date->year) - static_cast<uint32_t>(lunar::kFirstYear);
    const uint32_t m = static_cast<uint32_t>(date->month) - 1u;
    const uint32_t day = static_cast<uint32_t>(date->day) - 1u;
    if (gi >= static_cast<uint32_t>(lunar::kGregorianYears) || m >= 12) {
        return civil::valid(*date) ? HK_ERANGE : HK_EINVAL;
    }
    const lunar::Fast* f = &lunar::kFast[gi];
    const uint16_t* before = lunar::kDaysBefore[f->leap_year];
    if (day >= static_cast<uint32_t>(before[m + 1] - before[m])) return HK_EINVAL;
    // Days from lunar year gi's new year; before it, the date is in the lunar year before.
    const int32_t doy = before[m] + static_cast<int32_t>(day);
    int32_t d = doy - f->new_year_doy;
    int32_t y = date->year;
    if (d < 0 || gi == lunar::kYears) {
        if (gi == 0) return HK_ERANGE;
        --f;
        d = lunar::kDaysBefore[f->leap_year][12] - f->new_year_doy + doy;
        --y;
        if (d >= f->start[13]) return HK_ERANGE;  // past the end of lunar 2100
    }
    int32_t s = d / 30;  // no later than the true slot, at most one before
    s += f->start[s + 1] <= d;
    *lunar_date = Date{y, f->month_of[s], d - f->start[s] + 1};
    return HK_OK;
}

extern "C" hk_status hk_lunar_to_date(const Date* lunar_date, Date* date) {
    if (!lunar_date || !date) return HK_ENULL;
    const uint32_t i = static_cast<uint32_t>(lunar_date->year) - static_cast<uint32_t>(lunar::kFirstYear);
    if (i >= lunar::kYears) return HK_ERANGE;
    const lunar::Fast& f = lunar::kFast[i];
    const uint32_t mi = static_cast<uint32_t>(lunar_date->month) + 12u;
    const int32_t s = mi < 25 ? f.slot_of[mi] : -1;
    if (s < 0) return HK_EINVAL;
    const uint32_t day = static_cast<uint32_t>(lunar_date->day) - 1u;
    if (day >= static_cast<uint32_t>(f.start[s + 1] - f.start[s])) return HK_EINVAL;
    // Day of Gregorian year `year`, which may run into the next year.
    int32_t doy = f.new_year_doy + f.start[s] + static_cast<int32_t>(day);
    int32_t year = lunar_date->year;
    int32_t year_days = lunar::kDaysBefore[f.leap_year][12];
    if (doy >= year_days) {
        doy -= year_days;
        ++year;
    }
    const lunar::MonthDay md = lunar::kMonthDays[lunar::kFast[static_cast<std::size_t>(year - lunar::kFirstYear)].leap_year]
                                                [static_cast<std::size_t>(doy)];
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
