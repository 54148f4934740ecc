// Julian Day Numbers: the exported wrappers.
#include "calendar/date_to_jd.hpp"
#include "calendar/int_math.hpp"
#include "calendar/jd_to_date.hpp"

using namespace hkcal::detail;

extern "C" {

double date_to_JD0(const Date* date) {
    return static_cast<double>(fields_to_jd(date->year, date->month, date->day));
}

Date JD0_to_date(double jd) { return date_from_jd0_rounded(jd); }

Date JD0_to_gregorian(double jd) {
    return jd_in_range(jd) ? gregorian_from_jd(floor_to_int(jd + 0.5)) : kNullDate;
}

Date JD0_to_julian(double jd) {
    return jd_in_range(jd) ? julian_from_jd(floor_to_int(jd)) : kNullDate;
}

double year_to_jan_0_JD0(int32_t year) {
    // JD 1721423 is 0000-12-31 (Julian), the day before 0001-01-01.
    const int64_t y = int64_t{year} - 1;
    int64_t jd = floor_div(y * 1461, 4) + 1721423;  // floor((year - 1) * 365.25)
    if (year >= kFirstGregorianYear) {
        const int64_t c = y / 100;  // truncating, as y > 0 here
        jd += c / 4 - c + 2;
    }
    return static_cast<double>(jd);
}

}  // extern "C"
