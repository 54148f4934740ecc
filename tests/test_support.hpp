// What the date tests share: Date compared field by field and printed as
// year-month-day by GoogleTest, and the literal model of the library.
#pragma once

#include <gtest/gtest.h>

#include <ostream>

#include "hkcal.h"
#include "model.hpp"

inline bool operator==(const Date& a, const Date& b) { return model::same(a, b); }
inline void PrintTo(const Date& d, std::ostream* os) { *os << d.year << "-" << d.month << "-" << d.day; }
inline std::ostream& operator<<(std::ostream& os, const Date& d) { return os << d.year << "-" << d.month << "-" << d.day; }
