// The law's holidays as rows, one per entry, in the order and words of the
// ordinances: the Schedule of the General Holidays Ordinance (Cap. 149), the
// statutory holidays of the Employment Ordinance (Cap. 57) s. 39(1), and the
// days appointed for a single year. Lunar dates are the Observatory's; Ching
// Ming and the Winter Solstice are the civil dates in Hong Kong of the Sun at
// 15 and 270 degrees. A provision replaced by an amendment is two rows, each
// with its interval. Sundays (Schedule (a)) are not rows: every Sunday is a
// general holiday.
#pragma once

#include <array>

#include "hk/holiday_rules.hpp"

namespace hkcal::hk::law {

// ---- the instruments ----
inline constexpr const char* kCap149 = "General Holidays Ordinance (Cap. 149), Schedule";
inline constexpr const char* kCap57 = "Employment Ordinance (Cap. 57), s. 39(1)";
// Amends both: a Sunday among the first three days of Lunar New Year gives the
// fourth day, a Sunday after the Mid-Autumn Festival the second day following.
inline constexpr const char* kSubstitution = "General Holidays and Employment Legislation (Substitution of Holidays) "
                                             "(Amendment) Ordinance 2011, in force 24 February 2012";
inline constexpr Date kSubstitutionFrom{2012, 2, 24}, kSubstitutionUntil{2012, 2, 23};
inline constexpr const char* kTransition = "Holidays (1997 and 1998) Ordinance";
inline constexpr const char* kSchedule1999 = "Cap. 149 Schedule as in force from 1 January 1999";
inline constexpr const char* kLabourDay1998 = "Ord. No. 100 of 1997, from 1 January 1998";
inline constexpr const char* kColonial = "Holidays Ordinance (Cap. 149) until 30 June 1997";
// Five days added to s. 39(1), one every other year from 1 January 2022.
inline constexpr const char* kEmployment2021 = "Employment (Amendment) Ordinance 2021";

// ---- the names the Schedules share ----
inline constexpr Name kNewYear{"The first day of January", "一月一日"};
inline constexpr Name kLunarNewYear{"Lunar New Year's Day", "農曆年初一"};
inline constexpr Name kLunarNewYear2{"The second day of Lunar New Year", "農曆年初二"};
inline constexpr Name kLunarNewYear3{"The third day of Lunar New Year", "農曆年初三"};
inline constexpr Name kChingMing{"Ching Ming Festival", "清明節"};
inline constexpr Name kGoodFriday{"Good Friday", "耶穌受難節"};
inline constexpr Name kGoodFriday2{"The day following Good Friday", "耶穌受難節翌日"};
inline constexpr Name kEasterMonday{"Easter Monday", "復活節星期一"};
inline constexpr Name kLabourDay{"Labour Day", "勞動節"};
inline constexpr Name kBuddha{"The Birthday of the Buddha", "佛誕"};
inline constexpr Name kTuenNg{"Tuen Ng Festival", "端午節"};
inline constexpr Name kEstablishment{"Hong Kong Special Administrative Region Establishment Day", "香港特別行政區成立紀念日"};
inline constexpr Name kMidAutumnFollowing{"The day following the Chinese Mid-Autumn Festival", "中秋節翌日"};
inline constexpr Name kNationalDay{"National Day", "國慶日"};
inline constexpr Name kChungYeung{"Chung Yeung Festival", "重陽節"};
inline constexpr Name kChristmas{"Christmas Day", "聖誕節"};
inline constexpr Name kChristmasWeekday{"The first weekday after Christmas Day", "聖誕節後第一個周日"};

// The Sunday rules the Schedules share.
inline constexpr SundayRule kEveBefore2012 =
    substitute(-1, "lunar-new-year-eve", {"The day preceding Lunar New Year's Day", "農曆年初一的前一日"});
inline constexpr SundayRule kFourthDay = substitute(3, "lunar-new-year-4", {"The fourth day of Lunar New Year", "農曆年初四"});
inline constexpr SundayRule kMidAutumnBefore2012 = substitute(0, nullptr, {"Chinese Mid-Autumn Festival", "中秋節"});
inline constexpr SundayRule kMidAutumnSecondDay =
    substitute(2, nullptr, {"The second day following the Chinese Mid-Autumn Festival", "中秋節後第二日"});
inline constexpr InForce kOldSubstitution = until(kSubstitutionUntil, kCap149);
inline constexpr InForce kNewSubstitution = since(kSubstitutionFrom, kSubstitution);

// Columns: lists, key, name, the festival (its date settles a coincidence),
// days from it to the holiday, the Sunday rule, in force. Of two days on one
// date with the same festival date, the earlier row keeps it.
inline constexpr Row kRows[] = {
    // General Holidays Ordinance (Cap. 149), Schedule, paragraphs (b) to (r).
    /* (b) */ {kGeneral, "new-year", kNewYear, fixed(1, 1), 0, following_day(), in_force(kCap149)},
    /* (c) */ {kGeneral, "lunar-new-year-1", kLunarNewYear, lunar(1, 1), 0, kEveBefore2012, kOldSubstitution},
    /* (c) */ {kGeneral, "lunar-new-year-1", kLunarNewYear, lunar(1, 1), 0, kFourthDay, kNewSubstitution},
    /* (d) */ {kGeneral, "lunar-new-year-2", kLunarNewYear2, lunar(1, 1), 1, kEveBefore2012, kOldSubstitution},
    /* (d) */ {kGeneral, "lunar-new-year-2", kLunarNewYear2, lunar(1, 1), 1, kFourthDay, kNewSubstitution},
    /* (e) */ {kGeneral, "lunar-new-year-3", kLunarNewYear3, lunar(1, 1), 2, kEveBefore2012, kOldSubstitution},
    /* (e) */ {kGeneral, "lunar-new-year-3", kLunarNewYear3, lunar(1, 1), 2, kFourthDay, kNewSubstitution},
    /* (f) */ {kGeneral, "ching-ming", kChingMing, solar_term(kPureBrightness), 0, following_day(), in_force(kCap149)},
    /* (g) */ {kGeneral, "good-friday", kGoodFriday, easter_sunday(), -2, stands(), in_force(kCap149)},
    /* (h) */ {kGeneral, "good-friday-2", kGoodFriday2, easter_sunday(), -1, stands(), in_force(kCap149)},
    /* (i) */ {kGeneral, "easter-monday", kEasterMonday, easter_sunday(), 1, stands(), in_force(kCap149)},
    /* (j) */ {kGeneral, "labour-day", kLabourDay, fixed(5, 1), 0, following_day(), since({1999, 1, 1}, kSchedule1999)},
    /* (k) */ {kGeneral, "buddha", kBuddha, lunar(4, 8), 0, following_day(), since({1999, 1, 1}, kSchedule1999)},
    /* (l) */ {kGeneral, "tuen-ng", kTuenNg, lunar(5, 5), 0, following_day(), in_force(kCap149)},
    /* (m) */ {kGeneral, "establishment-day", kEstablishment, fixed(7, 1), 0, following_day(), in_force(kCap149)},
    /* (n) */ {kGeneral, "national-day", kNationalDay, fixed(10, 1), 0, following_day(), in_force(kCap149)},
    /* (o) */ {kGeneral, "mid-autumn", kMidAutumnFollowing, lunar(8, 15), 1, kMidAutumnBefore2012, kOldSubstitution},
    /* (o) */ {kGeneral, "mid-autumn", kMidAutumnFollowing, lunar(8, 15), 1, kMidAutumnSecondDay, kNewSubstitution},
    /* (p) */ {kGeneral, "chung-yeung", kChungYeung, lunar(9, 9), 0, following_day(), in_force(kCap149)},
    /* (q) */ {kGeneral, "christmas", kChristmas, fixed(12, 25), 0,
     substitute(2, nullptr, {"The second weekday after Christmas Day", "聖誕節後第二個周日"}), in_force(kCap149)},
    /* (r) */ {kGeneral, "christmas-weekday", kChristmasWeekday, fixed(12, 25), 1, next_weekday(), in_force(kCap149)},

    // Employment Ordinance (Cap. 57), s. 39(1): each day kept on its own date,
    // a Sunday too (an employee's rest day moves it, s. 39(4)). Each Easter
    // day is a festival of its own here: of two days on one date the earlier
    // row keeps it (2078: Ching Ming keeps Monday 4 April, Easter Monday
    // moves), where in the general list Easter Sunday settles it.
    {kStatutory, "new-year", kNewYear, fixed(1, 1), 0, stands(), in_force(kCap57)},
    {kStatutory, "lunar-new-year-1", kLunarNewYear, lunar(1, 1), 0, kEveBefore2012, until(kSubstitutionUntil, kCap57)},
    {kStatutory, "lunar-new-year-1", kLunarNewYear, lunar(1, 1), 0, kFourthDay, kNewSubstitution},
    {kStatutory, "lunar-new-year-2", kLunarNewYear2, lunar(1, 1), 1, kEveBefore2012, until(kSubstitutionUntil, kCap57)},
    {kStatutory, "lunar-new-year-2", kLunarNewYear2, lunar(1, 1), 1, kFourthDay, kNewSubstitution},
    {kStatutory, "lunar-new-year-3", kLunarNewYear3, lunar(1, 1), 2, kEveBefore2012, until(kSubstitutionUntil, kCap57)},
    {kStatutory, "lunar-new-year-3", kLunarNewYear3, lunar(1, 1), 2, kFourthDay, kNewSubstitution},
    {kStatutory, "ching-ming", kChingMing, solar_term(kPureBrightness), 0, stands(), in_force(kCap57)},
    {kStatutory, "good-friday", kGoodFriday, easter_day(-2), 0, stands(), since({2028, 1, 1}, kEmployment2021)},
    {kStatutory, "good-friday-2", kGoodFriday2, easter_day(-1), 0, stands(), since({2030, 1, 1}, kEmployment2021)},
    {kStatutory, "easter-monday", kEasterMonday, easter_day(1), 0, stands(), since({2026, 1, 1}, kEmployment2021)},
    {kStatutory, "labour-day", kLabourDay, fixed(5, 1), 0, stands(), since({1998, 1, 1}, kLabourDay1998)},
    {kStatutory, "buddha", kBuddha, lunar(4, 8), 0, stands(), since({2022, 1, 1}, kEmployment2021)},
    {kStatutory, "tuen-ng", kTuenNg, lunar(5, 5), 0, stands(), in_force(kCap57)},
    {kStatutory, "establishment-day", kEstablishment, fixed(7, 1), 0, stands(), in_force(kCap57)},
    {kStatutory, "mid-autumn", kMidAutumnFollowing, lunar(8, 15), 1, kMidAutumnBefore2012, until(kSubstitutionUntil, kCap57)},
    {kStatutory, "mid-autumn", kMidAutumnFollowing, lunar(8, 15), 1, kMidAutumnSecondDay, kNewSubstitution},
    {kStatutory, "national-day", kNationalDay, fixed(10, 1), 0, stands(), in_force(kCap57)},
    {kStatutory, "chung-yeung", kChungYeung, lunar(9, 9), 0, stands(), in_force(kCap57)},
    {kStatutorySolstice, "winter-solstice", {"Chinese Winter Solstice Festival", "冬節"}, solar_term(kWinterSolstice), 0,
     stands(), in_force(kCap57)},
    {kStatutoryChristmas, "christmas", kChristmas, fixed(12, 25), 0, stands(), in_force(kCap57)},
    {kStatutory, "christmas-weekday", kChristmasWeekday, fixed(12, 25), 1, next_weekday(), since({2024, 1, 1}, kEmployment2021)},

    // Days appointed for a single year, and the holidays of 1997-1998.
    {kGeneral, "queens-birthday", {"The Birthday of Her Majesty the Queen", "英女皇壽辰"}, fixed(6, 28), 0, stands(),
     during({1997, 6, 28}, {1997, 6, 28}, kColonial)},
    {kGeneral, "queens-birthday-monday",
     {"The Monday following the Birthday of Her Majesty the Queen", "英女皇壽辰後的星期一"}, fixed(6, 30), 0, stands(),
     during({1997, 6, 30}, {1997, 6, 30}, kColonial)},
    {kGeneral | kStatutory, "establishment-day-2",
     {"The day following Hong Kong Special Administrative Region Establishment Day", "香港特別行政區成立紀念日翌日"},
     fixed(7, 2), 0, stands(), during({1997, 7, 2}, {1997, 7, 2}, kTransition)},
    {kGeneral, "victory-day", {"Sino-Japanese War Victory Day", "抗日戰爭勝利紀念日"}, nth_weekday(3, kMonday, 8), 0,
     stands(), during({1997, 1, 1}, {1998, 12, 31}, kTransition)},
    {kGeneral, "national-day-2", {"The day following National Day", "國慶日翌日"}, fixed(10, 2), 0, stands(),
     during({1997, 1, 1}, {1998, 12, 31}, kTransition)},
    {kGeneral, "millennium-eve", {"Additional general holiday", "增補公眾假期"}, fixed(12, 31), 0, stands(),
     during({1999, 12, 31}, {1999, 12, 31}, "L.N. 191 of 1999 (Cap. 149 s. 6(1))")},
    {kGeneral | kStatutory, "victory-70",
     {"The 70th anniversary day of the victory of the Chinese people's war of resistance against Japanese aggression",
      "中國人民抗日戰爭勝利70周年紀念日"},
     fixed(9, 3), 0, stands(), during({2015, 9, 3}, {2015, 9, 3}, "Special Holiday (3 September 2015) Ordinance")},
};

}  // namespace hkcal::hk::law
