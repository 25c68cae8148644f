// End-to-end: the inspection commands (colour, outline, project dump) on small
// real files, with the exact listings other implementations are compared to.
#include "core/editor/JavaColourer.h"
#include "core/editor/LineEnds.h"
#include "core/project/JavaProjectCore.h"
#include "tests/e2e/CliProcess.h"
#include "tests/support/GoldenFile.h"
#include "tests/support/TempFolder.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {
using CCliResult = CCliProcess::CResult;

void WriteFileBytes(const std::string& strPath, const std::string& strBytes)
{
    std::ofstream(strPath, std::ios::binary) << strBytes;
}

class CInspectCliE2e : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The user's own settings must not leak switches into new projects.
        ::setenv("XDG_CONFIG_HOME", (m_strDir + "/config").c_str(), 1);
    }

    CCliResult Cli(const std::vector<std::string>& args) const { return CCliProcess::Run(args, m_strDir); }

    std::string Path(const std::string& strName) const { return m_strDir + "/" + strName; }

    CTempFolder m_folder{"tarnwick-inspect"};
    const std::string m_strDir = m_folder.Path();
};

// Class A with a nested class B, then class C with a nested class D.
const std::string kNestedSource = "public class A {\n"
                                  "    int f(int x) {\n"
                                  "        return x;\n"
                                  "    }\n"
                                  "    class B {\n"
                                  "        void g() { }\n"
                                  "    }\n"
                                  "    void h() { }\n"
                                  "}\n"
                                  "class C {\n"
                                  "    class D {\n"
                                  "        void k() {}\n"
                                  "    }\n"
                                  "}\n";

const std::string kNestedOutline = "0\tA\n"
                                   "18\tA.f(int x)\n"
                                   "64\tA.B\n"
                                   "79\tA.B.g()\n"
                                   "108\tA.h()\n"
                                   "129\tC\n"
                                   "140\tC.D\n"
                                   "155\tC.D.k()\n";
} // namespace

TEST_F(CInspectCliE2e, ColourOfCrLfAndLfFilesCountsEachBreakAsTwo)
{
    const std::string strRuns = "0 3 keyword\n3 7 plain\n7 12 comment\n12 24 plain\n24 27 string\n27 30 plain\n";
    const std::string strCodes = "255 255 255 253 253 253 253 254 254 254 254 254 253\n"
                                 "253 253 253 253 253 253 253 253 253 253 253 252 252 252 253 253 253\n";
    WriteFileBytes(Path("CrLf.java"), "int a; // c\r\nString s = \"x\";\r\n");
    WriteFileBytes(Path("Lf.java"), "int a; // c\nString s = \"x\";\n");
    for (const char* pszFile : {"CrLf.java", "Lf.java"}) {
        const CCliResult runs = Cli({"colour", pszFile});
        EXPECT_EQ(runs.m_nExit, 0) << pszFile << runs.m_strErr;
        EXPECT_EQ(runs.m_strOut, strRuns) << pszFile;
        EXPECT_EQ(runs.m_strErr, "");
        const CCliResult codes = Cli({"colour", "--codes", pszFile});
        EXPECT_EQ(codes.m_nExit, 0) << pszFile;
        EXPECT_EQ(codes.m_strOut, strCodes) << pszFile;
    }
    // Options may follow the file.
    EXPECT_EQ(Cli({"colour", "Lf.java", "--codes"}).m_strOut, strCodes);
}

TEST_F(CInspectCliE2e, BlockCommentOpenedInsideAStringRunsToTheNextClose)
{
    WriteFileBytes(Path("S.java"), "String s = \"/*\";\nint x; */ int y;\n");
    const CCliResult runs = Cli({"colour", "S.java"});
    EXPECT_EQ(runs.m_nExit, 0);
    EXPECT_EQ(runs.m_strOut, "0 11 plain\n11 12 string\n12 27 comment\n27 28 plain\n28 31 keyword\n31 36 plain\n");
}

TEST_F(CInspectCliE2e, EmptyFilePrintsNothing)
{
    WriteFileBytes(Path("Empty.java"), "");
    for (const bool bCodes : {false, true}) {
        const CCliResult result = bCodes ? Cli({"colour", "--codes", "Empty.java"}) : Cli({"colour", "Empty.java"});
        EXPECT_EQ(result.m_nExit, 0);
        EXPECT_EQ(result.m_strOut, "");
        EXPECT_EQ(result.m_strErr, "");
    }
    const CCliResult outline = Cli({"outline", "Empty.java"});
    EXPECT_EQ(outline.m_nExit, 0);
    EXPECT_EQ(outline.m_strOut, "");
}

TEST_F(CInspectCliE2e, ColourOfTheDemoMatchesTheColourerCalledDirectly)
{
    const std::string strDemo = std::string(TARNWICK_SOURCE_DIR) + "/demo/Hello.java";
    const std::string strBytes = GoldenFile::ReadBytes(strDemo);
    ASSERT_FALSE(strBytes.empty());
    const std::string strText = CLineEnds::ToCrLf(strBytes);
    const std::vector<unsigned char> expected = CJavaColourer().ColourAll(strText);

    // The raw codes, read back in order, are the colourer's exactly.
    const CCliResult codes = Cli({"colour", "--codes", strDemo});
    ASSERT_EQ(codes.m_nExit, 0) << codes.m_strErr;
    std::vector<unsigned char> got;
    std::istringstream codeStream(codes.m_strOut);
    unsigned nCode = 0;
    while (codeStream >> nCode)
        got.push_back(static_cast<unsigned char>(nCode));
    EXPECT_EQ(got, expected);
    // One output line per line of the file (it has no final line break).
    EXPECT_EQ(std::count(codes.m_strOut.begin(), codes.m_strOut.end(), '\n'),
              std::count(strText.begin(), strText.end(), '\n') + 1);

    // The runs, expanded again, give the same codes and never two equal runs in a row.
    const CCliResult runs = Cli({"colour", strDemo});
    ASSERT_EQ(runs.m_nExit, 0);
    std::vector<unsigned char> expanded;
    std::istringstream runStream(runs.m_strOut);
    std::size_t nStart = 0;
    std::size_t nEnd = 0;
    std::string strClass;
    std::string strPrevious;
    while (runStream >> nStart >> nEnd >> strClass) {
        EXPECT_EQ(nStart, expanded.size());
        ASSERT_GT(nEnd, nStart);
        EXPECT_NE(strClass, strPrevious);
        strPrevious = strClass;
        const unsigned char nRunCode = strClass == "keyword"   ? CJavaColourer::kColourKeyword
                                       : strClass == "comment" ? CJavaColourer::kColourComment
                                       : strClass == "string"  ? CJavaColourer::kColourString
                                                               : CJavaColourer::kColourPlain;
        EXPECT_TRUE(strClass == "plain" || nRunCode != CJavaColourer::kColourPlain) << strClass;
        expanded.insert(expanded.end(), nEnd - nStart, nRunCode);
    }
    EXPECT_EQ(expanded, expected);
    EXPECT_NE(runs.m_strOut.find(" keyword\n"), std::string::npos);
    EXPECT_NE(runs.m_strOut.find(" string\n"), std::string::npos);
}

TEST_F(CInspectCliE2e, OutlineListsEntriesWithCrLfOffsets)
{
    WriteFileBytes(Path("A.java"), kNestedSource);
    const CCliResult result = Cli({"outline", "A.java"});
    EXPECT_EQ(result.m_nExit, 0) << result.m_strErr;
    EXPECT_EQ(result.m_strOut, kNestedOutline);
    // The same file with CR LF breaks has the same offsets.
    WriteFileBytes(Path("A.java"), CLineEnds::ToCrLf(kNestedSource));
    EXPECT_EQ(Cli({"outline", "A.java"}).m_strOut, kNestedOutline);
}

TEST_F(CInspectCliE2e, OutlineEntriesPastThe255thHaveTheirPositions)
{
    std::string strSource = "class Many {\n";
    for (int nIndex = 0; nIndex < 300; ++nIndex)
        strSource += "void m" + std::to_string(nIndex) + "() {}\n";
    strSource += "}\n";
    WriteFileBytes(Path("Many.java"), strSource);
    const CCliResult result = Cli({"outline", "Many.java"});
    ASSERT_EQ(result.m_nExit, 0);
    std::vector<std::string> lines;
    std::istringstream stream(result.m_strOut);
    for (std::string strLine; std::getline(stream, strLine);)
        lines.push_back(strLine);
    ASSERT_EQ(lines.size(), 301u);
    EXPECT_EQ(lines[0], "0\tMany");
    EXPECT_EQ(lines[1], "14\tMany.m0()");
    // 14 + 10 lines of 14 bytes + 90 of 15 + 153 of 16 (m100..m252).
    EXPECT_EQ(lines[254], "3952\tMany.m253()");
    EXPECT_EQ(lines[255], "3968\tMany.m254()");
    // 3968 + 45 lines of 16 bytes (m254..m298).
    EXPECT_EQ(lines[300], "4688\tMany.m299()");
}

TEST_F(CInspectCliE2e, OutlineWithProjectRecordsClassesButSavesNothing)
{
    WriteFileBytes(Path("A.java"), "class A {\n}\n");
    ASSERT_EQ(Cli({"project", "new", "--type", "empty", "P.jpr"}).m_nExit, 0);
    ASSERT_EQ(Cli({"project", "add", "P.jpr", "A.java"}).m_nExit, 0);
    const std::string strSaved = GoldenFile::ReadBytes(Path("P.jpr"));

    WriteFileBytes(Path("A.java"), kNestedSource);
    const CCliResult result = Cli({"outline", "--project", "P.jpr", "A.java"});
    EXPECT_EQ(result.m_nExit, 0) << result.m_strErr;
    EXPECT_EQ(result.m_strErr, "");
    EXPECT_EQ(result.m_strOut, kNestedOutline + "Classes recorded in " + Path("P.jpr") + ":\n" + "  A.java  " +
                                   Path("A.java") + "\n" +
                                   "    class A\n"
                                   "      f(int x)\n"
                                   "      h()\n"
                                   "      class B\n"
                                   "        g()\n"
                                   "    class C\n"
                                   "      class D\n"
                                   "        k()\n");
    EXPECT_EQ(GoldenFile::ReadBytes(Path("P.jpr")), strSaved);

    WriteFileBytes(Path("Other.java"), "class O {}\n");
    const CCliResult other = Cli({"outline", "--project", "P.jpr", "Other.java"});
    EXPECT_EQ(other.m_nExit, 1);
    EXPECT_EQ(other.m_strOut, "0\tO\n");
    EXPECT_EQ(other.m_strErr,
              "tarnwick-cli: Other.java: not a Java file of " + Path("P.jpr") + "; no class information recorded.\n");
}

TEST_F(CInspectCliE2e, OutlineWithAMovedProjectFindsTheFileRebased)
{
    std::filesystem::create_directories(Path("old"));
    WriteFileBytes(Path("old/A.java"), "class A {\n}\n");
    ASSERT_EQ(Cli({"project", "new", "--type", "empty", "old/P.jpr"}).m_nExit, 0);
    ASSERT_EQ(Cli({"project", "add", "old/P.jpr", "old/A.java"}).m_nExit, 0);
    std::filesystem::rename(Path("old"), Path("new"));

    const CCliResult result = Cli({"outline", "--project", "new/P.jpr", "new/A.java"});
    EXPECT_EQ(result.m_nExit, 0) << result.m_strErr;
    EXPECT_EQ(result.m_strOut, "0\tA\nClasses recorded in " + Path("new/P.jpr") + ":\n  A.java  " + Path("new/A.java") +
                                   "\n    class A\n");
}

TEST_F(CInspectCliE2e, DumpListsEveryStoredFieldWithNestedClasses)
{
    WriteFileBytes(Path("A.java"), kNestedSource);
    ASSERT_EQ(Cli({"project", "new", "--type", "empty", "P.jpr"}).m_nExit, 0);
    ASSERT_EQ(Cli({"project", "add", "P.jpr", "A.java"}).m_nExit, 0);
    ASSERT_EQ(Cli({"project", "main", "P.jpr", "A.java"}).m_nExit, 0);

    const CCliResult result = Cli({"project", "dump", "--text", "P.jpr"});
    EXPECT_EQ(result.m_nExit, 0) << result.m_strErr;
    EXPECT_EQ(result.m_strErr, "");
    // @DIR@ stands for the test's folder.
    EXPECT_TRUE(GoldenFile::Matches("cli/dump-nested.txt", result.m_strOut, {{"@DIR@", m_strDir}}));
}

TEST_F(CInspectCliE2e, DumpShowsStoredPathsAndEscapesTexts)
{
    CJavaProjectCore project;
    project.SetPathName("/old/P.jpr");
    project.AddJavaFile("/old/src/X.java");
    project.AddHtmlFile("/old/x.html");
    project.SetMainFile("X.java");
    project.SetJavaSwitches("-Dname=\"a b\"\t-ea");
    project.SetJavacSwitches(std::string("\x01\\\xe9", 3));
    std::string strError;
    ASSERT_TRUE(project.SaveAs(Path("Moved.jpr"), strError)) << strError;

    const CCliResult result = Cli({"project", "dump", "--text", "Moved.jpr"});
    EXPECT_EQ(result.m_nExit, 0) << result.m_strErr;
    EXPECT_EQ(result.m_strOut, "m_javaFiles 1\n"
                               "  m_strFileName \"X.java\"\n"
                               "  m_strPathName \"/old/src/X.java\"\n"
                               "  m_strProjectPath \"/old/P.jpr\"\n"
                               "  m_classes 0\n"
                               "  m_strReserved \"\"\n"
                               "m_htmlFiles 1\n"
                               "  m_strFileName \"x.html\"\n"
                               "  m_strPathName \"/old/x.html\"\n"
                               "  m_strProjectPath \"/old/P.jpr\"\n"
                               "m_strMainJavaFile \"X.java\"\n"
                               "m_strMainFolder \"/old/src\"\n"
                               "m_strMainPackage \"\"\n"
                               "m_strMainHtmlFile \"\"\n"
                               "m_strJavaSwitches \"-Dname=\\\"a b\\\"\\t-ea\"\n"
                               "m_strJavacSwitches \"\\001\\\\\\351\"\n");
    // The relocated view stays with `project show`, and the dump changed nothing.
    EXPECT_NE(Cli({"project", "show", "Moved.jpr"}).m_strOut.find("(now " + m_strDir + "/src/X.java)"),
              std::string::npos);
    EXPECT_EQ(Cli({"project", "dump", "--text", "Moved.jpr"}).m_strOut, result.m_strOut);
}

TEST_F(CInspectCliE2e, MissingUnreadableAndCorruptInputsFailClearly)
{
    const CCliResult missing = Cli({"colour", "Nope.java"});
    EXPECT_EQ(missing.m_nExit, 1);
    EXPECT_EQ(missing.m_strOut, "");
    EXPECT_EQ(missing.m_strErr, "tarnwick-cli: Nope.java: no such file.\n");
    EXPECT_EQ(Cli({"outline", "Nope.java"}).m_strErr, "tarnwick-cli: Nope.java: no such file.\n");
    EXPECT_EQ(Cli({"project", "dump", "Nope.jpr"}).m_strErr, "tarnwick-cli: Nope.jpr: no such file.\n");

    std::filesystem::create_directories(Path("Dir.java"));
    const CCliResult folder = Cli({"colour", "Dir.java"});
    EXPECT_EQ(folder.m_nExit, 1);
    EXPECT_EQ(folder.m_strErr, "tarnwick-cli: Dir.java: not a regular file.\n");

    WriteFileBytes(Path("Bad.jpr"), std::string("\x05\x00\x00\x00\x0A", 5));
    const CCliResult corrupt = Cli({"project", "dump", "Bad.jpr"});
    EXPECT_EQ(corrupt.m_nExit, 1);
    EXPECT_EQ(corrupt.m_strOut, "");
    EXPECT_EQ(corrupt.m_strErr, "Unexpected file format.\n");
    WriteFileBytes(Path("A.java"), "class A {}\n");
    const CCliResult corruptProject = Cli({"outline", "--project", "Bad.jpr", "A.java"});
    EXPECT_EQ(corruptProject.m_nExit, 1);
    EXPECT_EQ(corruptProject.m_strOut, "");
    EXPECT_EQ(corruptProject.m_strErr, "tarnwick-cli: Bad.jpr: Unexpected file format.\n");

    if (::geteuid() != 0) { // root reads any file
        WriteFileBytes(Path("Locked.java"), "class L {}\n");
        std::filesystem::permissions(Path("Locked.java"), std::filesystem::perms::none);
        const CCliResult locked = Cli({"colour", "Locked.java"});
        EXPECT_EQ(locked.m_nExit, 1);
        EXPECT_EQ(locked.m_strErr, "tarnwick-cli: Locked.java: cannot be opened: Permission denied.\n");
    }
}

TEST_F(CInspectCliE2e, BadCommandLinesExitTwoAndHelpDocumentsTheFormats)
{
    EXPECT_EQ(Cli({"colour"}).m_nExit, 2);
    EXPECT_EQ(Cli({"colour", "--runs", "A.java"}).m_nExit, 2);
    EXPECT_EQ(Cli({"colour", "A.java", "B.java"}).m_nExit, 2);
    EXPECT_EQ(Cli({"outline"}).m_nExit, 2);
    EXPECT_EQ(Cli({"outline", "A.java", "--project"}).m_nExit, 2);
    EXPECT_EQ(Cli({"project", "dump"}).m_nExit, 2);
    EXPECT_EQ(Cli({"project", "dump", "A.jpr", "B.jpr"}).m_nExit, 2);

    const CCliResult colourHelp = Cli({"colour", "--help"});
    EXPECT_EQ(colourHelp.m_nExit, 0);
    EXPECT_NE(colourHelp.m_strOut.find("START END CLASS"), std::string::npos);
    EXPECT_NE(colourHelp.m_strOut.find("--codes"), std::string::npos);
    const CCliResult outlineHelp = Cli({"outline", "--help"});
    EXPECT_EQ(outlineHelp.m_nExit, 0);
    EXPECT_NE(outlineHelp.m_strOut.find("POSITION<TAB>ENTRY"), std::string::npos);
    const CCliResult help = Cli({"--help"});
    EXPECT_EQ(help.m_nExit, 0);
    for (const char* pszText : {"colour [--html] [--codes] FILE", "outline [--project PATH.jpr] FILE",
                                "START END CLASS", "POSITION<TAB>ENTRY"})
        EXPECT_NE(help.m_strOut.find(pszText), std::string::npos) << pszText;
    EXPECT_NE(Cli({"project", "--help"}).m_strOut.find("project dump [--text] PATH.jpr"), std::string::npos);
}
