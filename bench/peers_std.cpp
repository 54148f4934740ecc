// Peers from the C++ and C standard libraries, and the Meeus/Jones/Butcher
// Easter computus.
#include <bit>
#include <chrono>
#include <cstdlib>
#include <ctime>

#include "peers.hpp"

namespace peer {
namespace {

using namespace std::chrono;

// JD 2440588 is 1970-01-01, day 0 of sys_days and of time_t.
constexpr int64_t kUnixEpochJD = 2440588;
constexpr int64_t kSecondsPerDay = 86400;

sys_days to_sys_days(const Date& d) {
    return sys_days{year_month_day{year{d.year}, month{static_cast<unsigned>(d.month)},
                                   day{static_cast<unsigned>(d.day)}}};
}

Date to_date(sys_days t) {
    const year_month_day ymd{t};
    return Date{static_cast<int>(ymd.year()), static_cast<int32_t>(static_cast<unsigned>(ymd.month())),
                static_cast<int32_t>(static_cast<unsigned>(ymd.day()))};
}

sys_days jd_to_sys_days(double jd) { return sys_days{days{static_cast<int64_t>(jd) - kUnixEpochJD}}; }

}  // namespace

double chrono_date_to_JD0(const Date* date) {
    return static_cast<double>(to_sys_days(*date).time_since_epoch().count() + kUnixEpochJD);
}

Date chrono_JD0_to_date(double jd) { return to_date(jd_to_sys_days(jd)); }

int32_t chrono_day_of_week(double jd) {
    return static_cast<int32_t>(weekday{jd_to_sys_days(jd)}.c_encoding());
}

Date chrono_add_day_with_weekday_flag(int32_t n, uint8_t weekday_flags, const Date* date) {
    const auto flags = static_cast<unsigned>(weekday_flags & 0x7F);
    const int k = std::popcount(flags);
    if (n == 0 || k == 0) return *date;
    const int64_t step = n > 0 ? 1 : -1;
    const int64_t a = std::abs(int64_t{n});
    sys_days t = to_sys_days(*date) + days{step * 7 * (a / k)};
    for (int64_t r = a % k; r > 0;) {
        t += days{step};
        if ((flags >> weekday{t}.c_encoding()) & 1) --r;
    }
    return to_date(t);
}

Date meeus_easter(int32_t y) {
    const int32_t a = y % 19;
    const int32_t b = y / 100;
    const int32_t c = y % 100;
    const int32_t d = b / 4;
    const int32_t e = b % 4;
    const int32_t f = (b + 8) / 25;
    const int32_t g = (b - f + 1) / 3;
    const int32_t h = (19 * a + b - d - g + 15) % 30;
    const int32_t i = c / 4;
    const int32_t k = c % 4;
    const int32_t l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int32_t m = (a + 11 * h + 22 * l) / 451;
    const int32_t n = h + l - 7 * m + 114;
    return Date{y, n / 31, n % 31 + 1};
}

double glibc_date_to_JD0(const Date* date) {
    std::tm t{};
    t.tm_year = date->year - 1900;
    t.tm_mon = date->month - 1;
    t.tm_mday = date->day;
    const time_t s = timegm(&t);  // a midnight: a whole number of days
    return static_cast<double>(s / kSecondsPerDay + kUnixEpochJD);
}

Date glibc_JD0_to_date(double jd) {
    const time_t s = (static_cast<int64_t>(jd) - kUnixEpochJD) * kSecondsPerDay;
    std::tm t{};
    gmtime_r(&s, &t);
    return Date{t.tm_year + 1900, t.tm_mon + 1, t.tm_mday};
}

}  // namespace peer
