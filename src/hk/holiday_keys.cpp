// hk_holiday_name: the names of src/hk/holiday_names.hpp by the keys the
// holiday lists give, and the two days only the classic library names.
#include <cstdint>

#include "hk/holiday_names.hpp"
#include "hk/text.hpp"
#include "hkcal_hk.h"

namespace {

using namespace hkcal::hk::names;

// Each key of the law's lists and the name its holiday has on its own day.
struct Keyed {
    const char* key;
    Id id;
    bool following;  // "The day following <name>"
};
constexpr Keyed kKeys[] = {
    {"new-year", kNewYear, false},
    {"lunar-new-year-1", kLunarNewYear, false},
    {"lunar-new-year-2", kLunarNewYear2, false},
    {"lunar-new-year-3", kLunarNewYear3, false},
    {"lunar-new-year-4", kLunarNewYear4, false},
    {"lunar-new-year-eve", kLunarNewYearEve, false},
    {"ching-ming", kChingMing, false},
    {"good-friday", kGoodFriday, false},
    {"good-friday-2", kGoodFriday2, false},
    {"easter-monday", kEasterMonday, false},
    {"labour-day", kLabourDay, false},
    {"buddha", kBuddha, false},
    {"queens-birthday", kQueensBirthday, false},
    {"queens-birthday-monday", kQueensBirthdayMonday, false},
    {"tuen-ng", kTuenNg, false},
    {"establishment-day", kEstablishmentDay, false},
    {"establishment-day-2", kEstablishmentDay, true},
    {"victory-day", kVictoryDay, false},
    {"mid-autumn", kMidAutumn1, false},
    {"national-day", kNationalDay, false},
    {"national-day-2", kNationalDay, true},
    {"chung-yeung", kChungYeung, false},
    {"winter-solstice", kWinterSolstice, false},
    {"christmas", kChristmas, false},
    {"christmas-weekday", kChristmas1, false},
    {"millennium-eve", kAdditionalHoliday, false},
    {"victory-70", kVictory70, false},
};

// Days the classic library's functions give that no list of the law holds.
constexpr const char* kClassicOnly[][3] = {
    {"easter-sunday", "Easter Sunday", "復活節"},
    {"remembrance-day", "Remembrance Day", "和平紀念日"},
};

}  // namespace

extern "C" const char* hk_holiday_name(const char* key, int32_t lang) {
    if (!key || (lang != HK_LANG_EN && lang != HK_LANG_ZH)) return nullptr;
    for (const Keyed& k : kKeys) {
        if (!hkcal::hk::text::same(key, k.key)) continue;
        const Name n = name(k.id, k.following);
        return lang == HK_LANG_EN ? n.en : n.zh;
    }
    for (const auto& row : kClassicOnly) {
        if (hkcal::hk::text::same(key, row[0])) return row[1 + lang];
    }
    return nullptr;
}
