#include "core/findinfiles/FindResults.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
CSearchHit Hit(std::size_t nLine, std::size_t nColumn, std::size_t nLength, const std::string& strText)
{
    CSearchHit hit;
    hit.m_nLine = nLine;
    hit.m_nColumn = nColumn;
    hit.m_nLength = nLength;
    hit.m_strText = strText;
    return hit;
}

CFoundFile Found(const std::string& strShown, std::vector<CSearchHit> hits)
{
    CFoundFile file;
    file.m_strShownPath = strShown;
    file.m_strPath = "/p/" + strShown;
    file.m_hits = std::move(hits);
    return file;
}

CFoundFile Unreadable(const std::string& strShown, const std::string& strError)
{
    CFoundFile file = Found(strShown, {});
    file.m_bError = true;
    file.m_strError = strError;
    return file;
}

std::vector<std::string> Lines(const CFindResults& results)
{
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < results.RowCount(); ++i)
        lines.push_back(results.RowText(i));
    return lines;
}

// Three files with matches, one without, one unreadable.
CFindResults Sample()
{
    CFindResults results;
    results.Add(Found("src/Hello.java", {Hit(1, 7, 5, "class Hello {"), Hit(3, 9, 5, "  Hello h; // Hello"),
                                         Hit(3, 20, 5, "  Hello h; // Hello")}));
    results.Add(Found("src/Empty.java", {}));
    results.Add(Unreadable("src/Gone.java", "No such file or directory"));
    results.Add(Found("page.html", {Hit(12, 1, 5, "Hello")}));
    return results;
}
} // namespace

TEST(FindResultsTest, ListsFilesMatchesErrorsAndTheTotal)
{
    CFindResults results = Sample();
    EXPECT_FALSE(results.IsFinished());
    results.Finish(false);
    results.Finish(false); // once only
    const std::vector<std::string> expected = {
        "src/Hello.java (3 matches)",
        "src/Hello.java:1:7: class Hello {",
        "src/Hello.java:3:9:   Hello h; // Hello",
        "src/Hello.java:3:20:   Hello h; // Hello",
        "src/Gone.java: No such file or directory",
        "page.html (1 match)",
        "page.html:12:1: Hello",
        "4 matches in 2 files",
    };
    EXPECT_EQ(Lines(results), expected);
    EXPECT_EQ(results.Kind(0), CFindResults::ERow::File);
    EXPECT_EQ(results.Kind(1), CFindResults::ERow::Hit);
    EXPECT_EQ(results.Kind(4), CFindResults::ERow::Error);
    EXPECT_EQ(results.Kind(7), CFindResults::ERow::Total);
    EXPECT_EQ(results.HitCount(), 4u);
    EXPECT_EQ(results.FilesWithHits(), 2u);
}

TEST(FindResultsTest, TotalsSayOneMatchNoneOrAStop)
{
    CFindResults none;
    none.Add(Found("A.java", {}));
    none.Finish(false);
    EXPECT_EQ(Lines(none), std::vector<std::string>{"No matches"});

    CFindResults one;
    one.Add(Found("A.java", {Hit(2, 3, 1, "x")}));
    one.Finish(true);
    EXPECT_EQ(Lines(one), (std::vector<std::string>{"A.java (1 match)", "A.java:2:3: x", "Search stopped: 1 match in 1 file"}));

    one.Clear();
    EXPECT_EQ(one.RowCount(), 0u);
    EXPECT_EQ(one.HitCount(), 0u);
    EXPECT_FALSE(one.IsFinished());
    EXPECT_EQ(CFindResults::ProgressText(3, 10), "Searching: 3 of 10 files...");
}

TEST(FindResultsTest, LocationsOfMatchesAndFileLines)
{
    CFindResults results = Sample();
    results.Finish(false);
    auto hit = results.Location(3);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->m_strPath, "/p/src/Hello.java");
    EXPECT_EQ(hit->m_nLine, 3u);
    EXPECT_EQ(hit->m_nColumn, 20u);
    EXPECT_EQ(hit->m_nLength, 5u);
    // A file's line goes to its first match.
    auto file = results.Location(5);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->m_strPath, "/p/page.html");
    EXPECT_EQ(file->m_nLine, 12u);
    EXPECT_EQ(file->m_nColumn, 1u);
    EXPECT_FALSE(results.Location(4)); // unreadable
    EXPECT_FALSE(results.Location(7)); // total
    EXPECT_FALSE(results.Location(8)); // past the end
}

TEST(FindResultsTest, NextAndPreviousHitSkipOtherLinesAndWrapRound)
{
    CFindResults results = Sample();
    results.Finish(false);
    // Hits are lines 1, 2, 3 and 6.
    std::vector<std::size_t> forward;
    std::optional<std::size_t> nRow;
    for (int i = 0; i < 5; ++i) {
        nRow = results.NextHit(nRow, 1);
        ASSERT_TRUE(nRow);
        forward.push_back(*nRow);
    }
    EXPECT_EQ(forward, (std::vector<std::size_t>{1, 2, 3, 6, 1}));
    std::vector<std::size_t> backward;
    nRow.reset();
    for (int i = 0; i < 5; ++i) {
        nRow = results.NextHit(nRow, -1);
        ASSERT_TRUE(nRow);
        backward.push_back(*nRow);
    }
    EXPECT_EQ(backward, (std::vector<std::size_t>{6, 3, 2, 1, 6}));
    // From a file's line or the error line.
    EXPECT_EQ(results.NextHit(5, 1), 6u);
    EXPECT_EQ(results.NextHit(4, -1), 3u);
    EXPECT_EQ(results.NextHit(0, -1), 6u);

    CFindResults none;
    none.Add(Unreadable("A.java", "Permission denied"));
    none.Finish(false);
    EXPECT_FALSE(none.NextHit(std::nullopt, 1));
    EXPECT_FALSE(none.NextHit(0, -1));
}

TEST(FindResultsTest, ContinuedPartsJoinTheFileAddedLast)
{
    CFindResults results;
    results.Add(Found("Big.java", {Hit(1, 1, 1, "a"), Hit(2, 1, 1, "b")}));
    CFoundFile more = Found("Big.java", {Hit(3, 2, 1, "xc")});
    more.m_bContinued = true;
    results.Add(std::move(more));
    // A read error after some parts is a line of its own.
    CFoundFile failed = Unreadable("Big.java", "Input/output error");
    failed.m_bContinued = true;
    results.Add(std::move(failed));
    results.Add(Found("Next.java", {Hit(9, 1, 1, "d")}));
    results.Finish(false);
    EXPECT_EQ(Lines(results), (std::vector<std::string>{"Big.java (3 matches)", "Big.java:1:1: a", "Big.java:2:1: b",
                                                        "Big.java:3:2: xc", "Big.java: Input/output error",
                                                        "Next.java (1 match)", "Next.java:9:1: d",
                                                        "4 matches in 2 files"}));
    auto last = results.Location(3);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->m_strPath, "/p/Big.java");
    EXPECT_EQ(last->m_nLine, 3u);
}
