#include "core/editor/CaretReadout.h"
#include "core/editor/TextLines.h"

#include <gtest/gtest.h>

#include <string>

TEST(TextLinesOffsets, LinesOfCrLfText)
{
    // Lines start at 0, 4, 8 and 10; offset 5 is "d", 10 is "e".
    const std::string strText = "ab\r\ncd\r\n\r\nef";
    EXPECT_EQ(CTextLines::LineFromOffset(strText, 0), 0u);
    EXPECT_EQ(CTextLines::LineFromOffset(strText, 2), 0u); // the CR
    EXPECT_EQ(CTextLines::LineFromOffset(strText, 3), 0u); // between CR and LF
    EXPECT_EQ(CTextLines::LineFromOffset(strText, 4), 1u);
    EXPECT_EQ(CTextLines::LineFromOffset(strText, 9), 2u);
    EXPECT_EQ(CTextLines::LineFromOffset(strText, 12), 3u);
    EXPECT_EQ(CTextLines::LineFromOffset(strText, 99), 3u);
    EXPECT_EQ(CTextLines::LineIndex(strText, 0), 0u);
    EXPECT_EQ(CTextLines::LineIndex(strText, 2), 8u);
    EXPECT_EQ(CTextLines::LineIndex(strText, 3), 10u);
    EXPECT_EQ(CTextLines::LineIndex(strText, 4), CTextLines::kNoLine);
    EXPECT_EQ(CTextLines::LineStartAt(strText, 3), 0u);
    EXPECT_EQ(CTextLines::LineStartAt(strText, 6), 4u);
    EXPECT_EQ(CTextLines::LineStartAt(strText, 8), 8u);
    EXPECT_EQ(CTextLines::LineStartAt(strText, 12), 10u);
    EXPECT_EQ(CTextLines::LineTextEnd(strText, 4), 6u);
    EXPECT_EQ(CTextLines::LineTextEnd(strText, 10), 12u);
    EXPECT_EQ(CTextLines::NextLineStart(strText, 8), 10u);
    EXPECT_EQ(CTextLines::NextLineStart(strText, 10), CTextLines::kNoLine);
    EXPECT_EQ(CTextLines::LineIndex("a\r\n", 1), 3u); // empty last line exists
}

TEST(TextLinesOffsets, LoneCrAndLfEndLinesToo)
{
    const std::string strText = "a\rb\nc";
    EXPECT_EQ(CTextLines::LineFromOffset(strText, 2), 1u);
    EXPECT_EQ(CTextLines::LineFromOffset(strText, 4), 2u);
    EXPECT_EQ(CTextLines::LineStartAt(strText, 3), 2u);
    EXPECT_EQ(CTextLines::LineIndex(strText, 2), 4u);
    EXPECT_EQ(CTextLines::LineTextEnd(strText, 0), 1u);
}

TEST(CaretReadoutText, ReportsTheSelectionEnd)
{
    const std::string strText = "class A {\r\n\tint x;\r\n}";
    CCaretReadout readout = CCaretReadout::FromSelection(strText, 0, 0);
    EXPECT_EQ(readout.LineText(), "Line: 1");
    EXPECT_EQ(readout.ColumnText(), "Col: 1");
    readout = CCaretReadout::FromSelection(strText, 3, 13); // through "\ti" on line 2
    EXPECT_EQ(readout.LineText(), "Line: 2");
    EXPECT_EQ(readout.ColumnText(), "Col: 3");              // a tab is one column
    readout = CCaretReadout::FromSelection(strText, 21, 5); // reversed: end is 21
    EXPECT_EQ(readout.LineText(), "Line: 3");
    EXPECT_EQ(readout.ColumnText(), "Col: 2");
    readout = CCaretReadout::FromLine(41, 1000, 1007);
    EXPECT_EQ(readout.LineText() + " " + readout.ColumnText(), "Line: 42 Col: 8");
}
