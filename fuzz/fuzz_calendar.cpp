// Fuzzes the calendar core, comparison and packing, date arithmetic, the
// weekday index and the weekday searches (40 functions) with arbitrary
// arguments, checking each result against the slow literal model and the
// round trips that must hold for every input.
#include <cstddef>
#include <cstdint>

#include "fuzz_input.hpp"
#include "hkcal.h"
#include "literal.hpp"
#include "reference.hpp"

namespace {

using fuzz::Input;
using fuzz::text;

// A JD0 whose truncation is an int32 (false for NaN and infinities).
bool jd_in_int32(double jd) { return jd > -2147483649.0 && jd < 2147483648.0; }

// Every date the library makes from a JD0 is null or valid.
void expect_null_or_valid(const Date& d, const char* call, double jd) {
    FUZZ_CHECK(fuzz::is_null(d) || ref::valid_date(d) == 1, "%s(%s) gave %s, not a valid date", call,
               text(jd).s, text(d).s);
}

// valid_date, and the round trip through the JD0 that holds exactly for
// valid dates: a valid date whose JD0 is an int32 comes back unchanged, and
// an invalid one comes back as some other (valid) date.
void check_valid_date(const Date& d) {
    const int32_t valid = valid_date(&d);
    FUZZ_EXPECT_EQ(valid, ref::valid_date(d), "valid_date(%s)", text(d).s);
    const double jd = date_to_JD0(&d);
    if (!jd_in_int32(jd)) return;
    const Date back = JD0_to_date(jd);
    FUZZ_CHECK(fuzz::same(back, d) == (valid == 1), "valid_date(%s) is %d but JD0 %s converts back to %s",
               text(d).s, valid, text(jd).s, text(back).s);
}

void check_date_to_JD0(const Date& d) {
    const double jd = date_to_JD0(&d);
    FUZZ_EXPECT_EQ(jd, ref::date_to_JD0(d), "date_to_JD0(%s)", text(d).s);
}

// The calendar is chosen by trunc(jd); the Gregorian side rounds a fraction
// half up, the Julian side floors it.
void check_JD0_to_date(double jd) {
    const Date d = JD0_to_date(jd);
    if (!jd_in_int32(jd)) {
        FUZZ_EXPECT_EQ(d, ref::null_date(), "JD0_to_date(%s)", text(jd).s);
        return;
    }
    expect_null_or_valid(d, "JD0_to_date", jd);
    if (std::trunc(jd) >= 2299161) {
        FUZZ_EXPECT_EQ(d, ref::JD0_to_gregorian(jd), "JD0_to_date(%s)", text(jd).s);
        return;
    }
    const double whole = std::floor(jd);
    FUZZ_EXPECT_EQ(d, ref::JD0_to_julian(whole), "JD0_to_date(%s)", text(jd).s);
    if (whole == jd)
        FUZZ_CHECK(date_to_JD0(&d) == jd, "date_to_JD0(JD0_to_date(%s) = %s) is not back", text(jd).s, text(d).s);
}

void check_JD0_to_gregorian(double jd) {
    const Date d = JD0_to_gregorian(jd);
    if (!jd_in_int32(jd)) {
        FUZZ_EXPECT_EQ(d, ref::null_date(), "JD0_to_gregorian(%s)", text(jd).s);
        return;
    }
    const double whole = std::floor(jd + 0.5);
    if (whole >= -2147483648.0 && whole <= 2147483648.0)
        FUZZ_EXPECT_EQ(d, ref::JD0_to_gregorian(jd), "JD0_to_gregorian(%s)", text(jd).s);
}

// The proleptic Julian date of floor(jd), for every jd whose truncation is an
// int32: the literal walk up to 2299248, and beyond it the date whose Julian
// day number (the first steps of date_to_JD0) is floor(jd).
void check_JD0_to_julian(double jd) {
    const Date d = JD0_to_julian(jd);
    if (!jd_in_int32(jd)) {
        FUZZ_EXPECT_EQ(d, ref::null_date(), "JD0_to_julian(%s)", text(jd).s);
        return;
    }
    const double whole = std::floor(jd);
    FUZZ_CHECK(ref::real_julian_date(d), "JD0_to_julian(%s) gave %s", text(jd).s, text(d).s);
    if (whole <= 2299248) {
        FUZZ_EXPECT_EQ(d, ref::JD0_to_julian(whole), "JD0_to_julian(%s)", text(jd).s);
        return;
    }
    const double a = (static_cast<double>(d.year) + 4800) * 12 + d.month - 3;
    const double julian_day = std::floor(((a - std::floor(a / 12) * 12) * 2 + 7 + a * 365) / 12) + d.day +
                              std::floor(a / 48) - 32083;
    FUZZ_EXPECT_EQ(julian_day, whole, "Julian day number of JD0_to_julian(%s) = %s", text(jd).s, text(d).s);
}

void check_day_number(const Date& d) {
    const int32_t n = date_to_day_number(&d);
    FUZZ_EXPECT_EQ(n, ref::date_to_day_number(d), "date_to_day_number(%s)", text(d).s);
    if (ref::valid_date(d) == 1)
        FUZZ_EXPECT_EQ(day_number_to_date(d.year, n), d, "day_number_to_date(%d, %d)", d.year, n);
}

void check_day_number_to_date(int32_t year, int32_t n) {
    const Date d = day_number_to_date(year, n);
    FUZZ_EXPECT_EQ(d, ref::day_number_to_date(year, n), "day_number_to_date(%d, %d)", year, n);
    if (d.month != 0) FUZZ_EXPECT_EQ(date_to_day_number(&d), n, "date_to_day_number(%s)", text(d).s);
}

void check_comparisons(const Date& a, const Date& b) {
    struct Comparison {
        const char* name;
        int32_t (*library)(const Date*, const Date*);
        int32_t (*model)(const Date&, const Date&);
    };
    static constexpr Comparison kComparisons[] = {
        {"date_equal", date_equal, ref::date_equal},
        {"date_not_equal", date_not_equal, ref::date_not_equal},
        {"date_greater", date_greater, ref::date_greater},
        {"date_less", date_less, ref::date_less},
        {"date_greater_or_equal", date_greater_or_equal, ref::date_greater_or_equal},
        {"date_less_or_equal", date_less_or_equal, ref::date_less_or_equal},
        {"year_equal", year_equal, ref::year_equal},
        {"month_equal", month_equal, ref::month_equal},
        {"day_equal", day_equal, ref::day_equal},
        {"day_and_month_equal", day_and_month_equal, ref::day_and_month_equal},
    };
    for (const Comparison& c : kComparisons)
        FUZZ_EXPECT_EQ(c.library(&a, &b), c.model(a, b), "%s(%s, %s)", c.name, text(a).s, text(b).s);
}

// Packing wraps modulo 2^32; a date whose packed form fits unpacks to itself,
// and every packed value except a negative one of year 0 packs back.
void check_date_to_long(const Date& d) {
    const int32_t packed = date_to_long(&d);
    FUZZ_EXPECT_EQ(packed, ref::date_to_long(d), "date_to_long(%s)", text(d).s);
    const bool fits = d.year >= -214747 && d.year <= 214747 && d.month >= 0 && d.month <= 99 && d.day >= 0 &&
                      d.day <= 99;
    if (fits) FUZZ_EXPECT_EQ(long_to_date(packed), d, "long_to_date(%d)", packed);
}

void check_long_to_date(int32_t packed) {
    const Date d = long_to_date(packed);
    FUZZ_EXPECT_EQ(d, ref::long_to_date(packed), "long_to_date(%d)", packed);
    if (packed >= 0 || d.year != 0) FUZZ_EXPECT_EQ(date_to_long(&d), packed, "date_to_long(%s)", text(d).s);
}

void check_day_arithmetic(double n, const Date& d) {
    const double jd = ref::date_to_JD0(d);
    FUZZ_EXPECT_EQ(date_N_days_after_date(n, &d), JD0_to_date(jd + n), "date_N_days_after_date(%s, %s)",
                   text(n).s, text(d).s);
    FUZZ_EXPECT_EQ(date_N_days_before_date(n, &d), JD0_to_date(jd - n), "date_N_days_before_date(%s, %s)",
                   text(n).s, text(d).s);
}

void check_add_day_with_weekday_flag(int32_t n, uint8_t flags, const Date& d) {
    const Date got = add_day_with_weekday_flag(n, flags, &d);
    FUZZ_EXPECT_EQ(got, ref::add_day_with_weekday_flag(n, flags, d), "add_day_with_weekday_flag(%d, 0x%02X, %s)",
                   n, flags, text(d).s);
}

// The congruence agrees with the JD0 weekday on the Gregorian dates up to
// 4599-12-31.
void check_day_of_week_index(const Date& d) {
    const int32_t dow = day_of_week_index(&d);
    FUZZ_EXPECT_EQ(dow, ref::day_of_week_index(d), "day_of_week_index(%s)", text(d).s);
    if (ref::gregorian_valid(d) && d.year <= 4599) {
        const double jd = date_to_JD0(&d);
        FUZZ_EXPECT_EQ(dow, day_of_week_index_JD0(jd), "day_of_week_index(%s) vs its JD0 %s", text(d).s, text(jd).s);
    }
}

// A search's result, when not null, has the weekday asked for.
void expect_weekday(const Date& got, uint32_t dow, const char* call) {
    if (fuzz::is_null(got)) return;
    const auto w = static_cast<uint32_t>(ref::true_weekday(ref::date_to_JD0(got)));
    FUZZ_CHECK(w == dow, "%s gave %s, a weekday %u, not %u", call, text(got).s, w, dow);
}

void check_nth_dow_from_date(int32_t n, uint32_t dow, const Date& d) {
    const Date after = Nth_DOW_after_date(n, dow, &d);
    FUZZ_EXPECT_EQ(after, lit::Nth_DOW_after_date(n, dow, d), "Nth_DOW_after_date(%d, %u, %s)", n, dow, text(d).s);
    expect_weekday(after, dow, "Nth_DOW_after_date");
    const Date before = Nth_DOW_before_date(n, dow, &d);
    FUZZ_EXPECT_EQ(before, lit::Nth_DOW_before_date(n, dow, d), "Nth_DOW_before_date(%d, %u, %s)", n, dow,
                   text(d).s);
    expect_weekday(before, dow, "Nth_DOW_before_date");
}

// The weekdays of a month, counted one by one, add up to its length.
void check_dows_in_month(uint32_t dow, int32_t month, int32_t year) {
    const int32_t count = number_of_DOWs_in_month(dow, month, year);
    FUZZ_EXPECT_EQ(count, lit::number_of_DOWs_in_month(dow, month, year), "number_of_DOWs_in_month(%u, %d, %d)",
                   dow, month, year);
    if (month < 1 || month > 12 || year < -5000000 || year > 5000000) return;
    int32_t total = 0;
    for (uint32_t w = 0; w <= 6; ++w) total += number_of_DOWs_in_month(w, month, year);
    FUZZ_EXPECT_EQ(total, ref::days_in_month_for_year(year, month), "sum of number_of_DOWs_in_month(*, %d, %d)",
                   month, year);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in(data, size);
    while (!in.done()) {
        switch (in.next_call(31)) {
            case 0: {
                const int32_t y = in.year(), m = in.month(), d = in.day();
                FUZZ_EXPECT_EQ(make_date(y, m, d), (Date{y, m, d}), "make_date(%d, %d, %d)", y, m, d);
                break;
            }
            case 1: {
                const int32_t y = in.year();
                FUZZ_EXPECT_EQ(leap_year(y), ref::leap_year(y), "leap_year(%d)", y);
                FUZZ_EXPECT_EQ(days_in_year(y), ref::days_in_year(y), "days_in_year(%d)", y);
                break;
            }
            case 2: {
                const int32_t m = in.month();
                FUZZ_EXPECT_EQ(days_in_month(m), ref::days_in_month(m), "days_in_month(%d)", m);
                break;
            }
            case 3: {
                const int32_t y = in.year(), m = in.month();
                FUZZ_EXPECT_EQ(days_in_month_for_year(y, m), ref::days_in_month_for_year(y, m),
                               "days_in_month_for_year(%d, %d)", y, m);
                break;
            }
            case 4: check_valid_date(in.date()); break;
            case 5: check_date_to_JD0(in.date()); break;
            case 6: check_JD0_to_date(in.real()); break;
            case 7: check_JD0_to_gregorian(in.real()); break;
            case 8: check_JD0_to_julian(in.real()); break;
            case 9: {
                const int32_t y = in.year();
                FUZZ_EXPECT_EQ(year_to_jan_0_JD0(y), ref::year_to_jan_0_JD0(y), "year_to_jan_0_JD0(%d)", y);
                break;
            }
            case 10: check_day_number(in.date()); break;
            case 11: {
                const int32_t y = in.year();
                check_day_number_to_date(y, in.day_number());
                break;
            }
            case 12: {
                const Date a = in.date();
                Date b = in.date();
                const uint8_t copy = in.u8();  // fields of b made equal to a's
                if (copy & 1) b.year = a.year;
                if (copy & 2) b.month = a.month;
                if (copy & 4) b.day = a.day;
                check_comparisons(a, b);
                break;
            }
            case 13: check_date_to_long(in.date()); break;
            case 14: check_long_to_date(in.i32()); break;
            case 15: {
                const double n = in.real();
                check_day_arithmetic(n, in.date());
                break;
            }
            case 16: {
                const Date a = in.date(), b = in.date();
                FUZZ_EXPECT_EQ(days_between_dates(&a, &b), ref::days_between_dates(a, b),
                               "days_between_dates(%s, %s)", text(a).s, text(b).s);
                break;
            }
            case 17: {
                const int32_t n = in.count();
                const Date d = in.date();
                FUZZ_EXPECT_EQ(add_month(n, &d), ref::add_month(n, d), "add_month(%d, %s)", n, text(d).s);
                break;
            }
            case 18: {
                const int32_t n = in.count();
                const Date d = in.date();
                FUZZ_EXPECT_EQ(add_year(n, &d), ref::add_year(n, d), "add_year(%d, %s)", n, text(d).s);
                break;
            }
            case 19: {
                const int32_t n = in.count();
                const uint8_t flags = in.u8();
                check_add_day_with_weekday_flag(n, flags, in.date());
                break;
            }
            case 20: {
                const double jd = in.real();
                FUZZ_EXPECT_EQ(day_of_week_index_JD0(jd), ref::day_of_week_index_JD0(jd), "day_of_week_index_JD0(%s)",
                               text(jd).s);
                break;
            }
            case 21: check_day_of_week_index(in.date()); break;
            case 22: {
                const Date d = in.date();
                const int32_t dow = in.count();
                FUZZ_EXPECT_EQ(is_day_of_week(&d, dow), ref::is_day_of_week(d, dow), "is_day_of_week(%s, %d)",
                               text(d).s, dow);
                break;
            }
            case 23: {
                const int32_t n = in.count();
                const uint32_t dow = in.index(9);
                check_nth_dow_from_date(n, dow, in.date());
                break;
            }
            case 24: {
                const int32_t n = in.count();
                const uint32_t dow = in.index(9);
                const int32_t m = in.month(), y = in.year();
                const Date got = Nth_DOW_of_month(n, dow, m, y);
                FUZZ_EXPECT_EQ(got, lit::Nth_DOW_of_month(n, dow, m, y), "Nth_DOW_of_month(%d, %u, %d, %d)", n, dow,
                               m, y);
                expect_weekday(got, dow, "Nth_DOW_of_month");
                break;
            }
            case 25: {
                const uint32_t dow = in.index(9);
                const Date d = in.date();
                const Date got = DOW_closest_to_date(dow, &d);
                FUZZ_EXPECT_EQ(got, lit::DOW_closest_to_date(dow, d), "DOW_closest_to_date(%u, %s)", dow, text(d).s);
                break;
            }
            case 26: {
                const uint32_t dow = in.index(9);
                const int32_t m = in.month(), y = in.year();
                check_dows_in_month(dow, m, y);
                break;
            }
            case 27: {
                const int32_t n = in.count(), m = in.month(), y = in.year();
                const Date got = Nth_full_weekend(n, m, y);
                FUZZ_EXPECT_EQ(got, lit::Nth_full_weekend(n, m, y), "Nth_full_weekend(%d, %d, %d)", n, m, y);
                expect_weekday(got, 6, "Nth_full_weekend");
                break;
            }
            default: {  // whole JD0s of the full int32 range and back
                const double jd = static_cast<double>(in.i32());
                const Date d = JD0_to_date(jd);
                FUZZ_CHECK(ref::valid_date(d) == 1, "JD0_to_date(%s) gave %s, not a valid date", text(jd).s,
                           text(d).s);
                FUZZ_EXPECT_EQ(date_to_JD0(&d), jd, "date_to_JD0(%s)", text(d).s);
                break;
            }
        }
    }
    return 0;
}
