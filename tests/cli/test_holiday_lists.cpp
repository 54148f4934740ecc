// The classic library's holiday list for every year the tool reads.
#include <gtest/gtest.h>

#include <vector>

#include "hkcal.h"
#include "holidays_library.hpp"
#include "parse.hpp"

namespace {

using namespace hkcal::tool;

// Every year the tool reads: the library's list is in date order, its days
// are dates, and a day differs from its festival's own date only where it
// says so.
TEST(LibraryHolidays, EveryYearOfTheTool) {
    for (int32_t year = kMinYear; year <= kMaxYear; ++year) {
        const std::vector<Holiday> list = library_holidays(year);
        ASSERT_GE(list.size(), 10u) << year;  // the fixed and Easter days at least
        for (std::size_t i = 0; i < list.size(); ++i) {
            const Holiday& h = list[i];
            const bool ordered = i == 0 || date_greater(&list[i - 1].date, &h.date) == 0;
            const bool moved = !h.observed_for || date_equal(&*h.observed_for, &h.date) == 0;
            ASSERT_TRUE(valid_date(&h.date) == 1 && ordered && moved) << year << " " << h.key;
        }
    }
    EXPECT_EQ(library_holidays(1935).size(), 11u);  // before the lunar table: no lunar festivals
}

}  // namespace
