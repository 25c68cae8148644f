// End-to-end: what each command says about a command line it cannot take,
// word for word, with its exit status; which of two problems it names first;
// and which words are taken as options, values or files.
#include "tests/e2e/CliProcess.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string>
#include <vector>

namespace {
using CCliResult = CCliProcess::CResult;
using CWords = std::vector<std::string>;

class CArgumentErrorsCliE2e : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string strTemplate = (std::filesystem::temp_directory_path() / "tarnwick-arguments-XXXXXX").string();
        ASSERT_NE(::mkdtemp(strTemplate.data()), nullptr);
        m_strDir = strTemplate;
        // The user's own settings must not leak into the commands.
        ::setenv("XDG_CONFIG_HOME", (m_strDir + "/config").c_str(), 1);
    }
    void TearDown() override { std::filesystem::remove_all(m_strDir); }

    CCliResult Cli(const CWords& args) const { return CCliProcess::Run(args, m_strDir); }

    // The usage text that helpArgs prints on standard output.
    std::string Usage(const CWords& helpArgs) const
    {
        const CCliResult help = Cli(helpArgs);
        EXPECT_EQ(help.m_nExit, 0);
        EXPECT_EQ(help.m_strOut.rfind("Usage: tarnwick-cli ", 0), 0u) << help.m_strOut;
        return help.m_strOut;
    }

    // args exit with 2, print nothing on standard output, and on standard
    // error "tarnwick-cli: MESSAGE" and then the usage text helpArgs prints.
    void ExpectUsageError(const CWords& args, const std::string& strMessage, const CWords& helpArgs) const
    {
        const CCliResult result = Cli(args);
        EXPECT_EQ(result.m_nExit, 2) << ::testing::PrintToString(args);
        EXPECT_EQ(result.m_strOut, "") << ::testing::PrintToString(args);
        EXPECT_EQ(result.m_strErr, "tarnwick-cli: " + strMessage + "\n" + Usage(helpArgs))
            << ::testing::PrintToString(args);
    }

    // args print the usage text of helpArgs on standard output and exit with 0.
    void ExpectHelp(const CWords& args, const CWords& helpArgs) const
    {
        const CCliResult result = Cli(args);
        EXPECT_EQ(result.m_nExit, 0) << ::testing::PrintToString(args);
        EXPECT_EQ(result.m_strErr, "") << ::testing::PrintToString(args);
        EXPECT_EQ(result.m_strOut, Usage(helpArgs)) << ::testing::PrintToString(args);
    }

    void Write(const std::string& strName, const std::string& strBytes) const
    {
        std::ofstream(m_strDir + "/" + strName, std::ios::binary) << strBytes;
    }

    std::string m_strDir;
};
} // namespace

TEST_F(CArgumentErrorsCliE2e, ColourNamesTheFirstProblemInOrder)
{
    const CWords help = {"colour", "--help"};
    ExpectUsageError({"colour"}, "colour needs a file", help);
    ExpectUsageError({"colour", "--html", "--codes"}, "colour needs a file", help);
    ExpectUsageError({"colour", "--runs", "A.java"}, "unknown colour option \"--runs\"", help);
    ExpectUsageError({"colour", "A.java", "B.java"}, "colour takes one file", help);
    ExpectUsageError({"colour", "A.java", "B.java", "--help"}, "colour takes one file", help);
    ExpectUsageError({"colour", "A.java", "B.java", "--runs"}, "colour takes one file", help);
    ExpectUsageError({"colour", "--runs", "A.java", "B.java"}, "unknown colour option \"--runs\"", help);
    ExpectUsageError({"colour", "--bogus", "--help"}, "unknown colour option \"--bogus\"", help);
    ExpectUsageError({"colour", "--", "A.java"}, "unknown colour option \"--\"", help);
    ExpectHelp({"colour", "--help", "--bogus"}, help);
    ExpectHelp({"colour", "A.java", "--help", "B.java"}, help);
}

TEST_F(CArgumentErrorsCliE2e, ColourTakesAWordWithOneDashAsAFile)
{
    Write("-x", "int i;");
    const CCliResult result = Cli({"colour", "-x", "--codes"});
    EXPECT_EQ(result.m_nExit, 0) << result.m_strErr;
    EXPECT_EQ(result.m_strOut, "255 255 255 253 253 253\n");
    EXPECT_EQ(result.m_strErr, "");
}

TEST_F(CArgumentErrorsCliE2e, OutlineNamesTheFirstProblemInOrder)
{
    const CWords help = {"outline", "--help"};
    ExpectUsageError({"outline"}, "outline needs a file", help);
    ExpectUsageError({"outline", "A.java", "--project"}, "--project needs a project file", help);
    ExpectUsageError({"outline", "--project", "P.jpr", "--project", "Q.jpr", "A.java"},
                     "only one --project may be given", help);
    ExpectUsageError({"outline", "--project", "P.jpr", "--project"}, "--project needs a project file", help);
    ExpectUsageError({"outline", "A.java", "B.java"}, "outline takes one file", help);
    ExpectUsageError({"outline", "A.java", "B.java", "--help"}, "outline takes one file", help);
    ExpectUsageError({"outline", "--bogus", "A.java"}, "unknown outline option \"--bogus\"", help);
    ExpectUsageError({"outline", "A.java", "--", "B.java"}, "unknown outline option \"--\"", help);
    // The word after --project is its value, whatever it looks like.
    ExpectUsageError({"outline", "--project", "--help"}, "outline needs a file", help);
    ExpectHelp({"outline", "--help", "--bogus"}, help);
    ExpectHelp({"outline", "A.java", "--help", "B.java"}, help);
}

TEST_F(CArgumentErrorsCliE2e, BuildCompileRunAndJarNameAnUnknownOptionBeforeAnythingElse)
{
    const CWords buildHelp = {"build", "--help"};
    ExpectUsageError({"build"}, "build needs exactly one project path", buildHelp);
    ExpectUsageError({"build", "A.jpr", "B.jpr"}, "build needs exactly one project path", buildHelp);
    ExpectUsageError({"build", "--project", "A.jpr"}, "unknown option \"--project\"", buildHelp);
    ExpectUsageError({"build", "--stdin", "A.jpr"}, "unknown option \"--stdin\"", buildHelp);
    ExpectUsageError({"build", "A.jpr", "--", "x"}, "unknown option \"--\"", buildHelp);
    ExpectUsageError({"build", "--help", "--bogus"}, "unknown option \"--bogus\"", buildHelp);
    ExpectHelp({"build", "A.jpr", "B.jpr", "--help"}, buildHelp);
    ExpectHelp({"build", "--help", "--print", "--diagnostics"}, buildHelp);

    const CWords compileHelp = {"compile", "--help"};
    ExpectUsageError({"compile"}, "compile needs exactly one Java file", compileHelp);
    ExpectUsageError({"compile", "A.java", "--project"}, "--project needs a project path", compileHelp);
    ExpectUsageError({"compile", "--diagnostics", "--stdin", "A.java"}, "unknown option \"--stdin\"", compileHelp);
    ExpectUsageError({"compile", "--project", "P.jpr"}, "compile needs exactly one Java file", compileHelp);
    ExpectHelp({"compile", "--project", "P.jpr", "--help"}, compileHelp);

    const CWords runHelp = {"run", "--help"};
    ExpectUsageError({"run"}, "run needs exactly one project path", runHelp);
    ExpectUsageError({"run", "--diagnostics", "A.jpr"}, "unknown option \"--diagnostics\"", runHelp);
    ExpectUsageError({"run", "--project", "P.jpr", "A.jpr"}, "unknown option \"--project\"", runHelp);
    // After "--" every word is the program's, even one that looks like an option.
    ExpectUsageError({"run", "--", "A.jpr", "--bogus"}, "run needs exactly one project path", runHelp);
    ExpectHelp({"run", "--help", "--", "--bogus"}, runHelp);

    const CWords jarHelp = {"jar", "--help"};
    ExpectUsageError({"jar"}, "jar needs create or list", jarHelp);
    ExpectUsageError({"jar", "--print"}, "jar needs create or list", jarHelp);
    ExpectUsageError({"jar", "list"}, "jar list needs exactly one archive", jarHelp);
    ExpectUsageError({"jar", "list", "A.jar", "B.jar"}, "jar list needs exactly one archive", jarHelp);
    ExpectUsageError({"jar", "extract", "A.jar"}, "unknown jar command \"extract\"", jarHelp);
    ExpectUsageError({"jar", "create", "P.jpr"}, "jar create needs a project path and an archive path", jarHelp);
    ExpectUsageError({"jar", "create", "--stdin", "P.jpr", "A.jar"}, "unknown option \"--stdin\"", jarHelp);
    ExpectHelp({"jar", "extract", "--help"}, jarHelp);
}

TEST_F(CArgumentErrorsCliE2e, ProjectCommandsNameTheFirstProblemInOrder)
{
    const CWords help = {"project", "--help"};
    ExpectUsageError({"project"}, "missing project command", help);
    ExpectUsageError({"project", "bogus"}, "unknown project command \"bogus\"", help);
    ExpectUsageError({"project", "--bogus"}, "unknown project command \"--bogus\"", help);
    ExpectHelp({"project", "help"}, help);

    ExpectUsageError({"project", "new"}, "missing project path", help);
    ExpectUsageError({"project", "new", "--force", "--type", "empty"}, "missing project path", help);
    ExpectUsageError({"project", "new", "--type"}, "--type needs a value", help);
    ExpectUsageError({"project", "new", "X.jpr", "--class"}, "--class needs a value", help);
    ExpectUsageError({"project", "new", "--type", "gadget", "X.jpr"},
                     "unknown project type \"gadget\" (empty, application or applet)", help);
    ExpectUsageError({"project", "new", "--type", "gadget", "A.jpr", "B.jpr"},
                     "unknown project type \"gadget\" (empty, application or applet)", help);
    ExpectUsageError({"project", "new", "A.jpr", "B.jpr", "--type", "gadget"}, "only one project path may be given",
                     help);
    ExpectUsageError({"project", "new", "--help"}, "unknown option \"--help\"", help);
    ExpectUsageError({"project", "new", "--", "X.jpr"}, "unknown option \"--\"", help);
    ExpectUsageError({"project", "new", "A.jpr", "--bogus", "B.jpr"}, "unknown option \"--bogus\"", help);
    // An empty word is no project path: a later one still counts as the first.
    ExpectUsageError({"project", "new", "", ""}, "missing project path", help);
    EXPECT_FALSE(std::filesystem::exists(m_strDir + "/X.jpr"));
    EXPECT_FALSE(std::filesystem::exists(m_strDir + "/A.jpr"));

    const CCliResult created = Cli({"project", "new", "", "--type", "empty", "E.jpr"});
    EXPECT_EQ(created.m_nExit, 0) << created.m_strErr;
    EXPECT_EQ(created.m_strOut, "Created " + m_strDir + "/E.jpr\n");
    EXPECT_EQ(created.m_strErr, "");
    // The word after --class is the class name, whatever it looks like.
    const CCliResult named = Cli({"project", "new", "--class", "--force", "F.jpr"});
    EXPECT_EQ(named.m_nExit, 0) << named.m_strErr;
    EXPECT_EQ(named.m_strOut, "Created " + m_strDir + "/F.jpr\n");
    EXPECT_EQ(named.m_strErr, "");
    EXPECT_TRUE(std::filesystem::exists(m_strDir + "/--force.java"));
}

TEST_F(CArgumentErrorsCliE2e, ProjectDumpTakesHelpAnywhereAndAnyOtherOptionAsAMisplacedPath)
{
    const CWords help = {"project", "--help"};
    ExpectUsageError({"project", "dump"}, "dump needs exactly one project path", help);
    ExpectUsageError({"project", "dump", "--bogus"}, "dump needs exactly one project path", help);
    ExpectUsageError({"project", "dump", "P.jpr", "--bogus"}, "dump needs exactly one project path", help);
    ExpectUsageError({"project", "dump", "--", "P.jpr"}, "dump needs exactly one project path", help);
    ExpectUsageError({"project", "dump", "--text"}, "dump needs exactly one project path", help);
    ExpectHelp({"project", "dump", "--bogus", "A.jpr", "B.jpr", "--help"}, help);
}

TEST_F(CArgumentErrorsCliE2e, ProjectFileCommandsTakeEveryWordAsAFile)
{
    const CWords help = {"project", "--help"};
    ExpectUsageError({"project", "add", "--help"}, "add needs a project path and at least one file", help);
    ExpectUsageError({"project", "remove", "--help"}, "remove needs a project path and one file", help);
    ExpectUsageError({"project", "main", "--help"}, "main needs a project path and a file name", help);
    ExpectUsageError({"project", "html-main", "P.jpr"}, "html-main needs a project path and a file name", help);
    ExpectUsageError({"project", "show", "A.jpr", "--help"}, "show needs exactly one project path", help);

    const CCliResult shown = Cli({"project", "show", "--help"});
    EXPECT_EQ(shown.m_nExit, 1);
    EXPECT_EQ(shown.m_strOut, "");
    EXPECT_EQ(shown.m_strErr, "Failed to open document.\n");
}
