// Prints this year's Hong Kong general holidays (or those of the year given
// as the first argument, 1997-2100) through the installed CMake package:
//
//   cmake -S examples -B build/examples -DCMAKE_PREFIX_PATH=<hkcal prefix>
//   cmake --build build/examples && build/examples/holidays
#include <hkcal_hk.h>

#include <cstdio>
#include <ctime>
#include <string>

int main(int argc, char** argv) {
    const std::time_t now = std::time(nullptr);
    const int32_t year = argc > 1 ? std::stoi(argv[1]) : std::localtime(&now)->tm_year + 1900;
    HkHoliday list[HK_MAX_HOLIDAYS];
    size_t count = 0;
    if (const hk_status s = hk_holidays(year, HK_GENERAL, 0, HK_NO_REST_DAY, list, HK_MAX_HOLIDAYS, &count)) {
        std::fprintf(stderr, "holidays: %d: %s\n", static_cast<int>(year), hk_strerror(s));
        return 2;
    }
    for (size_t i = 0; i < count; ++i) {
        const HkHoliday& h = list[i];
        std::printf("%04d-%02d-%02d  %s\n", h.date.year, h.date.month, h.date.day, h.name_en);
    }
}
