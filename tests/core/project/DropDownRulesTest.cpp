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
