// The business-day engine's tables over the exchange's closed days, evaluated
// at compile time here and nowhere else.
#include "hk/xhkg_days.hpp"

namespace hkcal::hk::xhkg {

constexpr business::Tables kExchangeTables = business::make_tables(kClosedDays);
static_assert(business::fits(kExchangeTables));

}  // namespace hkcal::hk::xhkg
