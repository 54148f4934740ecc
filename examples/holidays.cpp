// Prints this year's Hong Kong public holidays (or those of the year given as
// the first argument) through the installed CMake package:
//
//   cmake -S examples -B build/examples -DCMAKE_PREFIX_PATH=<hkcal prefix>
//   cmake --build build/examples && build/examples/holidays
#include <hkcal.h>

#include <cstdio>
#include <ctime>
#include <string>
#include <utility>

int main(int argc, char** argv) {
    const std::time_t now = std::time(nullptr);
    const int32_t year = argc > 1 ? std::stoi(argv[1]) : std::localtime(&now)->tm_year + 1900;
    const std::pair<const char*, Date (*)(int32_t)> holidays[] = {
        {"New Year's Day", new_year_holiday},
        {"Lunar New Year's Day", lunar_new_year_day_holiday},
        {"Second day of Lunar New Year", lunar_new_year_day_2_holiday},
        {"Third day of Lunar New Year", lunar_new_year_day_3_holiday},
        {"Good Friday", good_friday},
        {"Day following Good Friday", good_friday_2_holiday},
        {"Easter Monday", easter_monday},
        {"Labour Day", labour_day_holiday},
        {"Birthday of the Buddha", birthday_of_the_buddha_holiday},
        {"Tuen Ng Festival", tuen_ng_festival_holiday},
        {"HKSAR Establishment Day", HKSAR_establishment_day_holiday},
        {"Day following Mid-Autumn Festival", chinese_mid_autumn_festival_holiday},
        {"National Day", national_day_holiday},
        {"Chung Yeung Festival", chung_yeung_festival_holiday},
        {"Christmas Day", christmas_day_holiday},
        {"First weekday after Christmas Day", christmas_day_2_holiday},
    };
    for (const auto& [name, day] : holidays) {
        const Date d = day(year);
        std::printf("%04d-%02d-%02d  %s\n", d.year, d.month, d.day, name);
    }
}
