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

}  // namespace

const Year& year(int32_t y) { return kCompiled[static_cast<std::size_t>(y - kFirstYear)]; }

}  // namespace hkcal::hk::lunar

using namespace hkcal::hk;

extern "C" hk_status hk_date_to_lunar(const Date* date, Date* lunar_date) {
    if (!date || !lunar_date) return HK_ENULL;
    if (!civil::valid(*date)) return HK_EINVAL;
    const int32_t jd = civil::to_jd0(*date);
    if (jd < lunar::year(lunar::kFirstYear).new_year || jd >= lunar::kEnd) return HK_ERANGE;
    // The lunar year begins in January or February: it is the Gregorian year or the one before.
    int32_t y = date->year > lunar::kLastYear || jd < lunar::year(date->year).new_year ? date->year - 1 : date->year;
    const lunar::Year& ly = lunar::year(y);
    const int32_t d = jd - ly.new_year;  // [0, 384]
    int32_t s = d / 30;                  // no later than the true slot, at most one before
    if (ly.offset(s + 1) <= d) ++s;
    *lunar_date = Date{y, ly.month(s), d - ly.offset(s) + 1};
    return HK_OK;
}

extern "C" hk_status hk_lunar_to_date(const Date* lunar_date, Date* date) {
    if (!lunar_date || !date) return HK_ENULL;
    if (!lunar::in_years(lunar_date->year)) return HK_ERANGE;
    const lunar::Year& ly = lunar::year(lunar_date->year);
    const int32_t s = ly.slot(lunar_date->month);
    if (s < 0 || lunar_date->day < 1 || lunar_date->day > ly.offset(s + 1) - ly.offset(s)) return HK_EINVAL;
    *date = civil::from_jd0(ly.new_year + ly.offset(s) + lunar_date->day - 1);
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
