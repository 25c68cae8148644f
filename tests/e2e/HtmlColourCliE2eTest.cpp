// End-to-end: `tarnwick-cli colour --html` on small pages and on the program's
// own help page, with the exact run listings other implementations are
// compared to.
#include "tests/e2e/CliProcess.h"
#include "core/editor/HtmlColourer.h"
#include "core/editor/LineEnds.h"
#include "tests/support/GoldenFile.h"
#include "tests/support/TempFolder.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {
using CCliResult = CCliProcess::CResult;

class CHtmlColourCliE2e : public ::testing::Test {
protected:

    std::string Path(const std::string& strName) const { return m_strDir + "/" + strName; }
    void Write(const std::string& strName, const std::string& strBytes) const
    {
        std::ofstream(Path(strName), std::ios::binary) << strBytes;
    }

    CCliResult Cli(const std::vector<std::string>& args) const { return CCliProcess::Run(args, m_strDir); }

    CTempFolder m_folder{"tarnwick-html"};
    const std::string m_strDir = m_folder.Path();
};
} // namespace

TEST_F(CHtmlColourCliE2e, RunsOfCrLfAndLfPagesCountEachBreakAsTwo)
{
    const std::string strRuns = "0 1 tag\n1 2 keyword\n2 3 tag\n3 5 plain\n5 7 tag\n7 8 keyword\n8 9 tag\n"
                                "9 11 plain\n11 21 comment\n21 23 plain\n23 24 tag\n24 25 keyword\n25 31 tag\n"
                                "31 39 string\n39 40 tag\n40 42 plain\n";
    Write("CrLf.html", "<B>Hi</B>\r\n<!-- x -->\r\n<A HREF=\"x.html\">\r\n");
    Write("Lf.htm", "<B>Hi</B>\n<!-- x -->\n<A HREF=\"x.html\">\n");
    for (const char* pszFile : {"CrLf.html", "Lf.htm"}) {
        const CCliResult runs = Cli({"colour", "--html", pszFile});
        EXPECT_EQ(runs.m_nExit, 0) << pszFile << runs.m_strErr;
        EXPECT_EQ(runs.m_strOut, strRuns) << pszFile;
        EXPECT_EQ(runs.m_strErr, "");
    }
    // The option may follow the file; --codes lists the raw codes, 251 for tag.
    const CCliResult codes = Cli({"colour", "Lf.htm", "--codes", "--html"});
    EXPECT_EQ(codes.m_nExit, 0);
    EXPECT_EQ(codes.m_strOut.substr(0, 44), "251 255 251 253 253 251 251 255 251 253 253\n");
}

TEST_F(CHtmlColourCliE2e, TagNamesOnlyInsideTagsAndUnclosedEnds)
{
    // The word table outside a tag stays plain; center as a value is a name;
    // an unclosed '<' and an unterminated comment run to the end.
    Write("A.html", "table <TD align=center>\n<b\n");
    EXPECT_EQ(Cli({"colour", "--html", "A.html"}).m_strOut,
              "0 6 plain\n6 7 tag\n7 9 keyword\n9 16 tag\n16 22 keyword\n22 23 tag\n23 25 plain\n25 26 tag\n"
              "26 27 keyword\n27 29 tag\n");
    Write("C.html", "x<!-- y\n");
    EXPECT_EQ(Cli({"colour", "--html", "C.html"}).m_strOut, "0 1 plain\n1 9 comment\n");
    // Without --html the same page is coloured as Java.
    EXPECT_EQ(Cli({"colour", "C.html"}).m_strOut, "0 9 plain\n");
}

TEST_F(CHtmlColourCliE2e, EmptyPagePrintsNothingAndBadUseFails)
{
    Write("Empty.html", "");
    const CCliResult empty = Cli({"colour", "--html", "Empty.html"});
    EXPECT_EQ(empty.m_nExit, 0);
    EXPECT_EQ(empty.m_strOut, "");
    EXPECT_EQ(Cli({"colour", "--html"}).m_nExit, 2);
    EXPECT_EQ(Cli({"colour", "--html", "Missing.html"}).m_nExit, 1);
    const CCliResult help = Cli({"colour", "--help"});
    EXPECT_NE(help.m_strOut.find("[--html]"), std::string::npos);
}

TEST_F(CHtmlColourCliE2e, HelpPageListingCoversTheTextAsTheColourerDoes)
{
    const std::string strPage = std::string(TARNWICK_SOURCE_DIR) + "/res/help/index.html";
    const std::string strText = CLineEnds::ToCrLf(GoldenFile::ReadBytes(strPage));
    ASSERT_FALSE(strText.empty());
    const std::vector<unsigned char> codes = CHtmlColourer().ColourAll(strText);
    const CCliResult runs = Cli({"colour", "--html", strPage});
    ASSERT_EQ(runs.m_nExit, 0) << runs.m_strErr;
    // Read the runs back: they tile the text, neighbours differ, and each
    // run's class is the colourer's at every offset in it.
    std::istringstream lines(runs.m_strOut);
    std::size_t nExpectedStart = 0;
    std::string strPrevious;
    std::size_t nStart = 0, nEnd = 0;
    std::string strClass;
    int nRuns = 0;
    while (lines >> nStart >> nEnd >> strClass) {
        ASSERT_EQ(nStart, nExpectedStart);
        ASSERT_LT(nStart, nEnd);
        ASSERT_NE(strClass, strPrevious);
        for (std::size_t i = nStart; i < nEnd; ++i) {
            const unsigned char nCode = codes[i];
            const char* pszClass = nCode == CHtmlColourer::kColourTag       ? "tag"
                                   : nCode == CHtmlColourer::kColourKeyword ? "keyword"
                                   : nCode == CHtmlColourer::kColourString  ? "string"
                                   : nCode == CHtmlColourer::kColourComment ? "comment"
                                                                            : "plain";
            ASSERT_EQ(strClass, pszClass) << "offset " << i;
        }
        nExpectedStart = nEnd;
        strPrevious = strClass;
        ++nRuns;
    }
    EXPECT_EQ(nExpectedStart, strText.size());
    EXPECT_GT(nRuns, 20);
}
