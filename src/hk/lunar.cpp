// PLACEHOLDER until written: every function answers HK_ERANGE.
#include "hkcal_hk.h"

extern "C" hk_status hk_date_to_lunar(const Date*, Date*) { return HK_ERANGE; }
extern "C" hk_status hk_lunar_to_date(const Date*, Date*) { return HK_ERANGE; }
extern "C" hk_status hk_lunar_new_year(int32_t, Date*) { return HK_ERANGE; }
extern "C" hk_status hk_lunar_leap_month(int32_t, int32_t*) { return HK_ERANGE; }
extern "C" hk_status hk_lunar_month_days(int32_t, int32_t, int32_t*) { return HK_ERANGE; }
