#include "core/editor/BlockCommentPass.h"
#include "core/editor/HtmlColourer.h"
#include "core/editor/JavaColourer.h"
#include "core/editor/MarkerStateCache.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

// The pass's marks as letters: 'C' for comment, '.' for what it left alone.
std::vector<unsigned char> Unmarked(std::string_view strText)
{
    return std::vector<unsigned char>(strText.size(), '.');
}

std::string Text(const std::vector<unsigned char>& codes)
{
    return std::string(codes.begin(), codes.end());
}

std::string All(const CBlockCommentPass& pass, std::string_view strText)
{
    std::vector<unsigned char> codes = Unmarked(strText);
    pass.MarkAll(strText, codes, 'C');
    return Text(codes);
}

std::string Line(const CBlockCommentPass& pass, std::string_view strLine, bool bOpenBefore)
{
    std::vector<unsigned char> codes = Unmarked(strLine);
    pass.MarkLine(strLine, bOpenBefore, codes, 'C');
    return Text(codes);
}

const CBlockCommentPass kJava("/*", "*/");
const CBlockCommentPass kHtml("<!--", "-->", 1);

} // namespace

TEST(BlockCommentPass, WholeTextCommentCutAtTheEndRunsThroughTheLastCharacter)
{
    EXPECT_EQ(All(kJava, "a /* b"), "..CCCC");
    EXPECT_EQ(All(kJava, "a /* b *"), "..CCCCCC"); // half a closing marker closes nothing
    EXPECT_EQ(All(kJava, "a /*"), "..CC");
    EXPECT_EQ(All(kJava, "a /"), "...");            // half an opening marker opens nothing
    EXPECT_EQ(All(kHtml, "a <!-- b --"), "..CCCCCCCCC");
    EXPECT_EQ(All(kHtml, "a <!-"), ".....");
    EXPECT_EQ(All(kHtml, "a <!"), "....");
    EXPECT_EQ(All(kHtml, "!"), "."); // the rare character alone, at the very start
    EXPECT_EQ(All(kHtml, ""), "");
}

TEST(BlockCommentPass, WholeTextNestedLookingMarkersCloseAtTheFirstClosingMarker)
{
    EXPECT_EQ(All(kJava, "/* /* */ */"), "CCCCCCCC...");
    EXPECT_EQ(All(kHtml, "<!-- <!-- --> -->"), "CCCCCCCCCCCCC....");
    // The closing marker is searched from the opening one itself.
    EXPECT_EQ(All(kJava, "/*/ x */"), "CCC.....");
    EXPECT_EQ(All(kJava, "/*/ x"), "CCC..");
    EXPECT_EQ(All(kHtml, "<!-->x"), "CCCCC.");
    // The character right after a comment opens nothing.
    EXPECT_EQ(All(kJava, "/**//*x*/"), "CCCC.....");
    EXPECT_EQ(All(kJava, "/**/ /*x*/"), "CCCC.CCCCC");
    EXPECT_EQ(All(kHtml, "<!---->!<!--x-->"), "CCCCCCC.CCCCCCCC");
    EXPECT_EQ(All(kHtml, "<!----><!--x-->"), "CCCCCCC........");
}

TEST(BlockCommentPass, WholeTextFindsOpenersByTheirRareCharacter)
{
    // '!' and '<' everywhere else, and markers that start where a near miss ends.
    EXPECT_EQ(All(kHtml, "<!<!!-<!--x-->!"), "......CCCCCCCC.");
    EXPECT_EQ(All(kHtml, "!<!-- a"), ".CCCCCC");
    EXPECT_EQ(All(kJava, "// /// /*"), ".......CC");
}

TEST(BlockCommentPass, LineWithoutACommentOpenBefore)
{
    EXPECT_EQ(Line(kJava, "a */ b", false), "......"); // a lone closing marker colours nothing
    EXPECT_EQ(Line(kJava, "a /* b", false), "..CCCC"); // an unclosed comment runs to the line's end
    EXPECT_EQ(Line(kJava, "a /* b */ c", false), "..CCCCCCC..");
    // The next opening marker is searched from the closing one, so "*/*" opens again.
    EXPECT_EQ(Line(kJava, "/* a */* b", false), "CCCCCCCCCC");
    EXPECT_EQ(Line(kJava, "/* /* */ */", false), "CCCCCCCC...");
    EXPECT_EQ(Line(kHtml, "<!-- a --> b <!-- c", false), "CCCCCCCCCC...CCCCCC");
    EXPECT_EQ(Line(kHtml, "x <!-", false), ".....");
}

TEST(BlockCommentPass, LineInsideACommentOpenBefore)
{
    EXPECT_EQ(Line(kJava, "int x;", true), "CCCCCC");
    EXPECT_EQ(Line(kJava, "", true), "");
    EXPECT_EQ(Line(kJava, "x */ int", true), "CCCC....");
    EXPECT_EQ(Line(kJava, "x *", true), "CCC");
    EXPECT_EQ(Line(kJava, "a */ b /* c */ d", true), "CCCC...CCCCCCC..");
    EXPECT_EQ(Line(kHtml, "end --> <i>", true), "CCCCCCC....");
    // A comment opened later on the line and left open: only that one is
    // coloured, not the close of the one from before.
    EXPECT_EQ(Line(kJava, "a */ b /* c", true), ".......CCCC");
    EXPECT_EQ(Line(kHtml, "a --> <!-- b", true), "......CCCCCC");
}

TEST(BlockCommentPass, ColourersAgreeOnTheirOwnMarkers)
{
    // Each colourer's own markers, nested-looking: the first closing marker ends the comment.
    const std::vector<unsigned char> java = CJavaColourer().ColourAll("/* /* */ x");
    const std::vector<unsigned char> html = CHtmlColourer().ColourAll("<!-- <!-- --> x");
    EXPECT_EQ(std::vector<unsigned char>(java.begin(), java.begin() + 8),
              std::vector<unsigned char>(8, CJavaColourer::kColourComment));
    EXPECT_EQ(java[9], CJavaColourer::kColourPlain);
    EXPECT_EQ(std::vector<unsigned char>(html.begin(), html.begin() + 13),
              std::vector<unsigned char>(13, CHtmlColourer::kColourComment));
    EXPECT_EQ(html[14], CHtmlColourer::kColourPlain);
}

TEST(BlockCommentPass, ChangeInsideALongCommentReachesLaterLinesThroughTheCache)
{
    // A comment spanning several of the cache's checkpoints, code after it.
    const std::string strFiller = " * some words\r\n";
    std::string strText = "/*\r\n";
    while (strText.size() < 3 * CMarkerStateCache::kStep)
        strText += strFiller;
    strText += "*/\r\nint x;\r\n";
    const CJavaColourer colourer;
    CMarkerStateCache comments = CJavaColourer::MakeCommentCache();
    comments.Fill(strText);
    // The line at nCaret through the cache, which must agree with reading back.
    const auto lineAt = [&](std::size_t nCaret) {
        const std::vector<unsigned char> cached = colourer.ColourLine(strText, nCaret, &comments).m_codes;
        EXPECT_EQ(cached, colourer.ColourLine(strText, nCaret).m_codes) << nCaret;
        std::string strLetters;
        for (unsigned char nCode : cached)
            strLetters += nCode == CJavaColourer::kColourComment   ? 'C'
                          : nCode == CJavaColourer::kColourKeyword ? 'K'
                          : nCode == CJavaColourer::kColourPlain   ? 'P'
                                                                   : '?';
        return strLetters;
    };
    EXPECT_EQ(lineAt(strText.rfind("*/")), "CC");
    EXPECT_EQ(lineAt(strText.rfind("int")), "KKKPPP");

    // Closed halfway, at the start of a line: the rest of the old comment is
    // plain, its old closing marker a lone one.
    const std::size_t nEdit = strText.find(strFiller, strText.size() / 2) + strFiller.size();
    strText.insert(nEdit, "*/");
    comments.OnTextChanged(nEdit);
    EXPECT_EQ(lineAt(nEdit), "CCPPPPPPPPPPPPP");
    EXPECT_EQ(lineAt(nEdit + 2 + strFiller.size()), "PPPPPPPPPPPPP");
    EXPECT_EQ(lineAt(strText.rfind("*/")), "PP");
    EXPECT_EQ(lineAt(strText.rfind("int")), "KKKPPP");

    // Opened again at the end of that line: comment up to the old marker.
    const std::size_t nLineEnd = nEdit + 2 + strFiller.size() - 2;
    strText.insert(nLineEnd, "/*");
    comments.OnTextChanged(nLineEnd);
    // The line closes the comment from before and ends inside a new one: only
    // the new one is coloured.
    EXPECT_EQ(lineAt(nEdit), "PPPPPPPPPPPPPPPCC");
    EXPECT_EQ(lineAt(nLineEnd + 4), "CCCCCCCCCCCCC");
    EXPECT_EQ(lineAt(strText.rfind("*/")), "CC");
    EXPECT_EQ(lineAt(strText.rfind("int")), "KKKPPP");

    // Both edits taken back: as at first.
    strText.erase(nLineEnd, 2);
    comments.OnTextChanged(nLineEnd);
    strText.erase(nEdit, 2);
    comments.OnTextChanged(nEdit);
    EXPECT_EQ(lineAt(nEdit), "CCCCCCCCCCCCC");
    EXPECT_EQ(lineAt(strText.rfind("*/")), "CC");
}
