// Exhaustive sweeps against the literal model (model.hpp): every day of
// fourteen thousand years through the JD line, every year's rules, months
// and holidays, every lunar day and field of the table. The fuzz target
// (fuzz/fuzz_classic.cpp, run by the suite on fixed inputs) covers the rest
// of each function's domain at random, its shaped arguments drawn from the
// hostile fields and the years around the cut-over.
#include <cmath>
#include <cstdint>
#include <vector>

#include "../fuzz/fuzz_input.hpp"
#include "test_support.hpp"

namespace {

using fuzz::kHostile;

// Every whole JD0 of the years -8800 to 5400, quarters on every 13th: the
// three conversions and the weekday are the model's, the date is valid and
// converts back, and its day number is one more than the day before's (1 on
// 1 January).
TEST(Sweep, EveryDayThroughTheJdLine) {
    Date previous = JD0_to_date(-1500001.0);
    for (int64_t j = -1500000; j <= 3700000; ++j) {
        const auto jd = static_cast<double>(j);
        const Date d = JD0_to_date(jd);
        ASSERT_EQ(d, model::JD0_to_date(jd));
        ASSERT_EQ(JD0_to_gregorian(jd), model::JD0_to_gregorian(jd)) << j;
        ASSERT_EQ(JD0_to_julian(jd), model::JD0_to_julian(jd)) << j;
        ASSERT_EQ(day_of_week_index_JD0(jd), model::day_of_week_index_JD0(jd)) << j;
        ASSERT_EQ(day_of_week_index(&d), model::day_of_week_index(&d)) << j;
        ASSERT_TRUE(valid_date(&d) == 1 && date_to_JD0(&d) == jd) << d;
        const int32_t n = date_to_day_number(&d);
        ASSERT_EQ(n, d.year == previous.year ? date_to_day_number(&previous) + 1 : 1) << d;
        ASSERT_EQ(day_number_to_date(d.year, n), d);
        previous = d;
        if (j % 13 == 0)
            for (const double f : {0.25, 0.5, 0.75}) {
                ASSERT_EQ(JD0_to_date(jd + f), model::JD0_to_date(jd + f)) << j << "+" << f;
                ASSERT_EQ(JD0_to_gregorian(jd + f), model::JD0_to_gregorian(jd + f)) << j << "+" << f;
            }
    }
}

// Every year from -5000 to 5000 and the hostile ones: the year's rules, its
// months' lengths, weekday counts and searches, Easter and the 25 holiday
// functions; the day numbers of every fifth year.
TEST(Sweep, EveryYearsRulesMonthsAndHolidays) {
    using Holiday = Date (*)(int32_t);
    const std::pair<Holiday, Holiday> holidays[] = {
#define BOTH(f) {f, model::f}
        BOTH(easter), BOTH(good_friday), BOTH(good_friday_2_holiday), BOTH(easter_monday), BOTH(new_year),
        BOTH(new_year_holiday), BOTH(lunar_new_year_day), BOTH(lunar_new_year_day_holiday),
        BOTH(lunar_new_year_day_2_holiday), BOTH(lunar_new_year_day_3_holiday), BOTH(birthday_of_the_buddha),
        BOTH(birthday_of_the_buddha_holiday), BOTH(labour_day), BOTH(labour_day_holiday), BOTH(tuen_ng_festival),
        BOTH(tuen_ng_festival_holiday), BOTH(HKSAR_establishment_day), BOTH(HKSAR_establishment_day_holiday),
        BOTH(chinese_mid_autumn_festival), BOTH(chinese_mid_autumn_festival_holiday), BOTH(national_day),
        BOTH(national_day_holiday), BOTH(chung_yeung_festival), BOTH(chung_yeung_festival_holiday),
        BOTH(christmas_day), BOTH(christmas_day_holiday), BOTH(christmas_day_2_holiday), BOTH(remembrance_day),
        BOTH(sino_japanese_war_victory_day),
#undef BOTH
    };
    std::vector<int32_t> years(std::begin(kHostile), std::end(kHostile));
    for (int32_t y = -5000; y <= 5000; ++y) years.push_back(y);
    for (const int32_t y : years) {
        SCOPED_TRACE(y);
        ASSERT_EQ(leap_year(y), model::leap_year(y));
        ASSERT_EQ(days_in_year(y), model::days_in_year(y));
        ASSERT_EQ(year_to_jan_0_JD0(y), model::year_to_jan_0_JD0(y));
        for (const auto& [library, model_function] : holidays) ASSERT_EQ(library(y), model_function(y));
        for (int32_t m = -1; m <= 14; ++m) {
            ASSERT_EQ(days_in_month(m), model::days_in_month(m));
            ASSERT_EQ(days_in_month_for_year(y, m), model::days_in_month_for_year(y, m)) << m;
            for (int32_t n = -1; n <= 6; ++n) {
                ASSERT_EQ(Nth_full_weekend(n, m, y), model::Nth_full_weekend(n, m, y)) << m << " " << n;
                for (uint32_t dow = 0; dow <= 7; ++dow)
                    ASSERT_EQ(Nth_DOW_of_month(n, dow, m, y), model::Nth_DOW_of_month(n, dow, m, y)) << m << " " << n;
            }
            for (uint32_t dow = 0; dow <= 7; ++dow)
                ASSERT_EQ(number_of_DOWs_in_month(dow, m, y), model::number_of_DOWs_in_month(dow, m, y)) << m;
        }
        if (y % 5 != 0 && (y < 1580 || y > 1584)) continue;
        for (int32_t n = -1; n <= 367; ++n) ASSERT_EQ(day_number_to_date(y, n), model::day_number_to_date(y, n));
    }
}

// The days around JD +-715827888, where the quick weekday ends: the
// weekday and the searches from every weekday.
TEST(Sweep, WeekdaysWhereTheQuickWeekdayEnds) {
    for (double j = 715827880; j <= 715827895; ++j)
        for (const double jd : {j, -j}) {
            const Date d = model::JD0_to_date(jd);
            ASSERT_EQ(day_of_week_index_JD0(jd), model::day_of_week_index_JD0(jd)) << jd;
            ASSERT_EQ(day_of_week_index(&d), model::day_of_week_index(&d)) << jd;
            for (uint32_t dow = 0; dow <= 6; ++dow) {
                ASSERT_EQ(Nth_DOW_after_date(2, dow, &d), model::Nth_DOW_after_date(2, dow, &d)) << jd;
                ASSERT_EQ(Nth_DOW_before_date(2, dow, &d), model::Nth_DOW_before_date(2, dow, &d)) << jd;
                ASSERT_EQ(DOW_closest_to_date(dow, &d), model::DOW_closest_to_date(dow, &d)) << jd;
            }
        }
}

// Every day of the lunar table's range converts as the model's month walk
// says and back; every year of the table and beyond it, with months and days
// in and far out of range, converts as the walk says.
TEST(Sweep, EveryLunarDayAndField) {
    for (double j = 2428192; j <= 2463232; ++j) {  // 1936-01-24 (lunar 1936-1-1) to 2031-12-31
        const Date g = model::JD0_to_date(j), lunar = date_to_chinese(&g);
        ASSERT_EQ(lunar, model::date_to_chinese(&g));
        ASSERT_EQ(chinese_to_date(&lunar), g);
    }
    std::vector<int32_t> years = {INT32_MIN, 0, 1935, 2032, INT32_MAX}, months = {INT32_MIN, -100, 100, INT32_MAX},
                         days = {INT32_MIN, -1000, 400, INT32_MAX - 500, INT32_MAX};
    for (int32_t y = 1936; y <= 2031; ++y) years.push_back(y);
    for (int32_t m = -15; m <= 16; ++m) months.push_back(m);
    for (int32_t d = -2; d <= 32; ++d) days.push_back(d);
    for (const int32_t y : years)
        for (const int32_t m : months)
            for (const int32_t d : days) {
                const Date fields{y, m, d};
                ASSERT_EQ(chinese_to_date(&fields), model::chinese_to_date(&fields)) << fields;
                ASSERT_EQ(date_to_chinese(&fields), model::date_to_chinese(&fields)) << fields;
            }
}

}  // namespace
