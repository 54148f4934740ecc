// QuantLib's HongKong calendar (Debian's libquantlib0-dev), the business-day
// peer: advance by n business days, one day at a time as QuantLib does.
#include <ql/time/calendars/hongkong.hpp>

#include "peers.hpp"

namespace peer {

HKCAL_PEER Date quantlib_add_business_days(const Date* date, int32_t n) {
    static const QuantLib::HongKong calendar;
    const QuantLib::Date d(date->day, static_cast<QuantLib::Month>(date->month), date->year);
    const QuantLib::Date r = calendar.advance(d, n, QuantLib::Days);
    return Date{r.year(), static_cast<int32_t>(r.month()), r.dayOfMonth()};
}

}  // namespace peer
