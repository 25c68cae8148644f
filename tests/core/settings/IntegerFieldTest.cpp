#include "core/settings/IntegerField.h"

#include <gtest/gtest.h>

namespace {
// The result of checking strText against the tab width's range, and the value on success.
std::pair<CIntegerField::EResult, int> TabWidth(std::string_view strText)
{
    int nValue = -1;
    const CIntegerField::EResult eResult = CIntegerField::Check(strText, 2, 10, nValue);
    return {eResult, nValue};
}
} // namespace

TEST(IntegerField, BoundsAreInsideTheRange)
{
    EXPECT_EQ(TabWidth("2"), std::make_pair(CIntegerField::kValid, 2));
    EXPECT_EQ(TabWidth("10"), std::make_pair(CIntegerField::kValid, 10));
    int nValue = 0;
    EXPECT_EQ(CIntegerField::Check("6", 6, 24, nValue), CIntegerField::kValid);
    EXPECT_EQ(nValue, 6);
    EXPECT_EQ(CIntegerField::Check("24", 6, 24, nValue), CIntegerField::kValid);
    EXPECT_EQ(nValue, 24);
}

TEST(IntegerField, OneStepOutsideIsOutOfRangeAndLeavesTheValue)
{
    EXPECT_EQ(TabWidth("1"), std::make_pair(CIntegerField::kOutOfRange, -1));
    EXPECT_EQ(TabWidth("11"), std::make_pair(CIntegerField::kOutOfRange, -1));
    int nValue = 7;
    EXPECT_EQ(CIntegerField::Check("5", 6, 24, nValue), CIntegerField::kOutOfRange);
    EXPECT_EQ(CIntegerField::Check("25", 6, 24, nValue), CIntegerField::kOutOfRange);
    EXPECT_EQ(nValue, 7);
}

TEST(IntegerField, BlanksAroundASignedNumberAreAllowed)
{
    EXPECT_EQ(TabWidth("  4"), std::make_pair(CIntegerField::kValid, 4));
    EXPECT_EQ(TabWidth("4 \t "), std::make_pair(CIntegerField::kValid, 4));
    EXPECT_EQ(TabWidth("\t+5 "), std::make_pair(CIntegerField::kValid, 5));
    EXPECT_EQ(TabWidth("007"), std::make_pair(CIntegerField::kValid, 7));
    EXPECT_EQ(TabWidth("-3"), std::make_pair(CIntegerField::kOutOfRange, -1));
    int nValue = 1;
    EXPECT_EQ(CIntegerField::Check("0", 0, 0, nValue), CIntegerField::kValid);
    EXPECT_EQ(nValue, 0);
    EXPECT_EQ(CIntegerField::Check("-12", -20, 0, nValue), CIntegerField::kValid);
    EXPECT_EQ(nValue, -12);
}

TEST(IntegerField, AnythingElseIsNotAnInteger)
{
    for (std::string_view strText : {"", " ", "\t", "+", "-", "abc", "4a", "a4", "4 4", "4.0", "4,", "0x4", "1e1",
                                     "--4", "+-4", "4\n", "\xef\xbc\x94"})
        EXPECT_EQ(TabWidth(strText), std::make_pair(CIntegerField::kNotInteger, -1)) << '"' << strText << '"';
}

TEST(IntegerField, NumbersTooLargeForAnIntAreOutOfRangeNotGarbage)
{
    EXPECT_EQ(TabWidth("4294967298"), std::make_pair(CIntegerField::kOutOfRange, -1));
    EXPECT_EQ(TabWidth("99999999999999999999999999"), std::make_pair(CIntegerField::kOutOfRange, -1));
    EXPECT_EQ(TabWidth("-2147483649"), std::make_pair(CIntegerField::kOutOfRange, -1));
    int nValue = 0;
    EXPECT_EQ(CIntegerField::Check("2147483647", 0, 2147483647, nValue), CIntegerField::kValid);
    EXPECT_EQ(nValue, 2147483647);
    EXPECT_EQ(CIntegerField::Check("-2147483648", -2147483647 - 1, 0, nValue), CIntegerField::kValid);
    EXPECT_EQ(nValue, -2147483647 - 1);
}

TEST(IntegerField, MessagesNameTheBounds)
{
    EXPECT_EQ(CIntegerField::NotIntegerText(), "Please enter an integer.");
    EXPECT_EQ(CIntegerField::OutOfRangeText(2, 10), "Please enter an integer between 2 and 10.");
    EXPECT_EQ(CIntegerField::OutOfRangeText(6, 24), "Please enter an integer between 6 and 24.");
}
