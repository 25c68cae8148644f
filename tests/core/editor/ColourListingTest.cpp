#include "core/editor/ColourListing.h"
#include "core/editor/JavaColourer.h"

#include <gtest/gtest.h>

namespace {
constexpr unsigned char P = CJavaColourer::kColourPlain;
constexpr unsigned char K = CJavaColourer::kColourKeyword;
constexpr unsigned char C = CJavaColourer::kColourComment;
constexpr unsigned char S = CJavaColourer::kColourString;
} // namespace

TEST(ColourListing, NamesEveryCodeAndTreatsUnknownOnesAsPlain)
{
    EXPECT_EQ(CColourListing::ClassName(P), "plain");
    EXPECT_EQ(CColourListing::ClassName(K), "keyword");
    EXPECT_EQ(CColourListing::ClassName(C), "comment");
    EXPECT_EQ(CColourListing::ClassName(S), "string");
    EXPECT_EQ(CColourListing::ClassName(0), "plain");
    EXPECT_EQ(CColourListing::ClassName(251), "plain");
}

TEST(ColourListing, RunsCoverTheTextInOrder)
{
    const std::vector<unsigned char> codes = {K, K, K, P, S, S, S, C, C, P};
    EXPECT_EQ(CColourListing::Runs(codes), "0 3 keyword\n3 4 plain\n4 7 string\n7 9 comment\n9 10 plain\n");
    EXPECT_EQ(CColourListing::Runs(std::vector<unsigned char>{}), "");
    EXPECT_EQ(CColourListing::Runs(std::vector<unsigned char>{C}), "0 1 comment\n");
}

TEST(ColourListing, UnknownCodesJoinTheNeighbouringPlainRun)
{
    const std::vector<unsigned char> codes = {P, 7, P, K, 0};
    EXPECT_EQ(CColourListing::Runs(codes), "0 3 plain\n3 4 keyword\n4 5 plain\n");
}

TEST(ColourListing, RunsOfARealColouringCountLineBreaksAsTwo)
{
    // The line comment keeps the CR of its line break; the LF stays plain.
    const std::string strText = "int a;\r\n// x\r\nb";
    const auto codes = CJavaColourer().ColourAll(strText);
    EXPECT_EQ(CColourListing::Runs(codes), "0 3 keyword\n3 8 plain\n8 13 comment\n13 15 plain\n");
}

TEST(ColourListing, CodesPutEachLineBreakOnTheLineItEnds)
{
    const std::string strText = "ab\r\n\r\nc";
    const std::vector<unsigned char> codes = {K, K, P, P, C, C, S};
    EXPECT_EQ(CColourListing::Codes(strText, codes), "255 255 253 253\n254 254\n252\n");
}

TEST(ColourListing, CodesPrintNothingForAnEmptyLastLine)
{
    const std::string strText = "a\r\n";
    const std::vector<unsigned char> codes = {P, P, P};
    EXPECT_EQ(CColourListing::Codes(strText, codes), "253 253 253\n");
    EXPECT_EQ(CColourListing::Codes("", std::vector<unsigned char>{}), "");
}

TEST(ColourListing, CodesStopAtTheShorterOfTextAndCodes)
{
    const std::vector<unsigned char> codes = {K};
    EXPECT_EQ(CColourListing::Codes("abc", codes), "255\n");
}
