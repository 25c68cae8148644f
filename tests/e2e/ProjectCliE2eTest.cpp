// End-to-end: tarnwick-cli makes projects, the real JDK compiles and runs them.
#include "core/editor/LineEnds.h"
#include "core/jdk/JdkLocator.h"
#include "core/project/JavaProjectCore.h"
#include "core/tools/ProcessSpawner.h"
#include "tests/support/TempFolder.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
struct CRunResult {
    int m_nExit = -1;
    std::string m_strOutput; // standard output and error together
};

CRunResult RunTool(const std::string& strProgram, std::vector<std::string> args, const std::string& strFolder)
{
    CRunResult result;
    int fds[2];
    if (::pipe(fds) != 0)
        return result;
    args.insert(args.begin(), strProgram);
    pid_t pid = 0;
    const bool bStarted = CProcessSpawner::Spawn(strProgram, args, strFolder, fds[1], false, pid);
    ::close(fds[1]);
    if (bStarted) {
        char buffer[4096];
        for (;;) {
            const ssize_t nRead = ::read(fds[0], buffer, sizeof buffer);
            if (nRead > 0)
                result.m_strOutput.append(buffer, static_cast<std::size_t>(nRead));
            else if (nRead == 0 || errno != EINTR)
                break;
        }
        int nStatus = 0;
        while (::waitpid(pid, &nStatus, 0) < 0 && errno == EINTR) {
        }
        result.m_nExit = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : 128 + WTERMSIG(nStatus);
    }
    ::close(fds[0]);
    return result;
}

class CProjectCliE2e : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The user's own settings must not leak switches into the projects.
        ::setenv("XDG_CONFIG_HOME", (m_strDir + "/config").c_str(), 1);
        m_strJdk = CJdkLocator::FromEnvironment(CJdkLocator::ReadProcessEnvironment);
    }

    CRunResult Cli(const std::vector<std::string>& args) { return RunTool(TARNWICK_CLI_PATH, args, m_strDir); }
    CRunResult Jdk(const std::string& strTool, const std::vector<std::string>& args)
    {
        return RunTool(m_strJdk + "/bin/" + strTool, args, m_strDir);
    }
    bool HasJdk() const { return ::access((m_strJdk + "/bin/javac").c_str(), X_OK) == 0; }

    CTempFolder m_folder{"tarnwick-e2e"};
    const std::string m_strDir = m_folder.Path();
    std::string m_strJdk;
};
} // namespace

TEST_F(CProjectCliE2e, ApplicationProjectCompilesAndPrintsStartingApp)
{
    if (!HasJdk())
        GTEST_SKIP() << "no JDK at " << m_strJdk;
    const CRunResult created = Cli({"project", "new", "--type", "application", "--class", "Hello", "App.jpr"});
    ASSERT_EQ(created.m_nExit, 0) << created.m_strOutput;
    EXPECT_EQ(created.m_strOutput, "Created " + m_strDir + "/App.jpr\n");

    const CRunResult shown = Cli({"project", "show", "App.jpr"});
    ASSERT_EQ(shown.m_nExit, 0) << shown.m_strOutput;
    EXPECT_NE(shown.m_strOutput.find("  Hello.java  " + m_strDir + "/Hello.java\n    class Hello\n"), std::string::npos)
        << shown.m_strOutput;
    EXPECT_NE(shown.m_strOutput.find("Main Java file: \"Hello.java\"\nMain folder: \"" + m_strDir + "\"\n"),
              std::string::npos);

    const CRunResult compiled = Jdk("javac", {"Hello.java"});
    ASSERT_EQ(compiled.m_nExit, 0) << compiled.m_strOutput;
    ASSERT_TRUE(std::filesystem::exists(m_strDir + "/Hello.class"));

    // The template opens a window; headless, that fails after the greeting.
    const CRunResult ran = Jdk("java", {"-Djava.awt.headless=true", "-cp", ".", "Hello"});
    EXPECT_EQ(ran.m_strOutput.rfind("Starting App\n", 0), 0u) << ran.m_strOutput;
    if (ran.m_nExit != 0) {
        EXPECT_NE(ran.m_strOutput.find("HeadlessException"), std::string::npos) << ran.m_strOutput;
    }
}

TEST_F(CProjectCliE2e, AppletProjectCompiles)
{
    if (!HasJdk())
        GTEST_SKIP() << "no JDK at " << m_strJdk;
    ASSERT_EQ(Cli({"project", "new", "--type", "applet", "--class", "Greeter", "Web.jpr"}).m_nExit, 0);
    const CRunResult compiled = Jdk("javac", {"Greeter.java"});
    if (compiled.m_nExit != 0 && compiled.m_strOutput.find("java.applet") != std::string::npos)
        GTEST_SKIP() << "this JDK has no java.applet";
    EXPECT_EQ(compiled.m_nExit, 0) << compiled.m_strOutput;
    EXPECT_TRUE(std::filesystem::exists(m_strDir + "/Greeter.class"));

    CJavaProjectCore project;
    std::string strError;
    ASSERT_TRUE(project.Open(m_strDir + "/Web.jpr", strError)) << strError;
    EXPECT_EQ(project.GetMainHtmlFile(), "Example1.html");
    EXPECT_EQ(project.GetHtmlFilePath("Example1.html"), m_strDir + "/Example1.html");
}

TEST_F(CProjectCliE2e, CompilerMessageLeadsBackToTheFileAndLine)
{
    if (!HasJdk())
        GTEST_SKIP() << "no JDK at " << m_strJdk;
    ASSERT_EQ(Cli({"project", "new", "--type", "empty", "Err.jpr"}).m_nExit, 0);
    {
        std::ofstream source(m_strDir + "/Broken.java");
        source << "public class Broken {\n    void f() {\n        int x = 1\n    }\n}\n";
    }
    const CRunResult added = Cli({"project", "add", "Err.jpr", m_strDir + "/Broken.java"});
    ASSERT_EQ(added.m_nExit, 0) << added.m_strOutput;

    // Compiled by full path, as a build names the main file.
    const CRunResult compiled = Jdk("javac", {m_strDir + "/Broken.java"});
    ASSERT_NE(compiled.m_nExit, 0);
    const std::string strOutput = CLineEnds::ToCrLf(compiled.m_strOutput);
    ASSERT_EQ(strOutput.rfind(m_strDir + "/Broken.java:3: error: ';' expected\r\n", 0), 0u) << strOutput;

    CJavaProjectCore project;
    std::string strError;
    ASSERT_TRUE(project.Open(m_strDir + "/Err.jpr", strError)) << strError;
    const auto location = project.FindErrorLine(strOutput, 0);
    ASSERT_TRUE(location);
    EXPECT_EQ(location->m_strPath, m_strDir + "/Broken.java");
    EXPECT_EQ(location->m_nLineNumber, 3);
    // The source line echoed under the message names no file.
    EXPECT_FALSE(project.FindErrorLine(strOutput, 1));
}

TEST_F(CProjectCliE2e, CorruptProjectAndBadCommandLines)
{
    {
        std::ofstream bad(m_strDir + "/Bad.jpr", std::ios::binary);
        bad << std::string("\x05\x00\x00\x00\x0A", 5);
    }
    const CRunResult shown = Cli({"project", "show", "Bad.jpr"});
    EXPECT_EQ(shown.m_nExit, 1);
    EXPECT_EQ(shown.m_strOutput, "Unexpected file format.\n");

    EXPECT_EQ(Cli({"project", "new", "--type", "gadget", "X.jpr"}).m_nExit, 2);
    EXPECT_EQ(Cli({"project"}).m_nExit, 2);
    const CRunResult noName = Cli({"project", "new", "--type", "applet", "--class", "", "X.jpr"});
    EXPECT_EQ(noName.m_nExit, 1);
    EXPECT_EQ(noName.m_strOutput, "Please enter a name for your class\n");
    EXPECT_FALSE(std::filesystem::exists(m_strDir + "/X.jpr"));
    EXPECT_EQ(Cli({"--version"}).m_nExit, 0);
}

TEST_F(CProjectCliE2e, NewProjectTakesSwitchesFromTheSettings)
{
    std::filesystem::create_directories(m_strDir + "/config/Vellorand");
    {
        std::ofstream conf(m_strDir + "/config/Vellorand/Tarnwick.conf");
        conf << "[OPTIONS]\nJAVAC=-g -deprecation\nJAVAOPTIONS=-ea\n";
    }
    ASSERT_EQ(Cli({"project", "new", "--type", "empty", "S.jpr"}).m_nExit, 0);
    const CRunResult shown = Cli({"project", "show", "S.jpr"});
    EXPECT_NE(shown.m_strOutput.find("Java switches: \"-ea\"\nJavac switches: \"-g -deprecation\"\n"),
              std::string::npos)
        << shown.m_strOutput;
}

TEST_F(CProjectCliE2e, AddRemoveAndMainFilesFollowTheProjectRules)
{
    std::filesystem::create_directories(m_strDir + "/a");
    std::filesystem::create_directories(m_strDir + "/b");
    for (const char* pszFile : {"/a/Foo.java", "/b/Foo.java", "/a/Page.html", "/b/Page.html"})
        std::ofstream(m_strDir + pszFile) << "class Foo { void f() { } }\n";
    ASSERT_EQ(Cli({"project", "new", "--type", "empty", "P.jpr"}).m_nExit, 0);

    CRunResult result = Cli({"project", "add", "P.jpr", "a/Foo.java", "a/Page.html"});
    EXPECT_EQ(result.m_nExit, 0) << result.m_strOutput;
    EXPECT_EQ(result.m_strOutput, "");
    result = Cli({"project", "add", "P.jpr", "b/Foo.java", "a/Foo.java"});
    EXPECT_EQ(result.m_nExit, 0);
    EXPECT_EQ(result.m_strOutput, "Foo.java now points to " + m_strDir + "/b/Foo.java\n" + "Foo.java now points to " +
                                      m_strDir + "/a/Foo.java\n");
    result = Cli({"project", "add", "P.jpr", "a/Page.html", "b/Page.html"});
    EXPECT_EQ(result.m_nExit, 1);
    EXPECT_EQ(result.m_strOutput, m_strDir + "/a/Page.html: File is already in project.\n" + m_strDir +
                                      "/b/Page.html: You cannot add two HTML files with the same name to a project.\n"
                                      "Nothing was added to P.jpr.\n");

    EXPECT_EQ(Cli({"project", "main", "P.jpr", "Foo.java"}).m_nExit, 0);
    EXPECT_EQ(Cli({"project", "html-main", "P.jpr", "Page.html"}).m_nExit, 0);
    EXPECT_EQ(Cli({"project", "main", "P.jpr", "Page.html"}).m_nExit, 1);
    EXPECT_EQ(Cli({"project", "remove", "P.jpr", "b/Foo.java"}).m_nExit, 1);
    EXPECT_EQ(Cli({"project", "remove", "P.jpr", "a/Foo.java"}).m_nExit, 0);

    const CRunResult shown = Cli({"project", "show", "P.jpr"});
    EXPECT_EQ(shown.m_strOutput, "Project: " + m_strDir + "/P.jpr\nJava files (0):\nHTML files (1):\n  Page.html  " +
                                     m_strDir + "/a/Page.html\nMain Java file: \"Foo.java\"\nMain folder: \"" +
                                     m_strDir +
                                     "/a\"\nMain package: \"\"\nMain HTML file: \"Page.html\"\n"
                                     "Java switches: \"\"\nJavac switches: \"\"\n");
}
