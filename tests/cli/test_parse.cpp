// The tool's argument parsers on well-formed and hostile text: every
// accepted value is the one meant, every other text throws UsageError
// (and, under the sanitizers, does nothing undefined on the way).
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <utility>

#include "hkcal.h"
#include "parse.hpp"

namespace {

using namespace hkcal::tool;

// Each text of `good` parses to its value; each of `bad` throws UsageError.
template <class Value, class Parse>
void check_parser(Parse parse, std::initializer_list<std::pair<const char*, Value>> good,
                  std::initializer_list<const char*> bad) {
    for (const auto& [text, value] : good) EXPECT_EQ(parse(text), value) << text;
    for (const char* text : bad) EXPECT_THROW(parse(text), UsageError) << text;
}

using Fields = std::array<int32_t, 3>;
Fields fields(const Date& d) { return {d.year, d.month, d.day}; }

// The ends of the tool's years, year 0, both sides of the Gregorian reform,
// the leap days of both calendars; numbers too long for int32.
TEST(Parse, Dates) {
    check_parser<Fields>([](const char* t) { return fields(parse_date(t)); },
                         {{"-4712-01-01", {-4712, 1, 1}}, {"9999-12-31", {9999, 12, 31}}, {"0000-01-01", {0, 1, 1}},
                          {"1-01-01", {1, 1, 1}}, {"1582-10-04", {1582, 10, 4}}, {"1582-10-15", {1582, 10, 15}},
                          {"1600-02-29", {1600, 2, 29}}, {"1500-02-29", {1500, 2, 29}}},
                         {"", "-", "--", "2024", "2024-02", "2024-02-30", "2023-02-29", "1582-10-05", "1582-10-14",
                          "2024-00-10", "2024-1-01", "+2024-01-01", "2024-01-01x", "2024-01-01-", "99999-01-01",
                          "-99999-01-01", "2024--01-01", "-5000-01-01", "-4713-12-31", "1700-02-29", "2024-04-31",
                          "99999999999999999999-01-01"});
}

// A leap month as a negative month; the ends of the library's table.
TEST(Parse, LunarDates) {
    check_parser<Fields>([](const char* t) { return fields(parse_lunar_date(t)); },
                         {{"2023-L2-01", {2023, -2, 1}}, {"2023-l02-29", {2023, -2, 29}}, {"2023-2-1", {2023, 2, 1}},
                          {"1936-01-01", {1936, 1, 1}}, {"2031-11-18", {2031, 11, 18}}},
                         {"2031-11-19", "2023-L3-01", "2023-L2-30", "1935-12-01", "2032-01-01", "2024-00-01",
                          "2024-01-00", "2024-1-31", "L2", "2023-LL2-01", "2023-L-01", "", "2023-012-01"});
}

TEST(Parse, OtherArguments) {
    check_parser<int32_t>(parse_year, {{"2026", 2026}, {"-4712", -4712}, {"0", 0}},
                          {"", "-", "10000", "-4713", "20x6", " 2026", "2026 ", "+2026"});
    check_parser<std::array<int32_t, 2>>(
        [](const char* t) { return std::array{parse_year_month(t).year, parse_year_month(t).month}; },
        {{"-0001-12", {-1, 12}}}, {"2024", "2024-13", "2024-00", "2024-1", "2024-01-01", "-"});
    check_parser<int32_t>([](const char* t) { return parse_count(t, "n"); },
                          {{"0", 0}, {"+5", 5}, {"-2147483648", INT32_MIN}, {"2147483647", INT32_MAX}},
                          {"2147483648", "-2147483649", "", "-", "+", "+-5", "5.0", "0x10", " 5", "5 "});
    check_parser<int32_t>([](const char* t) { return parse_offset(t, "--to"); },
                          {{"+0800", 800}, {"-0530", -530}, {"+05:45", 545}, {"+08", 800}, {"-00", 0}},
                          {"0800", "+8", "+2400", "+0860", "+08:0", "", "+", "local", "+08:000", "++0800"});
    // Bit 0 Sunday .. bit 6 Saturday; a range may wrap around the week.
    check_parser<int>([](const char* t) { return int{parse_weekdays(t)}; },
                      {{"Mon-Fri", 0x3E}, {"mon-fri,SAT", 0x7E}, {"Fri-Mon", 0x63}, {"Sun", 0x01}, {"Sun-Sat", 0x7F}},
                      {"", "Mon,", "Mo", "Mon-", "Mon-Tue-Wed", "Monday", ",", "-"});
    using Clock = std::array<int, 6>;  // year, month, day, hour, minute, weekday (4: Thursday)
    check_parser<Clock>(
        [](const char* t) {
            const SYSTEMTIME s = parse_clock_time(t);
            return Clock{s.wYear, s.wMonth, s.wDay, s.wHour, s.wMinute, s.wDayOfWeek};
        },
        {{"2024-02-29T23:59", {2024, 2, 29, 23, 59, 4}}},
        {"2024-01-01", "2024-01-01 24:00", "2024-01-01 12:60", "1600-12-31 00:00", "2024-01-01 1:00",
         "2024-02-30 12:00", "", " 12:00"});
}

}  // namespace
