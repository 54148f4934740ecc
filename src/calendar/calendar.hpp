// The calendar core, for includers that want all of it: the rules, the
// conversions between dates and Julian Day Numbers both ways, weekdays and
// day numbers.
#pragma once

#include "calendar/date.hpp"
#include "calendar/date_to_jd.hpp"
#include "calendar/day_number.hpp"
#include "calendar/int_math.hpp"
#include "calendar/jd_to_date.hpp"
#include "calendar/rules.hpp"
#include "calendar/weekday.hpp"
