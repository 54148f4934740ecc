// The tool's commands: each reads its arguments, calls the library, and
// returns its whole output as text; a mistake in the arguments throws
// UsageError before anything is written.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "holidays_law.hpp"
#include "options.hpp"

namespace hkcal::tool {

// The command line. Arguments stay the words given (their messages quote
// them); options arrive typed, read by tools/options.hpp as CLI11 meets them.
struct Args {
    std::string year, month, date, date2, count, lunar, clock, jd;
    Unit unit = Unit::days;
    Format format = Format::text;
    Lang lang = Lang::en;
    Rules rules = Rules::law;
    LawList list;                    // --kind, --rest-day, --christmas
    std::optional<int32_t> roll;     // HK_FOLLOWING ...
    std::optional<uint8_t> weekdays;  // the library's mask; Monday to Friday when not given
    LunarTable table = LunarTable::observatory;
    Color color = Color::automatic;
    std::optional<int32_t> from, to;  // UTC offsets as HHMM; nothing: local time
    std::optional<int32_t> from_dst, to_dst;
    bool show_lunar = false, workdays = false, trading_days = false, no_holidays = false;
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
