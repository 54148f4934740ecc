// The writers' building blocks: iCalendar folding and escaping, and the
// text of dates at the edges of their ranges.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "format.hpp"

namespace {

using namespace hkcal::tool;

// The physical lines of folded text, without their CRLF.
std::vector<std::string> physical_lines(const std::string& folded) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = folded.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(folded.substr(start, end - start));
    }
    EXPECT_EQ(start, folded.size()) << "text after the last CRLF";
    return lines;
}

bool starts_utf8_character(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

// Lines of every length around the limit, in ASCII and in three-octet
// characters (so that a cut can fall inside one): each physical line holds
// at most 75 octets, begins on a character boundary, and unfolding (CRLF
// and the space after it removed) gives the line back.
TEST(IcsFold, AtMost75OctetsAndNeverInsideACharacter) {
    for (const char* unit : {"a", "聖", "x聖"}) {
        for (std::size_t count = 1; count < 120; ++count) {
            std::string line = "SUMMARY:";
            for (std::size_t i = 0; i < count; ++i) line += unit;
            std::string folded = ics_fold(line);
            std::vector<std::string> lines = physical_lines(folded);
            std::string unfolded;
            for (std::size_t i = 0; i < lines.size(); ++i) {
                EXPECT_LE(lines[i].size(), 75u) << count;
                if (i == 0) {
                    unfolded = lines[i];
                } else {
                    ASSERT_EQ(lines[i][0], ' ');
                    ASSERT_GT(lines[i].size(), 1u);
                    EXPECT_TRUE(starts_utf8_character(lines[i][1])) << count;
                    unfolded += lines[i].substr(1);
                }
            }
            EXPECT_EQ(unfolded, line);
            EXPECT_EQ(lines.size() == 1, line.size() <= 75) << count;
        }
    }
}

TEST(IcsEscape, TextSpecials) {
    EXPECT_EQ(ics_escape("a,b;c\\d\ne"), "a\\,b\\;c\\\\d\\ne");
    EXPECT_EQ(ics_escape("Lunar New Year's Day"), "Lunar New Year's Day");
}

TEST(DateText, YearsAndLeapMonths) {
    EXPECT_EQ(iso_date(make_date(2026, 4, 5)), "2026-04-05");
    EXPECT_EQ(iso_date(make_date(33, 1, 9)), "0033-01-09");
    EXPECT_EQ(iso_date(make_date(-44, 3, 15)), "-0044-03-15");
    EXPECT_EQ(iso_date(make_date(10000, 1, 1)), "+10000-01-01");
    EXPECT_EQ(iso_date(make_date(INT32_MIN, 1, 1)), "-2147483648-01-01");
    EXPECT_EQ(lunar_text(make_date(2023, -2, 1)), "2023-L2-01");
    EXPECT_EQ(lunar_text(make_date(2025, -6, 30)), "2025-L6-30");
    EXPECT_EQ(lunar_text(make_date(2024, 12, 30)), "2024-12-30");
}

TEST(DateText, LibraryNames) {
    EXPECT_EQ(weekday_name(make_date(2026, 4, 5)), "Sunday");
    EXPECT_EQ(month_title(9), "September");
    EXPECT_EQ(month_title(13), "");
}

}  // namespace
