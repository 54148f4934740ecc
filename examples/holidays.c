/* Prints this year's Hong Kong general holidays (or those of the year given
 * as the first argument, 1997-2100) through the installed Hong Kong library,
 * found by pkg-config:
 *
 *   cc -o holidays holidays.c $(pkg-config --cflags --libs hkcal_hk)
 */
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

#include <hkcal_hk.h>

int main(int argc, char** argv) {
    time_t now = time(NULL);
    int32_t year = argc > 1 ? (int32_t)atoi(argv[1]) : (int32_t)(localtime(&now)->tm_year + 1900);
    HkHoliday list[HK_MAX_HOLIDAYS];
    size_t count = 0;
    hk_status status = hk_holidays(year, HK_GENERAL, 0, HK_NO_REST_DAY, list, HK_MAX_HOLIDAYS, &count);
    if (status != HK_OK) {
        fprintf(stderr, "holidays: %d: %s\n", (int)year, hk_strerror(status));
        return 2;
    }
    for (size_t i = 0; i < count; ++i) {
        printf("%04d-%02d-%02d  %s\n", list[i].date.year, list[i].date.month, list[i].date.day, list[i].name_en);
    }
    return 0;
}
