#include "core/editor/HtmlColourer.h"
#include "core/editor/HtmlTagNames.h"
#include "core/editor/KeywordMatcher.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::string Letters(const std::vector<unsigned char>& codes)
{
    std::string strOut;
    for (unsigned char nCode : codes)
        strOut += nCode == CHtmlColourer::kColourKeyword   ? 'K'
                  : nCode == CHtmlColourer::kColourComment ? 'C'
                  : nCode == CHtmlColourer::kColourString  ? 'S'
                  : nCode == CHtmlColourer::kColourTag     ? 'T'
                  : nCode == CHtmlColourer::kColourPlain   ? 'P'
                                                           : '?';
    return strOut;
}

std::string All(const std::string& strText)
{
    return Letters(CHtmlColourer().ColourAll(strText));
}

// The line colouring for the caret at nCaret, as "start:letters".
std::string Line(const std::string& strText, std::size_t nCaret)
{
    const CHtmlColourer::CLineColours line = CHtmlColourer().ColourLine(strText, nCaret);
    return std::to_string(line.m_nStart) + ":" + Letters(line.m_codes);
}

} // namespace

TEST(HtmlColourer, TagNamesListAndWordCharacters)
{
    const CHtmlColourer colourer;
    ASSERT_EQ(colourer.TagNames().size(), 109u);
    EXPECT_EQ(colourer.TagNames().front(), "a");
    EXPECT_EQ(colourer.TagNames()[38], "h1");
    EXPECT_EQ(colourer.TagNames().back(), "xmp");
    EXPECT_EQ(CHtmlColourer::WordChars(), "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_$@%&");
}

TEST(HtmlColourer, TagNamesMatchWithoutRegardToCaseInsideTagsOnly)
{
    // TABLE border=1: the name is a keyword, brackets and attribute are tag.
    EXPECT_EQ(All("<TABLE border=1>"), "TKKKKKTTTTTTTTTT");
    // The same word in ordinary text stays plain, in any case.
    EXPECT_EQ(All("a table, TABLE"), "PPPPPPPPPPPPPP");
    // An unquoted attribute value that is itself a tag name is a keyword.
    EXPECT_EQ(All("<td align=center>"), "TKKTTTTTTTKKKKKKT");
    // Word characters around a name stop it: $, @, %, & and letters do, digits do not.
    EXPECT_EQ(All("<b$ @b bold h1>"), "TTTTTTTTTTTTKKT");
    EXPECT_EQ(All("<H1>x</h1>"), "TKKTPTTKKT");
    // The end tag's name and a name right after '<' on the next tag.
    EXPECT_EQ(All("<p>table</p>"), "TKTPPPPPTTKT");
}

TEST(HtmlColourer, QuotedValuesAreStringsEvenHoldingTagNames)
{
    EXPECT_EQ(All("<p class=\"table\">"), "TKTTTTTTTSSSSSSST");
    // A quote outside tags opens a string too.
    EXPECT_EQ(All("say \"hi\" now"), "PPPPSSSSPPPP");
    // A backslash escapes a quote unless a backslash comes before it.
    EXPECT_EQ(All("\"a\\\"b\""), "SSSSSS");
    EXPECT_EQ(All("\"a\\\\\"b\""), "SSSSSPP");
    // A string without its closing quote is not coloured by the whole pass.
    EXPECT_EQ(All("x \"abc"), "PPPPPP");
    // The character after a closing quote never opens the next string, so the
    // second literal's closing quote opens a string of its own.
    EXPECT_EQ(All("\"a\"\"b\" \"c\""), "SSSPPSSSPP");
}

TEST(HtmlColourer, CommentsWinOverEverything)
{
    EXPECT_EQ(All("<!-- <b>\"x\" -->y"), "CCCCCCCCCCCCCCCP");
    // "<!-->" is a whole comment.
    EXPECT_EQ(All("<!-->x"), "CCCCCP");
    // An unterminated "<!--" runs through the last character.
    EXPECT_EQ(All("a <!-- b\r\nc"), "PPCCCCCCCCC");
    // Markers are not case-folded away: "<!--" matches as written.
    EXPECT_EQ(All("<!- x ->"), "TTTTTTTT");
}

TEST(HtmlColourer, UnclosedTagRunsToTheEnd)
{
    EXPECT_EQ(All("a <b\r\ni"), "PPTKTTK");
    // The line pass stops the tag at the line's end; the next line still
    // counts as inside it for its tag names.
    EXPECT_EQ(Line("a <b\r\ni", 0), "0:PPTK");
    EXPECT_EQ(Line("a <b\r\ni", 6), "6:K");
}

TEST(HtmlColourer, LinePassAgreesWithTheWholePassOnOneLine)
{
    EXPECT_EQ(Line("<TABLE border=1>", 3), "0:TKKKKKTTTTTTTTTT");
    EXPECT_EQ(Line("x\r\n<td align=center>\r\ny", 4), "3:TKKTTTTTTTKKKKKKT");
    EXPECT_EQ(Line("<p class=\"table\">", 0), "0:TKTTTTTTTSSSSSSST");
    // Unlike the whole pass, a string without its closing quote runs to the line's end.
    EXPECT_EQ(Line("x \"abc\r\ny", 0), "0:PPSSSS");
    // As in the whole pass, the character after a closing quote opens no string.
    EXPECT_EQ(Line("\"a\"\"b\" \"c\"", 0), "0:SSSPPSSSPS");
}

TEST(HtmlColourer, LinePassFollowsCommentsOpenedOnEarlierLines)
{
    const std::string strText = "<!-- start\r\nsome <b>text\r\nend --> <i>\r\n<!-- a --> b";
    // Typing on a line between "<!--" and "-->" colours it whole.
    EXPECT_EQ(Line(strText, 15), "12:CCCCCCCCCCCC");
    // The line with the "-->" is comment through it; the rest as usual.
    EXPECT_EQ(Line(strText, 28), "26:CCCCCCCPTKT");
    // A comment opened and closed on the line, with no open comment before.
    EXPECT_EQ(Line(strText, 40), "39:CCCCCCCCCCPP");
    // A lone "-->" with no comment open colours nothing.
    EXPECT_EQ(Line("x\r\na --> b", 3), "3:PPPPPPP");
}

TEST(HtmlColourer, LinePassFindsTagsOpenedOnEarlierLines)
{
    // The name counts when the last bracket before it, on any line, is a '<'.
    EXPECT_EQ(Line("<table\r\nborder=1 align=center>", 9), "8:PPPPPPPPPPPPPPPKKKKKKP");
    EXPECT_EQ(Line("<table>\r\ncenter", 9), "9:PPPPPP");
}

TEST(HtmlColourer, InsideTagAndComment)
{
    const std::string strText = "a<b>c<d";
    const std::vector<bool> expected = {false, false, true, true, false, false, true, true};
    for (std::size_t nPos = 0; nPos <= strText.size(); ++nPos)
        EXPECT_EQ(CHtmlColourer::IsInsideTag(strText, nPos), expected[nPos]) << nPos;
    // A marker counts only when it lies wholly before the position.
    EXPECT_FALSE(CHtmlColourer::IsInsideComment("<!--", 3));
    EXPECT_TRUE(CHtmlColourer::IsInsideComment("<!--", 4));
    EXPECT_FALSE(CHtmlColourer::IsInsideComment("<!-->", 5));
    EXPECT_TRUE(CHtmlColourer::IsInsideComment("--> <!--", 8));
    EXPECT_FALSE(CHtmlColourer::IsInsideComment("<!-- -->", 8));
    EXPECT_TRUE(CHtmlColourer::IsInsideComment("<!-- --", 7));
}

TEST(HtmlColourer, TagNameLookupFindsWhatTheKeywordMatcherFinds)
{
    // Names looked up per word run must give the offset-by-offset matcher's marks.
    const std::vector<std::string> names = CKeywordMatcher::SplitList(CHtmlColourer::TagNameList());
    const CHtmlTagNames lookup(names, CHtmlColourer::WordChars());
    const CKeywordMatcher matcher(names, CHtmlColourer::WordChars());
    const std::vector<std::string> pieces = {"table", "h1", "h",  "1", "b", "a", "$", "@",  "_",   " ",
                                             "=",     "tr", "td", "7", "s", "p", "<", "th", "xmp", "-"};
    std::mt19937 random(5);
    for (int nRound = 0; nRound < 2000; ++nRound) {
        std::string strText;
        const std::size_t nPieces = random() % 12;
        for (std::size_t i = 0; i < nPieces; ++i)
            strText += pieces[random() % pieces.size()];
        std::vector<unsigned char> expected(strText.size(), 0), actual(strText.size(), 0);
        matcher.Mark(strText, expected.data(), 1);
        lookup.Mark(strText, actual.data(), 1);
        ASSERT_EQ(actual, expected) << strText;
    }
}
