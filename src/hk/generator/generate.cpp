// hk_generate OUTDIR: computes the Hong Kong calendar's tables from the
// astronomy in src/hk/astro.cpp and writes OUTDIR/lunar_table.inc and
// OUTDIR/solar_terms_table.inc (the files committed in src/hk/).
//
// The lunar calendar's rules, as the Observatory applies them, each day
// reckoned at the meridian of its era (reckoning.hpp):
// - a month begins on the civil day of its new moon and ends the day before
//   the next one's;
// - the month holding the winter solstice is the 11th;
// - when 13 months begin from one 11th month to the next (exclusive), the
//   first of them after the 11th that holds no principal term (the Sun at a
//   multiple of 30 degrees) is a leap month, numbered as the month before it.
// The day of a new moon or term is the reckoned one unless a decision of
// reckoning.hpp gives the calendar's own; the solar-term table holds the
// same days as the lunar computation uses.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "hk/astro.hpp"
#include "hk/civil.hpp"
#include "hk/generator/reckoning.hpp"

namespace {

using namespace hkcal::hk;
using reckoning::Decision;
using reckoning::Era;
using reckoning::Event;

constexpr int32_t kFirstYear = 1901, kLastYear = 2100;
constexpr double kMinutesPerDay = 1440;
constexpr double kSecondsPerDay = 86400;
// An instant this near a midnight of its reckoning is a close call: wider
// than the 14 min 20 s between the Beijing and UTC+8 midnights, and than
// the model's error (under a minute).
constexpr double kCloseMinutes = 15;

[[noreturn]] void fail(const std::string& why) {
    std::fprintf(stderr, "hk_generate: %s\n", why.c_str());
    std::exit(1);
}

double offset_days(const Era& era) { return reckoning::offset_seconds(era) / kSecondsPerDay; }

// The era in force at an instant (JD UT): the last whose first day has
// begun there, at its own meridian.
const Era& era_at(double jd_ut) {
    const Era* in_force = &reckoning::kEras[0];
    for (const Era& era : reckoning::kEras)
        if (jd_ut >= civil::to_jd0(era.from) - 0.5 - offset_days(era)) in_force = &era;
    return *in_force;
}

// Local mean days since JD0 0's midnight at the instant's meridian: the
// floor is the JD0 of its reckoned civil day.
double local_days(double jd_ut) { return jd_ut + offset_days(era_at(jd_ut)) + 0.5; }
int32_t reckoned_day(double jd_ut) { return static_cast<int32_t>(std::floor(local_days(jd_ut))); }

// Minutes from the instant to the nearest midnight of its reckoning,
// negative before it: [-720, 720).
double minutes_from_midnight(double jd_ut) {
    double day = local_days(jd_ut);
    double frac = day - std::floor(day);  // [0, 1)
    return (frac < 0.5 ? frac : frac - 1) * kMinutesPerDay;
}

std::string date_text(int32_t jd0) {
    Date d = civil::from_jd0(jd0);
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
    return text;
}

// "1914-11-17 23:47 Beijing": the instant's local time in its reckoning,
// the era named where it is not UTC+8.
std::string local_time(double jd_ut) {
    const double local = local_days(jd_ut);
    const int32_t jd0 = static_cast<int32_t>(std::floor(local));
    const int minutes = static_cast<int>(std::floor((local - jd0) * kMinutesPerDay));  // [0, 1439]
    char clock[16];
    std::snprintf(clock, sizeof clock, " %02d:%02d", minutes / 60, minutes % 60);
    const Era& era = era_at(jd_ut);
    return date_text(jd0) + clock + (era.meridian == reckoning::kMeridian120 ? "" : std::string(" ") + era.name);
}

// A new moon or term with its day: the reckoned day, or the published one
// of the decision that matches it (null for none).
struct Dated {
    double instant;  // JD UT
    int32_t day;     // JD0
    const Decision* decision;
};

bool decision_used[std::size(reckoning::kDecisions)] = {};

Dated dated(Event event, double jd_ut) {
    const int32_t day = reckoned_day(jd_ut);
    for (std::size_t i = 0; i < std::size(reckoning::kDecisions); ++i) {
        const Decision& d = reckoning::kDecisions[i];
        if (d.event != event || civil::to_jd0(d.computed) != day) continue;
        if (std::fabs(minutes_from_midnight(jd_ut)) >= kCloseMinutes)
            fail("the decision for " + local_time(jd_ut) + " is not a close call");
        decision_used[i] = true;
        return {jd_ut, civil::to_jd0(d.published), &d};
    }
    return {jd_ut, day, nullptr};
}

Dated term(int32_t year, int32_t index) { return dated(Event::term, astro::solar_term_jd_ut(year, index)); }

bool close(const Dated& x) { return std::fabs(minutes_from_midnight(x.instant)) < kCloseMinutes; }

// True where the calendar's day is not the instant's civil day in Hong
// Kong (UTC+8).
bool off_hong_kong_day(const Dated& x) { return x.day != astro::hong_kong_day(x.instant); }

// "; new moon 1914-11-17 23:47 Beijing, month from 11-17, not 11-18" and
// the like: a close call, its day (and the Hong Kong day where that
// differs), and the decision's reason where one decided it.
std::string close_note(const char* what, const Dated& x, const char* day_is) {
    std::string note = std::string("; ") + what + " " + local_time(x.instant) + ", " + day_is + " " +
                       date_text(x.day).substr(5);
    if (off_hong_kong_day(x)) note.append(", not ").append(date_text(astro::hong_kong_day(x.instant)).substr(5));
    if (x.decision) note.append(" (").append(x.decision->reason).append(")");
    return note;
}

struct Month {
    Dated new_moon;
    int32_t number;  // 1-12
    bool leap;
};

// The principal terms (odd indices) of years first..last, in time order.
std::vector<Dated> principal_terms(int32_t first, int32_t last) {
    std::vector<Dated> terms;
    for (int32_t y = first; y <= last; ++y)
        for (int32_t i = 1; i < 24; i += 2) terms.push_back(term(y, i));
    return terms;
}

// The months whose new moons fall from late 1900 to early 2102, numbered.
std::vector<Month> numbered_months(const std::vector<Dated>& principal) {
    std::vector<Month> months;
    const int32_t k_first = -1240, k_last = 1265;  // new moons of 1899-12 and 2102-03
    for (int32_t k = k_first; k <= k_last; ++k) months.push_back({dated(Event::new_moon, astro::new_moon_jd_ut(k)), 0, false});
    auto start = [&](std::size_t i) { return months[i].new_moon.day; };
    auto month_holding = [&](int32_t day) {
        std::size_t i = 0;
        while (start(i + 1) <= day) ++i;
        return i;
    };
    auto holds_principal_term = [&](std::size_t i) {
        for (const Dated& t : principal)
            if (t.day >= start(i) && t.day < start(i + 1)) return true;
        return false;
    };
    for (int32_t y = kFirstYear - 1; y <= kLastYear; ++y) {
        std::size_t a = month_holding(term(y, 23).day);
        std::size_t b = month_holding(term(y + 1, 23).day);
        bool leap_due = b - a == 13;
        int32_t number = 11;
        months[a].number = number;
        for (std::size_t i = a + 1; i < b; ++i) {
            if (leap_due && !holds_principal_term(i)) {
                months[i].number = number;
                months[i].leap = true;
                leap_due = false;
                continue;
            }
            number = number % 12 + 1;
            months[i].number = number;
        }
    }
    return months;
}

// "1901-1913 UTC+8, 1914-1928 Beijing, 1929- UTC+8": the eras, for the
// tables' headers.
std::string eras_text() {
    std::string text;
    for (std::size_t i = 0; i < std::size(reckoning::kEras); ++i) {
        const Era& era = reckoning::kEras[i];
        if (i) text += ", ";
        text += std::to_string(era.from.year) + "-";
        if (i + 1 < std::size(reckoning::kEras)) text += std::to_string(reckoning::kEras[i + 1].from.year - 1);
        text += std::string(" ") + era.name;
        const int32_t seconds = reckoning::offset_seconds(era);
        char offset[32];
        std::snprintf(offset, sizeof offset, " (UTC+%d:%02d:%02d)", seconds / 3600, seconds / 60 % 60, seconds % 60);
        if (era.meridian != reckoning::kMeridian120) text += offset;
    }
    return text;
}

void write_lunar_table(std::FILE* out, const std::vector<Month>& months, const std::vector<Dated>& principal) {
    std::fprintf(out,
                 "// The Hong Kong Observatory's lunar calendar, lunar years %d-%d: one row per\n"
                 "// lunar year: the year, the Gregorian date of its first day, the lengths of\n"
                 "// its months in order (a leap month follows the month it repeats), and its\n"
                 "// leap month (0 for none). Generated by hk_generate\n"
                 "// (src/hk/generator/generate.cpp) from new moons (Meeus' series) and\n"
                 "// principal solar terms (abridged VSOP87), each on its civil day at the\n"
                 "// meridian the calendar was reckoned in (src/hk/generator/reckoning.hpp):\n"
                 "// %s.\n"
                 "// Every new moon or principal term within %g minutes of a midnight there is\n"
                 "// named in a comment on the row of its lunar year, in that local time,\n"
                 "// with its day: the reckoned one, or the Observatory's where a decision of\n"
                 "// reckoning.hpp gives it, with the reason. Do not edit: regenerate.\n"
                 "//  year  new year          month lengths                              leap\n",
                 kFirstYear, kLastYear, eras_text().c_str(), kCloseMinutes);
    std::size_t i = 0;
    for (int32_t year = kFirstYear; year <= kLastYear; ++year) {
        auto first_month = [&](std::size_t m) { return months[m].number == 1 && !months[m].leap; };
        while (!(first_month(i) && civil::from_jd0(months[i].new_moon.day).year == year)) ++i;
        std::size_t j = i + 1;
        while (!first_month(j)) ++j;
        const Date ny = civil::from_jd0(months[i].new_moon.day);
        std::string lengths, notes;
        int32_t leap = 0;
        for (std::size_t m = i; m < j; ++m) {
            if (m > i) lengths += ' ';
            lengths += std::to_string(months[m + 1].new_moon.day - months[m].new_moon.day);
            if (months[m].leap) leap = months[m].number;
            if (close(months[m].new_moon)) notes += close_note("new moon", months[m].new_moon, "month from");
        }
        for (const Dated& t : principal)
            if (t.day >= months[i].new_moon.day && t.day < months[j].new_moon.day && close(t))
                notes += close_note("principal term", t, "on");
        std::fprintf(out, "{%d, {%d, %d, %2d}, \"%s\",%*s %2d},", year, ny.year, ny.month, ny.day, lengths.c_str(),
                     static_cast<int>(41 - lengths.size()), "", leap);
        if (!notes.empty()) std::fprintf(out, "  // close:%s", notes.substr(1).c_str());
        std::fputc('\n', out);
        i = j;
    }
}

void write_solar_terms_table(std::FILE* out) {
    std::string rows;
    int32_t off_days = 0;
    for (int32_t y = kFirstYear; y <= kLastYear; ++y) {
        std::string notes;
        rows.append("{").append(std::to_string(y)).append(", {");
        for (int32_t i = 0; i < 24; ++i) {
            const Dated t = term(y, i);
            const Date d = civil::from_jd0(t.day);
            if (d.year != y || d.month != i / 2 + 1)
                fail("term " + std::to_string(i) + " of " + std::to_string(y) + " falls on " + date_text(t.day));
            if (i) rows += ", ";
            rows += std::to_string(d.day);
            if (close(t)) notes += close_note(("term " + std::to_string(i)).c_str(), t, "on");
            off_days += off_hong_kong_day(t);
        }
        rows += "}},";
        if (!notes.empty()) rows += "  // close:" + notes.substr(1);
        rows += '\n';
    }
    std::fprintf(out,
                 "// The day of each of the 24 solar terms in the Observatory's calendar, years\n"
                 "// %d-%d: one row per year, the day of the month of terms 0 (Minor Cold) to\n"
                 "// 23 (Winter Solstice); term i falls in month i / 2 + 1. Generated by\n"
                 "// hk_generate (src/hk/generator/generate.cpp) from the Sun's apparent\n"
                 "// longitude (abridged VSOP87, FK5, nutation, aberration) and Delta T, each\n"
                 "// term on its civil day at the meridian the calendar was reckoned in\n"
                 "// (src/hk/generator/reckoning.hpp):\n"
                 "// %s.\n"
                 "// That is the civil day in Hong Kong (UTC+8) of all terms but %d. Every term\n"
                 "// within %g minutes of a midnight there is named in a comment on its row,\n"
                 "// as the lunar table names them. Do not edit: regenerate.\n"
                 "%s",
                 kFirstYear, kLastYear, eras_text().c_str(), off_days, kCloseMinutes, rows.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: hk_generate OUTDIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    const std::vector<Dated> principal = principal_terms(kFirstYear - 1, kLastYear + 2);
    const std::vector<Month> months = numbered_months(principal);
    std::FILE* lunar = std::fopen((dir + "/lunar_table.inc").c_str(), "w");
    std::FILE* terms = std::fopen((dir + "/solar_terms_table.inc").c_str(), "w");
    if (!lunar || !terms) fail("cannot write to " + dir);
    write_lunar_table(lunar, months, principal);
    write_solar_terms_table(terms);
    for (std::size_t i = 0; i < std::size(reckoning::kDecisions); ++i)
        if (!decision_used[i]) fail("the decision for " + date_text(civil::to_jd0(reckoning::kDecisions[i].computed)) + " matches nothing");
    return std::fclose(lunar) == 0 && std::fclose(terms) == 0 ? 0 : 1;
}
