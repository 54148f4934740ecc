// PLACEHOLDER until written: every function answers HK_ERANGE.
#include "hkcal_hk.h"

extern "C" hk_status hk_solar_term_date(int32_t, int32_t, Date*) { return HK_ERANGE; }
extern "C" hk_status hk_solar_term_instant(int32_t, int32_t, double*) { return HK_ERANGE; }
extern "C" const char* hk_solar_term_name(int32_t, int32_t) { return nullptr; }
