// The exchange's days as text, CSV, JSON and iCalendar.
#include "exchange.hpp"

#include <cstdio>

#include "dates.hpp"

namespace hkcal::tool {
namespace {

// HH:MM of minutes after midnight; "" for -1 (no such time).
std::string clock(int32_t minutes) {
    if (minutes < 0) return "";
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d", static_cast<int>(minutes / 60), static_cast<int>(minutes % 60));
    return buffer;
}

// The day's continuous sessions as [from, to) pairs of minutes.
std::vector<std::pair<int32_t, int32_t>> segments(const HkSession& s) {
    if (s.break_start < 0) return {{s.open, s.close}};
    return {{s.open, s.break_start}, {s.break_end, s.close}};
}

std::string hours(const HkSession& s) {
    std::string out;
    for (const auto& [from, to] : segments(s)) out += (out.empty() ? "" : ", ") + clock(from) + "-" + clock(to);
    return out;
}

std::string padded_weekday(const Date& d) {
    std::string weekday = weekday_name(d);
    weekday.resize(9, ' ');  // "Wednesday" is the longest
    return weekday;
}

// YYYYMMDDTHHMMSSZ of a Hong Kong clock time on a date.
std::string ics_utc(const Date& d, int32_t minutes) {
    const int32_t utc = minutes - HK_UTC_OFFSET_MINUTES;
    const Date day = utc < 0 ? plus_days(d, -1) : d;
    const int32_t m = (utc + 24 * 60) % (24 * 60);
    return ics_date(day) + "T" + clock(m).erase(2, 1) + "00Z";
}

const char* kind_name(int32_t kind) {
    switch (kind) {
        case HK_XHKG_FULL: return "full";
        case HK_XHKG_HALF: return "half";
        case HK_XHKG_AFTERNOON: return "afternoon";
        case HK_XHKG_SHORTENED: return "shortened";
        default: return "closed";
    }
}

std::string ics_head() {
    return ics_fold("BEGIN:VCALENDAR") + ics_fold("VERSION:2.0") + ics_fold("PRODID:-//hkcal//hkcal " + version_text() + "//EN") +
           ics_fold("CALSCALE:GREGORIAN") + ics_fold("METHOD:PUBLISH");
}

}  // namespace

std::vector<TradingDay> trading_days(const Date& first, const Date& last) {
    std::vector<TradingDay> out;
    for (Date d = first; !earlier(last, d); d = plus_days(d, 1)) {
        HkSession s{};
        if (hk_xhkg_session(&d, &s) == HK_OK && s.kind != HK_XHKG_CLOSED) out.push_back({d, s});
    }
    return out;
}

std::vector<HkXhkgClosure> closures(int32_t first, int32_t last) {
    std::vector<HkXhkgClosure> out;
    for (int32_t year = first; year <= last; ++year) {
        HkXhkgClosure days[HK_XHKG_MAX_CLOSURES];
        std::size_t n = 0;
        if (hk_xhkg_closures(year, days, HK_XHKG_MAX_CLOSURES, &n) == HK_OK) out.insert(out.end(), days, days + n);
    }
    return out;
}

std::string write_sessions(const std::vector<TradingDay>& days, Format format, const std::string& dtstamp) {
    std::string out;
    switch (format) {
        case Format::text:
            for (const TradingDay& t : days) out += iso_date(t.date) + "  " + padded_weekday(t.date) + "  " + hours(t.session) + "\n";
            return out;
        case Format::csv:
            out = "date,open,break_start,break_end,close\n";
            for (const TradingDay& t : days) {
                const HkSession& s = t.session;
                out += iso_date(t.date) + "," + clock(s.open) + "," + clock(s.break_start) + "," + clock(s.break_end) + "," +
                       clock(s.close) + "\n";
            }
            return out;
        case Format::json:
            out = "[";
            for (const TradingDay& t : days) {
                const HkSession& s = t.session;
                out += (out.size() == 1 ? "\n  {" : ",\n  {") + std::string("\"date\": ") + json_string(iso_date(t.date)) +
                       ", \"kind\": " + json_string(kind_name(s.kind)) + ", \"open\": " + json_string(clock(s.open));
                if (s.break_start >= 0) {
                    out += ", \"break_start\": " + json_string(clock(s.break_start)) + ", \"break_end\": " +
                           json_string(clock(s.break_end));
                }
                out += ", \"close\": " + json_string(clock(s.close));
                if (s.pre_open >= 0) out += ", \"pre_open\": " + json_string(clock(s.pre_open));
                if (s.auction_close >= 0) out += ", \"auction_close\": " + json_string(clock(s.auction_close));
                out += "}";
            }
            return out + (days.empty() ? "]\n" : "\n]\n");
        case Format::ics:
            out = ics_head();
            for (const TradingDay& t : days) {
                for (const auto& [from, to] : segments(t.session)) {
                    out += ics_fold("BEGIN:VEVENT") + ics_fold("UID:" + ics_date(t.date) + "-" + clock(from).erase(2, 1) + "-xhkg@hkcal") +
                           ics_fold("DTSTAMP:" + dtstamp) + ics_fold("DTSTART:" + ics_utc(t.date, from)) +
                           ics_fold("DTEND:" + ics_utc(t.date, to)) + ics_fold("SUMMARY:HKEX trading session") +
                           ics_fold("TRANSP:TRANSPARENT") + ics_fold("END:VEVENT");
                }
            }
            return out + ics_fold("END:VCALENDAR");
    }
    return out;
}

std::string write_closures(const std::vector<HkXhkgClosure>& days, Format format, Lang lang, const std::string& dtstamp) {
    std::string out;
    const auto name = [lang](const HkXhkgClosure& c) { return std::string(lang == Lang::zh ? c.name_zh : c.name_en); };
    const auto traded = [](const HkXhkgClosure& c) {
        HkSession s{};
        hk_xhkg_session(&c.date, &s);
        return s.kind == HK_XHKG_CLOSED ? std::string("closed") : hours(s);
    };
    switch (format) {
        case Format::text:
            for (const HkXhkgClosure& c : days) {
                std::string when = traded(c);
                if (when.size() < 11) when.resize(11, ' ');  // "09:30-12:00"; longer ones are not cut
                out += iso_date(c.date) + "  " + padded_weekday(c.date) + "  " + when + "  " + name(c) + "\n";
            }
            return out;
        case Format::csv:
            out = "date,traded,key,name,source\n";
            for (const HkXhkgClosure& c : days) {
                out += iso_date(c.date) + "," + csv_field(traded(c)) + "," + c.key + "," + csv_field(name(c)) + "," + csv_field(c.source) + "\n";
            }
            return out;
        case Format::json:
            out = "[";
            for (const HkXhkgClosure& c : days) {
                out += (out.size() == 1 ? "\n  {" : ",\n  {") + std::string("\"date\": ") + json_string(iso_date(c.date)) +
                       ", \"kind\": " + json_string(kind_name(c.kind)) + ", \"traded\": " + json_string(traded(c)) +
                       ", \"key\": " + json_string(c.key) + ", \"name\": " + json_string(name(c)) +
                       ", \"source\": " + json_string(c.source) + "}";
            }
            return out + (days.empty() ? "]\n" : "\n]\n");
        case Format::ics:
            out = ics_head();
            for (const HkXhkgClosure& c : days) {
                out += ics_fold("BEGIN:VEVENT") + ics_fold("UID:" + ics_date(c.date) + "-" + c.key + "-xhkg@hkcal") +
                       ics_fold("DTSTAMP:" + dtstamp) + ics_fold("DTSTART;VALUE=DATE:" + ics_date(c.date)) +
                       ics_fold("DTEND;VALUE=DATE:" + ics_date(plus_days(c.date, 1))) +
                       ics_fold("SUMMARY:" + ics_escape(name(c))) + ics_fold("DESCRIPTION:" + ics_escape(traded(c))) +
                       ics_fold("TRANSP:TRANSPARENT") + ics_fold("END:VEVENT");
            }
            return out + ics_fold("END:VCALENDAR");
    }
    return out;
}

}  // namespace hkcal::tool
