// hk_generate OUTDIR: computes the Hong Kong calendar's tables from the
// astronomy in src/hk/astro.cpp and writes OUTDIR/lunar_table.inc and
// OUTDIR/solar_terms_table.inc (the files committed in src/hk/).
//
// The lunar calendar's rules, as the Observatory applies them, in Hong Kong
// time (UTC+8):
// - a month begins on the civil day of its new moon and ends the day before
//   the next one's;
// - the month holding the winter solstice is the 11th;
// - when 13 months begin from one 11th month to the next (exclusive), the
//   first of them after the 11th that holds no principal term (the Sun at a
//   multiple of 30 degrees) is a leap month, numbered as the month before it.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "hk/astro.hpp"
#include "hk/civil.hpp"

namespace {

using namespace hkcal::hk;

constexpr int32_t kFirstYear = 1901, kLastYear = 2100;
constexpr double kMinutesPerDay = 1440;
constexpr double kCloseMinutes = 10;  // an instant this near a Hong Kong midnight is a close call

// The close calls where the Observatory's calendar departs from the
// computation in Hong Kong time: 1912-1928 were reckoned in Beijing's local
// mean time (116 deg 24' E, UTC+7:46), in which these new moons, a few
// minutes after a Hong Kong midnight, fall before midnight, on the day before.
struct Decision {
    Date computed;   // the Hong Kong day of the new moon
    Date published;  // the first day of the month in the Observatory's calendar
};
constexpr Decision kDecisions[] = {
    {{1914, 11, 18}, {1914, 11, 17}},  // new moon 00:01 Hong Kong, 23:47 Beijing
    {{1916, 2, 4}, {1916, 2, 3}},      // 00:05, 23:51: Lunar New Year 1916-02-03
    {{1920, 11, 11}, {1920, 11, 10}},  // 00:04, 23:50
};
constexpr const char* kDecisionReason = "Beijing local time until 1928";

struct Month {
    int32_t start;   // JD0 of its first day
    double instant;  // its new moon, JD UT
    int32_t number;  // 1-12
    bool leap;
};

// Minutes from the instant to the nearest Hong Kong midnight, negative
// before it.
double minutes_from_midnight(double jd_ut) {
    double day = jd_ut + 8.0 / 24 + 0.5;  // local days since JD0 0's midnight
    double frac = day - std::floor(day);
    return (frac < 0.5 ? frac : frac - 1) * kMinutesPerDay;
}

std::string local_time(double jd_ut) {
    double local = jd_ut + 8.0 / 24 + 0.5;
    int32_t jd0 = static_cast<int32_t>(std::floor(local));
    int minutes = static_cast<int>(std::floor((local - jd0) * kMinutesPerDay));
    Date d = civil::from_jd0(jd0);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", d.year, d.month, d.day, minutes / 60, minutes % 60);
    return text;
}

struct Term {
    int32_t day;
    double instant;
};

// The principal terms (odd indices) of years first..last, in time order.
std::vector<Term> principal_terms(int32_t first, int32_t last) {
    std::vector<Term> terms;
    for (int32_t y = first; y <= last; ++y)
        for (int32_t i = 1; i < 24; i += 2) {
            double jd = astro::solar_term_jd_ut(y, i);
            terms.push_back({astro::hong_kong_day(jd), jd});
        }
    return terms;
}

// The months whose new moons fall from late 1900 to early 2102, numbered.
std::vector<Month> numbered_months(const std::vector<Term>& principal) {
    std::vector<Month> months;
    const int32_t k_first = -1240, k_last = 1265;  // new moons of 1899-12 and 2102-03
    for (int32_t k = k_first; k <= k_last; ++k) {
        double jd = astro::new_moon_jd_ut(k);
        int32_t day = astro::hong_kong_day(jd);
        for (const Decision& d : kDecisions)
            if (civil::to_jd0(d.computed) == day) day = civil::to_jd0(d.published);
        months.push_back({day, jd, 0, false});
    }
    auto month_holding = [&](int32_t day) {
        std::size_t i = 0;
        while (months[i + 1].start <= day) ++i;
        return i;
    };
    auto holds_principal_term = [&](std::size_t i) {
        for (const Term& t : principal)
            if (t.day >= months[i].start && t.day < months[i + 1].start) return true;
        return false;
    };
    for (int32_t y = kFirstYear - 1; y <= kLastYear; ++y) {
        std::size_t a = month_holding(astro::hong_kong_day(astro::solar_term_jd_ut(y, 23)));
        std::size_t b = month_holding(astro::hong_kong_day(astro::solar_term_jd_ut(y + 1, 23)));
        bool leap_due = b - a == 13;
        int32_t number = 11;
        months[a].number = number;
        for (std::size_t i = a + 1; i < b; ++i) {
            if (leap_due && !holds_principal_term(i)) {
                months[i] = {months[i].start, months[i].instant, number, true};
                leap_due = false;
                continue;
            }
            number = number % 12 + 1;
            months[i].number = number;
        }
    }
    return months;
}

std::string date_text(int32_t jd0) {
    Date d = civil::from_jd0(jd0);
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
    return text;
}

void write_lunar_table(std::FILE* out, const std::vector<Month>& months, const std::vector<Term>& principal) {
    std::fprintf(out,
                 "// The Hong Kong Observatory's lunar calendar, lunar years %d-%d: one row per\n"
                 "// lunar year: the year, the Gregorian date of its first day, the lengths of\n"
                 "// its months in order (a leap month follows the month it repeats), and its\n"
                 "// leap month (0 for none). Generated by hk_generate\n"
                 "// (src/hk/generator/generate.cpp) from new moons (Meeus' series) and\n"
                 "// principal solar terms (abridged VSOP87) in Hong Kong time (UTC+8). Every\n"
                 "// new moon or principal term within %g minutes of a Hong Kong midnight is\n"
                 "// named in a comment on the row of its lunar year with the day the\n"
                 "// Observatory's calendar gives it: the computed day, or where the\n"
                 "// Observatory departs from it the published day and the reason (see\n"
                 "// kDecisions in the generator). Do not edit: regenerate.\n"
                 "//  year  new year          month lengths                              leap\n",
                 kFirstYear, kLastYear, kCloseMinutes);
    std::size_t i = 0;
    for (int32_t year = kFirstYear; year <= kLastYear; ++year) {
        while (!(months[i].number == 1 && !months[i].leap && civil::from_jd0(months[i].start).year == year)) ++i;
        std::size_t j = i + 1;
        while (!(months[j].number == 1 && !months[j].leap)) ++j;
        Date ny = civil::from_jd0(months[i].start);
        std::string lengths, notes;
        int32_t leap = 0;
        for (std::size_t m = i; m < j; ++m) {
            if (m > i) lengths += ' ';
            lengths += std::to_string(months[m + 1].start - months[m].start);
            if (months[m].leap) leap = months[m].number;
            if (std::fabs(minutes_from_midnight(months[m].instant)) < kCloseMinutes) {
                notes.append(" new moon ").append(local_time(months[m].instant)).append(", month from ");
                notes.append(date_text(months[m].start).substr(5));
                if (months[m].start != astro::hong_kong_day(months[m].instant)) notes.append(" (").append(kDecisionReason).append(")");
                notes.append(";");
            }
        }
        for (const Term& t : principal)
            if (t.day >= months[i].start && t.day < months[j].start &&
                std::fabs(minutes_from_midnight(t.instant)) < kCloseMinutes)
                notes.append(" principal term ").append(local_time(t.instant)).append(", on ").append(date_text(t.day).substr(5)).append(";");
        std::fprintf(out, "{%d, {%d, %d, %2d}, \"%s\",%*s %2d},", year, ny.year, ny.month, ny.day, lengths.c_str(),
                     static_cast<int>(41 - lengths.size()), "", leap);
        if (!notes.empty()) {
            notes.pop_back();
            std::fprintf(out, "  // close:%s", notes.c_str());
        }
        std::fputc('\n', out);
        i = j;
    }
}

void write_solar_terms_table(std::FILE* out) {
    std::fprintf(out,
                 "// The civil date in Hong Kong (UTC+8) of each of the 24 solar terms, years\n"
                 "// %d-%d: one row per year, the day of the month of terms 0 (Minor Cold) to\n"
                 "// 23 (Winter Solstice); term i falls in month i / 2 + 1. Generated by\n"
                 "// hk_generate (src/hk/generator/generate.cpp) from the Sun's apparent\n"
                 "// longitude (abridged VSOP87, FK5, nutation, aberration) and Delta T.\n"
                 "// Do not edit: regenerate.\n",
                 kFirstYear, kLastYear);
    for (int32_t y = kFirstYear; y <= kLastYear; ++y) {
        std::fprintf(out, "{%d, {", y);
        for (int32_t i = 0; i < 24; ++i) {
            Date d = civil::from_jd0(astro::hong_kong_day(astro::solar_term_jd_ut(y, i)));
            if (d.year != y || d.month != i / 2 + 1) {
                std::fprintf(stderr, "hk_generate: term %d of %d falls on %s\n", i, y, date_text(civil::to_jd0(d)).c_str());
                std::exit(1);
            }
            std::fprintf(out, "%s%d", i ? ", " : "", d.day);
        }
        std::fprintf(out, "}},\n");
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: hk_generate OUTDIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    const std::vector<Term> principal = principal_terms(kFirstYear - 1, kLastYear + 2);
    const std::vector<Month> months = numbered_months(principal);
    std::FILE* lunar = std::fopen((dir + "/lunar_table.inc").c_str(), "w");
    std::FILE* terms = std::fopen((dir + "/solar_terms_table.inc").c_str(), "w");
    if (!lunar || !terms) {
        std::fprintf(stderr, "hk_generate: cannot write to %s\n", dir.c_str());
        return 1;
    }
    write_lunar_table(lunar, months, principal);
    write_solar_terms_table(terms);
    return std::fclose(lunar) == 0 && std::fclose(terms) == 0 ? 0 : 1;
}
