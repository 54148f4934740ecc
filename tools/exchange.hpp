// The stock exchange's days on the shell: each trading day's sessions, and
// the weekdays it did not trade in full, in the tool's four forms.
#pragma once

#include <string>
#include <vector>

#include "format.hpp"
#include "hkcal_hk.h"

namespace hkcal::tool {

struct TradingDay {
    Date date;
    HkSession session;
};

// The trading days of [first, last] (dates of 1997-2100, first not later).
std::vector<TradingDay> trading_days(const Date& first, const Date& last);

// The half days, closures and shortened days of years first..last (1997-2100).
std::vector<HkXhkgClosure> closures(int32_t first, int32_t last);

// Text: one line per day; csv: date,open,break_start,break_end,close; json
// adds the kind, the pre-opening session's start and the closing auction's end;
// ics: an event per continuous session, times in UTC.
std::string write_sessions(const std::vector<TradingDay>& days, Format format, const std::string& dtstamp);

// Text: date, weekday, the hours traded (or "closed"), the reason; csv and
// json add the key and the source; ics: an all-day event per day.
std::string write_closures(const std::vector<HkXhkgClosure>& days, Format format, Lang lang, const std::string& dtstamp);

}  // namespace hkcal::tool
