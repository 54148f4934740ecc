// Day and month names: every entry of both forms, the range ends, and the
// copy form's buffer discipline (nothing written past the null, nothing at
// all out of range).
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "hkcal.h"

namespace {

using PointerForm = const hkcal_char16* (*)(uint32_t);
using CopyForm = int32_t (*)(uint32_t, hkcal_char16*);

struct Table {
    const char* label;
    PointerForm pointer;
    CopyForm copy;
    uint32_t first;                     // the first valid index
    std::array<const char*, 12> ascii;  // the entries, in index order
    std::size_t count;
};

const Table kTables[] = {
    {"day_of_week_abbreviation", day_of_week_abbreviation, day_of_week_abbreviation_2, 0,
     {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}, 7},
    {"day_of_week_name", day_of_week_name, day_of_week_name_2, 0,
     {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}, 7},
    {"month_name_military", month_name_military, month_name_military_2, 1,
     {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"}, 12},
    {"month_name", month_name, month_name_2, 1,
     {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October",
      "November", "December"},
     12},
};

std::u16string widen(const char* s) { return std::u16string(s, s + std::char_traits<char>::length(s)); }

// A buffer of 10 units (the longest name and its null) between guards, all
// filled with a value no name contains.
constexpr hkcal_char16 kGuard = 0xBEEF;
constexpr std::size_t kGuardUnits = 8;
constexpr std::size_t kRoom = 10;
using Guarded = std::array<hkcal_char16, kGuardUnits + kRoom + kGuardUnits>;

Guarded fresh() {
    Guarded b;
    b.fill(kGuard);
    return b;
}

// The number of units of b that differ from kGuard, and the first of them.
std::size_t changed(const Guarded& b, std::size_t* first = nullptr) {
    std::size_t n = 0;
    for (std::size_t i = b.size(); i-- > 0;)
        if (b[i] != kGuard) {
            ++n;
            if (first != nullptr) *first = i;
        }
    return n;
}

// Indices just outside each table, and the unsigned readings of negative ones.
std::array<uint32_t, 6> outside(const Table& t) {
    const auto end = t.first + static_cast<uint32_t>(t.count);
    return {t.first == 0 ? UINT32_MAX : t.first - 1, end, end + 1, 0xFFFFFFFFu, 0x80000000u, 0x7FFFFFFFu};
}

TEST(Names, EveryEntryInBothForms) {
    for (const Table& t : kTables) {
        for (std::size_t i = 0; i < t.count; ++i) {
            const auto index = t.first + static_cast<uint32_t>(i);
            SCOPED_TRACE(std::string(t.label) + "(" + std::to_string(index) + ")");
            const std::u16string expected = widen(t.ascii[i]);
            const hkcal_char16* p = t.pointer(index);
            ASSERT_NE(p, nullptr);
            EXPECT_EQ(std::u16string(p), expected);

            Guarded b = fresh();
            const int32_t n = t.copy(index, b.data() + kGuardUnits);
            EXPECT_EQ(n, static_cast<int32_t>(expected.size()));
            std::size_t first = 0;
            EXPECT_EQ(changed(b, &first), expected.size() + 1) << "the name and its null, nothing more";
            EXPECT_EQ(first, kGuardUnits);
            EXPECT_EQ(std::u16string(b.data() + kGuardUnits), expected);
        }
    }
}

TEST(Names, OutOfRangeGivesNullAndWritesNothing) {
    for (const Table& t : kTables) {
        for (const uint32_t index : outside(t)) {
            SCOPED_TRACE(std::string(t.label) + "(" + std::to_string(index) + ")");
            EXPECT_EQ(t.pointer(index), nullptr);
            Guarded b = fresh();
            EXPECT_EQ(t.copy(index, b.data() + kGuardUnits), 0);
            EXPECT_EQ(changed(b), 0u);
        }
    }
}

// Each abbreviation is the first three letters of its name.
TEST(Names, AbbreviationsArePrefixesOfNames) {
    for (uint32_t dow = 0; dow < 7; ++dow)
        EXPECT_EQ(std::u16string(day_of_week_name(dow)).substr(0, 3), day_of_week_abbreviation(dow));
    for (uint32_t month = 1; month <= 12; ++month)
        EXPECT_EQ(std::u16string(month_name(month)).substr(0, 3), month_name_military(month));
}

}  // namespace
