// The business-day and holiday columns (hk_days_*, hk_days32_*): the engine
// over the general holidays, element by element, after every element is checked.
#include <array>

#include "hk/business_general.hpp"
#include "hk/columns.hpp"
#include "hk/holiday_table.hpp"

namespace {

using namespace hkcal::hk;
using namespace hkcal::hk::columns;
using business::Position;
using business::General;

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

// Whether each day is in the list of its year that kind, options and rest_day name.
template <typename T>
hk_status is_holiday(const T* days, size_t n, uint32_t kind, uint32_t options, int32_t rest_day, uint8_t* out,
                     size_t* first_bad) {
    if (n > 0 && (!days || !out)) return refuse(HK_ENULL, n, first_bad);
    const Date probe{2000, 1, 1};  // the arguments checked as hk_is_holiday checks them
    int32_t ignored = 0;
    if (hk_status s = hk_is_holiday(&probe, kind, options, rest_day, &ignored)) return refuse(s, n, first_bad);
    Lists lists(kind, options, rest_day);
    return columns::run(
        n, first_bad, [&](size_t i) { return check_day(days[i]); },
        [&](size_t i) { out[i] = !is_nat(days[i]) && lists.holds(at(days[i])); });
}

}  // namespace

// Each column of day counts for int64_t and int32_t (date32) elements alike.

extern "C" hk_status hk_days_is_business_day(const int64_t* days, size_t n, uint8_t workdays, uint8_t* out,
                                             size_t* first_bad) {
    return is_open<General>(days, n, workdays, out, first_bad);
}
extern "C" hk_status hk_days32_is_business_day(const int32_t* days, size_t n, uint8_t workdays, uint8_t* out,
                                               size_t* first_bad) {
    return is_open<General>(days, n, workdays, out, first_bad);
}

extern "C" hk_status hk_days_is_holiday(const int64_t* days, size_t n, uint32_t kind, uint32_t options,
                                        int32_t rest_day, uint8_t* out, size_t* first_bad) {
    return is_holiday(days, n, kind, options, rest_day, out, first_bad);
}
extern "C" hk_status hk_days32_is_holiday(const int32_t* days, size_t n, uint32_t kind, uint32_t options,
                                          int32_t rest_day, uint8_t* out, size_t* first_bad) {
    return is_holiday(days, n, kind, options, rest_day, out, first_bad);
}

extern "C" hk_status hk_days_add_business_days(const int64_t* days, size_t n, int64_t step, uint8_t workdays,
                                               int64_t* out, size_t* first_bad) {
    return add_step<General>(days, n, step, workdays, out, first_bad);
}
extern "C" hk_status hk_days32_add_business_days(const int32_t* days, size_t n, int32_t step, uint8_t workdays,
                                                 int32_t* out, size_t* first_bad) {
    return add_step<General>(days, n, step, workdays, out, first_bad);
}

extern "C" hk_status hk_days_add_business_days_each(const int64_t* days, const int64_t* steps, size_t n,
                                                    uint8_t workdays, int64_t* out, size_t* first_bad) {
    return add_each<General>(days, steps, n, workdays, out, first_bad);
}
extern "C" hk_status hk_days32_add_business_days_each(const int32_t* days, const int32_t* steps, size_t n,
                                                      uint8_t workdays, int32_t* out, size_t* first_bad) {
    return add_each<General>(days, steps, n, workdays, out, first_bad);
}

extern "C" hk_status hk_days_roll(const int64_t* days, size_t n, int32_t convention, uint8_t workdays, int64_t* out,
                                  size_t* first_bad) {
    return roll<General>(days, n, convention, workdays, out, first_bad);
}
extern "C" hk_status hk_days32_roll(const int32_t* days, size_t n, int32_t convention, uint8_t workdays, int32_t* out,
                                    size_t* first_bad) {
    return roll<General>(days, n, convention, workdays, out, first_bad);
}

extern "C" hk_status hk_days_business_days_between(const int64_t* start, const int64_t* end, size_t n,
                                                   uint8_t workdays, int64_t* out, size_t* first_bad) {
    return between<General>(start, end, n, workdays, out, first_bad);
}
extern "C" hk_status hk_days32_business_days_between(const int32_t* start, const int32_t* end, size_t n,
                                                     uint8_t workdays, int32_t* out, size_t* first_bad) {
    return between<General>(start, end, n, workdays, out, first_bad);
}
