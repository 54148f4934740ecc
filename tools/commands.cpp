// The commands' bodies: arguments parsed, library called, output made.
#include "commands.hpp"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <optional>
#include <utility>
#include <vector>

#include "dates.hpp"
#include "exchange.hpp"
#include "format.hpp"
#include "grid.hpp"
#include "hkcal_hk.h"
#include "holiday_book.hpp"
#include "lunar.hpp"
#include "parse.hpp"
#include "workdays.hpp"

namespace hkcal::tool {
namespace {

// Today in the local time zone.
Date today() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return make_date(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

// Which of the law's lists --kind, --rest-day and --christmas ask for.
LawList law_list(const Args& a) {
    if (a.list.kind == HK_GENERAL && (a.list.rest_day != HK_NO_REST_DAY || a.list.christmas)) {
        throw UsageError(std::string(a.list.christmas ? "--christmas" : "--rest-day") + ": only with --kind=statutory");
    }
    return a.list;
}

// Nothing, or UsageError when the Hong Kong library's business-day answer
// needed holidays outside the law's years.
void check_business(hk_status status, const std::string& what) {
    if (status == HK_ERANGE) {
        throw UsageError(what + ": business days need the law's holidays, which cover " + covered_years(HK_COVERS_HOLIDAYS) +
                         "; --rules=library counts with the classic library's holidays");
    }
    if (status != HK_OK) throw UsageError(what + ": " + hk_strerror(status));
}

// DTSTAMP: now, or SOURCE_DATE_EPOCH when set (for reproducible files);
// now again when that is no time the C library can break down.
std::string dtstamp() {
    std::time_t when = std::time(nullptr);
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) when = static_cast<std::time_t>(std::strtoll(epoch, nullptr, 10));
    std::tm utc{};
#if defined(_WIN32)
    const bool broken_down = gmtime_s(&utc, &when) == 0;
#else
    const bool broken_down = gmtime_r(&when, &utc) != nullptr;
#endif
    if (!broken_down || utc.tm_year + 1900 > 9999) {
        when = std::time(nullptr);
#if defined(_WIN32)
        gmtime_s(&utc, &when);
#else
        gmtime_r(&when, &utc);
#endif
    }
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y%m%dT%H%M%SZ", &utc);
    return buffer;
}

// A date the library produced, or UsageError when it gave the null date or
// a date outside the tool's years.
Date checked_result(const Date& date, const std::string& what) {
    if (is_null(date) || date.year < kMinYear || date.year > kMaxYear) {
        throw UsageError(what + ": the result lies outside the years " + std::to_string(kMinYear) + " to " +
                         std::to_string(kMaxYear));
    }
    return date;
}

// The working weekdays asked for; Monday to Friday by default.
uint8_t weekday_mask(const Args& a) { return a.weekdays.value_or(HK_MON_FRI); }

// 'YYYY-MM-DD HH:MM' of a clock time.
std::string clock_text(const SYSTEMTIME& t) {
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d:%02d", static_cast<int>(t.wHour), static_cast<int>(t.wMinute));
    return iso_date(make_date(t.wYear, t.wMonth, t.wDay)) + " " + clock;
}

}  // namespace

// ---- the commands -------------------------------------------------------------

// A year of the exchange's calendar, or UsageError naming what.
int32_t exchange_year(int32_t year, const std::string& what) {
    if (year < HK_HOLIDAY_FIRST_YEAR || year > HK_HOLIDAY_LAST_YEAR) {
        throw UsageError(what + ": the exchange's calendar covers " + covered_years(HK_COVERS_HOLIDAYS));
    }
    return year;
}

// "YEAR" or "START END" (dates), as the first and last day.
std::pair<Date, Date> exchange_span(const Args& a) {
    if (a.date2.empty()) {
        const int32_t year = exchange_year(a.date.empty() ? today().year : parse_year(a.date), a.date);
        return {make_date(year, 1, 1), make_date(year, 12, 31)};
    }
    const Date first = parse_date(a.date), last = parse_date(a.date2);
    exchange_year(first.year, a.date);
    exchange_year(last.year, a.date2);
    if (earlier(last, first)) throw UsageError(a.date2 + ": the end is before the start " + a.date);
    return {first, last};
}

std::string run_sessions(const Args& a) {
    const Format format = a.format;
    const auto [first, last] = exchange_span(a);
    return write_sessions(trading_days(first, last), format, dtstamp());
}

std::string run_closures(const Args& a) {
    const Format format = a.format;
    const Lang lang = a.lang;
    const int32_t first = exchange_year(a.year.empty() ? today().year : parse_year(a.year), a.year);
    const int32_t last = a.date2.empty() ? first : exchange_year(parse_year(a.date2), a.date2);
    if (last < first) throw UsageError(a.date2 + ": the last year is before the first " + a.year);
    return write_closures(closures(first, last), format, lang, dtstamp());
}

std::string run_holidays(const Args& a) {
    const int32_t year = a.year.empty() ? today().year : parse_year(a.year);
    const Format format = a.format;
    const Lang lang = a.lang;
    const Rules rules = a.rules;
    const LawList which = law_list(a);
    if (rules == Rules::library && (which.kind != HK_GENERAL)) throw UsageError("--kind: only with the law's lists");
    if (format == Format::ics && year < 1) throw UsageError("--format=ics: iCalendar dates need years 1 to 9999");
    return write_holidays(holiday_list(year, rules, which), format, lang, {rules, dtstamp()});
}

// The grid's options; UsageError when --lunar asks for lunar days the table lacks in that year.
GridOptions grid_options(const Args& a, int32_t year) {
    const LunarTable table = a.table;
    if (a.show_lunar) check_lunar_year(year, table);
    return {use_color(a.color), a.show_lunar, table};
}

std::string run_month(const Args& a) {
    const YearMonth when = a.month.empty() ? YearMonth{today().year, today().month} : parse_year_month(a.month);
    const GridOptions options = grid_options(a, when.year);
    HolidayBook book(a.rules);
    return month_view(when.year, when.month, options, book);
}

std::string run_year(const Args& a) {
    const int32_t year = a.year.empty() ? today().year : parse_year(a.year);
    const GridOptions options = grid_options(a, year);
    HolidayBook book(a.rules);
    return year_view(year, options, book);
}

std::string run_date(const Args& a) {
    const Date date = a.date.empty() ? today() : parse_date(a.date);
    const Lang lang = a.lang;
    const LunarTable table = a.table;
    // The classic table's gaps are part of its answer; the Observatory's calendar has no gaps in its years.
    const std::optional<Date> lunar =
        table == LunarTable::library ? lunar_date(date, table) : checked_lunar_date(date, table, iso_date(date));
    HolidayBook book(a.rules);
    std::string out = iso_date(date) + "  " + weekday_name(date) + "\n";
    out += "JD0          " + std::to_string(static_cast<int64_t>(date_to_JD0(&date))) + "\n";
    out += "day number   " + std::to_string(date_to_day_number(&date)) + "\n";
    out += "lunar        " + (lunar ? lunar_text(*lunar) : "none (" + library_days() + ")") +
           "\n";
    for (const Holiday* holiday : book.on(date)) {
        out += "holiday      " + in(holiday->name, lang);
        if (holiday->observed_for) out += observed_note(*holiday->observed_for, lang, HK_NOTE_INLINE);
        out += "\n";
    }
    return out;
}

std::string run_lunar(const Args& a) {
    const Date date = parse_date(a.date);
    return lunar_text(checked_lunar_date(date, a.table, a.date)) + "\n";
}

std::string run_solar(const Args& a) {
    const Date lunar = parse_lunar_date(a.lunar);
    return iso_date(solar_date(lunar, a.table, a.lunar)) + "\n";
}

std::string run_terms(const Args& a) {
    const int32_t year = a.year.empty() ? today().year : parse_year(a.year);
    return solar_terms_text(year, a.lang == Lang::zh);
}

// Nothing, or UsageError when a trading-day answer needed days outside the exchange's calendar.
void check_exchange(hk_status status, const std::string& what) {
    if (status == HK_ERANGE) exchange_year(HK_HOLIDAY_LAST_YEAR + 1, what);
    if (status != HK_OK) throw UsageError(what + ": " + hk_strerror(status));
}

// hkcal add DATE N trading-days [--roll=CONVENTION]: the start rolled to a trading day first.
std::string add_trading_days(const Args& a, const Date& date, int32_t n) {
    if (a.rules == Rules::library) throw UsageError("--rules: not with the unit trading-days");
    Date start = date, result{};
    if (a.roll) check_exchange(hk_xhkg_roll(&date, *a.roll, &start), "add");
    check_exchange(hk_xhkg_add_trading_days(&start, n, &result), "add");
    return iso_date(result) + "\n";
}

std::string run_add(const Args& a) {
    const Date date = parse_date(a.date);
    const int32_t n = parse_count(a.count, "count");
    const Unit unit = a.unit;
    if (unit != Unit::workdays && (a.weekdays || a.no_holidays)) {
        throw UsageError(std::string(a.no_holidays ? "--no-holidays" : "--weekdays") + ": only with the unit workdays");
    }
    if (unit == Unit::trading_days) return add_trading_days(a, date, n);
    const Rules rules = a.rules;
    const bool roll = a.roll.has_value();
    if (roll && (rules == Rules::library || a.no_holidays)) {
        throw UsageError("--roll: only with the law's holidays (not with --rules=library or --no-holidays)");
    }
    const int32_t convention = a.roll.value_or(HK_FOLLOWING);
    const uint8_t mask = weekday_mask(a);
    // With --roll, a date moves to a business day: the start of a working-day count, the result of any other.
    auto rolled = [&](const Date& d) {
        Date out = d;
        if (roll) check_business(hk_roll(&d, convention, mask, &out), "add");
        return out;
    };
    Date result{};
    switch (unit) {
        case Unit::days: result = rolled(date_N_days_after_date(n, &date)); break;
        case Unit::months: result = rolled(add_month(n, &date)); break;
        case Unit::years: result = rolled(add_year(n, &date)); break;
        case Unit::trading_days: break;  // answered above
        case Unit::workdays: {
            if (a.no_holidays) {
                result = add_day_with_weekday_flag(n, mask, &date);
            } else if (rules == Rules::library) {
                HolidayBook book(rules);
                result = add_workdays(date, n, mask, book);
            } else {
                if ((mask & 0x7F) == 0) throw UsageError("--weekdays: no day of the week is a working day");
                const Date start = rolled(date);
                check_business(hk_add_business_days(&start, n, mask, &result), "add");
            }
            break;
        }
    }
    checked_result(result, "add");
    std::string out = iso_date(result) + "\n";
    if (!valid_date(&result)) {
        std::cerr << "hkcal: note: " << iso_date(result) << " is not a date of the historical calendar\n";
    }
    return out;
}

std::string run_between(const Args& a) {
    const Date first = parse_date(a.date);
    const Date second = parse_date(a.date2);
    if (a.trading_days) {
        if (a.workdays || a.weekdays || a.no_holidays || a.rules == Rules::library) {
            throw UsageError("--trading-days: the exchange's days, without --workdays, --weekdays, --no-holidays or --rules");
        }
        int32_t count = 0;
        check_exchange(hk_xhkg_trading_days_between(&first, &second, &count), "between");
        return std::to_string(count) + "\n";
    }
    if (!a.workdays) {
        if (a.weekdays || a.no_holidays) {
            throw UsageError(std::string(a.no_holidays ? "--no-holidays" : "--weekdays") + ": only with --workdays");
        }
        return std::to_string(static_cast<int64_t>(days_between_dates(&second, &first))) + "\n";
    }
    const uint8_t mask = weekday_mask(a);
    if ((mask & 0x7F) == 0) throw UsageError("--weekdays: no day of the week is a working day");
    const Rules rules = a.rules;
    if (rules == Rules::law && !a.no_holidays) {
        int32_t count = 0;
        check_business(hk_business_days_between(&first, &second, mask, &count), "between");
        return std::to_string(count) + "\n";
    }
    HolidayBook book(rules);
    return std::to_string(count_workdays(first, second, mask, a.no_holidays ? nullptr : &book)) + "\n";
}

std::string run_easter(const Args& a) {
    const int32_t year = a.year.empty() ? today().year : parse_year(a.year);
    const Date sunday = checked_result(easter(year), "easter");
    std::vector<Holiday> days{
        {good_friday(year), "good-friday", named("good-friday"), std::nullopt},
        {good_friday_2_holiday(year), "good-friday-2", named("good-friday-2"), std::nullopt},
        {sunday, "easter-sunday", named("easter-sunday"), std::nullopt},
        {easter_monday(year), "easter-monday", named("easter-monday"), std::nullopt},
    };
    return write_holidays(days, Format::text, Lang::en, {Rules::library, ""});
}

std::string run_jd(const Args& a) {
    const bool is_date = a.jd.find('-', 1) != std::string::npos;  // a sign may lead a number
    if (is_date) {
        const Date date = parse_date(a.jd);
        return std::to_string(static_cast<int64_t>(date_to_JD0(&date))) + "\n";
    }
    const int32_t jd = parse_count(a.jd, "Julian Day Number");
    return iso_date(checked_result(JD0_to_date(jd), "jd")) + "\n";
}

std::string run_tz(const Args& a) {
    SYSTEMTIME time = parse_clock_time(a.clock);
    const bool from_local = !a.from, to_local = !a.to;
    if (from_local && a.from_dst) throw UsageError("--from-dst: not with --from=local, whose own rules apply");
    if (to_local && a.to_dst) throw UsageError("--to-dst: not with --to=local, whose own rules apply");
    const int32_t from = a.from.value_or(0), to = a.to.value_or(0);
    const int32_t from_dst = a.from_dst.value_or(0), to_dst = a.to_dst.value_or(0);
    int32_t ok = 1;
    if (from_local && !to_local) {
        ok = LocalToOverseaTime(&time, to, to_dst);
    } else if (!from_local && to_local) {
        ok = OverseaToLocalTime(&time, from, from_dst);
    } else if (!from_local && !to_local) {
        ok = ConvertTimeZone(&time, to, to_dst, from, from_dst);
    }
    if (ok == 0) throw UsageError("'" + a.clock + "' cannot be converted: the result leaves the years 1601 to 30827");
    return clock_text(time) + "\n";
}

}  // namespace hkcal::tool
