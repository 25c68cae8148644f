#include "core/project/DropDownRules.h"

#include <gtest/gtest.h>

TEST(DropDownRules, SortsWithoutRegardToCase)
{
    EXPECT_EQ(CDropDownRules::Sorted({"beta.java", "Alpha.java", "alpha.java", "Gamma.java", "_x.java"}),
              (std::vector<std::string>{"_x.java", "Alpha.java", "alpha.java", "beta.java", "Gamma.java"}));
}

TEST(DropDownRules, PrefixSearchStartsAfterTheFirstItemAndWraps)
{
    std::vector<std::string> items = {"Hello.java", "HelloWorld.java", "Other.java"};
    // The second item is tried first, so a prefix both match picks it.
    EXPECT_EQ(CDropDownRules::FindPrefix(items, "Hello"), 1);
    EXPECT_EQ(CDropDownRules::FindPrefix(items, "Hello.java"), 0);
    EXPECT_EQ(CDropDownRules::FindPrefix(items, "other"), 2);
    EXPECT_EQ(CDropDownRules::FindPrefix(items, "Missing.java"), -1);
    EXPECT_EQ(CDropDownRules::FindPrefix(items, ""), -1);
    EXPECT_EQ(CDropDownRules::FindPrefix({"Only.java"}, "only"), 0);
    EXPECT_EQ(CDropDownRules::FindPrefix({}, ""), -1);
}

// Items equal but for case arrive out of byte order, so only the tie-break
// can put them right.
TEST(DropDownRules, CaseTiesAreBrokenByByteOrderWhateverTheInputOrder)
{
    EXPECT_EQ(CDropDownRules::Sorted({"alpha.java", "beta.java", "ALPHA.java", "Alpha.java", "aLpha.java"}),
              (std::vector<std::string>{"ALPHA.java", "Alpha.java", "aLpha.java", "alpha.java", "beta.java"}));
    EXPECT_EQ(CDropDownRules::Sorted({"b.java", "B.java", "a.java", "A.java"}),
              (std::vector<std::string>{"A.java", "a.java", "B.java", "b.java"}));
}
