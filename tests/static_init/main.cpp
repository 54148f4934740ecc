// A program whose own global is initialised by calls into the static
// libraries. Its object comes before the archives on the link line, so its
// initialiser runs first: the answer is right only if the library's tables
// are constant-initialised.
#include "hkcal_hk.h"

namespace {

// 2026: Good Friday (3 April) is no business day, the Thursday before is;
// 17 general holidays, the last on 26 December.
bool ask() {
    const Date friday{2026, 4, 3}, thursday{2026, 4, 2};
    int32_t friday_works = -1, thursday_works = -1;
    HkHoliday days[HK_MAX_HOLIDAYS];
    size_t n = 0;
    return hk_is_business_day(&friday, HK_MON_FRI, &friday_works) == HK_OK && friday_works == 0 &&
           hk_is_business_day(&thursday, HK_MON_FRI, &thursday_works) == HK_OK && thursday_works == 1 &&
           hk_holidays(2026, HK_GENERAL, 0, HK_NO_REST_DAY, days, HK_MAX_HOLIDAYS, &n) == HK_OK && n == 17 &&
           days[16].date.month == 12 && days[16].date.day == 26;
}

const bool g_right = ask();

}  // namespace

int main() { return g_right ? 0 : 1; }
