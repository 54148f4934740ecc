// Peers from ICU: GregorianCalendar (Julian up to 1582-10-04, Gregorian from
// 1582-10-15) and ChineseCalendar, compiled only where ICU is installed.
#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include "peers.hpp"

namespace peer {
namespace {

// JD 2440588 is 1970-01-01, where ICU's millisecond clock starts.
constexpr double kUnixEpochJD = 2440588.0;
constexpr double kMillisPerDay = 86400000.0;
// ICU numbers Chinese years from 2637 BCE: Gregorian year + 2637 is the
// extended year of the lunar year that begins in it.
constexpr int32_t kChineseYearOffset = 2637;

icu::Calendar* g_gregorian = nullptr;
icu::Calendar* g_chinese = nullptr;

UDate millis_of_jd(double jd) { return (jd - kUnixEpochJD) * kMillisPerDay; }
double jd_of_millis(UDate ms) { return ms / kMillisPerDay + kUnixEpochJD; }

Date gregorian_fields() {
    UErrorCode status = U_ZERO_ERROR;
    return Date{g_gregorian->get(UCAL_EXTENDED_YEAR, status), g_gregorian->get(UCAL_MONTH, status) + 1,
                g_gregorian->get(UCAL_DATE, status)};
}

}  // namespace

bool icu_init() {
    UErrorCode status = U_ZERO_ERROR;
    g_gregorian = new icu::GregorianCalendar(*icu::TimeZone::getGMT(), status);
    g_chinese = icu::Calendar::createInstance(*icu::TimeZone::getGMT(), icu::Locale("en@calendar=chinese"), status);
    return U_SUCCESS(status) && g_gregorian != nullptr && g_chinese != nullptr;
}

double icu_date_to_JD0(const Date* date) {
    UErrorCode status = U_ZERO_ERROR;
    g_gregorian->clear();
    g_gregorian->set(UCAL_EXTENDED_YEAR, date->year);
    g_gregorian->set(UCAL_MONTH, date->month - 1);
    g_gregorian->set(UCAL_DATE, date->day);
    return jd_of_millis(g_gregorian->getTime(status));
}

Date icu_JD0_to_date(double jd) {
    UErrorCode status = U_ZERO_ERROR;
    g_gregorian->setTime(millis_of_jd(jd), status);
    return gregorian_fields();
}

int32_t icu_day_of_week(double jd) {
    UErrorCode status = U_ZERO_ERROR;
    g_gregorian->setTime(millis_of_jd(jd), status);
    return g_gregorian->get(UCAL_DAY_OF_WEEK, status) - 1;  // ICU counts Sunday as 1
}

Date icu_date_to_chinese(const Date* date) {
    UErrorCode status = U_ZERO_ERROR;
    g_chinese->setTime(millis_of_jd(chrono_date_to_JD0(date)), status);  // the cheapest Gregorian step
    const int32_t month = g_chinese->get(UCAL_MONTH, status) + 1;
    return Date{g_chinese->get(UCAL_EXTENDED_YEAR, status) - kChineseYearOffset,
                g_chinese->get(UCAL_IS_LEAP_MONTH, status) != 0 ? -month : month,
                g_chinese->get(UCAL_DATE, status)};
}

Date icu_chinese_to_date(const Date* lunar) {
    UErrorCode status = U_ZERO_ERROR;
    g_chinese->clear();
    g_chinese->set(UCAL_EXTENDED_YEAR, lunar->year + kChineseYearOffset);
    g_chinese->set(UCAL_MONTH, (lunar->month < 0 ? -lunar->month : lunar->month) - 1);
    g_chinese->set(UCAL_IS_LEAP_MONTH, lunar->month < 0 ? 1 : 0);
    g_chinese->set(UCAL_DATE, lunar->day);
    return chrono_JD0_to_date(jd_of_millis(g_chinese->getTime(status)));
}

}  // namespace peer
