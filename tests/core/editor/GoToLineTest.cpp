#include "core/editor/GoToLine.h"

#include <gtest/gtest.h>

// What the Go to Line dialog takes: a plain 1-based number inside the text,
// blanks around it allowed; everything else is refused with the range.
TEST(GoToLineTest, AcceptsOnlyLinesOfTheText)
{
    EXPECT_EQ(CGoToLine::Parse("1", 12), std::optional<std::size_t>(0));
    EXPECT_EQ(CGoToLine::Parse("12", 12), std::optional<std::size_t>(11));
    EXPECT_EQ(CGoToLine::Parse("  7\t", 12), std::optional<std::size_t>(6));
    EXPECT_EQ(CGoToLine::Parse("007", 12), std::optional<std::size_t>(6));
    EXPECT_EQ(CGoToLine::Parse("1", 1), std::optional<std::size_t>(0));
    for (const char* pszRefused :
         {"0", "13", "", "   ", "-1", "+3", "3.0", "3 4", "x", "1e1", "99999999999999999999999"})
        EXPECT_EQ(CGoToLine::Parse(pszRefused, 12), std::nullopt) << '"' << pszRefused << '"';

    EXPECT_EQ(CGoToLine::Label(12), "Line number (1 - 12):");
    EXPECT_EQ(CGoToLine::RangeMessage(12), "Enter a line number between 1 and 12.");
}
