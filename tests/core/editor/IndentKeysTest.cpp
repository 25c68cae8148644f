#include "core/editor/EditorKeys.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using CStep = CEditPlan::CStep;

CTabSettings Tabs(int nWidth, bool bSpaces)
{
    CTabSettings settings;
    settings.m_nTabWidth = nWidth;
    settings.m_bSpaceTabs = bSpaces;
    return settings;
}

} // namespace

TEST(EditorKeysIndent, TabWithoutSelectionInsertsTabOrSpaces)
{
    const std::string strText = "ab";
    for (bool bShift : {false, true}) {
        CEditPlan plan = CEditorKeys(Tabs(3, false)).Tab(strText, 1, 1, bShift);
        EXPECT_EQ(plan.m_steps, (std::vector<CStep>{{1, 0, "\t"}}));
        EXPECT_EQ(plan.ApplyTo(strText), "a\tb");
        EXPECT_EQ(plan.m_nSelStart, 2u);
        EXPECT_EQ(plan.m_nSelEnd, 2u);
        plan = CEditorKeys(Tabs(3, true)).Tab(strText, 1, 1, bShift);
        EXPECT_EQ(plan.ApplyTo(strText), "a   b");
        EXPECT_EQ(plan.m_nSelEnd, 4u);
    }
    // TABWIDTH 0 with SPACETABS inserts nothing.
    EXPECT_TRUE(CEditorKeys(Tabs(0, true)).InsertTab(1, 1).m_steps.empty());
    // InsertTab replaces a selection.
    EXPECT_EQ(CEditorKeys(Tabs(2, true)).InsertTab(2, 0).ApplyTo("abc"), "  c");
}

TEST(EditorKeysIndent, TabOverASelectionIndentsTheLines)
{
    const std::string strText = "a\r\nb\r\nc";
    CEditPlan plan = CEditorKeys(Tabs(3, false)).Tab(strText, 1, 3, false); // ends at line 1's start
    EXPECT_EQ(plan.ApplyTo(strText), "\ta\r\nb\r\nc");
    EXPECT_EQ(plan.m_nSelStart, 0u);
    EXPECT_EQ(plan.m_nSelEnd, 4u);
    plan = CEditorKeys(Tabs(3, false)).Tab("\ta\r\n b\r\nc", 6, 1, true);
    EXPECT_EQ(plan.ApplyTo("\ta\r\n b\r\nc"), "a\r\nb\r\nc");
    EXPECT_EQ(plan.m_nSelStart, 0u);
    EXPECT_EQ(plan.m_nSelEnd, 5u);
}

TEST(EditorKeysIndent, AutoIndentCopiesLeadingTabsThenSpaces)
{
    const CEditorKeys keys(Tabs(3, false));
    // Space, tab, space before "x": one tab then two spaces.
    const std::string strText = " \t x = 1;\r\n";
    CEditPlan plan = keys.AutoIndent(strText, 11, 11, '\r');
    EXPECT_EQ(plan.m_steps, (std::vector<CStep>{{11, 0, "\t  "}}));
    EXPECT_EQ(plan.m_nSelStart, 14u);
    EXPECT_EQ(plan.m_nSelEnd, 14u);
    // Enter in the middle of a line: the new line's text follows the indent.
    EXPECT_EQ(keys.AutoIndent("\t\tif\r\nx", 6, 6, '\r').ApplyTo("\t\tif\r\nx"), "\t\tif\r\n\t\tx");
    EXPECT_EQ(keys.AutoIndent("  \r\n", 4, 4, '\r').ApplyTo("  \r\n"), "  \r\n  "); // blank line
    EXPECT_TRUE(keys.AutoIndent("x;\r\n", 4, 4, '\r').m_steps.empty());
    EXPECT_TRUE(keys.AutoIndent("\tx;\r\n", 5, 5, 'a').m_steps.empty());
    EXPECT_TRUE(keys.AutoIndent("\tx", 1, 1, '\r').m_steps.empty()); // first line
    // Only the first 1024 characters of the previous line are looked at.
    const std::string strLong = std::string(1030, ' ') + "x\r\n";
    plan = keys.AutoIndent(strLong, strLong.size(), strLong.size(), '\r');
    ASSERT_EQ(plan.m_steps.size(), 1u);
    EXPECT_EQ(plan.m_steps[0].m_strInsert, std::string(1024, ' '));
}

TEST(EditorKeysIndent, EnterAfterAnOpeningBraceIndentsOneLevelMore)
{
    const CEditorKeys tabs(Tabs(3, false));
    const CEditorKeys spaces(Tabs(4, true));
    // Trailing blanks after the brace still count; the level follows SPACETABS.
    const std::string strText = "\tif (x) { \r\n";
    CEditPlan plan = tabs.AutoIndent(strText, 12, 12, '\r');
    EXPECT_EQ(plan.m_steps, (std::vector<CStep>{{12, 0, "\t\t"}}));
    EXPECT_EQ(plan.m_nSelEnd, 14u);
    EXPECT_EQ(spaces.AutoIndent(strText, 12, 12, '\r').ApplyTo(strText), "\tif (x) { \r\n\t    ");
    // No indentation to copy, a brace alone still gives one level.
    EXPECT_EQ(tabs.AutoIndent("{\r\n", 3, 3, '\r').ApplyTo("{\r\n"), "{\r\n\t");
    // Enter before the brace: the line before no longer ends with it.
    EXPECT_EQ(tabs.AutoIndent("\tif (x) \r\n{", 10, 10, '\r').ApplyTo("\tif (x) \r\n{"), "\tif (x) \r\n\t{");
    // A brace that is not the last character.
    EXPECT_EQ(tabs.AutoIndent("\t{ x\r\n", 6, 6, '\r').ApplyTo("\t{ x\r\n"), "\t{ x\r\n\t");
}

TEST(EditorKeysIndent, ClosingBraceOnABlankLineOutdentsOneLevel)
{
    const CEditorKeys keys(Tabs(3, false));
    CEditPlan plan = keys.AutoIndent("\t\t}", 3, 3, '}');
    EXPECT_EQ(plan.m_steps, (std::vector<CStep>{{1, 1, ""}}));
    EXPECT_EQ(plan.m_nSelStart, 2u);
    EXPECT_EQ(plan.m_nSelEnd, 2u);
    // Spaces: up to TABWIDTH of them, from the end of the indentation.
    EXPECT_EQ(keys.AutoIndent("x\r\n\t     }", 10, 10, '}').ApplyTo("x\r\n\t     }"), "x\r\n\t  }");
    EXPECT_EQ(keys.AutoIndent("  }", 3, 3, '}').ApplyTo("  }"), "}");
    // Text before the brace, no indentation or another character: nothing.
    EXPECT_TRUE(keys.AutoIndent("\tx}", 3, 3, '}').m_steps.empty());
    EXPECT_TRUE(keys.AutoIndent("x\r\n}", 4, 4, '}').m_steps.empty());
    EXPECT_TRUE(keys.AutoIndent("\t\t{", 3, 3, '{').m_steps.empty());
    // Text after the caret does not matter.
    EXPECT_EQ(keys.AutoIndent("\t\t} y", 3, 3, '}').ApplyTo("\t\t} y"), "\t} y");
}

TEST(EditorKeysIndent, ShiftTabTakesAWholeLevelOfSpacesButDecreaseIndentOneSpace)
{
    const std::string strText = "     a\r\n\t\tb\r\n  c\r\nd";
    const CEditorKeys keys(Tabs(4, false));
    CEditPlan plan = keys.Tab(strText, 0, strText.size(), true);
    EXPECT_EQ(plan.ApplyTo(strText), " a\r\n\tb\r\nc\r\nd");
    EXPECT_EQ(plan.m_nSelStart, 0u);
    EXPECT_EQ(plan.m_nSelEnd, 12u);
    // Ending inside line 2: selection to one before line 3's start.
    plan = keys.Tab(strText, 2, 17, true);
    EXPECT_EQ(plan.m_nSelEnd, 10u);
    // The command keeps taking one space.
    EXPECT_EQ(CTextCommands(Tabs(4, false)).DecreaseIndent(strText, 0, strText.size()).ApplyTo(strText),
              "    a\r\n\tb\r\n c\r\nd");
}
