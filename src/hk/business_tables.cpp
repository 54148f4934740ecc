// The business-day engine's tables over the general holidays, evaluated at
// compile time here and nowhere else.
#include "hk/business_general.hpp"
#include "hk/holiday_table.hpp"

namespace hkcal::hk::business {

constexpr Tables kGeneralTables = make_tables(table::kMonthHolidays);
static_assert(fits(kGeneralTables));

}  // namespace hkcal::hk::business
