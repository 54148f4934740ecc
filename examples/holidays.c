/* Prints this year's Hong Kong public holidays (or those of the year given
 * as the first argument) through the installed library, found by pkg-config:
 *
 *   cc -o holidays holidays.c $(pkg-config --cflags --libs hkcal)
 */
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

#include <hkcal.h>

static const struct {
    const char* name;
    Date (*day)(int32_t year);
} holidays[] = {
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

int main(int argc, char** argv) {
    time_t now = time(NULL);
    int32_t year = argc > 1 ? (int32_t)atoi(argv[1]) : (int32_t)(localtime(&now)->tm_year + 1900);
    for (size_t i = 0; i < sizeof holidays / sizeof holidays[0]; ++i) {
        Date d = holidays[i].day(year);
        printf("%04d-%02d-%02d  %s\n", d.year, d.month, d.day, holidays[i].name);
    }
    return 0;
}
