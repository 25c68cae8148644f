// End-to-end: tarnwick-cli never loses or half-writes the user's files. Project
// edits from many programs at once all land, a refused edit writes nothing,
// new projects never replace sources unasked, and output that cannot be
// written is an error.
#include "core/io/FileLock.h"
#include "core/project/JavaFile.h"
#include "core/project/JavaProjectCore.h"
#include "tests/e2e/CliProcess.h"
#include "tests/support/GoldenFile.h"
#include "tests/support/TempFolder.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {
using CResult = CCliProcess::CResult;

class CProjectSafetyE2e : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("XDG_CONFIG_HOME", (m_strDir + "/config").c_str(), 1);
        ::unsetenv("TARNWICK_LOCK_TIMEOUT_MS");
    }
    void TearDown() override
    {
        ::unsetenv("TARNWICK_LOCK_TIMEOUT_MS");
    }

    std::string Path(const std::string& strName) const { return m_strDir + "/" + strName; }
    void Write(const std::string& strName, const std::string& strText) const
    {
        std::filesystem::create_directories(std::filesystem::path(Path(strName)).parent_path());
        std::ofstream(Path(strName), std::ios::binary) << strText;
    }
    std::string Read(const std::string& strName) const { return GoldenFile::ReadBytes(Path(strName)); }
    CResult Cli(const std::vector<std::string>& args) const { return CCliProcess::Run(args, m_strDir); }

    // Runs with standard output on /dev/full: every write to it fails.
    int RunToFullDevice(const std::vector<std::string>& args, std::string& strErr) const
    {
        std::vector<std::string> words = args;
        words.insert(words.begin(), TARNWICK_CLI_PATH);
        std::vector<char*> argv;
        for (std::string& strWord : words)
            argv.push_back(strWord.data());
        argv.push_back(nullptr);
        const std::string strErrPath = Path("full.err");
        const pid_t pid = ::fork();
        if (pid == 0) {
            const int fdOut = ::open("/dev/full", O_WRONLY);
            const int fdErr = ::open(strErrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (fdOut < 0 || fdErr < 0 || ::dup2(fdOut, 1) < 0 || ::dup2(fdErr, 2) < 0 ||
                ::chdir(m_strDir.c_str()) != 0)
                ::_exit(127);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        int nStatus = 0;
        if (pid < 0 || ::waitpid(pid, &nStatus, 0) != pid)
            return -1;
        strErr = Read("full.err");
        return WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : 128 + WTERMSIG(nStatus);
    }

    CTempFolder m_folder{"tarnwick-safety"};
    const std::string m_strDir = m_folder.Path();
};
} // namespace

TEST_F(CProjectSafetyE2e, FortyAddsAtOnceAllLand)
{
    ASSERT_EQ(Cli({"project", "new", "--type", "empty", "P.jpr"}).m_nExit, 0);
    constexpr int kRuns = 40;
    // Each run waits its turn; however slow the machine, none gives up.
    ::setenv("TARNWICK_LOCK_TIMEOUT_MS", "600000", 1);
    for (int nIndex = 0; nIndex < kRuns; ++nIndex)
        Write("F" + std::to_string(nIndex) + ".java", "class F" + std::to_string(nIndex) + " {}\n");
    std::vector<CCliProcess> runs(kRuns);
    for (int nIndex = 0; nIndex < kRuns; ++nIndex)
        ASSERT_TRUE(runs[nIndex].Start({"project", "add", "P.jpr", "F" + std::to_string(nIndex) + ".java"}, m_strDir));
    for (int nIndex = 0; nIndex < kRuns; ++nIndex) {
        const CResult result = runs[nIndex].Wait();
        EXPECT_EQ(result.m_nExit, 0) << "run " << nIndex << ": " << result.m_strErr;
        EXPECT_EQ(result.m_strErr, "") << "run " << nIndex;
    }

    CJavaProjectCore project;
    std::string strError;
    ASSERT_TRUE(project.Open(Path("P.jpr"), strError)) << strError;
    std::set<std::string> listed;
    for (int nIndex = 0; nIndex < project.GetJavaFiles().GetCount(); ++nIndex)
        listed.insert(project.GetJavaFiles().GetAt(nIndex)->GetPathName());
    std::set<std::string> expected;
    for (int nIndex = 0; nIndex < kRuns; ++nIndex)
        expected.insert(Path("F" + std::to_string(nIndex) + ".java"));
    EXPECT_EQ(project.GetJavaFiles().GetCount(), kRuns);
    EXPECT_EQ(listed, expected);
}

TEST_F(CProjectSafetyE2e, AHeldLockRefusesEveryEditAndWritesNothing)
{
    Write("Hello.java", "class Hello {}\n");
    Write("page.html", "<HTML></HTML>\n");
    ASSERT_EQ(Cli({"project", "new", "--type", "empty", "P.jpr"}).m_nExit, 0);
    ASSERT_EQ(Cli({"project", "add", "P.jpr", "Hello.java", "page.html"}).m_nExit, 0);
    const std::string strBefore = Read("P.jpr");

    CFileLock held;
    std::string strReason;
    ASSERT_TRUE(held.Acquire(Path("P.jpr"), 0, strReason)) << strReason;
    ::setenv("TARNWICK_LOCK_TIMEOUT_MS", "300", 1);
    Write("Other.java", "class Other {}\n");
    const std::vector<std::vector<std::string>> edits{{"project", "add", "P.jpr", "Other.java"},
                                                      {"project", "remove", "P.jpr", "Hello.java"},
                                                      {"project", "main", "P.jpr", "Hello.java"},
                                                      {"project", "html-main", "P.jpr", "page.html"},
                                                      {"project", "new", "--force", "--type", "empty", "P.jpr"}};
    for (const std::vector<std::string>& edit : edits) {
        const CResult result = Cli(edit);
        EXPECT_EQ(result.m_nExit, 1) << edit[1];
        const std::string strTyped = edit[1] == "new" ? Path("P.jpr") : "P.jpr";
        EXPECT_EQ(result.m_strErr, strTyped + " is locked by another program; nothing was written.\n") << edit[1];
        EXPECT_EQ(result.m_strOut, "") << edit[1];
        EXPECT_EQ(Read("P.jpr"), strBefore) << edit[1];
    }
    // Unless told otherwise a run waits ten seconds before it gives up.
    ::unsetenv("TARNWICK_LOCK_TIMEOUT_MS");
    const auto tpStart = std::chrono::steady_clock::now();
    const CResult waited = Cli({"project", "main", "P.jpr", "Hello.java"});
    EXPECT_GE(std::chrono::steady_clock::now() - tpStart, std::chrono::milliseconds(CFileLock::kDefaultTimeoutMs));
    EXPECT_EQ(waited.m_nExit, 1);
    EXPECT_EQ(waited.m_strErr, "P.jpr is locked by another program; nothing was written.\n");
    EXPECT_EQ(Read("P.jpr"), strBefore);

    // Reading needs no lock.
    EXPECT_EQ(Cli({"project", "show", "P.jpr"}).m_nExit, 0);

    held.Release();
    const CResult added = Cli({"project", "add", "P.jpr", "Other.java"});
    EXPECT_EQ(added.m_nExit, 0) << added.m_strErr;
    EXPECT_NE(Read("P.jpr"), strBefore);
}

TEST_F(CProjectSafetyE2e, ALockFileThatIsALinkIsRefused)
{
    ASSERT_EQ(Cli({"project", "new", "--type", "empty", "P.jpr"}).m_nExit, 0);
    const std::string strBefore = Read("P.jpr");
    std::filesystem::remove(Path("P.jpr.lock"));
    std::filesystem::create_symlink(Path("elsewhere"), Path("P.jpr.lock"));
    Write("A.java", "class A {}\n");
    const CResult result = Cli({"project", "add", "P.jpr", "A.java"});
    EXPECT_EQ(result.m_nExit, 1);
    EXPECT_EQ(result.m_strErr, "P.jpr: cannot be locked (Too many levels of symbolic links); nothing was written.\n");
    EXPECT_EQ(Read("P.jpr"), strBefore);
    EXPECT_FALSE(std::filesystem::exists(Path("elsewhere")));
}

TEST_F(CProjectSafetyE2e, AddIsAllOrNothing)
{
    Write("Hello.java", "class Hello {}\n");
    Write("notes.txt", "notes\n");
    ASSERT_EQ(Cli({"project", "new", "--type", "empty", "P.jpr"}).m_nExit, 0);
    const std::string strBefore = Read("P.jpr");

    const CResult result = Cli({"project", "add", "P.jpr", "Hello.java", "notes.txt", "missing.java"});
    EXPECT_EQ(result.m_nExit, 1);
    EXPECT_EQ(result.m_strErr, "notes.txt: not a Java (.java, .jav) or HTML (.htm, .html) file.\n"
                               "missing.java: no such file.\n"
                               "Nothing was added to P.jpr.\n");
    EXPECT_EQ(result.m_strOut, "");
    EXPECT_EQ(Read("P.jpr"), strBefore);

    // A page whose name the project already lists is refused too.
    Write("a/page.html", "<HTML></HTML>\n");
    Write("b/page.html", "<HTML></HTML>\n");
    ASSERT_EQ(Cli({"project", "add", "P.jpr", "a/page.html"}).m_nExit, 0);
    const std::string strWithPage = Read("P.jpr");
    const CResult second = Cli({"project", "add", "P.jpr", "Hello.java", "b/page.html"});
    EXPECT_EQ(second.m_nExit, 1);
    EXPECT_EQ(second.m_strErr, Path("b/page.html") +
                                   ": You cannot add two HTML files with the same name to a project.\n"
                                   "Nothing was added to P.jpr.\n");
    EXPECT_EQ(second.m_strOut, "");
    EXPECT_EQ(Read("P.jpr"), strWithPage);

    const CResult good = Cli({"project", "add", "P.jpr", "Hello.java"});
    EXPECT_EQ(good.m_nExit, 0) << good.m_strErr;
    CJavaProjectCore project;
    std::string strError;
    ASSERT_TRUE(project.Open(Path("P.jpr"), strError));
    ASSERT_EQ(project.GetJavaFiles().GetCount(), 1);
    EXPECT_EQ(project.GetJavaFiles().GetAt(0)->GetPathName(), Path("Hello.java"));
}

TEST_F(CProjectSafetyE2e, NewNeverReplacesSourcesWithoutForce)
{
    Write("MyApp.java", "my own app\n");
    CResult result = Cli({"project", "new", "P.jpr"});
    EXPECT_EQ(result.m_nExit, 1);
    EXPECT_EQ(result.m_strErr,
              Path("MyApp.java") + " already exists; use --force to replace it.\nNothing was written.\n");
    EXPECT_EQ(result.m_strOut, "");
    EXPECT_EQ(Read("MyApp.java"), "my own app\n");
    EXPECT_FALSE(std::filesystem::exists(Path("P.jpr")));

    Write("Foo.java", "my foo\n");
    result = Cli({"project", "new", "--class", "Foo", "Q.jpr"});
    EXPECT_EQ(result.m_nExit, 1);
    EXPECT_EQ(Read("Foo.java"), "my foo\n");
    EXPECT_FALSE(std::filesystem::exists(Path("Q.jpr")));

    // The applet's page alone is enough to stop it: all are checked first.
    Write("Example1.html", "my page\n");
    result = Cli({"project", "new", "--type", "applet", "--class", "Bar", "A.jpr"});
    EXPECT_EQ(result.m_nExit, 1);
    EXPECT_EQ(result.m_strErr,
              Path("Example1.html") + " already exists; use --force to replace it.\nNothing was written.\n");
    EXPECT_FALSE(std::filesystem::exists(Path("Bar.java")));
    EXPECT_FALSE(std::filesystem::exists(Path("A.jpr")));
    EXPECT_EQ(Read("Example1.html"), "my page\n");

    // The project file and a source both in the way: both named.
    Write("Old.jpr", "old project");
    Write("Old.java", "old source");
    result = Cli({"project", "new", "--class", "Old", "Old.jpr"});
    EXPECT_EQ(result.m_nExit, 1);
    EXPECT_EQ(result.m_strErr, Path("Old.jpr") + " already exists; use --force to replace it.\n" + Path("Old.java") +
                                   " already exists; use --force to replace it.\nNothing was written.\n");
    EXPECT_EQ(Read("Old.jpr"), "old project");
    EXPECT_EQ(Read("Old.java"), "old source");

    // --force replaces them all.
    result = Cli({"project", "new", "--force", "--type", "applet", "--class", "Foo", "A.jpr"});
    EXPECT_EQ(result.m_nExit, 0) << result.m_strErr;
    EXPECT_EQ(Read("Foo.java").substr(0, 20), "import java.awt.*;\r\n");
    EXPECT_EQ(Read("Example1.html").substr(0, 8), "<HTML>\r\n");
}

TEST_F(CProjectSafetyE2e, HelpAndVersionFailWhenTheirOutputCannotBeWritten)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{{"--help"},
                                                                                      {"--version"},
                                                                                      {"project", "--help"},
                                                                                      {"project", "help"},
                                                                                      {"project", "dump", "--help"},
                                                                                      {"build", "--help"},
                                                                                      {"colour", "--help"},
                                                                                      {"outline", "--help"}}) {
        std::string strErr;
        EXPECT_EQ(RunToFullDevice(args, strErr), 1) << args.back();
        EXPECT_EQ(strErr, "tarnwick-cli: cannot write the output: No space left on device.\n") << args.back();
    }
    // Written normally they succeed.
    const CResult version = Cli({"--version"});
    EXPECT_EQ(version.m_nExit, 0);
    EXPECT_EQ(version.m_strOut.substr(0, 13), "tarnwick-cli ");
    EXPECT_EQ(Cli({"project", "--help"}).m_nExit, 0);
}
