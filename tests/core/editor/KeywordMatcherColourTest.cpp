#include "core/editor/KeywordMatcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Marks(const CKeywordMatcher& matcher, const std::string& strText)
{
    std::vector<unsigned char> codes(strText.size(), '.');
    matcher.Mark(strText, codes.data(), 'k');
    return std::string(codes.begin(), codes.end());
}

} // namespace

TEST(KeywordMatcherColour, SplitFollowsTheSemicolonRule)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(CKeywordMatcher::SplitList("a;bc;"), (V{"a", "bc"}));
    EXPECT_EQ(CKeywordMatcher::SplitList("a;b"), (V{"a"})); // no ';' after b
    EXPECT_EQ(CKeywordMatcher::SplitList("a;;b;"), (V{"a", "", "b"}));
    EXPECT_EQ(CKeywordMatcher::SplitList(";"), V{}); // one character left
    EXPECT_EQ(CKeywordMatcher::SplitList("ab"), V{});
}

TEST(KeywordMatcherColour, OverlappingOccurrencesAndWordTest)
{
    const CKeywordMatcher noWords({"ab", "abc", "bc", ""}, "");
    EXPECT_EQ(Marks(noWords, "xabcx"), ".kkk.");
    EXPECT_EQ(Marks(noWords, "bcb"), "kk.");
    const CKeywordMatcher letters({"ab", "abc", "h1"}, "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(Marks(letters, "abc ab abd"), "kkk.kk....");
    // A keyword holding a non-word character: only its neighbours are tested.
    EXPECT_EQ(Marks(letters, "h12 xh1 h1x"), "kk.........");
}
