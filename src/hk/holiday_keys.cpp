// hk_holiday_name: the names the rows of src/hk/holiday_schedules.hpp give
// their keys, and the two days only the classic library names.
#include <cstdint>

#include "hk/holiday_law.hpp"
#include "hk/text.hpp"
#include "hkcal_hk.h"

namespace {

using namespace hkcal::hk;

// Days the classic library's functions give that no list of the law holds.
constexpr const char* kClassicOnly[][3] = {
    {"easter-sunday", "Easter Sunday", "復活節"},
    {"remembrance-day", "Remembrance Day", "和平紀念日"},
};

const char* in(const law::Name& n, int32_t lang) { return lang == HK_LANG_EN ? n.en : n.zh; }

}  // namespace

extern "C" const char* hk_holiday_name(const char* key, int32_t lang) {
    if (!key || (lang != HK_LANG_EN && lang != HK_LANG_ZH)) return nullptr;
    // The name of the day on its own date: the first row with the key, or
    // the Sunday substitute that has a key of its own.
    for (const law::Row& r : law::kRows) {
        if (text::same(key, r.key)) return in(r.name, lang);
        if (r.sunday.key && text::same(key, r.sunday.key)) return in(r.sunday.name, lang);
    }
    for (const auto& row : kClassicOnly) {
        if (text::same(key, row[0])) return row[1 + lang];
    }
    return nullptr;
}
