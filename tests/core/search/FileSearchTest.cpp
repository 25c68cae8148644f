#include "core/search/FileSearch.h"
#include "tests/core/search/SearchReference.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Records what a search reports, in order.
class CRecordingSink : public ISearchSink {
public:
    void OnHit(const CSearchHit& hit) override
    {
        m_hits.push_back(hit);
        m_events.push_back("hit " + std::to_string(hit.m_nFile));
    }
    void OnFileStarted(std::size_t nFile) override { m_events.push_back("start " + std::to_string(nFile)); }
    void OnFileDone(std::size_t nFile, std::size_t nHits) override
    {
        m_events.push_back("done " + std::to_string(nFile) + " " + std::to_string(nHits));
    }
    void OnFileError(std::size_t nFile, const std::string& strMessage) override
    {
        m_events.push_back("error " + std::to_string(nFile) + " " + strMessage);
    }
    std::vector<CSearchHit> m_hits;
    std::vector<std::string> m_events;
};

std::unique_ptr<CSearchPattern> MustCompile(const CSearchOptions& options)
{
    std::string strError;
    auto pPattern = CSearchPattern::Compile(options, strError);
    EXPECT_TRUE(pPattern) << options.m_strPattern << ": " << strError;
    return pPattern;
}

std::vector<CReferenceHit> AsReference(const std::vector<CSearchHit>& hits)
{
    std::vector<CReferenceHit> result;
    for (const CSearchHit& hit : hits)
        result.push_back({hit.m_nLine, hit.m_nColumn, hit.m_nLength, hit.m_strText});
    return result;
}

// Searches a text as an editor's unsaved text.
std::vector<CReferenceHit> SearchText(const CSearchOptions& options, const std::string& strText)
{
    const auto pPattern = MustCompile(options);
    if (!pPattern)
        return {};
    CRecordingSink sink;
    const std::atomic<bool> bStop{false};
    SearchFiles(*pPattern, {{"shown", "memory"}}, {{"memory", strText}}, sink, bStop);
    return AsReference(sink.m_hits);
}

std::vector<CReferenceHit> SearchFile(const CSearchOptions& options, const std::string& strPath)
{
    const auto pPattern = MustCompile(options);
    CRecordingSink sink;
    const std::atomic<bool> bStop{false};
    SearchFiles(*pPattern, {{"shown", strPath}}, {}, sink, bStop);
    return AsReference(sink.m_hits);
}

void WriteFile(const std::string& strPath, const std::string& strBytes)
{
    std::ofstream(strPath, std::ios::binary) << strBytes;
}

// Random texts built from pieces that matter: word and non-word bytes, each
// kind of line end, a valid two-byte character, a stray byte, a cut-off sequence.
std::string RandomText(std::mt19937& random, std::size_t nPieces)
{
    static const std::vector<std::string> pieces = {"a", "b", "A", "B", "_", " ", "1", "ab", "\r", "\n", "\r\n",
                                                    "\xC3\xA9", "\xFF", "\xE2\x82", "\xC3\x89"};
    std::string strText;
    for (std::size_t n = 0; n < nPieces; ++n)
        strText += pieces[random() % pieces.size()];
    return strText;
}

std::string RandomFixed(std::mt19937& random)
{
    static const std::string chars = "abAB_1 ";
    std::string strPattern;
    const std::size_t nLength = 1 + random() % 3;
    for (std::size_t n = 0; n < nLength; ++n)
        strPattern += chars[random() % chars.size()];
    return strPattern;
}

std::string RandomRegex(std::mt19937& random)
{
    static const std::vector<std::string> parts = {"a", "b", "[ab]", "[^a]", ".", "a*", "b+", "(a|B)", "^", "$",
                                                   "\\b", "\\s", "\\w+", "\\d", "A?", "\xC3\xA9", "(?:ab)+", "\\W"};
    std::string strPattern;
    const std::size_t nLength = 1 + random() % 3;
    for (std::size_t n = 0; n < nLength; ++n)
        strPattern += parts[random() % parts.size()];
    return strPattern;
}
} // namespace

TEST(FileSearch, MatchesAsTheLineByLineReferenceOnRandomTexts)
{
    std::mt19937 random(20261209);
    for (int nRound = 0; nRound < 20000; ++nRound) {
        CSearchOptions options;
        options.m_bRegex = nRound % 2 == 1;
        options.m_bMatchCase = (nRound / 2) % 2 == 0;
        options.m_bWholeWord = (nRound / 4) % 2 == 0;
        options.m_strPattern = options.m_bRegex ? RandomRegex(random) : RandomFixed(random);
        const std::string strText = RandomText(random, random() % 60);
        ASSERT_EQ(SearchText(options, strText), CSearchReference::Search(options, strText))
            << "pattern \"" << options.m_strPattern << "\" regex " << options.m_bRegex << " case "
            << options.m_bMatchCase << " word " << options.m_bWholeWord << " round " << nRound << " text "
            << ::testing::PrintToString(strText);
    }
}

TEST(FileSearch, FilesReadInBlocksMatchAsTheReferenceAcrossBlockEnds)
{
    // Several megabytes, so that lines, CR LF pairs and matches straddle the
    // reader's block ends; one line of three megabytes is searched in windows.
    std::mt19937 random(7);
    std::string strText;
    while (strText.size() < 1500000)
        strText += RandomText(random, 40);
    std::string strLong(3 * 1024 * 1024 + 17, 'x');
    for (std::size_t nAt : {5u, 1048570u, 1048576u - 2, 2097151u, 2097152u + 500, 3145000u})
        strLong.replace(nAt, 4, "a_b ");
    strText += "\r\n" + strLong + "\r" + RandomText(random, 500);
    CTempFolder folder("tarnwick-search");
    WriteFile(folder.PathOf("big.txt"), strText);
    for (const char* pszPattern : {"a_b", "ab", "B"}) {
        for (bool bRegex : {false, true}) {
            CSearchOptions options;
            options.m_strPattern = bRegex ? std::string(pszPattern) + "\\b|\\s\\w" : pszPattern;
            options.m_bRegex = bRegex;
            options.m_bMatchCase = false;
            EXPECT_EQ(SearchFile(options, folder.PathOf("big.txt")), CSearchReference::Search(options, strText))
                << options.m_strPattern;
        }
    }
}

TEST(FileSearch, ShownTextReplacesBadBytesAndShowsAtMost500CharactersAroundTheMatch)
{
    CSearchOptions options;
    options.m_strPattern = "c";
    const auto hits = SearchText(options, "ab\xFF" "c\xE2\x82" "d\xC3\xA9\n");
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].m_nColumn, 4u);
    EXPECT_EQ(hits[0].m_strText, "ab\xEF\xBF\xBD" "c\xEF\xBF\xBD\xEF\xBF\xBD" "d\xC3\xA9");

    // 1000 characters, two bytes each: the window starts 250 characters before the match.
    std::string strLine;
    for (int n = 0; n < 1000; ++n)
        strLine += n == 600 ? "N" : "\xC3\xA9";
    options.m_strPattern = "N";
    auto window = SearchText(options, strLine);
    ASSERT_EQ(window.size(), 1u);
    EXPECT_EQ(window[0].m_nColumn, 1201u);
    std::string strExpected;
    for (int n = 350; n < 850; ++n)
        strExpected += n == 600 ? "N" : "\xC3\xA9";
    EXPECT_EQ(window[0].m_strText, strExpected);

    // Near the end of the line the window moves back to keep 500 characters.
    const std::string strEnd = std::string(590, 'x') + "N" + std::string(9, 'y');
    window = SearchText(options, strEnd);
    ASSERT_EQ(window.size(), 1u);
    EXPECT_EQ(window[0].m_strText, strEnd.substr(100));
    // A line of exactly 500 characters is shown whole.
    const std::string strFull = std::string(499, 'x') + "N";
    EXPECT_EQ(SearchText(options, strFull)[0].m_strText, strFull);
}

TEST(FileSearch, WholeWordKeepsLookingPastAFailedCandidate)
{
    CSearchOptions options;
    options.m_strPattern = "foo";
    options.m_bWholeWord = true;
    const auto hits = SearchText(options, "foofoo foo_ (foo) \xC3\xA9" "foo");
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0].m_nColumn, 14u);
    EXPECT_EQ(hits[1].m_nColumn, 21u); // a non-ASCII letter is not a word byte
    options.m_bRegex = true;
    options.m_strPattern = "fo+";
    const auto regexHits = SearchText(options, "fooo_ fo, foo");
    ASSERT_EQ(regexHits.size(), 2u);
    EXPECT_EQ(regexHits[0].m_nColumn, 7u);
    EXPECT_EQ(regexHits[0].m_nLength, 2u);
    EXPECT_EQ(regexHits[1].m_nColumn, 11u);
}

TEST(FileSearch, PatternsThatCannotCompileSayWhy)
{
    std::string strError;
    CSearchOptions options;
    options.m_bRegex = true;
    options.m_strPattern = "a(b";
    EXPECT_EQ(CSearchPattern::Compile(options, strError), nullptr);
    EXPECT_EQ(strError, "missing closing parenthesis at offset 3");
    // The offset is in the user's text even when the word test wraps it.
    options.m_bWholeWord = true;
    options.m_strPattern = "x[";
    EXPECT_EQ(CSearchPattern::Compile(options, strError), nullptr);
    EXPECT_EQ(strError, "missing terminating ] for character class at offset 2");
    options.m_bRegex = false;
    options.m_strPattern = "";
    EXPECT_EQ(CSearchPattern::Compile(options, strError), nullptr);
    EXPECT_EQ(strError, "empty pattern");
}

TEST(FileSearch, BinaryFilesAreSkippedAndUnreadableOnesReportedWhileTheSearchGoesOn)
{
    CTempFolder folder("tarnwick-search");
    WriteFile(folder.PathOf("binary"), std::string("key\0key\n", 8));
    WriteFile(folder.PathOf("text"), "a key\n");
    ::mkdir(folder.PathOf("folder").c_str(), 0755);
    ::mkfifo(folder.PathOf("fifo").c_str(), 0644);
    const std::vector<CSearchFile> files = {{"b", folder.PathOf("binary")},  {"m", folder.PathOf("missing")},
                                            {"d", folder.PathOf("folder")}, {"f", folder.PathOf("fifo")},
                                            {"t", folder.PathOf("text")}};
    CSearchOptions options;
    options.m_strPattern = "key";
    const auto pPattern = MustCompile(options);
    CRecordingSink sink;
    const std::atomic<bool> bStop{false};
    EXPECT_TRUE(SearchFiles(*pPattern, files, {}, sink, bStop));
    const std::vector<std::string> expected = {"start 0", "done 0 0", "start 1", "error 1 No such file or directory",
                                               "start 2", "error 2 is a folder", "start 3",
                                               "error 3 not a regular file", "start 4", "hit 4", "done 4 1"};
    EXPECT_EQ(sink.m_events, expected);
    ASSERT_EQ(sink.m_hits.size(), 1u);
    EXPECT_EQ(sink.m_hits[0].m_nColumn, 3u);

    // Stopped before it starts, it reports nothing and says so.
    const std::atomic<bool> bStopped{true};
    CRecordingSink stoppedSink;
    EXPECT_FALSE(SearchFiles(*pPattern, files, {}, stoppedSink, bStopped));
    EXPECT_TRUE(stoppedSink.m_events.empty());
}

TEST(FileSearch, UnsavedTextIsSearchedInsteadOfTheFile)
{
    CTempFolder folder("tarnwick-search");
    WriteFile(folder.PathOf("a.java"), "old\n");
    CSearchOptions options;
    options.m_strPattern = "new";
    const auto pPattern = MustCompile(options);
    CRecordingSink sink;
    const std::atomic<bool> bStop{false};
    SearchFiles(*pPattern, {{"a.java", folder.PathOf("a.java")}}, {{folder.PathOf("a.java"), "x\r\nnew\r\n"}}, sink,
                bStop);
    ASSERT_EQ(sink.m_hits.size(), 1u);
    EXPECT_EQ(sink.m_hits[0].m_nLine, 2u);
    EXPECT_EQ(sink.m_hits[0].m_strText, "new");
}
