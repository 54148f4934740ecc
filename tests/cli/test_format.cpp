// The writers' building blocks: iCalendar folding and escaping, and the
// text of dates at the edges of their ranges.
#include <gtest/gtest.h>

#include <string>

#include "format.hpp"

namespace {

using namespace hkcal::tool;

// Lines of every length around the limit, in ASCII and in three-octet
// characters (so that a cut can fall inside one): each physical line holds
// at most 75 octets, a continuation begins with a space and then a character
// boundary, unfolding gives the line back, and only a long line is folded.
TEST(IcsFold, AtMost75OctetsAndNeverInsideACharacter) {
    for (const char* unit : {"a", "聖", "x聖"}) {
        std::string line = "SUMMARY:";
        for (int count = 1; count < 120; ++count) {
            line += unit;
            const std::string folded = ics_fold(line);
            std::string unfolded;
            std::size_t start = 0;
            for (std::size_t end; (end = folded.find("\r\n", start)) != std::string::npos; start = end + 2) {
                EXPECT_LE(end - start, 75u) << line;
                if (start > 0) {  // a continuation: a space, then the first octet of a character
                    EXPECT_EQ(folded[start], ' ') << line;
                    EXPECT_TRUE(end > start + 1 && (folded[start + 1] & 0xC0) != 0x80) << line;
                    ++start;
                }
                unfolded += folded.substr(start, end - start);
            }
            EXPECT_EQ(start, folded.size()) << line;
            EXPECT_EQ(unfolded, line);
            EXPECT_EQ(folded.size() == line.size() + 2, line.size() <= 75) << line;
        }
    }
}

TEST(DateText, SpecialsAndRangeEnds) {
    EXPECT_EQ(ics_escape("a,b;c\\d\ne"), "a\\,b\\;c\\\\d\\ne");
    EXPECT_EQ(iso_date(make_date(33, 1, 9)), "0033-01-09");
    EXPECT_EQ(iso_date(make_date(10000, 1, 1)), "+10000-01-01");
    EXPECT_EQ(iso_date(make_date(INT32_MIN, 1, 1)), "-2147483648-01-01");
    EXPECT_EQ(month_title(13), "");  // no read past the library's names
}

}  // namespace
