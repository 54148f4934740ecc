// PLACEHOLDER until written: every function answers HK_ERANGE.
#include "hkcal_hk.h"

extern "C" hk_status hk_is_business_day(const Date*, uint8_t, int32_t*) { return HK_ERANGE; }
extern "C" hk_status hk_add_business_days(const Date*, int32_t, uint8_t, Date*) { return HK_ERANGE; }
extern "C" hk_status hk_next_business_day(const Date*, uint8_t, Date*) { return HK_ERANGE; }
extern "C" hk_status hk_previous_business_day(const Date*, uint8_t, Date*) { return HK_ERANGE; }
extern "C" hk_status hk_roll(const Date*, int32_t, uint8_t, Date*) { return HK_ERANGE; }
extern "C" hk_status hk_business_days_between(const Date*, const Date*, uint8_t, int32_t*) { return HK_ERANGE; }
