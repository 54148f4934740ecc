// Day and month names: every index from 0 to past each table's end and the
// huge ones (negative indices read as unsigned), in both forms. The copy
// form writes the name and its null into a guarded buffer and nothing more,
// and nothing at all out of range.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "hkcal.h"

namespace {

struct Table {
    const char* label;
    const hkcal_char16* (*pointer)(uint32_t);
    int32_t (*copy)(uint32_t, hkcal_char16*);
    uint32_t first;  // the index of names[0]
    std::vector<std::u16string> names;
};

const Table kTables[] = {
    {"day_of_week_abbreviation", day_of_week_abbreviation, day_of_week_abbreviation_2, 0,
     {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"}},
    {"day_of_week_name", day_of_week_name, day_of_week_name_2, 0,
     {u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday"}},
    {"month_name_military", month_name_military, month_name_military_2, 1,
     {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun", u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"}},
    {"month_name", month_name, month_name_2, 1,
     {u"January", u"February", u"March", u"April", u"May", u"June", u"July", u"August", u"September", u"October",
      u"November", u"December"}},
};

TEST(Names, EveryIndexInBothForms) {
    std::vector<uint32_t> indices{0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFEu, 0xFFFFFFFFu};
    for (uint32_t i = 0; i <= 14; ++i) indices.push_back(i);
    for (const Table& t : kTables)
        for (const uint32_t index : indices) {
            SCOPED_TRACE(std::string(t.label) + "(" + std::to_string(index) + ")");
            const bool in_range = index - t.first < t.names.size();  // wraps below first
            const std::u16string name = in_range ? t.names[index - t.first] : u"(null)";
            const hkcal_char16* pointer = t.pointer(index);
            EXPECT_EQ(pointer == nullptr ? u"(null)" : std::u16string(pointer), name);
            // 8 guard units, room for the longest name and its null, 8 more.
            std::u16string buffer(26, u'\xBEEF');
            std::u16string expected = buffer;
            if (in_range) expected.replace(8, name.size() + 1, name.c_str(), name.size() + 1);
            EXPECT_EQ(t.copy(index, buffer.data() + 8), in_range ? static_cast<int32_t>(name.size()) : 0);
            EXPECT_EQ(buffer, expected);
        }
}

}  // namespace
