// End-to-end: `project show` prints every byte of a project's texts, with
// control characters escaped, and no command waits on a FIFO or reads a folder.
#include "core/project/JavaProjectCore.h"
#include "tests/e2e/CliProcess.h"
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
using CShowResult = CCliProcess::CResult;

class CProjectShowE2e : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("XDG_CONFIG_HOME", (m_strDir + "/config").c_str(), 1);
    }

    CShowResult Cli(const std::vector<std::string>& args) const { return CCliProcess::Run(args, m_strDir); }

    std::string Path(const std::string& strName) const { return m_strDir + "/" + strName; }

    CTempFolder m_folder{"tarnwick-show"};
    const std::string m_strDir = m_folder.Path();
};
} // namespace

TEST_F(CProjectShowE2e, TextsArePrintedWholeWithControlsEscaped)
{
    CJavaProjectCore project;
    project.SetPathName(Path("P.jpr"));
    project.AddJavaFile(Path(std::string("Odd\x1b]0;title\x07.java")));
    // A zero byte, colour escapes, DEL, tab, a C1 control both as UTF-8 and
    // as a lone byte, a valid UTF-8 letter, a line feed and a carriage return.
    project.SetJavaSwitches(std::string("-ea\0-Dx=1", 9) + "\x1b[31mred\x1b[0m\x7f\tz" + "\xc2\x9b" + "\x9b" +
                            "\xc3\xa9" + "\nnext\rline");
    project.SetJavacSwitches("-g");
    std::string strError;
    ASSERT_TRUE(project.SaveAs(Path("P.jpr"), strError)) << strError;

    const CShowResult shown = Cli({"project", "show", "P.jpr"});
    EXPECT_EQ(shown.m_nExit, 0) << shown.m_strErr;
    EXPECT_EQ(shown.m_strErr, "");
    EXPECT_EQ(shown.m_strOut, "Project: " + Path("P.jpr") + "\n" +
                                  "Java files (1):\n"
                                  "  Odd\\x1b]0;title\\x07.java  " +
                                  m_strDir +
                                  "/Odd\\x1b]0;title\\x07.java\n"
                                  "HTML files (0):\n"
                                  "Main Java file: \"\"\n"
                                  "Main folder: \"\"\n"
                                  "Main package: \"\"\n"
                                  "Main HTML file: \"\"\n"
                                  "Java switches: \"-ea\\x00-Dx=1\\x1b[31mred\\x1b[0m\\x7f\tz\\xc2\\x9b\\x9b\xc3\xa9"
                                  "\\x0anext\\x0dline\"\n"
                                  "Javac switches: \"-g\"\n");
}

TEST_F(CProjectShowE2e, FifosAndFoldersAreRefusedWithoutWaiting)
{
    ASSERT_EQ(::mkfifo(Path("F.jpr").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(Path("F.java").c_str(), 0600), 0);
    std::filesystem::create_directories(Path("D.jpr"));
    std::ofstream(Path("A.java"), std::ios::binary) << "class A {}\n";

    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"project", "show", "F.jpr"},
                                               {"project", "dump", "F.jpr"},
                                               {"project", "add", "F.jpr", "A.java"},
                                               {"project", "remove", "F.jpr", "A.java"},
                                               {"project", "main", "F.jpr", "A.java"},
                                               {"project", "html-main", "F.jpr", "A.html"},
                                               {"outline", "--project", "F.jpr", "A.java"}}) {
        const CShowResult result = Cli(args);
        SCOPED_TRACE(args[0] + " " + args[1]);
        EXPECT_EQ(result.m_nExit, 1);
        EXPECT_EQ(result.m_strOut, "");
        EXPECT_EQ(result.m_strErr, "tarnwick-cli: F.jpr: not a regular file.\n");
    }
    for (const char* pszCommand : {"colour", "outline"}) {
        const CShowResult result = Cli({pszCommand, "F.java"});
        SCOPED_TRACE(pszCommand);
        EXPECT_EQ(result.m_nExit, 1);
        EXPECT_EQ(result.m_strErr, "tarnwick-cli: F.java: not a regular file.\n");
    }
    // A project may not take a FIFO as a source file either.
    ASSERT_EQ(Cli({"project", "new", "--type", "empty", "E.jpr"}).m_nExit, 0);
    const CShowResult added = Cli({"project", "add", "E.jpr", "F.java"});
    EXPECT_EQ(added.m_nExit, 1);
    EXPECT_EQ(added.m_strErr, "F.java: not a regular file.\nNothing was added to E.jpr.\n");
    EXPECT_EQ(Cli({"project", "add", "E.jpr", "Nope.java"}).m_strErr,
              "Nope.java: no such file.\nNothing was added to E.jpr.\n");

    const CShowResult folder = Cli({"project", "show", "D.jpr"});
    EXPECT_EQ(folder.m_nExit, 1);
    EXPECT_EQ(folder.m_strOut, "");
    EXPECT_EQ(folder.m_strErr, "tarnwick-cli: D.jpr: not a regular file.\n");
}
