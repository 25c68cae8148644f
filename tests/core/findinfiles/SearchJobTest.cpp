#include "core/findinfiles/SearchJob.h"
#include "tests/support/HeldPattern.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {
class SearchJobTest : public ::testing::Test {
protected:
    std::string Write(const std::string& strName, const std::string& strBytes)
    {
        const std::string strPath = m_folder.PathOf(strName);
        std::filesystem::create_directories(std::filesystem::path(strPath).parent_path());
        std::ofstream(strPath, std::ios::binary | std::ios::trunc) << strBytes;
        return strPath;
    }
    static std::unique_ptr<CSearchPattern> Pattern(const std::string& strText)
    {
        CSearchOptions options;
        options.m_strPattern = strText;
        std::string strError;
        auto pPattern = CSearchPattern::Compile(options, strError);
        EXPECT_TRUE(pPattern) << strError;
        return pPattern;
    }
    // Everything the job hands over until it is finished; a minute at most.
    static std::vector<CFoundFile> Collect(CSearchJob& job)
    {
        EXPECT_TRUE(job.WaitFinished(std::chrono::seconds(60)));
        return job.TakeFound();
    }
    CTempFolder m_folder{"tarnwick-searchjob"};
};

} // namespace

TEST_F(SearchJobTest, FolderFilesAreShownFromTheFolderAndOpenTextsWin)
{
    Write("src/App.java", "class App {\r\n  // needle\r\n}\r\n");
    Write("src/Edited.java", "class Edited {}\n");
    Write("notes.txt", "needle\n");
    Write("page.html", "<p>needle needle</p>\n");
    // Another way to the same files, outside the folder searched.
    CTempFolder elsewhere("tarnwick-searchjob-link");
    std::filesystem::create_symlink(m_folder.Path(), elsewhere.PathOf("link"));

    CSearchJob::CRequest request;
    request.m_bUnderFolder = true;
    request.m_strFolder = m_folder.Path() + "/";
    request.m_includes = {"*.java", "*.html"};
    // Open in an editor under another spelling of its path, with an unsaved needle.
    request.m_unsavedTexts[elsewhere.PathOf("link/src/Edited.java")] = "class Edited {\n\tint needle;\n}\n";
    CSearchJob job(Pattern("needle"), std::move(request));
    const std::vector<CFoundFile> found = Collect(job);

    EXPECT_FALSE(job.WasStopped());
    EXPECT_EQ(job.FileCount(), 3u);
    EXPECT_EQ(job.FilesSearched(), 3u);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].m_strShownPath, "page.html");
    EXPECT_EQ(found[0].m_strPath, m_folder.PathOf("page.html"));
    ASSERT_EQ(found[0].m_hits.size(), 2u);
    EXPECT_EQ(found[0].m_hits[1].m_nColumn, 11u);
    EXPECT_EQ(found[1].m_strShownPath, "src/App.java");
    ASSERT_EQ(found[1].m_hits.size(), 1u);
    EXPECT_EQ(found[1].m_hits[0].m_nLine, 2u);
    EXPECT_EQ(found[1].m_hits[0].m_nColumn, 6u);
    EXPECT_EQ(found[1].m_hits[0].m_strText, "  // needle");
    EXPECT_EQ(found[2].m_strShownPath, "src/Edited.java");
    ASSERT_EQ(found[2].m_hits.size(), 1u);
    EXPECT_EQ(found[2].m_hits[0].m_nLine, 2u);
    EXPECT_EQ(found[2].m_hits[0].m_nColumn, 6u);
}

TEST_F(SearchJobTest, ListedFilesReportTheUnreadableInOrder)
{
    const std::string strA = Write("A.java", "x needle\n");
    const std::string strB = Write("B.java", "nothing\n");
    CSearchJob::CRequest request;
    request.m_files = {{"A.java", strA}, {"Missing.java", m_folder.PathOf("Missing.java")}, {"B.java", strB}};
    CSearchJob job(Pattern("needle"), std::move(request));
    EXPECT_EQ(job.FileCount(), 3u);
    const std::vector<CFoundFile> found = Collect(job);
    EXPECT_EQ(job.FilesSearched(), 3u);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].m_strShownPath, "A.java");
    EXPECT_FALSE(found[0].m_bError);
    EXPECT_EQ(found[1].m_strShownPath, "Missing.java");
    EXPECT_TRUE(found[1].m_bError);
    EXPECT_FALSE(found[1].m_strError.empty());
    EXPECT_TRUE(found[1].m_hits.empty());
}

TEST_F(SearchJobTest, AFileWithManyMatchesComesInParts)
{
    const std::size_t nLines = 2 * CSearchJob::kPartHits + 5;
    std::string strText;
    for (std::size_t n = 1; n <= nLines; ++n)
        strText += "needle " + std::to_string(n) + "\n";
    CSearchJob::CRequest request;
    request.m_files = {{"Many.java", Write("Many.java", strText)}, {"One.java", Write("One.java", "a needle\n")}};
    CSearchJob job(Pattern("needle"), std::move(request));
    const std::vector<CFoundFile> found = Collect(job);
    ASSERT_EQ(found.size(), 4u);
    std::size_t nLine = 0;
    for (std::size_t nPart = 0; nPart < 3; ++nPart) {
        EXPECT_EQ(found[nPart].m_strShownPath, "Many.java");
        EXPECT_EQ(found[nPart].m_bContinued, nPart > 0);
        for (const CSearchHit& hit : found[nPart].m_hits)
            EXPECT_EQ(hit.m_nLine, ++nLine);
    }
    EXPECT_EQ(found[0].m_hits.size(), CSearchJob::kPartHits);
    EXPECT_EQ(found[2].m_hits.size(), 5u);
    EXPECT_EQ(nLine, nLines);
    EXPECT_EQ(found[3].m_strShownPath, "One.java");
    EXPECT_FALSE(found[3].m_bContinued);
}

TEST_F(SearchJobTest, StopEndsTheSearchBeforeTheNextFile)
{
    CSearchJob::CRequest request;
    for (int i = 0; i < 3; ++i) {
        const std::string strName = "F" + std::to_string(i) + ".java";
        request.m_files.push_back({strName, Write(strName, "stop here\n")});
    }
    auto pGate = std::make_unique<CHeldPattern>("stop");
    CHeldPattern& gate = *pGate;
    CSearchJob job(std::move(pGate), std::move(request));
    gate.WaitEntered();
    job.Stop();
    gate.Open();
    const std::vector<CFoundFile> found = Collect(job);
    EXPECT_TRUE(job.WasStopped());
    // The file being searched keeps what it found; no later file is searched.
    ASSERT_LE(found.size(), 1u);
    if (!found.empty()) {
        EXPECT_EQ(found[0].m_strShownPath, "F0.java");
        EXPECT_EQ(found[0].m_hits.size(), 1u);
    }
}

TEST_F(SearchJobTest, TextsForFilesMatchesEverySpellingOfAnOpenFile)
{
    const std::string strReal = Write("src/A.java", "on disk\n");
    Write("src/B.java", "on disk\n");
    std::filesystem::create_symlink(m_folder.PathOf("src"), m_folder.PathOf("alias"));
    const std::vector<CSearchFile> files = {{"alias/A.java", m_folder.PathOf("alias/A.java")},
                                            {"src/B.java", m_folder.PathOf("src/../src/B.java")},
                                            {"src/C.java", m_folder.PathOf("src/C.java")}};
    std::map<std::string, std::string> unsaved = {{strReal, "edited A"},
                                                  {m_folder.PathOf("src/B.java"), "edited B"},
                                                  {m_folder.PathOf("src/Other.java"), "other"}};
    const std::map<std::string, std::string> texts = CSearchJob::TextsForFiles(files, unsaved);
    const std::map<std::string, std::string> expected = {{m_folder.PathOf("alias/A.java"), "edited A"},
                                                         {m_folder.PathOf("src/../src/B.java"), "edited B"}};
    EXPECT_EQ(texts, expected);
}
