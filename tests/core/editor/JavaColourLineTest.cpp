#include "core/editor/JavaColourer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Letters(const std::vector<unsigned char>& codes)
{
    std::string strOut;
    for (unsigned char nCode : codes)
        strOut += nCode == CJavaColourer::kColourKeyword   ? 'K'
                  : nCode == CJavaColourer::kColourComment ? 'C'
                  : nCode == CJavaColourer::kColourString  ? 'S'
                  : nCode == CJavaColourer::kColourPlain   ? 'P'
                                                           : '?';
    return strOut;
}

// The line colouring for the caret at nCaret, as "start:letters".
std::string Line(const std::string& strText, std::size_t nCaret)
{
    const CJavaColourer::CLineColours line = CJavaColourer().ColourLine(strText, nCaret);
    return std::to_string(line.m_nStart) + ":" + Letters(line.m_codes);
}

} // namespace

TEST(JavaColourLine, ColoursOnlyTheCaretLine)
{
    const std::string strText = "int a;\r\n  char b; // x\r\nlong c;";
    EXPECT_EQ(Line(strText, 0), "0:KKKPPP");
    EXPECT_EQ(Line(strText, 12), "8:PPKKKKPPPPCCCC");
    EXPECT_EQ(Line(strText, 22), "8:PPKKKKPPPPCCCC"); // caret at the line's end
    EXPECT_EQ(Line(strText, 31), "24:KKKKPPP");       // last line, caret at text end
    EXPECT_EQ(Line("a\r\n\r\nb", 3), "3:");           // empty line
}

TEST(JavaColourLine, UnterminatedStringRunsToTheLineEnd)
{
    EXPECT_EQ(Line("s = \"abc\r\nint", 2), "0:PPPPSSSS");
    // The lone last quote opens a string that runs to the line end.
    EXPECT_EQ(Line("a=\"x\\\\\";b=\"y\";", 0), "0:PPSSSSSSSSSPSS");
    EXPECT_EQ(Line("\"//\" int", 0), "0:SSSSPKKK");
}

TEST(JavaColourLine, FollowsBlockCommentsOpenedOnEarlierLines)
{
    // No "*/" on a line inside an open comment: the whole line is comment.
    EXPECT_EQ(Line("/* start\r\nint x;\r\n*/", 12), "10:CCCCCC");
    // Its first "*/" closes it; the rest follows the normal rules.
    EXPECT_EQ(Line("/* a\r\nx */ int y;", 6), "6:CCCCPKKKPPP");
    EXPECT_EQ(Line("/* a\r\na */ b /* c */ d", 6), "6:CCCCPPPCCCCCCCPP");
    // Without an open comment before it, a lone "*/" colours nothing.
    EXPECT_EQ(Line("int\r\nx */ int", 5), "5:PPPPPKKK");
}

TEST(JavaColourLine, SearchesTheNextOpeningFromTheClosingMarker)
{
    // "*/*": the line pass resumes at the "*/" and so opens a new comment,
    // where the whole-text pass skips past it.
    EXPECT_EQ(Line("/* a */* b", 0), "0:CCCCCCCCCC");
    const std::vector<unsigned char> all = CJavaColourer().ColourAll("/* a */* b");
    EXPECT_EQ(Letters(all), "CCCCCCCPPP");
}
