// The tool's commands: each reads its arguments (as the command line gave
// them), calls the library, and returns its whole output as text; a mistake
// in the arguments throws UsageError before anything is written.
#pragma once

#include <string>

namespace hkcal::tool {

// The command line's words, as CLI11 stored them; empty when not given.
struct Args {
    std::string year, month, date, date2, count, unit = "days", lunar;
    std::string format = "text", lang = "en", rules, color = "auto";
    std::string weekdays, from = "local", to = "local", from_dst, to_dst, clock, jd;
    std::string kind = "general", rest_day, roll, table;
    bool show_lunar = false, workdays = false, trading_days = false, no_holidays = false, christmas = false;
};

std::string run_holidays(const Args& a);  // hkcal holidays [YEAR]
std::string run_month(const Args& a);     // hkcal month [YYYY-MM]
std::string run_year(const Args& a);      // hkcal year [YYYY]
std::string run_date(const Args& a);      // hkcal date [DATE]
std::string run_lunar(const Args& a);     // hkcal lunar DATE
std::string run_solar(const Args& a);     // hkcal solar LUNAR-DATE
std::string run_terms(const Args& a);     // hkcal terms [YEAR]
std::string run_add(const Args& a);       // hkcal add DATE N [UNIT]
std::string run_between(const Args& a);   // hkcal between DATE DATE2
std::string run_easter(const Args& a);    // hkcal easter [YEAR]
std::string run_jd(const Args& a);        // hkcal jd DATE|NUMBER
std::string run_tz(const Args& a);        // hkcal tz TIME
std::string run_sessions(const Args& a);  // hkcal sessions [YEAR | START END]
std::string run_closures(const Args& a);  // hkcal closures [YEAR [LAST]]

}  // namespace hkcal::tool
