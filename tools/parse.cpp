// Argument parsing: strict shapes, then the library judges the values.
#include "parse.hpp"

#include <array>
#include <cctype>
#include <charconv>
#include <vector>

#include "dates.hpp"
#include "format.hpp"

namespace hkcal::tool {
namespace {

std::string quoted(std::string_view text) {
    std::string out(1, '\'');  // appended piecewise: GCC 12 misreads "'" + string
    out.append(text);
    out += '\'';
    return out;
}

// Text split at each separator.
std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

bool all_digits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

constexpr int32_t kNoField = -1;

// An unsigned decimal field of min_digits..max_digits (at most 9) digits,
// or kNoField.
int32_t field(std::string_view text, std::size_t min_digits, std::size_t max_digits) {
    if (text.size() < min_digits || text.size() > max_digits || !all_digits(text)) return kNoField;
    int32_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// A year of 1 to 4 digits with an optional minus sign; false for anything
// else.
bool year_field(std::string_view text, int32_t& year) {
    const bool negative = !text.empty() && text.front() == '-';
    const int32_t digits = field(negative ? text.substr(1) : text, 1, 4);
    year = negative ? -digits : digits;
    return digits != kNoField;
}

// The year, or UsageError when it lies outside the tool's years.
int32_t checked_year(int32_t year, std::string_view text, std::string_view kind) {
    if (year < kMinYear) {
        throw UsageError(quoted(text) + " is not a usable " + std::string(kind) + ": years start at " +
                         std::to_string(kMinYear) + ", where the library's weekdays begin");
    }
    return year;
}

// The parts of [-]YYYY-rest split at dashes, the year's sign kept.
std::vector<std::string_view> dash_parts(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    std::vector<std::string_view> parts = split(negative ? text.substr(1) : text, '-');
    if (negative) parts.front() = text.substr(0, parts.front().size() + 1);
    return parts;
}

// Why a Gregorian or Julian year-month-day is not a date; empty when valid.
std::string date_problem(int32_t year, int32_t month, int32_t day) {
    Date date = make_date(year, month, day);
    if (valid_date(&date)) return "";
    if (month < 1 || month > 12) return "there is no month " + std::to_string(month);
    std::string month_year = month_title(month) + " " + std::to_string(year);
    if (year == 1582 && month == 10 && day >= 5 && day <= 14) {
        return "October 1582 went from the 4th (Julian) to the 15th (Gregorian)";
    }
    if (year == 1582 && month == 10) return "October 1582 has no day " + std::to_string(day);
    return month_year + " has " + std::to_string(days_in_month_for_year(year, month)) + " days";
}

// Library weekday abbreviations "Sun".."Sat", index = DOW.
std::array<std::string, 7> weekday_abbreviations() {
    std::array<std::string, 7> names;
    for (uint32_t dow = 0; dow < 7; ++dow) names[dow] = utf8(day_of_week_abbreviation(dow));
    return names;
}

// The DOW of a weekday abbreviation, any case, or kNoField.
int32_t weekday_index(std::string_view text) {
    static const std::array<std::string, 7> names = weekday_abbreviations();
    for (int32_t dow = 0; dow < 7; ++dow) {
        const std::string& name = names[static_cast<std::size_t>(dow)];
        if (text.size() != name.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < name.size(); ++i) {
            same = same && std::tolower(static_cast<unsigned char>(text[i])) ==
                               std::tolower(static_cast<unsigned char>(name[i]));
        }
        if (same) return dow;
    }
    return kNoField;
}

}  // namespace

int32_t parse_year(std::string_view text) {
    int32_t year = 0;
    if (!year_field(text, year)) throw UsageError(quoted(text) + " is not a year: expected up to four digits, such as 2026");
    return checked_year(year, text, "year");
}

YearMonth parse_year_month(std::string_view text) {
    const std::vector<std::string_view> parts = dash_parts(text);
    int32_t year = 0;
    const int32_t month = parts.size() == 2 ? field(parts[1], 2, 2) : kNoField;
    if (parts.size() != 2 || !year_field(parts[0], year) || month == kNoField) {
        throw UsageError(quoted(text) + " is not a month: expected YYYY-MM, such as 2026-04");
    }
    if (month < 1 || month > 12) {
        throw UsageError(quoted(text) + " is not a month: there is no month " + std::to_string(month));
    }
    return {checked_year(year, text, "month"), month};
}

Date parse_date(std::string_view text) {
    const std::vector<std::string_view> parts = dash_parts(text);
    int32_t year = 0;
    const int32_t month = parts.size() == 3 ? field(parts[1], 2, 2) : kNoField;
    const int32_t day = parts.size() == 3 ? field(parts[2], 2, 2) : kNoField;
    if (parts.size() != 3 || !year_field(parts[0], year) || month == kNoField || day == kNoField) {
        throw UsageError(quoted(text) + " is not a date: expected YYYY-MM-DD, such as 2026-04-05");
    }
    checked_year(year, text, "date");
    const std::string problem = date_problem(year, month, day);
    if (!problem.empty()) throw UsageError(quoted(text) + " is not a date: " + problem);
    return make_date(year, month, day);
}

Date parse_lunar_date(std::string_view text) {
    const std::vector<std::string_view> parts = dash_parts(text);
    const std::string bad = quoted(text) + " is not a lunar date: ";
    int32_t year = 0;
    const bool leap = parts.size() == 3 && !parts[1].empty() && (parts[1].front() == 'L' || parts[1].front() == 'l');
    const int32_t month = parts.size() == 3 ? field(parts[1].substr(leap ? 1 : 0), 1, 2) : kNoField;
    const int32_t day = parts.size() == 3 ? field(parts[2], 1, 2) : kNoField;
    if (parts.size() != 3 || !year_field(parts[0], year) || month == kNoField || day == kNoField) {
        throw UsageError(bad + "expected YYYY-MM-DD, or YYYY-LM-DD for a leap month");
    }
    if (month < 1 || month > 12) throw UsageError(bad + "there is no month " + std::to_string(month));
    if (day < 1 || day > 30) throw UsageError(bad + "lunar months have days 1 to 30");
    return make_date(year, leap ? -month : month, day);
}

int32_t parse_count(std::string_view text, std::string_view what) {
    int32_t value = 0;
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (text.size() > 1 && text[0] == '+' && std::isdigit(static_cast<unsigned char>(text[1]))) ++begin;
    auto [stop, error] = std::from_chars(begin, end, value);
    if (error == std::errc::result_out_of_range) {
        throw UsageError(quoted(text) + " is not a usable " + std::string(what) + ": it lies outside -2147483648 to 2147483647");
    }
    if (error != std::errc() || stop != end || begin == end) {
        throw UsageError(quoted(text) + " is not a " + std::string(what) + ": expected a whole number such as -3 or 10");
    }
    return value;
}

int32_t parse_offset(std::string_view text, std::string_view option) {
    const std::string bad = std::string(option) + ": " + quoted(text) + " is not a UTC offset: ";
    const std::string shape = "expected +HHMM or -HHMM, such as +0800, or 'local'";
    if (text.empty() || (text.front() != '+' && text.front() != '-')) throw UsageError(bad + shape);
    const int32_t sign = text.front() == '-' ? -1 : 1;
    const std::string_view body = text.substr(1);
    int32_t hours = kNoField;
    int32_t minutes = 0;
    if (body.size() == 5 && body[2] == ':') {  // +HH:MM
        hours = field(body.substr(0, 2), 2, 2);
        minutes = field(body.substr(3), 2, 2);
    } else if (body.size() == 4) {  // +HHMM
        hours = field(body.substr(0, 2), 2, 2);
        minutes = field(body.substr(2), 2, 2);
    } else {  // +HH
        hours = field(body, 2, 2);
    }
    if (hours == kNoField || minutes == kNoField) throw UsageError(bad + shape);
    if (hours > 23) throw UsageError(bad + "hours run from 00 to 23");
    if (minutes > 59) throw UsageError(bad + "minutes run from 00 to 59");
    return sign * (hours * 100 + minutes);
}

SYSTEMTIME parse_clock_time(std::string_view text) {
    const std::size_t gap = text.find_first_of(" T");
    const std::string bad = quoted(text) + " is not a date and time: ";
    if (gap == std::string_view::npos) throw UsageError(bad + "expected 'YYYY-MM-DD HH:MM'");
    const Date date = parse_date(text.substr(0, gap));
    const std::string_view clock = text.substr(gap + 1);
    const bool shaped = clock.size() == 5 && clock[2] == ':';
    const int32_t hour = shaped ? field(clock.substr(0, 2), 2, 2) : kNoField;
    const int32_t minute = shaped ? field(clock.substr(3), 2, 2) : kNoField;
    if (hour == kNoField || minute == kNoField) throw UsageError(bad + "expected 'YYYY-MM-DD HH:MM'");
    if (hour > 23 || minute > 59) throw UsageError(bad + "the time runs from 00:00 to 23:59");
    if (date.year < 1601) throw UsageError(bad + "time-zone conversion handles the years 1601 to 9999");
    SYSTEMTIME time{};
    time.wYear = static_cast<uint16_t>(date.year);
    time.wMonth = static_cast<uint16_t>(date.month);
    time.wDay = static_cast<uint16_t>(date.day);
    time.wDayOfWeek = static_cast<uint16_t>(weekday_of(date));
    time.wHour = static_cast<uint16_t>(hour);
    time.wMinute = static_cast<uint16_t>(minute);
    return time;
}

uint8_t parse_weekdays(std::string_view text) {
    unsigned mask = 0;
    for (std::string_view item : split(text, ',')) {
        std::vector<std::string_view> ends = split(item, '-');
        const int32_t first = ends.size() <= 2 ? weekday_index(ends.front()) : kNoField;
        const int32_t last = ends.size() == 2 ? weekday_index(ends.back()) : first;
        if (first == kNoField || last == kNoField) {
            throw UsageError("--weekdays: " + quoted(item) +
                             " is not a weekday or range: expected names such as Mon, or ranges such as Mon-Fri");
        }
        for (int32_t dow = first;; dow = (dow + 1) % 7) {  // a range may wrap past Saturday
            mask |= 1u << dow;
            if (dow == last) break;
        }
    }
    return static_cast<uint8_t>(mask);
}

}  // namespace hkcal::tool
