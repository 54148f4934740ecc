// PLACEHOLDER until written: every function answers HK_ERANGE.
#include "hkcal_hk.h"

extern "C" hk_status hk_holidays(int32_t, uint32_t, uint32_t, int32_t, HkHoliday*, size_t, size_t*) { return HK_ERANGE; }
extern "C" hk_status hk_is_holiday(const Date*, uint32_t, uint32_t, int32_t, int32_t*) { return HK_ERANGE; }
