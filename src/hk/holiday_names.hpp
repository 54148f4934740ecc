// The holidays' names as the Government's published lists write them, in
// English and Traditional Chinese (UTF-8), and the substitutes' names
// ("The day following X", X翌日) made from them at compile time.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace hkcal::hk::names {

enum Id : uint8_t {
    kNewYear, kLunarNewYear, kLunarNewYear2, kLunarNewYear3, kLunarNewYear4, kLunarNewYearEve,
    kChingMing, kGoodFriday, kGoodFriday2, kEasterMonday, kLabourDay, kBuddha, kTuenNg,
    kEstablishmentDay, kMidAutumn, kMidAutumn1, kMidAutumn2, kNationalDay, kChungYeung,
    kWinterSolstice, kChristmas, kChristmas1, kChristmas2, kQueensBirthday, kQueensBirthdayMonday,
    kVictoryDay, kAdditionalHoliday, kVictory70, kCount
};

struct Name {
    const char* en;
    const char* zh;
};

inline constexpr Name kNames[kCount] = {
    {"The first day of January", "一月一日"},
    {"Lunar New Year's Day", "農曆年初一"},
    {"The second day of Lunar New Year", "農曆年初二"},
    {"The third day of Lunar New Year", "農曆年初三"},
    {"The fourth day of Lunar New Year", "農曆年初四"},
    {"The day preceding Lunar New Year's Day", "農曆年初一的前一日"},
    {"Ching Ming Festival", "清明節"},
    {"Good Friday", "耶穌受難節"},
    {"The day following Good Friday", "耶穌受難節翌日"},
    {"Easter Monday", "復活節星期一"},
    {"Labour Day", "勞動節"},
    {"The Birthday of the Buddha", "佛誕"},
    {"Tuen Ng Festival", "端午節"},
    {"Hong Kong Special Administrative Region Establishment Day", "香港特別行政區成立紀念日"},
    {"Chinese Mid-Autumn Festival", "中秋節"},
    {"The day following the Chinese Mid-Autumn Festival", "中秋節翌日"},
    {"The second day following the Chinese Mid-Autumn Festival", "中秋節後第二日"},
    {"National Day", "國慶日"},
    {"Chung Yeung Festival", "重陽節"},
    {"Chinese Winter Solstice Festival", "冬節"},
    {"Christmas Day", "聖誕節"},
    {"The first weekday after Christmas Day", "聖誕節後第一個周日"},
    {"The second weekday after Christmas Day", "聖誕節後第二個周日"},
    {"The Birthday of Her Majesty the Queen", "英女皇壽辰"},
    {"The Monday following the Birthday of Her Majesty the Queen", "英女皇壽辰後的星期一"},
    {"Sino-Japanese War Victory Day", "抗日戰爭勝利紀念日"},
    {"Additional general holiday", "增補公眾假期"},
    {"The 70th anniversary day of the victory of the Chinese people's war of resistance against Japanese "
     "aggression",
     "中國人民抗日戰爭勝利70周年紀念日"},
};

namespace detail {

inline constexpr std::size_t kTextSize = 192;  // the longest name with its prefix, and a terminator
struct Text {
    char s[kTextSize]{};
};

constexpr std::size_t append(Text& t, std::size_t at, const char* x) {
    while (*x != '\0') t.s[at++] = *x++;
    return at;
}

// "The day following " + X, a leading "The " of X becoming "the ".
constexpr Text following_en(const char* x) {
    Text t;
    std::size_t at = append(t, 0, "The day following ");
    const bool the = x[0] == 'T' && x[1] == 'h' && x[2] == 'e' && x[3] == ' ';
    if (the) t.s[at++] = 't', ++x;
    append(t, at, x);
    return t;
}

// X + "翌日".
constexpr Text following_zh(const char* x) {
    Text t;
    append(t, append(t, 0, x), "翌日");
    return t;
}

constexpr std::array<std::array<Text, 2>, kCount> make_following() {
    std::array<std::array<Text, 2>, kCount> out{};
    for (std::size_t i = 0; i < kCount; ++i) out[i] = {following_en(kNames[i].en), following_zh(kNames[i].zh)};
    return out;
}

inline constexpr auto kFollowing = make_following();

constexpr bool same(const char* a, const char* b) {
    while (*a != '\0' && *a == *b) ++a, ++b;
    return *a == *b;
}
static_assert(same(kFollowing[kChingMing][0].s, "The day following Ching Ming Festival"));
static_assert(same(kFollowing[kMidAutumn][1].s, kNames[kMidAutumn1].zh));
static_assert(same(kFollowing[kGoodFriday][1].s, kNames[kGoodFriday2].zh));

}  // namespace detail

// The name of a holiday day: the festival's own, or its substitute's.
constexpr Name name(Id id, bool following) {
    if (!following) return kNames[id];
    return {detail::kFollowing[id][0].s, detail::kFollowing[id][1].s};
}

}  // namespace hkcal::hk::names
