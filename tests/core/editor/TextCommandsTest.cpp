#include "core/editor/TextCommands.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using CStep = CEditPlan::CStep;

CTextCommands Commands(int nWidth, bool bSpaces)
{
    CTabSettings settings;
    settings.m_nTabWidth = nWidth;
    settings.m_bSpaceTabs = bSpaces;
    return CTextCommands(settings);
}

// Six lines "l0" to "l5"; line i starts at offset 4 * i.
const std::string kSixLines = "l0\r\nl1\r\nl2\r\nl3\r\nl4\r\nl5";

} // namespace

TEST(TextCommandsIndent, IncreaseIndentsFromStartLineToLineBeforeEnd)
{
    // From the middle of line 2 to the first character of line 5.
    CEditPlan plan = Commands(3, false).IncreaseIndent(kSixLines, 9, 20);
    EXPECT_EQ(plan.m_steps, (std::vector<CStep>{{8, 0, "\t"}, {13, 0, "\t"}, {18, 0, "\t"}}));
    EXPECT_EQ(plan.ApplyTo(kSixLines), "l0\r\nl1\r\n\tl2\r\n\tl3\r\n\tl4\r\nl5");
    EXPECT_EQ(plan.m_nSelStart, 8u);
    EXPECT_EQ(plan.m_nSelEnd, 23u); // the first offset of line 5
    // SPACETABS: each line gets TABWIDTH spaces.
    plan = Commands(3, true).IncreaseIndent(kSixLines, 4, 12);
    EXPECT_EQ(plan.ApplyTo(kSixLines), "l0\r\n   l1\r\n   l2\r\nl3\r\nl4\r\nl5");
    EXPECT_EQ(plan.m_nSelEnd, 18u);
}

TEST(TextCommandsIndent, IncreaseWithEmptySelectionAndOnTheLastLine)
{
    CEditPlan plan = Commands(3, false).IncreaseIndent(kSixLines, 13, 13); // inside line 3
    EXPECT_EQ(plan.ApplyTo(kSixLines), "l0\r\nl1\r\nl2\r\n\tl3\r\nl4\r\nl5");
    EXPECT_EQ(plan.m_nSelStart, 12u);
    EXPECT_EQ(plan.m_nSelEnd, 17u);
    plan = Commands(3, false).IncreaseIndent(kSixLines, 12, 12); // at line 3's start
    EXPECT_TRUE(plan.m_steps.empty());
    EXPECT_EQ(plan.m_nSelStart, 12u);
    EXPECT_EQ(plan.m_nSelEnd, 12u);
    plan = Commands(3, false).IncreaseIndent(kSixLines, 17, 22); // line 4 to text end
    EXPECT_EQ(plan.ApplyTo(kSixLines), "l0\r\nl1\r\nl2\r\nl3\r\n\tl4\r\n\tl5");
    EXPECT_EQ(plan.m_nSelStart, 16u);
    EXPECT_EQ(plan.m_nSelEnd, 24u); // no line after the last: the text's end
    EXPECT_TRUE(Commands(3, false).IncreaseIndent(kSixLines, 0, 0).m_steps.empty());
}

TEST(TextCommandsIndent, DecreaseRemovesOneTabOrSpacePerLine)
{
    const std::string strText = "    a\r\n\tb\r\nc\r\nd";
    CEditPlan plan = Commands(3, true).DecreaseIndent(strText, 2, 12);
    EXPECT_EQ(plan.m_steps, (std::vector<CStep>{{0, 1, ""}, {6, 1, ""}}));
    EXPECT_EQ(plan.ApplyTo(strText), "   a\r\nb\r\nc\r\nd");
    EXPECT_EQ(plan.m_nSelStart, 0u);
    EXPECT_EQ(plan.m_nSelEnd, 11u);                            // one before line 3's first offset
    plan = Commands(3, false).DecreaseIndent(strText, 14, 15); // last line
    EXPECT_TRUE(plan.m_steps.empty());
    EXPECT_EQ(plan.m_nSelStart, 14u);
    EXPECT_EQ(plan.m_nSelEnd, 15u);
    plan = Commands(3, false).DecreaseIndent("x\r\n\ty", 3, 3); // caret at line start
    EXPECT_TRUE(plan.m_steps.empty());
    EXPECT_EQ(plan.m_nSelStart, 3u);
    EXPECT_EQ(plan.m_nSelEnd, 3u);
    plan = Commands(3, false).DecreaseIndent("x\r\n\ty", 4, 5);
    EXPECT_EQ(plan.ApplyTo("x\r\n\ty"), "x\r\ny");
    EXPECT_EQ(plan.m_nSelEnd, 4u);
}

TEST(TextCommandsConvert, LinebreaksAndTabs)
{
    EXPECT_EQ(CTextCommands::ConvertLinebreaks("a\rb\rc\r"), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(CTextCommands::ConvertLinebreaks("a\r\nb\nc\r\r\n"), "a\r\nb\r\nc\r\n\r\n");
    std::string strOut = "untouched";
    ASSERT_TRUE(Commands(3, false).ConvertTabs("a\tb\r\n\t\tx\t", strOut));
    EXPECT_EQ(strOut, "a   b\r\n      x   ");
    ASSERT_TRUE(Commands(1, false).ConvertTabs("no tabs", strOut));
    EXPECT_EQ(strOut, "no tabs");
    strOut = "untouched";
    EXPECT_FALSE(Commands(0, false).ConvertTabs("a\tb", strOut));
    EXPECT_EQ(strOut, "untouched");
}

TEST(TextCommandsPlan, ApplyToHandlesOrderedAndUnorderedSteps)
{
    CEditPlan plan;
    plan.m_steps = {{1, 1, "XY"}, {4, 0, "-"}, {99, 0, "!"}}; // the last is clipped to the end
    EXPECT_EQ(plan.ApplyTo("abcdef"), "aXYc-def!");
    plan.m_steps = {{4, 1, ""}, {0, 0, ">"}}; // out of order
    EXPECT_EQ(plan.ApplyTo("abcdef"), ">abcdf");
}
