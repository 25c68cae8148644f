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
