#include "core/tools/OutputDisplay.h"

#include <gtest/gtest.h>

namespace {
std::u16string Repeat(char16_t ch, std::size_t nCount)
{
    return std::u16string(nCount, ch);
}
} // namespace

TEST(ToolsOutputDisplay, TheNoteNamesTheLimitInItsLargestWholeUnit)
{
    EXPECT_EQ(COutputDisplay::DroppedNote(std::size_t(8) << 20),
              "[Earlier output was dropped: only the last 8 MB are kept.]");
    EXPECT_EQ(COutputDisplay::DroppedNote(1536 * 1024),
              "[Earlier output was dropped: only the last 1536 KB are kept.]");
    EXPECT_EQ(COutputDisplay::DroppedNote(1000), "[Earlier output was dropped: only the last 1000 bytes are kept.]");
}

TEST(ToolsOutputDisplay, OutputCutPartWayIntoALineStartsWithTheNextLine)
{
    std::string strText = "ut of line one\r\nline two\r\n";
    EXPECT_EQ(COutputDisplay::SkipToNextLine(strText), 16u);
    EXPECT_EQ(strText, "line two\r\n");
    // No next line in sight: kept whole.
    strText = "line two\r\n";
    EXPECT_EQ(COutputDisplay::SkipToNextLine(strText), 0u);
    EXPECT_EQ(strText, "line two\r\n");
    strText = "no break";
    EXPECT_EQ(COutputDisplay::SkipToNextLine(strText), 0u);
    EXPECT_EQ(strText, "no break");
}

TEST(ToolsOutputDisplay, LongLinesBecomeDisplayLinesAcrossAdditions)
{
    constexpr std::size_t kLine = COutputDisplay::kLineChars;
    COutputDisplay display(std::size_t(1) << 20);
    EXPECT_EQ(display.Lines(u"a\r\nb\r"), u"a\nb");
    EXPECT_EQ(display.Lines(u"\n"), u"\n");
    EXPECT_EQ(display.Lines(Repeat(u'x', 10000)),
              Repeat(u'x', kLine) + u'\n' + Repeat(u'x', kLine) + u'\n' + Repeat(u'x', 10000 - 2 * kLine));
    EXPECT_EQ(display.Lines(u"\n"), u"\n");
    // A line that grows over several additions is broken where it reaches the width.
    EXPECT_EQ(display.Lines(Repeat(u'y', 4000)), Repeat(u'y', 4000));
    EXPECT_EQ(display.Lines(Repeat(u'y', 200)), Repeat(u'y', 96) + u'\n' + Repeat(u'y', 104));
    EXPECT_EQ(display.Lines(u"\r\n"), u"\n");
    // A full line followed by its own break gets no empty line; one followed by more text breaks first.
    EXPECT_EQ(display.Lines(Repeat(u'z', kLine) + u"\n"), Repeat(u'z', kLine) + u"\n");
    EXPECT_EQ(display.Lines(Repeat(u'z', kLine)), Repeat(u'z', kLine));
    EXPECT_EQ(display.Lines(u"w"), u"\nw");
}

TEST(ToolsOutputDisplay, ALineIsNeverBrokenBetweenTheHalvesOfASurrogatePair)
{
    constexpr std::size_t kLine = COutputDisplay::kLineChars;
    const std::u16string strPair = u"\U0001F600";
    ASSERT_EQ(strPair.size(), 2u);
    COutputDisplay display(std::size_t(1) << 20);
    EXPECT_EQ(display.Lines(Repeat(u'x', kLine - 1) + strPair + u"z"),
              Repeat(u'x', kLine - 1) + u'\n' + strPair + u"z");
    // The line cut short counts as full: what follows the pair goes on the new line.
    EXPECT_EQ(display.Lines(u"\n" + Repeat(u'x', kLine - 1) + strPair), u"\n" + Repeat(u'x', kLine - 1) + u'\n' + strPair);
    EXPECT_EQ(display.Lines(Repeat(u'w', kLine - 2)), Repeat(u'w', kLine - 2));
    EXPECT_EQ(display.Lines(u"v"), u"\nv");
}

TEST(ToolsOutputDisplay, PastTheLimitWholeLinesGoDownToSevenEighthsAndTheNoteComesOnce)
{
    COutputDisplay display(100);
    EXPECT_EQ(display.Note(), std::u16string(u"[Earlier output was dropped: only the last 100 bytes are kept.]\n"));
    EXPECT_EQ(display.NoteChars(), 64u);
    EXPECT_EQ(display.Note(), u""); // shown already
    display.Clear();
    EXPECT_EQ(display.NoteChars(), 0u);

    std::u16string strTen;
    for (int i = 0; i < 10; ++i)
        strTen += u"123456789\n";
    display.Lines(strTen);
    EXPECT_FALSE(display.Drop().has_value()); // 100 characters: within the limit
    display.Lines(u"abc\n");
    std::optional<COutputDisplay::CDrop> drop = display.Drop();
    ASSERT_TRUE(drop.has_value());
    EXPECT_EQ(drop->m_nFrom, 0u);
    EXPECT_EQ(drop->m_nTo, 104u - 100u + 100u / 8);
    EXPECT_TRUE(drop->m_bToLineStart);
    display.Dropped(20); // the window went on to the next line start
    const std::u16string strNote = display.Note();
    EXPECT_EQ(strNote.size(), 64u);
    EXPECT_FALSE(display.Drop().has_value()); // 84 left

    // Now counted after the note.
    display.Lines(strTen.substr(0, 30));
    drop = display.Drop();
    ASSERT_TRUE(drop.has_value());
    EXPECT_EQ(drop->m_nFrom, 64u);
    EXPECT_EQ(drop->m_nTo, 64u + 114u - 100u + 12u);
    EXPECT_TRUE(drop->m_bToLineStart);
}

TEST(ToolsOutputDisplay, ADropReachingTheLastLineTakesItOrStopsAtItsStart)
{
    COutputDisplay display(100);
    // One line longer than the limit: all of it goes, and the next text
    // starts a display line afresh.
    display.Lines(Repeat(u'x', 200));
    std::optional<COutputDisplay::CDrop> drop = display.Drop();
    ASSERT_TRUE(drop.has_value());
    EXPECT_EQ(drop->m_nFrom, 0u);
    EXPECT_EQ(drop->m_nTo, 200u);
    EXPECT_FALSE(drop->m_bToLineStart);
    display.Dropped(200);
    display.Note();
    EXPECT_EQ(display.Lines(Repeat(u'y', 4000)), Repeat(u'y', 4000)); // no break left over from the x line

    // The seven eighths fall right where the last line starts: up to there.
    COutputDisplay exact(100);
    exact.Lines(Repeat(u'a', 100) + u'\n' + Repeat(u'b', 88));
    drop = exact.Drop();
    ASSERT_TRUE(drop.has_value());
    EXPECT_EQ(drop->m_nTo, 101u);
    EXPECT_FALSE(drop->m_bToLineStart);
}
