#include <gtest/gtest.h>

#include "hkcal.h"

TEST(Calendar, Smoke) {
    const Date d = make_date(2000, 1, 1);
    EXPECT_EQ(date_to_JD0(&d), 2451545.0);
}
