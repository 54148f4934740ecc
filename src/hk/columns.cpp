// The column functions (hk_days_*): each element answered as the scalar
// function answers it, after every element has been checked, so that an
// error writes nothing.
#include <cstddef>

#include "hk/civil.hpp"
#include "hk/holiday_table.hpp"
#include "hkcal_hk.h"

namespace {

using namespace hkcal::hk;

// Day 0 of a column (1970-01-01) as a JD0.
constexpr int64_t kEpoch = civil::kUnixEpochJD0;

// A day count of 1901-2101 as a Date (the lunar calendar's reach and more).
bool to_date(int64_t day, Date& out) {
    if (day < civil::to_jd0(1901, 1, 1) - kEpoch || day >= civil::to_jd0(2102, 1, 1) - kEpoch) return false;
    out = civil::from_jd0(static_cast<int32_t>(day + kEpoch));
    return true;
}
int64_t to_day(const Date& d) { return civil::to_jd0(d) - kEpoch; }

// A status and an element's index: the first element a check refused.
struct Refusal {
    hk_status status = HK_OK;
    size_t index = 0;
};

// Runs check(i) over every element, stopping at the first refusal; then,
// when none was refused, compute(i) over every element. *first_bad as the
// header says.
template <typename Check, typename Compute>
hk_status column(size_t n, size_t* first_bad, Check check, Compute compute) {
    for (size_t i = 0; i < n; ++i) {
        if (const hk_status s = check(i)) {
            if (first_bad) *first_bad = i;
            return s;
        }
    }
    for (size_t i = 0; i < n; ++i) compute(i);
    if (first_bad) *first_bad = n;
    return HK_OK;
}

// A refusal of the whole call (a null array, an invalid argument): *first_bad = n.
hk_status refuse(hk_status s, size_t n, size_t* first_bad) {
    if (first_bad) *first_bad = n;
    return s;
}

// The status and date of a scalar function f(const Date*, Date*) of a day count; HK_ERANGE off 1901-2101.
template <typename F>
hk_status date_of(int64_t day, F f, int64_t& out) {
    Date d{}, r{};
    if (!to_date(day, d)) return HK_ERANGE;
    const hk_status s = f(&d, &r);
    if (s == HK_OK) out = to_day(r);
    return s;
}

}  // namespace

extern "C" hk_status hk_days_is_business_day(const int64_t* days, size_t n, uint8_t workdays, uint8_t* out,
                                             size_t* first_bad) {
    if (n > 0 && (!days || !out)) return refuse(HK_ENULL, n, first_bad);
    if ((workdays & 0x7F) == 0) return refuse(HK_EINVAL, n, first_bad);
    const auto test = [&](size_t i, int32_t& yes) {
        Date d{};
        return to_date(days[i], d) ? hk_is_business_day(&d, workdays, &yes) : HK_ERANGE;
    };
    return column(
        n, first_bad, [&](size_t i) { int32_t yes = 0; return days[i] == HK_NAT ? HK_OK : test(i, yes); },
        [&](size_t i) {
            int32_t yes = 0;
            out[i] = days[i] != HK_NAT && test(i, yes) == HK_OK && yes != 0;
        });
}

extern "C" hk_status hk_days_is_holiday(const int64_t* days, size_t n, uint32_t kind, uint32_t options,
                                        int32_t rest_day, uint8_t* out, size_t* first_bad) {
    if (n > 0 && (!days || !out)) return refuse(HK_ENULL, n, first_bad);
    const Date probe{2000, 1, 1};
    int32_t ignored = 0;
    if (hk_status s = hk_is_holiday(&probe, kind, options, rest_day, &ignored)) return refuse(s, n, first_bad);
    const auto test = [&](size_t i, int32_t& yes) {
        Date d{};
        return to_date(days[i], d) ? hk_is_holiday(&d, kind, options, rest_day, &yes) : HK_ERANGE;
    };
    return column(
        n, first_bad, [&](size_t i) { int32_t yes = 0; return days[i] == HK_NAT ? HK_OK : test(i, yes); },
        [&](size_t i) {
            int32_t yes = 0;
            out[i] = days[i] != HK_NAT && test(i, yes) == HK_OK && yes != 0;
        });
}

namespace {

// A step of int64_t as the scalar function's int32_t: one beyond any covered distance when larger.
int32_t clamp_step(int64_t step) {
    constexpr int64_t kBeyond = 1 << 20;  // more days than 1997-2100 holds
    return static_cast<int32_t>(step < -kBeyond ? -kBeyond : step > kBeyond ? kBeyond : step);
}

hk_status add_each(const int64_t* days, const int64_t* steps, int64_t step, size_t n, uint8_t workdays, int64_t* out,
                   size_t* first_bad) {
    if (n > 0 && (!days || !out || (!steps && step == HK_NAT))) return refuse(HK_ENULL, n, first_bad);
    if ((workdays & 0x7F) == 0) return refuse(HK_EINVAL, n, first_bad);
    const auto add = [&](size_t i, int64_t& r) {
        const int32_t k = clamp_step(steps ? steps[i] : step);
        return date_of(days[i], [&](const Date* d, Date* o) { return hk_add_business_days(d, k, workdays, o); }, r);
    };
    return column(
        n, first_bad, [&](size_t i) { int64_t r = 0; return days[i] == HK_NAT ? HK_OK : add(i, r); },
        [&](size_t i) {
            int64_t r = HK_NAT;
            if (days[i] != HK_NAT) add(i, r);
            out[i] = r;
        });
}

}  // namespace

extern "C" hk_status hk_days_add_business_days(const int64_t* days, size_t n, int64_t step, uint8_t workdays,
                                               int64_t* out, size_t* first_bad) {
    return add_each(days, nullptr, step == HK_NAT ? HK_NAT + 1 : step, n, workdays, out, first_bad);
}

extern "C" hk_status hk_days_add_business_days_each(const int64_t* days, const int64_t* steps, size_t n,
                                                    uint8_t workdays, int64_t* out, size_t* first_bad) {
    return add_each(days, steps, HK_NAT, n, workdays, out, first_bad);
}

extern "C" hk_status hk_days_roll(const int64_t* days, size_t n, int32_t convention, uint8_t workdays, int64_t* out,
                                  size_t* first_bad) {
    if (n > 0 && (!days || !out)) return refuse(HK_ENULL, n, first_bad);
    if ((workdays & 0x7F) == 0 || convention < HK_FOLLOWING || convention > HK_MODIFIED_PRECEDING)
        return refuse(HK_EINVAL, n, first_bad);
    const auto roll = [&](size_t i, int64_t& r) {
        return date_of(days[i], [&](const Date* d, Date* o) { return hk_roll(d, convention, workdays, o); }, r);
    };
    return column(
        n, first_bad, [&](size_t i) { int64_t r = 0; return days[i] == HK_NAT ? HK_OK : roll(i, r); },
        [&](size_t i) {
            int64_t r = HK_NAT;
            if (days[i] != HK_NAT) roll(i, r);
            out[i] = r;
        });
}

extern "C" hk_status hk_days_business_days_between(const int64_t* start, const int64_t* end, size_t n,
                                                   uint8_t workdays, int64_t* out, size_t* first_bad) {
    if (n > 0 && (!start || !end || !out)) return refuse(HK_ENULL, n, first_bad);
    if ((workdays & 0x7F) == 0) return refuse(HK_EINVAL, n, first_bad);
    const auto count = [&](size_t i, int64_t& r) {
        Date a{}, b{};
        if (!to_date(start[i], a) || !to_date(end[i], b)) return HK_ERANGE;
        int32_t c = 0;
        const hk_status s = hk_business_days_between(&a, &b, workdays, &c);
        r = c;
        return s;
    };
    const auto missing = [&](size_t i) { return start[i] == HK_NAT || end[i] == HK_NAT; };
    return column(
        n, first_bad, [&](size_t i) { int64_t r = 0; return missing(i) ? HK_OK : count(i, r); },
        [&](size_t i) {
            int64_t r = HK_NAT;
            if (!missing(i)) count(i, r);
            out[i] = r;
        });
}

extern "C" hk_status hk_days_to_lunar(const int64_t* days, size_t n, HkLunarDay* out, size_t* first_bad) {
    if (n > 0 && (!days || !out)) return refuse(HK_ENULL, n, first_bad);
    const auto lunar = [&](size_t i, HkLunarDay& r) {
        Date d{}, l{};
        if (!to_date(days[i], d)) return HK_ERANGE;
        const hk_status s = hk_date_to_lunar(&d, &l);
        r = HkLunarDay{l.year, static_cast<int8_t>(l.month < 0 ? -l.month : l.month), static_cast<int8_t>(l.day),
                       static_cast<uint8_t>(l.month < 0), 0};
        return s;
    };
    return column(
        n, first_bad, [&](size_t i) { HkLunarDay r{}; return days[i] == HK_NAT ? HK_OK : lunar(i, r); },
        [&](size_t i) {
            HkLunarDay r{0, 0, 0, 0, 1};
            if (days[i] != HK_NAT) lunar(i, r);
            out[i] = r;
        });
}

extern "C" hk_status hk_days_from_lunar(const HkLunarDay* lunar, size_t n, int64_t* out, size_t* first_bad) {
    if (n > 0 && (!lunar || !out)) return refuse(HK_ENULL, n, first_bad);
    const auto day = [&](size_t i, int64_t& r) {
        const HkLunarDay& l = lunar[i];
        if (l.leap > 1) return HK_EINVAL;
        const Date ld{l.year, l.leap ? -l.month : l.month, l.day};
        Date d{};
        const hk_status s = hk_lunar_to_date(&ld, &d);
        if (s == HK_OK) r = to_day(d);
        return s;
    };
    return column(
        n, first_bad, [&](size_t i) { int64_t r = 0; return lunar[i].missing ? HK_OK : day(i, r); },
        [&](size_t i) {
            int64_t r = HK_NAT;
            if (!lunar[i].missing) day(i, r);
            out[i] = r;
        });
}
