#include "core/editor/OutlineForwardSearch.h"
#include "core/editor/OutlineLine.h"
#include "core/editor/OutlineText.h"

#include <gtest/gtest.h>

#include <string>

TEST(OutlineText, NormalisesLineBreaksTabsAndSpaceRuns)
{
    EXPECT_EQ(COutlineText::NormaliseOutlineSpaces("void f(int a,\r\n\t\tint b)"), "void f(int a, int b)");
    EXPECT_EQ(COutlineText::NormaliseOutlineSpaces("a" + std::string(32, ' ') + "b"), "a b");
    // Five halving passes: 33 spaces come down to 2, 3 to 1.
    EXPECT_EQ(COutlineText::NormaliseOutlineSpaces("a" + std::string(33, ' ') + "b"), "a  b");
    EXPECT_EQ(COutlineText::NormaliseOutlineSpaces("a   b"), "a b");
    // Lone CRs and LFs stay; CR CR LF keeps its first CR.
    EXPECT_EQ(COutlineText::NormaliseOutlineSpaces("a\nb\rc\r\r\nd"), "a\nb\rc\r d");
    EXPECT_EQ(COutlineText::NormaliseOutlineSpaces("\r\n\r\n"), " ");
    EXPECT_EQ(COutlineText::NormaliseOutlineSpaces(""), "");
}

TEST(OutlineText, TrimsTheirOwnCharacterSets)
{
    EXPECT_EQ(COutlineText::TrimRightSpace("x y \t\r\n\v\f"), "x y");
    EXPECT_EQ(COutlineText::TrimRightSpace(" \r\n"), "");
    EXPECT_EQ(COutlineText::TrimLeftBlanks("\r\n\t  int f()"), "int f()");
    // Vertical tab and form feed are not in the leading set.
    EXPECT_EQ(COutlineText::TrimLeftBlanks(" \vx"), "\vx");
    EXPECT_EQ(COutlineText::TrimLeftBlanks("\t\r\n "), "");
}

TEST(OutlineForwardSearch, AnswersForwardQueriesAndRepeatsOnlyWhenPassed)
{
    COutlineForwardSearch search("a/*/b*/c/*", "*/");
    EXPECT_EQ(search.Find(0), 2u);
    EXPECT_EQ(search.Find(2), 2u);
    EXPECT_EQ(search.Find(3), 5u);
    EXPECT_EQ(search.Find(6), std::string_view::npos);
    EXPECT_EQ(search.Find(9), std::string_view::npos);
    // A query behind the last one is answered by a fresh search.
    EXPECT_EQ(search.Find(1), 2u);
    EXPECT_EQ(search.Find(100), std::string_view::npos);

    COutlineForwardSearch brace("{x{", "{");
    EXPECT_EQ(brace.Find(1), 2u);
    EXPECT_EQ(brace.Find(0), 0u);
    EXPECT_EQ(brace.Find(3), std::string_view::npos);
}

TEST(OutlineLine, CoversTheLineUpToItsLineFeed)
{
    const std::string text = "ab\r\ncd\r\nef";
    EXPECT_EQ(COutlineLine::Containing(text, 0), (COutlineLine{0, 3}));
    EXPECT_EQ(COutlineLine::Containing(text, 2), (COutlineLine{0, 3}));
    EXPECT_EQ(COutlineLine::Containing(text, 3), (COutlineLine{0, 3}));
    EXPECT_EQ(COutlineLine::Containing(text, 4), (COutlineLine{4, 7}));
    EXPECT_EQ(COutlineLine::Containing(text, 8), (COutlineLine{8, 10}));
    EXPECT_EQ(COutlineLine::Containing(text, 10), (COutlineLine{8, 10}));
    EXPECT_EQ(COutlineLine::Containing(text, 99), (COutlineLine{8, 10}));
    EXPECT_FALSE(COutlineLine::Containing(text, -1).has_value());
    EXPECT_EQ(COutlineLine::Containing("", 0), (COutlineLine{0, 0}));
    EXPECT_EQ(COutlineLine::Containing("ab\r\n", 4), (COutlineLine{4, 4}));
}
