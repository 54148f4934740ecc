// Working days on the JD0 line, so the 1582 cut-over is seen: a span's
// working weekdays are its whole weeks times the days worked a week plus at
// most six more, less the book's holidays on working weekdays in it.
#include "workdays.hpp"

#include <algorithm>
#include <bit>

#include "dates.hpp"
#include "parse.hpp"

namespace hkcal::tool {
namespace {

// JD0 0 is -4712-01-01 (Julian) and JD0 5373484 is 9999-12-31: the tool's
// years, in all of which the library gives a weekday.
constexpr int64_t kFirstJD = 0;
constexpr int64_t kLastJD = 5373484;

bool working_weekday(int64_t jd, uint8_t weekdays) {
    return (weekdays >> day_of_week_index_JD0(static_cast<double>(jd)) & 1) != 0;  // [0, 6] from JD0 0 on
}

// Working weekdays in [low, high] (high < low: none).
int64_t weekdays_in(int64_t low, int64_t high, uint8_t weekdays) {
    if (high < low) return 0;
    const int64_t weeks = (high - low + 1) / 7;
    int64_t count = weeks * std::popcount(static_cast<uint8_t>(weekdays & 0x7F));
    for (int64_t jd = low + weeks * 7; jd <= high; ++jd) count += working_weekday(jd, weekdays);  // at most six days
    return count;
}

// The book's holidays on working weekdays in [low, high], each day once
// (a year's list is in date order; a holiday function gives a day of its own
// year).
int64_t holidays_in(int64_t low, int64_t high, uint8_t weekdays, HolidayBook& book) {
    if (high < low) return 0;
    int64_t count = 0;
    const int32_t last_year = JD0_to_date(static_cast<double>(high)).year;
    for (int32_t year = JD0_to_date(static_cast<double>(low)).year; year <= last_year; ++year) {
        int64_t previous = -1;
        for (const Holiday& h : book.year(year)) {
            const auto jd = static_cast<int64_t>(date_to_JD0(&h.date));
            if (jd >= low && jd <= high && jd != previous && working_weekday(jd, weekdays)) ++count;
            previous = jd;
        }
    }
    return count;
}

// The JD0 k > 0 working weekdays from jd in direction step (+1, -1), jd not
// counted: whole weeks first, then at most a week day by day.
int64_t step_weekdays(int64_t jd, int64_t k, int64_t step, uint8_t weekdays) {
    const int64_t per_week = std::popcount(static_cast<uint8_t>(weekdays & 0x7F));  // [1, 7]
    const int64_t weeks = (k - 1) / per_week;
    jd += step * 7 * weeks;
    for (int64_t left = k - weeks * per_week; left > 0;) {  // [1, per_week] left
        jd += step;
        left -= working_weekday(jd, weekdays);
    }
    return jd;
}

void check_weekdays(uint8_t weekdays) {
    if ((weekdays & 0x7F) == 0) throw UsageError("--weekdays: no day of the week is a working day");
}

}  // namespace

Date add_workdays(const Date& start, int32_t n, uint8_t weekdays, HolidayBook& book) {
    check_weekdays(weekdays);
    const int64_t step = n < 0 ? -1 : 1;
    auto jd = static_cast<int64_t>(date_to_JD0(&start));
    // Each round passes `left` working weekdays; the holidays among them are
    // still to go.
    for (int64_t left = n < 0 ? -static_cast<int64_t>(n) : n; left > 0;) {
        const int64_t next = step_weekdays(jd, left, step, weekdays);
        if (next < kFirstJD || next > kLastJD) throw UsageError("the count runs past the years -4712 to 9999");
        left = step > 0 ? holidays_in(jd + 1, next, weekdays, book) : holidays_in(next, jd - 1, weekdays, book);
        jd = next;
    }
    return JD0_to_date(static_cast<double>(jd));
}

int64_t count_workdays(const Date& a, const Date& b, uint8_t weekdays, HolidayBook* book) {
    const auto from = static_cast<int64_t>(date_to_JD0(&a));
    const auto to = static_cast<int64_t>(date_to_JD0(&b));
    const int64_t low = std::min(from, to) + 1, high = std::max(from, to);
    const int64_t count = weekdays_in(low, high, weekdays) - (book ? holidays_in(low, high, weekdays, *book) : 0);
    return from <= to ? count : -count;
}

}  // namespace hkcal::tool
