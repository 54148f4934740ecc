// The names of the classic library's holidays for --rules=library, as the
// Hong Kong Government's published lists write them, in English and Chinese.
// (The law's lists carry their own names, from the Hong Kong library.)
#pragma once

#include "holiday.hpp"

namespace hkcal::tool::names {

inline const Name kNewYear{"The first day of January", "一月一日"};
inline const Name kLunarNewYear{"Lunar New Year's Day", "農曆年初一"};
inline const Name kLunarNewYear2{"The second day of Lunar New Year", "農曆年初二"};
inline const Name kLunarNewYear3{"The third day of Lunar New Year", "農曆年初三"};
inline const Name kGoodFriday{"Good Friday", "耶穌受難節"};
inline const Name kGoodFriday2{"The day following Good Friday", "耶穌受難節翌日"};
inline const Name kEasterSunday{"Easter Sunday", "復活節"};
inline const Name kEasterMonday{"Easter Monday", "復活節星期一"};
inline const Name kLabourDay{"Labour Day", "勞動節"};
inline const Name kBuddha{"The Birthday of the Buddha", "佛誕"};
inline const Name kTuenNg{"Tuen Ng Festival", "端午節"};
inline const Name kEstablishmentDay{"Hong Kong Special Administrative Region Establishment Day",
                                    "香港特別行政區成立紀念日"};
inline const Name kMidAutumn1{"The day following the Chinese Mid-Autumn Festival", "中秋節翌日"};
inline const Name kNationalDay{"National Day", "國慶日"};
inline const Name kChungYeung{"Chung Yeung Festival", "重陽節"};
inline const Name kChristmas{"Christmas Day", "聖誕節"};
inline const Name kChristmas1{"The first weekday after Christmas Day", "聖誕節後第一個周日"};
inline const Name kRemembranceDay{"Remembrance Day", "和平紀念日"};
inline const Name kVictoryDay{"Sino-Japanese War Victory Day", "抗日戰爭勝利紀念日"};

}  // namespace hkcal::tool::names
