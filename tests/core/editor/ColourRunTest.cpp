#include "core/editor/ColourRun.h"

#include "core/editor/JavaColourer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr unsigned char P = CJavaColourer::kColourPlain;
constexpr unsigned char K = CJavaColourer::kColourKeyword;
constexpr unsigned char C = CJavaColourer::kColourComment;
constexpr unsigned char S = CJavaColourer::kColourString;

} // namespace

TEST(ColourRunApply, RestylesOnlyRunsThatShowAnotherColour)
{
    const auto table = CColourRun::IdentityColours();
    const std::vector<unsigned char> desired = {P, P, K, K, K, P, S, S};
    const std::vector<unsigned char> current = {P, P, P, P, P, P, S, S};
    EXPECT_EQ(CColourRun::RunsToApply(desired, current, 100, table), (std::vector<CColourRun>{{102, 105, K}}));
    EXPECT_TRUE(CColourRun::RunsToApply(desired, desired, 0, table).empty());
    // One wrong character restyles the whole run.
    const std::vector<unsigned char> patchy = {P, P, K, P, K, P, S, S};
    EXPECT_EQ(CColourRun::RunsToApply(desired, patchy, 0, table), (std::vector<CColourRun>{{2, 5, K}}));
    // Without current codes everything is restyled, in text order.
    EXPECT_EQ(CColourRun::RunsToApply(desired, {}, 10, table),
              (std::vector<CColourRun>{{10, 12, P}, {12, 15, K}, {15, 16, P}, {16, 18, S}}));
    EXPECT_TRUE(CColourRun::RunsToApply({}, {}, 0, table).empty());
}

TEST(ColourRunApply, ComparesTheColoursCodesShow)
{
    // Keyword shown in the plain colour: a keyword run over plain text stays.
    const auto sameKeyword = CJavaColourer::ColourTable(0x000000, 0x000000, 0x0000DD, 0x006600);
    const std::vector<unsigned char> desired = {K, K, C};
    const std::vector<unsigned char> current = {P, P, P};
    EXPECT_EQ(CColourRun::RunsToApply(desired, current, 0, sameKeyword), (std::vector<CColourRun>{{2, 3, C}}));
    // An unknown code shows the plain colour.
    const auto table = CJavaColourer::ColourTable(0x000000, 0xDD0000, 0x0000DD, 0x006600);
    const std::vector<unsigned char> unknown = {7, 7, 7};
    EXPECT_TRUE(CColourRun::RunsToApply(std::vector<unsigned char>{P, P, P}, unknown, 0, table).empty());
}
