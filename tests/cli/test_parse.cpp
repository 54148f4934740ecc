// The tool's argument parsers on well-formed and hostile text: every
// accepted value is the one meant, every other text throws UsageError
// (and, under the sanitizers, does nothing undefined on the way).
#include <gtest/gtest.h>

#include <string>

#include "hkcal.h"
#include "parse.hpp"

namespace {

using namespace hkcal::tool;

TEST(Parse, Dates) {
    struct Case {
        const char* text;
        int32_t y, m, d;
    };
    for (const Case& c : {Case{"2024-02-29", 2024, 2, 29}, Case{"-0044-03-15", -44, 3, 15}, Case{"0000-01-01", 0, 1, 1},
                          Case{"1582-10-04", 1582, 10, 4}, Case{"1582-10-15", 1582, 10, 15},
                          Case{"-4712-01-01", -4712, 1, 1}, Case{"9999-12-31", 9999, 12, 31}, Case{"1-01-01", 1, 1, 1}}) {
        Date got = parse_date(c.text);
        EXPECT_EQ(got.year, c.y) << c.text;
        EXPECT_EQ(got.month, c.m) << c.text;
        EXPECT_EQ(got.day, c.d) << c.text;
    }
    for (const char* bad : {"", "-", "--", "2024", "2024-02", "2024-02-30", "2023-02-29", "1582-10-05", "1582-10-14",
                            "2024-00-10", "2024-1-01", "+2024-01-01", "2024-01-01x", "2024-01-01-", "99999-01-01",
                            "-99999-01-01", "2024--01-01", "-5000-01-01", "-4713-12-31", "1700-02-29", "2024-04-31"}) {
        EXPECT_THROW(parse_date(bad), UsageError) << bad;
    }
    EXPECT_NO_THROW(parse_date("1600-02-29"));  // Gregorian leap
    EXPECT_NO_THROW(parse_date("1500-02-29"));  // Julian leap
}

TEST(Parse, YearsAndMonths) {
    EXPECT_EQ(parse_year("2026"), 2026);
    EXPECT_EQ(parse_year("-4712"), -4712);
    EXPECT_EQ(parse_year("0"), 0);
    for (const char* bad : {"", "-", "10000", "-4713", "20x6", " 2026", "2026 ", "+2026"}) {
        EXPECT_THROW(parse_year(bad), UsageError) << bad;
    }
    YearMonth ym = parse_year_month("-0001-12");
    EXPECT_EQ(ym.year, -1);
    EXPECT_EQ(ym.month, 12);
    for (const char* bad : {"2024", "2024-13", "2024-00", "2024-1", "2024-01-01", "-"}) {
        EXPECT_THROW(parse_year_month(bad), UsageError) << bad;
    }
}

TEST(Parse, LunarDates) {
    struct Case {
        const char* text;
        int32_t y, m, d;
    };
    for (const Case& c : {Case{"2023-L2-01", 2023, -2, 1}, Case{"2023-l02-29", 2023, -2, 29}, Case{"2023-2-1", 2023, 2, 1},
                          Case{"1936-01-01", 1936, 1, 1}, Case{"2031-11-18", 2031, 11, 18}}) {
        Date got = parse_lunar_date(c.text);
        EXPECT_EQ(got.year, c.y) << c.text;
        EXPECT_EQ(got.month, c.m) << c.text;
        EXPECT_EQ(got.day, c.d) << c.text;
    }
    for (const char* bad : {"2031-11-19", "2023-L3-01", "2023-L2-30", "1935-12-01", "2032-01-01", "2024-00-01",
                            "2024-01-00", "2024-1-31", "L2", "2023-LL2-01", "2023-L-01", "", "2023-012-01"}) {
        EXPECT_THROW(parse_lunar_date(bad), UsageError) << bad;
    }
}

TEST(Parse, Counts) {
    EXPECT_EQ(parse_count("0", "n"), 0);
    EXPECT_EQ(parse_count("+5", "n"), 5);
    EXPECT_EQ(parse_count("-2147483648", "n"), INT32_MIN);
    EXPECT_EQ(parse_count("2147483647", "n"), INT32_MAX);
    for (const char* bad : {"2147483648", "-2147483649", "", "-", "+", "+-5", "5.0", "0x10", " 5", "5 "}) {
        EXPECT_THROW(parse_count(bad, "n"), UsageError) << bad;
    }
}

TEST(Parse, Offsets) {
    EXPECT_EQ(parse_offset("+0800", "--to"), 800);
    EXPECT_EQ(parse_offset("-0530", "--to"), -530);
    EXPECT_EQ(parse_offset("+05:45", "--to"), 545);
    EXPECT_EQ(parse_offset("+08", "--to"), 800);
    EXPECT_EQ(parse_offset("-00", "--to"), 0);
    for (const char* bad : {"0800", "+8", "+2400", "+0860", "+08:0", "", "+", "local", "+08:000", "++0800"}) {
        EXPECT_THROW(parse_offset(bad, "--to"), UsageError) << bad;
    }
}

TEST(Parse, Weekdays) {
    EXPECT_EQ(parse_weekdays("Mon-Fri"), 0x3E);
    EXPECT_EQ(parse_weekdays("mon-fri,SAT"), 0x7E);
    EXPECT_EQ(parse_weekdays("Fri-Mon"), 0x63);  // Friday, Saturday, Sunday, Monday
    EXPECT_EQ(parse_weekdays("Sun"), 0x01);
    EXPECT_EQ(parse_weekdays("Sun-Sat"), 0x7F);
    for (const char* bad : {"", "Mon,", "Mo", "Mon-", "Mon-Tue-Wed", "Monday", ",", "-"}) {
        EXPECT_THROW(parse_weekdays(bad), UsageError) << bad;
    }
}

TEST(Parse, ClockTimes) {
    SYSTEMTIME t = parse_clock_time("2024-02-29T23:59");
    EXPECT_EQ(t.wYear, 2024);
    EXPECT_EQ(t.wMonth, 2);
    EXPECT_EQ(t.wDay, 29);
    EXPECT_EQ(t.wHour, 23);
    EXPECT_EQ(t.wMinute, 59);
    EXPECT_EQ(t.wDayOfWeek, 4);  // Thursday
    for (const char* bad : {"2024-01-01", "2024-01-01 24:00", "2024-01-01 12:60", "1600-12-31 00:00",
                            "2024-01-01 1:00", "2024-02-30 12:00", "", " 12:00"}) {
        EXPECT_THROW(parse_clock_time(bad), UsageError) << bad;
    }
}

}  // namespace
