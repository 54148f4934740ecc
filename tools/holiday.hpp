// One entry of a holiday list, as the list builders make it and the writers
// print it.
#pragma once

#include <optional>
#include <string>

#include "hkcal.h"
#include "hkcal_hk.h"

namespace hkcal::tool {

// A holiday's name in the two languages of the published lists.
struct Name {
    std::string en;
    std::string zh;
};

enum class Lang { en, zh };

inline const std::string& in(const Name& name, Lang lang) { return lang == Lang::zh ? name.zh : name.en; }

// The library's names of the holiday under a key ("good-friday").
inline Name named(const char* key) { return {hk_holiday_name(key, HK_LANG_EN), hk_holiday_name(key, HK_LANG_ZH)}; }

struct Holiday {
    Date date;                       // the day given as a holiday
    std::string key;                 // stable identifier of the rule within a year's list
    Name name;
    std::optional<Date> observed_for;  // the festival's own date, for a substitute day
};

// Which list: the law in force in the year asked (1997-2100, from the Hong
// Kong library), or what the classic library's functions return.
enum class Rules { law, library };

inline const char* rules_name(Rules rules) { return rules == Rules::law ? "law" : "library"; }

}  // namespace hkcal::tool
