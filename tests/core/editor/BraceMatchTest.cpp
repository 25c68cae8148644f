#include "core/editor/BraceMatch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using EResult = CBraceMatch::EResult;

// The partner found in the whole of strText, styles from vecStyles (all 0 when empty).
EResult Match(const std::string& strText, std::size_t nBrace, std::size_t& nPartner,
              const std::vector<int>& vecStyles = {})
{
    auto styleAt = [&](std::size_t nPos) { return vecStyles.empty() ? 0 : vecStyles.at(nPos); };
    return CBraceMatch::FindPartner(strText, 0, nBrace, true, styleAt, nPartner);
}

// The slow rule written out: the innermost balanced pair in a bracket string.
std::size_t ReferencePartner(const std::string& strText, std::size_t nBrace)
{
    std::vector<std::size_t> stack;
    std::vector<std::size_t> partner(strText.size(), CBraceMatch::kNone);
    for (std::size_t i = 0; i < strText.size(); ++i) {
        if (strText[i] == '(') {
            stack.push_back(i);
        } else if (strText[i] == ')' && !stack.empty()) {
            partner[i] = stack.back();
            partner[stack.back()] = i;
            stack.pop_back();
        }
    }
    return partner[nBrace];
}

} // namespace

TEST(BraceMatch, FindsNestedPartnersBothWays)
{
    const std::string strText = "f(a[1], {b(c)}) ]";
    std::size_t nPartner = 0;
    EXPECT_EQ(Match(strText, 1, nPartner), EResult::Matched);
    EXPECT_EQ(nPartner, 14u);
    EXPECT_EQ(Match(strText, 14, nPartner), EResult::Matched);
    EXPECT_EQ(nPartner, 1u);
    EXPECT_EQ(Match(strText, 8, nPartner), EResult::Matched);
    EXPECT_EQ(nPartner, 13u);
    EXPECT_EQ(Match(strText, 16, nPartner), EResult::Unmatched);
    EXPECT_EQ(nPartner, CBraceMatch::kNone);
    EXPECT_EQ(Match(strText, 0, nPartner), EResult::NoBrace);
}

TEST(BraceMatch, AgreesWithAStackOnEveryBraceOfRandomText)
{
    unsigned nSeed = 12345;
    for (int nRound = 0; nRound < 200; ++nRound) {
        std::string strText;
        for (int i = 0; i < 40; ++i) {
            nSeed = nSeed * 1103515245u + 12345u;
            strText += "(()x"[(nSeed >> 16) % 4];
        }
        for (std::size_t i = 0; i < strText.size(); ++i) {
            if (strText[i] == 'x')
                continue;
            std::size_t nPartner = 0;
            const EResult eResult = Match(strText, i, nPartner);
            const std::size_t nExpected = ReferencePartner(strText, i);
            ASSERT_EQ(nPartner, nExpected) << strText << " at " << i;
            ASSERT_EQ(eResult, nExpected == CBraceMatch::kNone ? EResult::Unmatched : EResult::Matched);
        }
    }
}

TEST(BraceMatch, OnlyBracesOfTheSameStyleCount)
{
    // "{ /* } */ }" with the comment in style 2.
    const std::string strText = "{ /* } */ }";
    std::vector<int> vecStyles(strText.size(), 0);
    for (std::size_t i = 2; i < 9; ++i)
        vecStyles[i] = 2;
    std::size_t nPartner = 0;
    EXPECT_EQ(Match(strText, 0, nPartner, vecStyles), EResult::Matched);
    EXPECT_EQ(nPartner, 10u);
    EXPECT_EQ(Match(strText, 5, nPartner, vecStyles), EResult::Unmatched);
}

TEST(BraceMatch, ARangeCutShortIsTooFarNotUnmatched)
{
    // The range is a piece of a longer text starting at offset 100.
    const std::string strPiece = "x = (a + (b";
    std::size_t nPartner = 0;
    auto styleAt = [](std::size_t) { return 0; };
    EXPECT_EQ(CBraceMatch::FindPartner(strPiece, 100, 104, false, styleAt, nPartner), EResult::TooFar);
    EXPECT_EQ(CBraceMatch::FindPartner(strPiece, 100, 104, true, styleAt, nPartner), EResult::Unmatched);
    EXPECT_EQ(CBraceMatch::FindPartner("a)", 100, 101, true, styleAt, nPartner), EResult::Unmatched);
    EXPECT_EQ(CBraceMatch::FindPartner("(a)", 100, 102, true, styleAt, nPartner), EResult::Matched);
    EXPECT_EQ(nPartner, 100u);
    // The brace before the caret wins over the one at it.
    EXPECT_EQ(CBraceMatch::BraceNear(')', '(', 5), 4u);
    EXPECT_EQ(CBraceMatch::BraceNear('a', '(', 5), 5u);
    EXPECT_EQ(CBraceMatch::BraceNear('a', 'b', 5), CBraceMatch::kNone);
    EXPECT_EQ(CBraceMatch::BraceNear(')', 'b', 0), CBraceMatch::kNone);
}
