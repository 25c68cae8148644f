// End-to-end: `tarnwick-cli find` over a generated tree and a project, with
// exact output, messages and exit statuses, and against grep -rn where the
// two formats agree.
#include "tests/e2e/CliProcess.h"
#include "tests/support/TempFolder.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace {
using CResult = CCliProcess::CResult;

class CFindCliE2e : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(Path("tree/src/deep"));
        std::filesystem::create_directories(Path("tree/.git"));
        Write("tree/src/A.java", "class A {\r\n  int key = 1;\r\n}\r\n");
        Write("tree/src/deep/B.java", "key\rkey key\r\n\xFF" "key \xE2\x82\n");
        Write("tree/src/data.bin", std::string("key\0key\n", 8));
        Write("tree/.git/C.java", "key\n");
        Write("tree/notes.txt", "no match here\nKEY upper\n");
        ::symlink("..", Path("tree/src/deep/up").c_str());
    }

    std::string Path(const std::string& strName) const { return m_strDir + "/" + strName; }
    void Write(const std::string& strName, const std::string& strBytes) const
    {
        std::ofstream(Path(strName), std::ios::binary) << strBytes;
    }
    CResult Cli(const std::vector<std::string>& args) const { return CCliProcess::Run(args, m_strDir); }

    CTempFolder m_folder{"tarnwick-find"};
    const std::string m_strDir = m_folder.Path();
};
} // namespace

TEST_F(CFindCliE2e, PrintsEachMatchUnderAFolderInPathOrder)
{
    const CResult result = Cli({"find", "key", "--dir", "tree"});
    EXPECT_EQ(result.m_strOut, "tree/src/A.java:2:7:   int key = 1;\n"
                               "tree/src/deep/B.java:1:1: key\n"
                               "tree/src/deep/B.java:2:1: key key\n"
                               "tree/src/deep/B.java:2:5: key key\n"
                               "tree/src/deep/B.java:3:2: \xEF\xBF\xBDkey \xEF\xBF\xBD\xEF\xBF\xBD\n");
    EXPECT_EQ(result.m_strErr, "");
    EXPECT_EQ(result.m_nExit, 0);

    const CResult ignoring = Cli({"find", "--ignore-case", "--word", "KEY", "--dir", "./tree/", "--include", "*.txt"});
    EXPECT_EQ(ignoring.m_strOut, "./tree/notes.txt:2:1: KEY upper\n");
    EXPECT_EQ(ignoring.m_nExit, 0);

    const CResult regex = Cli({"find", "--regex", "k.y\\s+k", "--dir", "tree", "--include", "*.java;*.html"});
    EXPECT_EQ(regex.m_strOut, "tree/src/deep/B.java:2:1: key key\n");
    EXPECT_EQ(regex.m_nExit, 0);

    const CResult none = Cli({"find", "absent", "--dir", "tree"});
    EXPECT_EQ(none.m_strOut, "");
    EXPECT_EQ(none.m_strErr, "");
    EXPECT_EQ(none.m_nExit, 1);
}

TEST_F(CFindCliE2e, ErrorsAreNamedWithStatusTwo)
{
    const CResult pattern = Cli({"find", "--regex", "a(b", "--dir", "tree"});
    EXPECT_EQ(pattern.m_strOut, "");
    EXPECT_EQ(pattern.m_strErr, "tarnwick-cli: missing closing parenthesis at offset 3\n");
    EXPECT_EQ(pattern.m_nExit, 2);

    const CResult folder = Cli({"find", "key", "--dir", "nowhere"});
    EXPECT_EQ(folder.m_strErr, "tarnwick-cli: nowhere: no such folder.\n");
    EXPECT_EQ(folder.m_nExit, 2);

    const CResult project = Cli({"find", "key", "Missing.jpr"});
    EXPECT_EQ(project.m_strOut, "");
    EXPECT_EQ(project.m_strErr, "tarnwick-cli: Missing.jpr: no such file.\n");
    EXPECT_EQ(project.m_nExit, 2);

    const CResult usage = Cli({"find", "key"});
    EXPECT_EQ(usage.m_strErr.rfind("tarnwick-cli: find needs a project file or --dir FOLDER\nUsage: tarnwick-cli find", 0), 0u);
    EXPECT_EQ(usage.m_nExit, 2);
    const CResult unknown = Cli({"find", "--fast", "key", "--dir", "tree"});
    EXPECT_EQ(unknown.m_strErr.rfind("tarnwick-cli: unknown find option \"--fast\"\nUsage:", 0), 0u);
    EXPECT_EQ(unknown.m_nExit, 2);
}

TEST_F(CFindCliE2e, AProjectIsSearchedInItsOrderAndAMissingFileIsNamed)
{
    std::filesystem::create_directories(Path("P"));
    Write("P/Main.java", "// key\n");
    Write("P/Gone.java", "key\n");
    Write("P/page.html", "<p>key</p>\r\n");
    ASSERT_EQ(Cli({"project", "new", "--type", "empty", "P/P.jpr"}).m_nExit, 0);
    ASSERT_EQ(Cli({"project", "add", "P/P.jpr", "P/page.html", "P/Main.java", "P/Gone.java"}).m_nExit, 0);
    std::filesystem::remove(Path("P/Gone.java"));

    const CResult result = Cli({"find", "key", "P/P.jpr"});
    EXPECT_EQ(result.m_strOut, "Main.java:1:4: // key\n"
                               "page.html:1:4: <p>key</p>\n");
    EXPECT_EQ(result.m_strErr, "tarnwick-cli: Gone.java: No such file or directory\n");
    EXPECT_EQ(result.m_nExit, 0);

    // Nothing found and a file missing: the error decides the status.
    const CResult none = Cli({"find", "absent", "P/P.jpr"});
    EXPECT_EQ(none.m_strOut, "");
    EXPECT_EQ(none.m_strErr, "tarnwick-cli: Gone.java: No such file or directory\n");
    EXPECT_EQ(none.m_nExit, 2);
}

TEST_F(CFindCliE2e, AgreesWithGrepOnPlainText)
{
    std::filesystem::create_directories(Path("plain/b"));
    Write("plain/a.txt", "alpha key\nbeta\nkey gamma key\n");
    Write("plain/b/c.txt", "nothing\nlast key");
    Write("plain/b/d.txt", "key\n\nkeykey\n");
    if (std::system("grep --version >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "no grep";
    const std::string strGrep = "cd '" + m_strDir + "' && grep -rn key plain | LC_ALL=C sort -t: -k1,1 -k2,2n -s";
    std::string strExpected;
    if (FILE* pPipe = ::popen(strGrep.c_str(), "r")) {
        char buffer[4096];
        std::size_t nRead;
        while ((nRead = std::fread(buffer, 1, sizeof buffer, pPipe)) > 0)
            strExpected.append(buffer, nRead);
        ::pclose(pPipe);
    }
    ASSERT_FALSE(strExpected.empty());
    // One line per matching line, as grep -n prints: path, line and text.
    const CResult result = Cli({"find", "key", "--dir", "plain"});
    std::istringstream lines(result.m_strOut);
    std::string strLine;
    std::string strSeen;
    std::string strLast;
    while (std::getline(lines, strLine)) {
        const std::size_t nLineEnd = strLine.find(':', strLine.find(':') + 1);
        const std::size_t nColumnEnd = strLine.find(": ", nLineEnd + 1);
        const std::string strKey = strLine.substr(0, nLineEnd);
        if (strKey == strLast)
            continue;
        strLast = strKey;
        strSeen += strKey + ":" + strLine.substr(nColumnEnd + 2) + "\n";
    }
    EXPECT_EQ(strSeen, strExpected);
    EXPECT_EQ(result.m_nExit, 0);
}
