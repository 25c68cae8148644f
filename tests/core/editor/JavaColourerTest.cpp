#include "core/editor/JavaColourer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// One letter per character: K keyword, C comment, S string, P plain.
std::string Letters(const std::vector<unsigned char>& codes)
{
    std::string strOut;
    for (unsigned char nCode : codes) {
        switch (nCode) {
        case CJavaColourer::kColourKeyword: strOut += 'K'; break;
        case CJavaColourer::kColourComment: strOut += 'C'; break;
        case CJavaColourer::kColourString: strOut += 'S'; break;
        case CJavaColourer::kColourPlain: strOut += 'P'; break;
        default: strOut += '?'; break;
        }
    }
    return strOut;
}

std::string All(const std::string& strText)
{
    return Letters(CJavaColourer().ColourAll(strText));
}

} // namespace

TEST(JavaColourerKeywords, ListSplitsIntoTheFiftyNineKeywordsInOrder)
{
    const CJavaColourer colourer;
    const std::vector<std::string>& keywords = colourer.Keywords();
    ASSERT_EQ(keywords.size(), 59u);
    EXPECT_EQ(keywords.front(), "abstract");
    EXPECT_EQ(keywords[4], "byvalue");
    EXPECT_EQ(keywords[19], "instanceof");
    EXPECT_EQ(keywords[35], "catch");
    EXPECT_EQ(keywords.back(), "while");
    std::string strJoined;
    for (const std::string& strKeyword : keywords)
        strJoined += strKeyword + ";";
    EXPECT_EQ(strJoined, CJavaColourer::KeywordList());
    EXPECT_EQ(CJavaColourer::WordChars(), "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_");
}

TEST(JavaColourerKeywords, MatchesWholeWordsCaseSensitively)
{
    EXPECT_EQ(All("Class INT Int class"), "PPPPPPPPPPPPPPKKKKK");
    EXPECT_EQ(All("double x;"), "KKKKKKPPP"); // "do" inside fails the word test
    EXPECT_EQ(All("int x"), "KKKPP");
    EXPECT_EQ(All("int2"), "KKKP"); // a digit is not a word character
    EXPECT_EQ(All("print int_x"), "PPPPPPPPPPP");
    EXPECT_EQ(All("$int"), "PKKK"); // nor is '$'
    EXPECT_EQ(All("throws"), "KKKKKK");
}

TEST(JavaColourerStrings, QuotesEscapesAndSkippedQuote)
{
    EXPECT_EQ(All("\"int\""), "SSSSS");           // keyword inside a string
    EXPECT_EQ(All("x=\"a\\\"b\";"), "PPSSSSSSP"); // escaped quote does not close
    // Backslash backslash quote: only the character before the quote is looked
    // at, so the string runs on to the next quote.
    EXPECT_EQ(All("a=\"x\\\\\";b=\"y\";"), "PPSSSSSSSSSPPP");
    // The quote right after a closing quote is skipped; the next literal's
    // closing quote then opens a string that runs to the following quote.
    EXPECT_EQ(All("\"a\"\"b\"x\""), "SSSPPSSS");
    EXPECT_EQ(All("int s = \"abc"), "KKKPPPPPPPPP"); // unterminated: not coloured
}

TEST(JavaColourerComments, LineCommentsStopBeforeTheLineFeed)
{
    EXPECT_EQ(All("int a; // int b\r\nint c;"), "KKKPPPPCCCCCCCCCPKKKPPP");
    EXPECT_EQ(All("\"http://x\" int"), "SSSSSSSSSSPKKK"); // "//" inside a string
    EXPECT_EQ(All("x // y"), "PPCCCC");                   // no final line break
}

TEST(JavaColourerComments, BlockCommentsIgnoreStringsAndLineComments)
{
    // A "/*" inside a string opens a comment that runs to the next "*/".
    EXPECT_EQ(All("s=\"/*\";int x;*/int y;"), "PPSCCCCCCCCCCCCKKKPPP");
    // A "/*" inside a line comment continues past the line.
    EXPECT_EQ(All("// /*\r\nint */ int"), "CCCCCCCCCCCCCPKKK");
    // A quote in a comment still opens a string; its part outside stays string.
    EXPECT_EQ(All("/* \" */ a \" b"), "CCCCCCCSSSSPP");
    EXPECT_EQ(All("/*/ int"), "CCCPKKK");       // slash star slash is whole
    EXPECT_EQ(All("int /* abc"), "KKKPCCCCCC"); // unterminated to the end
    // One character after a comment is skipped before the next "/*" search, so
    // a "/*" right after "*/" opens nothing (here "//" is inside a string).
    EXPECT_EQ(All("/*\"*//*x*/\"int"), "CCCCCSSSSSSKKK");
    EXPECT_EQ(All("/**//*x*/int"), "CCCCCCCCCCCC"); // "//" is a line comment
    EXPECT_TRUE(CJavaColourer().ColourAll("").empty());
}

TEST(JavaColourerBlockState, InsideBlockCommentLooksAtTheLastMarker)
{
    EXPECT_FALSE(CJavaColourer::IsInsideBlockComment("", 0));
    EXPECT_TRUE(CJavaColourer::IsInsideBlockComment("a /* b", 6));
    EXPECT_FALSE(CJavaColourer::IsInsideBlockComment("a /* b", 3)); // only "/" before pos
    EXPECT_FALSE(CJavaColourer::IsInsideBlockComment("/* */ x", 7));
    EXPECT_TRUE(CJavaColourer::IsInsideBlockComment("/* */ /*", 8));
    EXPECT_TRUE(CJavaColourer::IsInsideBlockComment("*/*", 3)); // "/*" starts after "*/"
    EXPECT_FALSE(CJavaColourer::IsInsideBlockComment("/*/", 3));
    EXPECT_TRUE(CJavaColourer::IsInsideBlockComment("/*", 99)); // past the end: whole text
}
