// Business days 1997-2100: the engine over the general holidays.
#include "hk/business_general.hpp"
#include "hkcal_hk.h"


namespace {

using namespace hkcal::hk::business;

hk_status write(bool found, Position p, Date* out) {
    if (!found) return HK_ERANGE;
    *out = date(p);
    return HK_OK;
}

}  // namespace

extern "C" hk_status hk_is_business_day(const Date* date, uint8_t workdays, int32_t* result) {
    if (!date || !result) return HK_ENULL;
    Position p{};
    if (hk_status s = locate(*date, workdays, p)) return s;
    *result = General::is_open(workdays & 0x7F, p);
    return HK_OK;
}

extern "C" hk_status hk_add_business_days(const Date* date, int32_t n, uint8_t workdays, Date* result) {
    if (!date || !result) return HK_ENULL;
    Position p{};
    if (hk_status s = locate(*date, workdays, p)) return s;
    return write(General::add(workdays & 0x7F, p, n), p, result);
}

extern "C" hk_status hk_next_business_day(const Date* date, uint8_t workdays, Date* result) {
    return hk_add_business_days(date, 1, workdays, result);
}

extern "C" hk_status hk_previous_business_day(const Date* date, uint8_t workdays, Date* result) {
    return hk_add_business_days(date, -1, workdays, result);
}

extern "C" hk_status hk_roll(const Date* date, int32_t convention, uint8_t workdays, Date* result) {
    if (!date || !result) return HK_ENULL;
    if (convention < HK_FOLLOWING || convention > HK_MODIFIED_PRECEDING) return HK_EINVAL;
    Position p{};
    if (hk_status s = locate(*date, workdays, p)) return s;
    return write(General::roll(workdays & 0x7F, convention, p), p, result);
}

extern "C" hk_status hk_business_days_between(const Date* start, const Date* end, uint8_t workdays, int32_t* count) {
    if (!start || !end || !count) return HK_ENULL;
    Position from{}, to{};
    if (hk_status s = locate(*start, workdays, from)) return s;
    if (hk_status s = locate(*end, workdays, to)) return s;
    *count = General::between(workdays & 0x7F, from, to);
    return HK_OK;
}
