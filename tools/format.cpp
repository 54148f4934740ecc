// The writers. Dates are formatted here and nowhere else; names of
// weekdays and months come from the library.
#include "format.hpp"

#include "dates.hpp"
#include "hkcal_hk.h"

#include <cstdio>

namespace hkcal::tool {
namespace {

// Appends code point cp (at most U+10FFFF) as UTF-8.
void append_utf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// A month or day field, at least two digits.
std::string two_digits(int32_t field) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", static_cast<int>(field));
    return buffer;
}

// At least four digits, a minus sign for years before year 0, a plus sign
// above 9999 (ISO 8601's expanded form).
std::string year_text(int32_t year) {
    char buffer[16];
    if (year < 0) {
        std::snprintf(buffer, sizeof buffer, "-%04lld", -static_cast<long long>(year));
    } else {
        std::snprintf(buffer, sizeof buffer, year > 9999 ? "+%d" : "%04d", static_cast<int>(year));
    }
    return buffer;
}

std::string write_text(const std::vector<Holiday>& list, Lang lang) {
    std::string out;
    for (const Holiday& h : list) {
        std::string weekday = weekday_name(h.date);
        weekday.resize(9, ' ');  // "Wednesday" is the longest
        out += iso_date(h.date) + "  " + weekday + "  " + in(h.name, lang);
        if (h.observed_for) out += observed_note(*h.observed_for, lang, HK_NOTE_INLINE);
        out += '\n';
    }
    return out;
}

std::string write_csv(const std::vector<Holiday>& list, Lang lang) {
    std::string out = "date,weekday,name,observed_for\n";
    for (const Holiday& h : list) {
        out += iso_date(h.date) + "," + weekday_name(h.date) + "," + csv_field(in(h.name, lang)) + "," +
               (h.observed_for ? iso_date(*h.observed_for) : "") + "\n";
    }
    return out;
}

std::string write_json(const std::vector<Holiday>& list, Lang lang) {
    std::string out = "[";
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Holiday& h = list[i];
        out += i == 0 ? "\n  {" : ",\n  {";
        out += "\"date\": " + json_string(iso_date(h.date)) + ", \"weekday\": " + json_string(weekday_name(h.date)) +
               ", \"name\": " + json_string(in(h.name, lang));
        if (h.observed_for) out += ", \"observed_for\": " + json_string(iso_date(*h.observed_for));
        out += "}";
    }
    return out + (list.empty() ? "]\n" : "\n]\n");
}

std::string write_ics(const std::vector<Holiday>& list, Lang lang, const IcsContext& context) {
    std::string out;
    auto line = [&out](std::string_view text) { out += ics_fold(text); };
    line("BEGIN:VCALENDAR");
    line("VERSION:2.0");
    line("PRODID:-//hkcal//hkcal " + version_text() + "//EN");
    line("CALSCALE:GREGORIAN");
    line("METHOD:PUBLISH");
    for (const Holiday& h : list) {
        Date next = plus_days(h.date, 1);
        line("BEGIN:VEVENT");
        line("UID:" + ics_date(h.date) + "-" + h.key + "-" + rules_name(context.rules) + "@hkcal");
        line("DTSTAMP:" + context.dtstamp);
        line("DTSTART;VALUE=DATE:" + ics_date(h.date));
        line("DTEND;VALUE=DATE:" + ics_date(next));
        line("SUMMARY:" + ics_escape(in(h.name, lang)));
        if (h.observed_for) line("DESCRIPTION:" + ics_escape(observed_note(*h.observed_for, lang, HK_NOTE_ALONE)));
        line("TRANSP:TRANSPARENT");
        line("END:VEVENT");
    }
    line("END:VCALENDAR");
    return out;
}

}  // namespace

std::string csv_field(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string json_string(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", u);
            out += buffer;
        } else {
            out += c;  // UTF-8 passes through: JSON text is UTF-8
        }
    }
    return out + "\"";
}

// YYYYMMDD for iCalendar, whose dates have exactly four year digits.
std::string ics_date(const Date& d) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", static_cast<int>(d.year), static_cast<int>(d.month),
                  static_cast<int>(d.day));
    return buffer;
}

std::string utf8(const hkcal_char16* text) {
    std::string out;
    if (text == nullptr) return out;
    for (const hkcal_char16* p = text; *p != 0; ++p) {
        char32_t unit = *p;
        if (unit >= 0xD800 && unit < 0xDC00 && p[1] >= 0xDC00 && p[1] < 0xE000) {
            unit = 0x10000 + ((unit - 0xD800) << 10) + (static_cast<char32_t>(p[1]) - 0xDC00);
            ++p;
        }
        append_utf8(out, unit);
    }
    return out;
}

std::string iso_date(const Date& date) {
    return year_text(date.year) + "-" + two_digits(date.month) + "-" + two_digits(date.day);
}

std::string lunar_text(const Date& lunar) {
    // A leap month is written L and its number (GCC 12 misreads "L" + string).
    std::string month = lunar.month < 0 ? std::string(1, 'L').append(std::to_string(-static_cast<int64_t>(lunar.month)))
                                        : two_digits(lunar.month);
    return year_text(lunar.year) + "-" + month + "-" + two_digits(lunar.day);
}

std::string observed_note(const Date& festival, Lang lang, int32_t form) {
    char note[HK_NOTE_SIZE] = "";
    hk_observed_note(&festival, lang == Lang::zh ? HK_LANG_ZH : HK_LANG_EN, form, note, sizeof note);
    return note;
}

std::string covered_years(int32_t what, const char* joiner) {
    int32_t first = 0, last = 0;
    hk_coverage(what, &first, &last, nullptr, nullptr);
    return std::to_string(first) + joiner + std::to_string(last);
}

std::string covered_days(int32_t what) {
    Date first{}, last{};
    hk_coverage(what, nullptr, nullptr, &first, &last);
    return iso_date(first) + " to " + iso_date(last);
}

std::string version_text() {
    return std::to_string(HKCAL_VERSION_MAJOR) + "." + std::to_string(HKCAL_VERSION_MINOR) + "." +
           std::to_string(HKCAL_VERSION_PATCH);
}

std::string weekday_name(const Date& date) {
    return utf8(day_of_week_name(static_cast<uint32_t>(weekday_of(date))));
}

std::string month_title(int32_t month) { return utf8(month_name(static_cast<uint32_t>(month))); }

std::string write_holidays(const std::vector<Holiday>& list, Format format, Lang lang, const IcsContext& ics) {
    switch (format) {
        case Format::csv: return write_csv(list, lang);
        case Format::json: return write_json(list, lang);
        case Format::ics: return write_ics(list, lang, ics);
        case Format::text: break;
    }
    return write_text(list, lang);
}

std::string ics_escape(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\\' || c == ';' || c == ',') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::string ics_fold(std::string_view line) {
    constexpr std::size_t kMaxOctets = 75;  // per physical line, CRLF excluded
    std::string out;
    std::size_t start = 0;
    std::size_t limit = kMaxOctets;  // continuation lines spend one octet on the space
    while (line.size() - start > limit) {
        std::size_t cut = start + limit;
        while ((static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;  // not inside a character
        out.append(line.substr(start, cut - start));
        out += "\r\n ";
        start = cut;
        limit = kMaxOctets - 1;
    }
    out.append(line.substr(start));
    return out + "\r\n";
}

}  // namespace hkcal::tool
