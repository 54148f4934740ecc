// Peers from Howard Hinnant's date library (days_from_civil and
// civil_from_days), compiled only where its header is installed.
#include <date/date.h>

#include "peers.hpp"

namespace peer {
namespace {

// JD 2440588 is 1970-01-01, day 0 of date::sys_days.
constexpr int64_t kUnixEpochJD = 2440588;

date::sys_days jd_to_sys_days(double jd) {
    return date::sys_days{date::days{static_cast<int>(static_cast<int64_t>(jd) - kUnixEpochJD)}};
}

}  // namespace

double hinnant_date_to_JD0(const Date* d) {
    const date::sys_days t{date::year_month_day{date::year{d->year}, date::month{static_cast<unsigned>(d->month)},
                                                date::day{static_cast<unsigned>(d->day)}}};
    return static_cast<double>(t.time_since_epoch().count() + kUnixEpochJD);
}

Date hinnant_JD0_to_date(double jd) {
    const date::year_month_day ymd{jd_to_sys_days(jd)};
    return Date{static_cast<int>(ymd.year()), static_cast<int32_t>(static_cast<unsigned>(ymd.month())),
                static_cast<int32_t>(static_cast<unsigned>(ymd.day()))};
}

int32_t hinnant_day_of_week(double jd) {
    return static_cast<int32_t>(date::weekday{jd_to_sys_days(jd)}.c_encoding());
}

}  // namespace peer
