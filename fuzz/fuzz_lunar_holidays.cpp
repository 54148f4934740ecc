// Fuzzes the lunar conversions, Easter and the Hong Kong holidays (31
// functions) with arbitrary arguments: lunar round trips and month
// sequence within the table's range, Easter's computus, and every holiday
// against its literal composition.
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "fuzz_input.hpp"
#include "hkcal.h"
#include "literal.hpp"
#include "reference.hpp"

namespace {

using fuzz::Input;
using fuzz::text;
using ref::same;

constexpr int32_t kFirstLunarYear = 1936;
constexpr int32_t kLastLunarYear = 2031;
// JD0 2428192 is 1936-01-24 (lunar 1936-1-1) and JD0 2463232 is 2031-12-31.
constexpr double kFirstLunarJD = 2428192;
constexpr double kLastLunarJD = 2463232;

bool in_table(int32_t lunar_year) { return lunar_year >= kFirstLunarYear && lunar_year <= kLastLunarYear; }

// A lunar date's month after `m` in the same lunar year: the leap month -m
// or the month m + 1; after a leap month -m, the month m + 1.
bool next_month(int32_t m, int32_t next) {
    if (m < 0) return next == -m + 1;
    return next == m + 1 || next == -m;
}

// A Gregorian date of the table's range converts to a lunar date that
// converts back, and the next day is the next lunar day: day + 1 of the
// month, or day 1 of the next month after a month of 29 or 30 days.
void check_date_to_chinese(const Date& d) {
    const Date lunar = date_to_chinese(&d);
    const double jd = ref::date_to_JD0(d);
    if (!ref::gregorian_valid(d) || jd < kFirstLunarJD || jd > kLastLunarJD) {
        FUZZ_EXPECT_EQ(lunar, ref::null_date(), "date_to_chinese(%s)", text(d).s);
        return;
    }
    FUZZ_CHECK(in_table(lunar.year) && lunar.month != 0 && lunar.month >= -12 && lunar.month <= 12 && lunar.day >= 1 &&
                   lunar.day <= 30,
               "date_to_chinese(%s) gave %s", text(d).s, text(lunar).s);
    FUZZ_EXPECT_EQ(chinese_to_date(&lunar), d, "chinese_to_date(date_to_chinese(%s) = %s)", text(d).s, text(lunar).s);
    if (jd == kLastLunarJD) return;
    const Date tomorrow = ref::JD0_to_date(jd + 1);
    const Date next = date_to_chinese(&tomorrow);
    const bool next_day = next.year == lunar.year && next.month == lunar.month && next.day == lunar.day + 1;
    const bool new_month = next.day == 1 && lunar.day >= 29 &&
                           (next.year == lunar.year ? next_month(lunar.month, next.month)
                                                    : next.year == lunar.year + 1 && next.month == 1 &&
                                                          (lunar.month == 12 || lunar.month == -12));
    FUZZ_CHECK(next_day || new_month, "date_to_chinese(%s) is %s but the next day's is %s", text(d).s,
               text(lunar).s, text(next).s);
}

// Outside the table: the null date. Within it, days 1-29 of months 1-12 and
// of the year's leap month round-trip (up to 2031-12-31); day 30 gives day 30 or, in a short
// month, day 1 of the next; month 0 and a negative month that is not the
// leap month count as month 1. Anything else gives a valid date or, for a
// day count the Gregorian year lacks, {year, 0, 0}.
void check_chinese_to_date(const Date& lunar) {
    const Date d = chinese_to_date(&lunar);
    if (!in_table(lunar.year)) {
        FUZZ_EXPECT_EQ(d, ref::null_date(), "chinese_to_date(%s)", text(lunar).s);
        return;
    }
    const bool year_only = d.month == 0 && d.day == 0 && (d.year == lunar.year || d.year == lunar.year + 1);
    FUZZ_CHECK(ref::valid_date(d) == 1 || year_only, "chinese_to_date(%s) gave %s", text(lunar).s, text(d).s);
    if (lunar.day < 1 || lunar.day > 30 || lunar.month < -12 || lunar.month > 12) return;
    if (lunar.month <= 0) {
        const Date probe{lunar.year, lunar.month, 1};
        const Date probe_date = chinese_to_date(&probe);
        if (lunar.month == 0 || !same(date_to_chinese(&probe_date), probe)) {
            const Date first{lunar.year, 1, lunar.day};
            FUZZ_EXPECT_EQ(d, chinese_to_date(&first), "chinese_to_date(%s)", text(lunar).s);
            return;
        }
    }
    if (ref::date_to_JD0(d) > kLastLunarJD) return;  // the end of lunar 2031 lies in 2032
    const Date back = date_to_chinese(&d);
    if (lunar.day <= 29)
        FUZZ_EXPECT_EQ(back, lunar, "date_to_chinese(chinese_to_date(%s) = %s)", text(lunar).s, text(d).s);
    else
        FUZZ_CHECK(same(back, lunar) || back.day == 1, "date_to_chinese(chinese_to_date(%s) = %s) gave %s",
                   text(lunar).s, text(d).s, text(back).s);
}

// Easter Sunday lies from March 22 to April 25 and is a Sunday, for every
// year; the days tied to it are whole days away on the JD0 line.
void check_easter(int32_t year) {
    const Date e = easter(year);
    FUZZ_EXPECT_EQ(e, lit::easter(year), "easter(%d)", year);
    const bool in_window = (e.month == 3 && e.day >= 22 && e.day <= 31) || (e.month == 4 && e.day >= 1 && e.day <= 25);
    FUZZ_CHECK(in_window && e.year == year && lit::sunday(e), "easter(%d) gave %s", year, text(e).s);
    FUZZ_EXPECT_EQ(good_friday(year), lit::plus_days(e, -2), "good_friday(%d)", year);
    FUZZ_EXPECT_EQ(good_friday_2_holiday(year), lit::plus_days(e, -1), "good_friday_2_holiday(%d)", year);
    FUZZ_EXPECT_EQ(easter_monday(year), lit::plus_days(e, 1), "easter_monday(%d)", year);
}

// ---- the Hong Kong holidays, each against its composition -------------------------

Date lunar(int32_t y, int32_t m, int32_t d) { return lit::lunar_festival(chinese_to_date, y, m, d); }
Date lunar_unless_sunday(int32_t y, int32_t m, int32_t d, double k) {
    return lit::lunar_unless_sunday(chinese_to_date, y, m, d, k);
}
// The day field written directly when the date is a Sunday.
Date day_if_sunday(const Date& d, int32_t day) { return lit::sunday(d) ? Date{d.year, d.month, day} : d; }

Date mid_autumn_holiday(int32_t y) {
    const Date festival = lunar(y, 8, 15);
    if (same(festival, ref::null_date())) return festival;
    return ref::true_weekday(ref::date_to_JD0(festival)) == 6 ? festival : lit::plus_days(festival, 1);
}

struct Holiday {
    const char* name;
    Date (*library)(int32_t);
    Date (*model)(int32_t);
};

constexpr Holiday kHolidays[] = {
    {"new_year", new_year, [](int32_t y) { return Date{y, 1, 1}; }},
    {"new_year_holiday", new_year_holiday, [](int32_t y) { return lit::unless_sunday(Date{y, 1, 1}, 1); }},
    {"lunar_new_year_day", lunar_new_year_day, [](int32_t y) { return lunar(y, 1, 1); }},
    {"lunar_new_year_day_holiday", lunar_new_year_day_holiday, [](int32_t y) { return lunar_unless_sunday(y, 1, 1, -1); }},
    {"lunar_new_year_day_2_holiday", lunar_new_year_day_2_holiday,
     [](int32_t y) { return lunar_unless_sunday(y, 1, 2, -2); }},
    {"lunar_new_year_day_3_holiday", lunar_new_year_day_3_holiday,
     [](int32_t y) { return lunar_unless_sunday(y, 1, 3, -3); }},
    {"birthday_of_the_buddha", birthday_of_the_buddha, [](int32_t y) { return lunar(y, 4, 8); }},
    {"birthday_of_the_buddha_holiday", birthday_of_the_buddha_holiday,
     [](int32_t y) { return lunar_unless_sunday(y, 4, 8, 1); }},
    {"labour_day", labour_day, [](int32_t y) { return Date{y, 5, 1}; }},
    {"labour_day_holiday", labour_day_holiday, [](int32_t y) { return lit::unless_sunday(Date{y, 5, 1}, 1); }},
    {"tuen_ng_festival", tuen_ng_festival, [](int32_t y) { return lunar(y, 5, 5); }},
    {"tuen_ng_festival_holiday", tuen_ng_festival_holiday, [](int32_t y) { return lunar_unless_sunday(y, 5, 5, 1); }},
    {"HKSAR_establishment_day", HKSAR_establishment_day, [](int32_t y) { return Date{y, 7, 1}; }},
    {"HKSAR_establishment_day_holiday", HKSAR_establishment_day_holiday,
     [](int32_t y) { return day_if_sunday(Date{y, 7, 1}, 2); }},
    {"chinese_mid_autumn_festival", chinese_mid_autumn_festival, [](int32_t y) { return lunar(y, 8, 15); }},
    {"chinese_mid_autumn_festival_holiday", chinese_mid_autumn_festival_holiday, mid_autumn_holiday},
    {"national_day", national_day, [](int32_t y) { return Date{y, 10, 1}; }},
    {"national_day_holiday", national_day_holiday, [](int32_t y) { return lit::unless_sunday(Date{y, 10, 1}, 1); }},
    {"chung_yeung_festival", chung_yeung_festival, [](int32_t y) { return lunar(y, 9, 9); }},
    {"chung_yeung_festival_holiday", chung_yeung_festival_holiday,
     [](int32_t y) { return lunar_unless_sunday(y, 9, 9, 1); }},
    {"christmas_day", christmas_day, [](int32_t y) { return Date{y, 12, 25}; }},
    {"christmas_day_holiday", christmas_day_holiday, [](int32_t y) { return lit::unless_sunday(Date{y, 12, 25}, 2); }},
    {"christmas_day_2_holiday", christmas_day_2_holiday, [](int32_t y) { return day_if_sunday(Date{y, 12, 26}, 27); }},
    {"remembrance_day", remembrance_day, [](int32_t y) { return lit::DOW_closest_to_date(0, Date{y, 11, 11}); }},
    {"sino_japanese_war_victory_day", sino_japanese_war_victory_day,
     [](int32_t y) { return lit::Nth_DOW_of_month(3, 1, 8, y); }},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in(data, size);
    while (!in.done()) {
        const unsigned op = in.next_call(3 + static_cast<unsigned>(std::size(kHolidays)));
        switch (op) {
            case 0: {
                const int32_t y = in.lunar_year(), m = in.month();
                check_date_to_chinese(Date{y, m, in.day()});
                break;
            }
            case 1: check_chinese_to_date(in.lunar_date()); break;
            case 2: check_easter(in.year()); break;
            default: {
                const Holiday& h = kHolidays[op - 3];
                const int32_t y = in.lunar_year();
                FUZZ_EXPECT_EQ(h.library(y), h.model(y), "%s(%d)", h.name, y);
                break;
            }
        }
    }
    return 0;
}
