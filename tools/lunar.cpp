// Lunar dates and solar terms: the Hong Kong library's Observatory calendar
// or the classic library's table, and the tool's words for what they lack.
#include "lunar.hpp"

#include <cstdio>

#include "dates.hpp"
#include "format.hpp"
#include "hkcal_hk.h"
#include "parse.hpp"

namespace hkcal::tool {
namespace {

// The tables' spans in the messages, as the library states them.
std::string observatory_days() { return "the Observatory's calendar covers " + covered_days(HK_COVERS_LUNAR); }
std::string other_table() {
    return "; --table=library uses the classic library's table (" + covered_years(HK_COVERS_CLASSIC_LUNAR, "-") + ")";
}

std::string quoted(const std::string& text) { return "'" + text + "'"; }

// The month's text without the day: "2024-03", "2023-L2".
std::string month_text(const Date& lunar) {
    std::string text = lunar_text(make_date(lunar.year, lunar.month, 1));
    return text.substr(0, text.size() - 3);
}

// The library's table converts the lunar date to a date and back to itself.
bool library_round_trips(const Date& lunar) {
    const Date solar = chinese_to_date(&lunar);
    return !is_null(solar) && same_day(date_to_chinese(&solar), lunar);
}

Date library_solar_date(const Date& lunar, const std::string& bad) {
    Date last{};
    int32_t first_year = 0, last_year = 0;
    hk_coverage(HK_COVERS_CLASSIC_LUNAR, &first_year, &last_year, nullptr, &last);
    if (lunar.year < first_year || lunar.year > last_year) {
        throw UsageError(bad + "the library's lunar table covers the years " + covered_years(HK_COVERS_CLASSIC_LUNAR));
    }
    if (library_round_trips(lunar)) return chinese_to_date(&lunar);
    const Date first = make_date(lunar.year, lunar.month, 1);
    if (lunar.month < 0 && !library_round_trips(first)) {
        throw UsageError(bad + "lunar " + std::to_string(lunar.year) + " has no leap month " + std::to_string(-lunar.month));
    }
    if (library_round_trips(first) && library_round_trips(make_date(lunar.year, lunar.month, 29))) {
        throw UsageError(bad + "lunar month " + month_text(lunar) + " has 29 days");
    }
    throw UsageError(bad + "it lies after " + iso_date(last) + ", where the library's lunar table ends");
}

}  // namespace

std::string library_days() { return "the library's table covers " + covered_days(HK_COVERS_CLASSIC_LUNAR); }

LunarTable lunar_table_option(const std::string& value) {
    if (value.empty() || value == "observatory") return LunarTable::observatory;
    if (value == "library") return LunarTable::library;
    throw UsageError("--table: '" + value + "' is not one of observatory, library");
}

std::optional<Date> lunar_date(const Date& date, LunarTable table) {
    if (table == LunarTable::library) {
        const Date lunar = date_to_chinese(&date);
        return is_null(lunar) ? std::nullopt : std::optional<Date>(lunar);
    }
    Date lunar{};
    if (hk_date_to_lunar(&date, &lunar) != HK_OK) return std::nullopt;
    return lunar;
}

Date checked_lunar_date(const Date& date, LunarTable table, const std::string& text) {
    if (std::optional<Date> lunar = lunar_date(date, table)) return *lunar;
    if (table == LunarTable::library) throw UsageError(quoted(text) + " has no lunar date: " + library_days());
    throw UsageError(quoted(text) + " has no lunar date: " + observatory_days() + other_table());
}

Date solar_date(const Date& lunar, LunarTable table, const std::string& text) {
    const std::string bad = quoted(text) + " is not a lunar date: ";
    if (table == LunarTable::library) return library_solar_date(lunar, bad);
    Date date{};
    int32_t days = 0;
    switch (hk_lunar_to_date(&lunar, &date)) {
        case HK_OK: return date;
        case HK_ERANGE:
            throw UsageError(bad + "the Observatory's calendar covers the lunar years " + covered_years(HK_COVERS_LUNAR) +
                             other_table());
        default: break;
    }
    if (hk_lunar_month_days(lunar.year, lunar.month, &days) != HK_OK) {
        throw UsageError(bad + "lunar " + std::to_string(lunar.year) + " has no leap month " + std::to_string(-lunar.month));
    }
    throw UsageError(bad + "lunar month " + month_text(lunar) + " has " + std::to_string(days) + " days");
}

void check_lunar_year(int32_t year, LunarTable table) {
    if (table == LunarTable::observatory && (year < HK_LUNAR_FIRST_YEAR || year > HK_LUNAR_LAST_YEAR)) {
        throw UsageError("--lunar: " + std::to_string(year) + ": the Observatory's lunar calendar covers " +
                         covered_years(HK_COVERS_LUNAR) + other_table());
    }
}

std::string solar_terms_text(int32_t year, bool chinese) {
    std::string out;
    for (int32_t index = 0; index < HK_SOLAR_TERMS; ++index) {
        Date date{};
        int32_t minute = 0;
        if (hk_solar_term_local(year, index, &date, &minute) != HK_OK) {
            throw UsageError("terms: " + std::to_string(year) + ": the solar terms cover the years " +
                             covered_years(HK_COVERS_SOLAR_TERMS));
        }
        char clock[16];  // minute is 0-1439: "HH:MM"
        std::snprintf(clock, sizeof clock, "%02d:%02d", static_cast<int>(minute / 60), static_cast<int>(minute % 60));
        out += iso_date(date) + " " + clock + "  " + hk_solar_term_name(index, chinese ? HK_LANG_ZH : HK_LANG_EN) + "\n";
    }
    return out;
}

}  // namespace hkcal::tool
