// The exchange's trading days and sessions, read from the dated rows of
// xhkg_days.hpp over the general holidays.
#include <algorithm>
#include <iterator>

#include "hk/civil.hpp"
#include "hk/columns.hpp"
#include "hk/lunar_table.hpp"
#include "hk/xhkg_days.hpp"
#include "hkcal_hk.h"

namespace {

using namespace hkcal::hk;
using namespace hkcal::hk::xhkg;

bool in_years(int32_t year) { return year >= law::kFirstYear && year <= law::kLastYear; }

// A valid date of 1997-2100 as a JD0.
hk_status check(const Date* date, int32_t& jd) {
    if (!civil::valid(*date)) return HK_EINVAL;
    if (!in_years(date->year)) return HK_ERANGE;
    jd = civil::to_jd0(*date);
    return HK_OK;
}

// The recorded row of day jd, or null.
const Special* special(int32_t jd) {
    const Special* end = std::end(kSpecials);
    const Special* s = std::lower_bound(std::begin(kSpecials), end, jd, [](const Special& r, int32_t d) { return r.jd < d; });
    return s != end && s->jd == jd ? s : nullptr;
}

// The era in force on day jd >= kEras[0].from (the last whose first day is not after it).
const Era& era(int32_t jd) {
    const Era* e = std::upper_bound(std::begin(kEras), std::end(kEras), jd, [](int32_t d, const Era& r) { return d < r.from; });
    return *(e - 1);
}

bool auction(int32_t jd) {
    return std::any_of(std::begin(kAuctions), std::end(kAuctions), [jd](const Auction& a) { return jd >= a.from && jd < a.until; });
}

// The JD0 of the rule's eve in a year of 1997-2100 (Lunar New Year's Day
// falls from 21 January to 20 February, so its eve is in the same year).
int32_t eve_of(const HalfDayRule& r, int32_t year) {
    switch (r.eve) {
        case Eve::christmas: return civil::to_jd0(year, 12, 24);
        case Eve::new_year: return civil::to_jd0(year, 12, 31);
        case Eve::lunar_new_year: break;
    }
    return lunar::year(year).new_year - 1;
}

// The rule in force that makes day jd of the year an eve with a half day, or null.
const HalfDayRule* half_day_rule(int32_t jd, int32_t year) {
    for (const HalfDayRule& r : kHalfDayRules) {
        if (jd >= r.from && eve_of(r, year) == jd) return &r;
    }
    return nullptr;
}

// A trading day (d valid, of 1997-2100).
bool trading(const Date& d) {
    business::Position p{};
    return business::locate(d, kWeekdays, p) == HK_OK && Exchange::is_open(kWeekdays, p);
}

hk_status write(bool found, business::Position p, Date* out) {
    if (!found) return HK_ERANGE;
    *out = business::date(p);
    return HK_OK;
}

// The kind of day a recorded row makes: Shut::rest ends the day early.
int32_t kind_of(const Special& s, const Era& e) {
    switch (s.shut) {
        case Shut::day: return HK_XHKG_CLOSED;
        case Shut::morning: return HK_XHKG_AFTERNOON;
        case Shut::rest: break;
    }
    return s.at > e.afternoon_open ? HK_XHKG_SHORTENED : HK_XHKG_HALF;
}

HkSession session_of(int32_t jd, const Date& d) {
    HkSession out{HK_XHKG_CLOSED, kNone, kNone, kNone, kNone, kNone, kNone};
    if (!trading(d)) return out;
    const Era& e = era(jd);
    const Special* s = special(jd);
    out.kind = s != nullptr ? kind_of(*s, e) : (half_day_rule(jd, d.year) != nullptr ? HK_XHKG_HALF : HK_XHKG_FULL);
    out.open = e.open, out.break_start = e.morning_close, out.break_end = e.afternoon_open, out.close = e.close;
    if (out.kind == HK_XHKG_AFTERNOON) {  // no pre-opening session either
        out.open = s->at != kNone ? s->at : e.afternoon_open, out.break_start = out.break_end = kNone;
    } else {
        out.pre_open = e.pre_open;
    }
    if (s != nullptr && s->shut == Shut::rest) out.close = s->at;  // trading ended, no auction followed
    if (out.kind == HK_XHKG_HALF) {
        out.close = std::min(out.close, e.morning_close), out.break_start = out.break_end = kNone;
    }
    if (auction(jd) && !(s != nullptr && s->shut == Shut::rest)) out.auction_close = out.close + kAuctionMinutes;
    return out;
}

HkXhkgClosure record(const Special& s) {
    return HkXhkgClosure{civil::from_jd0(s.jd), kind_of(s, era(s.jd)), s.key, s.en, s.zh, s.source};
}

// The year's recorded rows and half-day eves, in date order; at most HK_XHKG_MAX_CLOSURES.
struct YearList {
    HkXhkgClosure day[HK_XHKG_MAX_CLOSURES]{};
    std::size_t count = 0;
};
YearList closures_of(int32_t year) {
    YearList list;
    const int32_t first = civil::to_jd0(year, 1, 1), end = civil::to_jd0(year + 1, 1, 1);
    for (const Special& s : kSpecials) {
        if (s.jd >= first && s.jd < end) list.day[list.count++] = record(s);
    }
    for (const HalfDayRule& r : kHalfDayRules) {
        const int32_t jd = eve_of(r, year);
        const Date d = civil::from_jd0(jd);
        if (jd >= r.from && special(jd) == nullptr && trading(d)) {
            list.day[list.count++] = HkXhkgClosure{d, HK_XHKG_HALF, r.key, r.en, r.zh, r.source};
        }
    }
    std::sort(list.day, list.day + list.count, [](const HkXhkgClosure& a, const HkXhkgClosure& b) {
        return civil::to_jd0(a.date) < civil::to_jd0(b.date);
    });
    return list;
}

// The most recorded rows of one year, which with the eves HK_XHKG_MAX_CLOSURES must hold.
constexpr std::size_t most_in_a_year() {
    std::size_t most = 0;
    for (const Special& a : kSpecials) {
        std::size_t n = 0;
        for (const Special& b : kSpecials) n += civil::from_jd0(a.jd).year == civil::from_jd0(b.jd).year;
        most = std::max(most, n);
    }
    return most;
}
static_assert(most_in_a_year() + std::size(kHalfDayRules) <= HK_XHKG_MAX_CLOSURES);
static_assert(kLastRecordedYear == HK_XHKG_LAST_RECORDED_YEAR);

}  // namespace

extern "C" hk_status hk_xhkg_session(const Date* date, HkSession* session) {
    if (!date || !session) return HK_ENULL;
    int32_t jd = 0;
    if (hk_status s = check(date, jd)) return s;
    *session = session_of(jd, *date);
    return HK_OK;
}

extern "C" hk_status hk_xhkg_is_trading_day(const Date* date, int32_t* result) {
    if (!date || !result) return HK_ENULL;
    business::Position p{};
    if (hk_status s = business::locate(*date, kWeekdays, p)) return s;
    *result = Exchange::is_open(kWeekdays, p);
    return HK_OK;
}

extern "C" hk_status hk_xhkg_add_trading_days(const Date* date, int32_t n, Date* result) {
    if (!date || !result) return HK_ENULL;
    business::Position p{};
    if (hk_status s = business::locate(*date, kWeekdays, p)) return s;
    return write(Exchange::add(kWeekdays, p, n), p, result);
}

extern "C" hk_status hk_xhkg_next_trading_day(const Date* date, Date* result) {
    return hk_xhkg_add_trading_days(date, 1, result);
}

extern "C" hk_status hk_xhkg_previous_trading_day(const Date* date, Date* result) {
    return hk_xhkg_add_trading_days(date, -1, result);
}

extern "C" hk_status hk_xhkg_roll(const Date* date, int32_t convention, Date* result) {
    if (!date || !result) return HK_ENULL;
    if (convention < HK_FOLLOWING || convention > HK_MODIFIED_PRECEDING) return HK_EINVAL;
    business::Position p{};
    if (hk_status s = business::locate(*date, kWeekdays, p)) return s;
    return write(Exchange::roll(kWeekdays, convention, p), p, result);
}

extern "C" hk_status hk_xhkg_trading_days_between(const Date* start, const Date* end, int32_t* count) {
    if (!start || !end || !count) return HK_ENULL;
    business::Position from{}, to{};
    if (hk_status s = business::locate(*start, kWeekdays, from)) return s;
    if (hk_status s = business::locate(*end, kWeekdays, to)) return s;
    *count = Exchange::between(kWeekdays, from, to);
    return HK_OK;
}

extern "C" hk_status hk_xhkg_recorded(int32_t year, int32_t* recorded) {
    if (!recorded) return HK_ENULL;
    if (!in_years(year)) return HK_ERANGE;
    *recorded = year <= kLastRecordedYear;
    return HK_OK;
}

extern "C" hk_status hk_xhkg_closures(int32_t year, HkXhkgClosure* out, size_t capacity, size_t* count) {
    if (!count || (!out && capacity > 0)) return HK_ENULL;
    if (!in_years(year)) return HK_ERANGE;
    const YearList list = closures_of(year);
    *count = list.count;
    if (capacity < list.count) return HK_ESPACE;
    std::copy(list.day, list.day + list.count, out);
    return HK_OK;
}

// The trading-day columns for int64_t and int32_t (date32) elements alike.

extern "C" hk_status hk_days_xhkg_is_trading_day(const int64_t* days, size_t n, uint8_t* out, size_t* first_bad) {
    return columns::is_open<Exchange>(days, n, xhkg::kWeekdays, out, first_bad);
}
extern "C" hk_status hk_days32_xhkg_is_trading_day(const int32_t* days, size_t n, uint8_t* out, size_t* first_bad) {
    return columns::is_open<Exchange>(days, n, xhkg::kWeekdays, out, first_bad);
}

extern "C" hk_status hk_days_xhkg_add_trading_days(const int64_t* days, size_t n, int64_t step, int64_t* out,
                                                   size_t* first_bad) {
    return columns::add_step<Exchange>(days, n, step, xhkg::kWeekdays, out, first_bad);
}
extern "C" hk_status hk_days32_xhkg_add_trading_days(const int32_t* days, size_t n, int32_t step, int32_t* out,
                                                     size_t* first_bad) {
    return columns::add_step<Exchange>(days, n, step, xhkg::kWeekdays, out, first_bad);
}

extern "C" hk_status hk_days_xhkg_roll(const int64_t* days, size_t n, int32_t convention, int64_t* out,
                                       size_t* first_bad) {
    return columns::roll<Exchange>(days, n, convention, xhkg::kWeekdays, out, first_bad);
}
extern "C" hk_status hk_days32_xhkg_roll(const int32_t* days, size_t n, int32_t convention, int32_t* out,
                                         size_t* first_bad) {
    return columns::roll<Exchange>(days, n, convention, xhkg::kWeekdays, out, first_bad);
}

extern "C" hk_status hk_days_xhkg_trading_days_between(const int64_t* start, const int64_t* end, size_t n, int64_t* out,
                                                       size_t* first_bad) {
    return columns::between<Exchange>(start, end, n, xhkg::kWeekdays, out, first_bad);
}
extern "C" hk_status hk_days32_xhkg_trading_days_between(const int32_t* start, const int32_t* end, size_t n,
                                                         int32_t* out, size_t* first_bad) {
    return columns::between<Exchange>(start, end, n, xhkg::kWeekdays, out, first_bad);
}
