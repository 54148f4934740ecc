// Writing dates and holiday lists: ISO dates, lunar dates, the library's
// English names, and the text, CSV, JSON and iCalendar forms of a list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "holiday.hpp"

namespace hkcal::tool {

// The library's UTF-16 text as UTF-8 (surrogate pairs joined); "" for null.
std::string utf8(const hkcal_char16* text);

// [-]YYYY-MM-DD with at least four year digits; years above 9999 get a
// plus sign (ISO 8601's expanded form).
std::string iso_date(const Date& date);

// A lunar date as YYYY-MM-DD, a leap month as YYYY-LM-DD (2023-L2-01).
std::string lunar_text(const Date& lunar);

// The library's note of a day off that replaces the festival's own date, in
// the form asked: HK_NOTE_INLINE after a name, HK_NOTE_ALONE by itself.
std::string observed_note(const Date& festival, Lang lang, int32_t form);

// The years the library covers (what: HK_COVERS_...) joined by `joiner`,
// "1901 to 2100", and its first and last days, "1901-02-19 to 2101-01-28".
std::string covered_years(int32_t what, const char* joiner = " to ");
std::string covered_days(int32_t what);

// The library's version from its header, "1.0.0".
std::string version_text();

// The library's English name of the date's weekday ("Saturday").
std::string weekday_name(const Date& date);

// The library's English name of month 1-12 ("February").
std::string month_title(int32_t month);

enum class Format { text, csv, json, ics };

// What the iCalendar form needs beyond the list: the rules (part of each
// UID) and the moment the file is made, as DTSTAMP (YYYYMMDDTHHMMSSZ).
struct IcsContext {
    Rules rules;
    std::string dtstamp;
};

// The list in the chosen form, each line ended by "\n" (by "\r\n" in the
// iCalendar form, whose lines are folded at 75 octets).
std::string write_holidays(const std::vector<Holiday>& list, Format format, Lang lang, const IcsContext& ics);

// A CSV field, quoted when it holds a comma, quote or line break.
std::string csv_field(std::string_view text);

// A JSON string literal of UTF-8 text.
std::string json_string(std::string_view text);

// YYYYMMDD for iCalendar, whose dates have exactly four year digits.
std::string ics_date(const Date& d);

// The iCalendar TEXT escape (backslash, semicolon, comma, newline).
std::string ics_escape(std::string_view text);

// One content line folded at 75 octets without splitting a UTF-8
// character, continuation lines starting with a space, each ended by CRLF.
std::string ics_fold(std::string_view line);

}  // namespace hkcal::tool
