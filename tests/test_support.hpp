// What the date tests share: Date compared field by field and printed as
// year-month-day by GoogleTest's EXPECT_EQ, the null date, and the JD line
// of the slow reference model.
#pragma once

#include <gtest/gtest.h>

#include <ostream>

#include "hkcal.h"
#include "reference.hpp"

inline bool operator==(const Date& a, const Date& b) { return ref::same(a, b); }
inline void PrintTo(const Date& d, std::ostream* os) { *os << d.year << "-" << d.month << "-" << d.day; }

namespace test {

inline constexpr Date kNull{0, 0, 0};
inline double jd(const Date& d) { return ref::date_to_JD0(d); }
// The date n days after d on the JD line; the null date beyond int32.
inline Date plus_days(const Date& d, double n) { return ref::JD0_to_date(jd(d) + n); }
inline int32_t weekday(const Date& d) { return ref::true_weekday(jd(d)); }

}  // namespace test
