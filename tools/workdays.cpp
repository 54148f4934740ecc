// Day-by-day stepping on the JD0 line, so the 1582 cut-over and every
// holiday are seen.
#include "workdays.hpp"

#include "parse.hpp"

namespace hkcal::tool {
namespace {

// JD0 0 is -4712-01-01 (Julian) and JD0 5373484 is 9999-12-31: the tool's
// years, in all of which the library gives a weekday.
constexpr double kFirstJD = 0;
constexpr double kLastJD = 5373484;

bool working(double jd, uint8_t weekdays, HolidayBook* book) {
    int32_t dow = day_of_week_index_JD0(jd);  // [0, 6] from JD0 0 on
    if (((weekdays >> dow) & 1) == 0) return false;
    if (book == nullptr) return true;
    return !book->is_holiday(JD0_to_date(jd));
}

}  // namespace

Date add_workdays(const Date& start, int32_t n, uint8_t weekdays, HolidayBook* book) {
    if ((weekdays & 0x7F) == 0) throw UsageError("--weekdays: no day of the week is a working day");
    double jd = date_to_JD0(&start);
    const double step = n < 0 ? -1 : 1;
    for (int64_t left = n < 0 ? -static_cast<int64_t>(n) : n; left > 0;) {
        jd += step;
        if (jd < kFirstJD || jd > kLastJD) throw UsageError("the count runs past the years -4712 to 9999");
        if (working(jd, weekdays, book)) --left;
    }
    return JD0_to_date(jd);
}

int64_t count_workdays(const Date& a, const Date& b, uint8_t weekdays, HolidayBook* book) {
    const double from = date_to_JD0(&a);
    const double to = date_to_JD0(&b);
    const double low = from < to ? from : to;
    const double high = from < to ? to : from;
    int64_t count = 0;
    for (double jd = low + 1; jd <= high; ++jd) {
        if (working(jd, weekdays, book)) ++count;
    }
    return from <= to ? count : -count;
}

}  // namespace hkcal::tool
