// The business-day and holiday columns (hk_days_*): the engine over the
// general holidays, element by element, after every element is checked.
#include <array>

#include "hk/business_engine.hpp"
#include "hk/columns.hpp"
#include "hk/holiday_table.hpp"

namespace {

using namespace hkcal::hk;
using business::Position;
using columns::refuse;
using General = business::Engine<table::kMonthHolidays>;

constexpr int64_t kFirst = business::kFirstJD0 - columns::kEpochJD0;  // 1997-01-01 as a day count (9862)

// A day count of 1997-2100 (NaT is not).
bool covered(int64_t day) { return columns::offset(day, kFirst) < static_cast<uint64_t>(business::kDays); }
Position at(int64_t day) { return business::position(static_cast<int32_t>(day - kFirst)); }  // day covered
int64_t day_of(Position p) { return kFirst + business::days_since_first(p); }
hk_status check_day(int64_t day) { return day == HK_NAT || covered(day) ? HK_OK : HK_ERANGE; }

// Columns whose answer is a day: answer(i, day, result) gives element i's,
// false when it lies outside the covered days. With `edges`, every answer
// exists when those of the earliest and the latest day do (an answer that
// only fails past an end), and only those two are tried before writing.
template <typename Answer>
hk_status dates(const int64_t* days, size_t n, int64_t* out, size_t* first_bad, bool edges, Answer answer) {
    int64_t low = INT64_MAX, high = INT64_MIN, r = 0;
    size_t low_at = 0, high_at = 0;
    for (size_t i = 0; i < n; ++i) {
        if (days[i] == HK_NAT) continue;
        if (!covered(days[i]) || (!edges && !answer(i, days[i], r))) return refuse(HK_ERANGE, i, first_bad);
        if (days[i] < low) low = days[i], low_at = i;
        if (days[i] > high) high = days[i], high_at = i;
    }
    if (edges && low <= high && (!answer(low_at, low, r) || !answer(high_at, high, r))) {
        for (size_t i = 0; i < n; ++i) {
            if (days[i] != HK_NAT && !answer(i, days[i], r)) return refuse(HK_ERANGE, i, first_bad);
        }
    }
    for (size_t i = 0; i < n; ++i) out[i] = days[i] != HK_NAT && answer(i, days[i], r) ? r : HK_NAT;
    return refuse(HK_OK, n, first_bad);
}

// The month bits of the holidays of a list (kind, options, rest day) per
// year, made when a call first needs the year; the general list is the
// table's.
class Lists {
public:
    Lists(uint32_t kind, uint32_t options, int32_t rest_day) : kind_(kind), options_(options), rest_day_(rest_day) {}
    bool holds(Position p) {
        if (kind_ == HK_GENERAL) return (table::kMonthHolidays[static_cast<std::size_t>(p.month)] >> p.day & 1) != 0;
        const auto y = static_cast<std::size_t>(p.month / 12);
        if (!made_[y]) make(y);
        return (bits_[y][static_cast<std::size_t>(p.month % 12)] >> p.day & 1) != 0;
    }

private:
    void make(std::size_t y) {
        const int32_t year = business::kFirstYear + static_cast<int32_t>(y);
        const law::List published = law::statutory(year, (options_ & HK_CHRISTMAS) != 0);
        for (const law::Day& d : rest_day_ == HK_NO_REST_DAY ? published : law::given(published, rest_day_)) {
            const Date date = to_date(d.date);
            if (date.year == year) bits_[y][static_cast<std::size_t>(date.month - 1)] |= 1u << (date.day - 1);
        }
        made_[y] = true;
    }
    uint32_t kind_, options_;
    int32_t rest_day_;
    std::array<std::array<uint32_t, 12>, business::kYears> bits_{};
    std::array<bool, business::kYears> made_{};
};

// Element i of a column of steps: days[i] moved steps(i) business days.
template <typename Steps>
hk_status add(const int64_t* days, size_t n, uint8_t workdays, bool edges, int64_t* out, size_t* first_bad, Steps steps) {
    const uint32_t mask = workdays & 0x7Fu;
    if (mask == 0) return refuse(HK_EINVAL, n, first_bad);
    return dates(days, n, out, first_bad, edges, [&](size_t i, int64_t day, int64_t& r) {
        Position p = at(day);
        return General::add(mask, p, steps(i)) && (r = day_of(p), true);
    });
}

}  // namespace

extern "C" hk_status hk_days_is_business_day(const int64_t* days, size_t n, uint8_t workdays, uint8_t* out,
                                             size_t* first_bad) {
    if (n > 0 && (!days || !out)) return refuse(HK_ENULL, n, first_bad);
    const uint32_t mask = workdays & 0x7Fu;
    if (mask == 0) return refuse(HK_EINVAL, n, first_bad);
    return columns::run(
        n, first_bad, [&](size_t i) { return check_day(days[i]); },
        [&](size_t i) { out[i] = days[i] != HK_NAT && General::is_open(mask, at(days[i])); });
}

extern "C" hk_status hk_days_is_holiday(const int64_t* days, size_t n, uint32_t kind, uint32_t options,
                                        int32_t rest_day, uint8_t* out, size_t* first_bad) {
    if (n > 0 && (!days || !out)) return refuse(HK_ENULL, n, first_bad);
    const Date probe{2000, 1, 1};  // the arguments checked as hk_is_holiday checks them
    int32_t ignored = 0;
    if (hk_status s = hk_is_holiday(&probe, kind, options, rest_day, &ignored)) return refuse(s, n, first_bad);
    Lists lists(kind, options, rest_day);
    return columns::run(
        n, first_bad, [&](size_t i) { return check_day(days[i]); },
        [&](size_t i) { out[i] = days[i] != HK_NAT && lists.holds(at(days[i])); });
}

extern "C" hk_status hk_days_add_business_days(const int64_t* days, size_t n, int64_t step, uint8_t workdays,
                                               int64_t* out, size_t* first_bad) {
    if (n > 0 && (!days || !out)) return refuse(HK_ENULL, n, first_bad);
    // One step for all: an answer can only run past the end its step points to.
    return add(days, n, workdays, true, out, first_bad, [&](size_t) { return step; });
}

extern "C" hk_status hk_days_add_business_days_each(const int64_t* days, const int64_t* steps, size_t n,
                                                    uint8_t workdays, int64_t* out, size_t* first_bad) {
    if (n > 0 && (!days || !steps || !out)) return refuse(HK_ENULL, n, first_bad);
    return add(days, n, workdays, false, out, first_bad, [&](size_t i) { return steps[i]; });
}

extern "C" hk_status hk_days_roll(const int64_t* days, size_t n, int32_t convention, uint8_t workdays, int64_t* out,
                                  size_t* first_bad) {
    if (n > 0 && (!days || !out)) return refuse(HK_ENULL, n, first_bad);
    const uint32_t mask = workdays & 0x7Fu;
    if (mask == 0 || convention < HK_FOLLOWING || convention > HK_MODIFIED_PRECEDING) return refuse(HK_EINVAL, n, first_bad);
    // A roll fails only before the first business day or after the last.
    return dates(days, n, out, first_bad, true, [&](size_t, int64_t day, int64_t& r) {
        Position p = at(day);
        return General::roll(mask, convention, p) && (r = day_of(p), true);
    });
}

extern "C" hk_status hk_days_business_days_between(const int64_t* start, const int64_t* end, size_t n,
                                                   uint8_t workdays, int64_t* out, size_t* first_bad) {
    if (n > 0 && (!start || !end || !out)) return refuse(HK_ENULL, n, first_bad);
    const uint32_t mask = workdays & 0x7Fu;
    if (mask == 0) return refuse(HK_EINVAL, n, first_bad);
    const auto missing = [&](size_t i) { return start[i] == HK_NAT || end[i] == HK_NAT; };
    return columns::run(
        n, first_bad, [&](size_t i) { return missing(i) || (covered(start[i]) && covered(end[i])) ? HK_OK : HK_ERANGE; },
        [&](size_t i) { out[i] = missing(i) ? HK_NAT : General::between(mask, at(start[i]), at(end[i])); });
}
