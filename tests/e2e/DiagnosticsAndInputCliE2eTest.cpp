// End-to-end: build and compile with --diagnostics read javac's messages
// back as JSON lines; run with --stdin hands the program our standard input.
#include "core/jdk/JdkLocator.h"
#include "tests/e2e/CliProcess.h"
#include "tests/support/TempFolder.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <thread>
#include <unistd.h>

namespace {
using CResult = CCliProcess::CResult;

const char* const kBrokenSource = "public class Broken {\n"
                                  "    public static void main(String[] args) {\n"
                                  "\tint count = missing + 1;\n"
                                  "        String text = 42;\n"
                                  "    }\n"
                                  "}\n";

const char* const kEchoSource = "import java.io.BufferedReader;\n"
                                "import java.io.InputStreamReader;\n"
                                "\n"
                                "public class Echo {\n"
                                "    public static void main(String[] args) throws Exception {\n"
                                "        BufferedReader in = new BufferedReader(new InputStreamReader(System.in));\n"
                                "        for (int i = 0; i < 2; i++) {\n"
                                "            String line = in.readLine();\n"
                                "            if (line == null) {\n"
                                "                System.out.println(\"end of input\");\n"
                                "                return;\n"
                                "            }\n"
                                "            System.out.println(\"read: \" + line);\n"
                                "        }\n"
                                "    }\n"
                                "}\n";

// Kills a run the test gave up on (a failed assertion), so that a program
// waiting for input that never comes is not left behind; its input pipe
// closes with it, and the program then sees end of input.
class CRunGuard {
public:
    explicit CRunGuard(CCliProcess& run) : m_run(run) {}
    ~CRunGuard()
    {
        if (!m_bWaited && m_run.Pid() > 0) {
            ::kill(-m_run.Pid(), SIGKILL);
            m_run.Wait();
        }
    }
    CRunGuard(const CRunGuard&) = delete;
    CRunGuard& operator=(const CRunGuard&) = delete;

    CCliProcess::CResult Wait()
    {
        m_bWaited = true;
        return m_run.Wait();
    }

private:
    CCliProcess& m_run;
    bool m_bWaited = false;
};

class CDiagnosticsAndInputE2e : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("XDG_CONFIG_HOME", (m_strDir + "/config").c_str(), 1);
        m_strJdk = CJdkLocator::FromEnvironment(CJdkLocator::ReadProcessEnvironment);
        // A run that ended early must fail a write to its input, not end the test.
        m_pSavedPipeHandler = std::signal(SIGPIPE, SIG_IGN);
    }
    void TearDown() override
    {
        std::signal(SIGPIPE, m_pSavedPipeHandler);
    }

    bool HasJdk() const { return ::access((m_strJdk + "/bin/javac").c_str(), X_OK) == 0; }
    std::string Path(const std::string& strName) const { return m_strDir + "/" + strName; }
    void Write(const std::string& strName, const std::string& strText) const
    {
        std::filesystem::create_directories(std::filesystem::path(Path(strName)).parent_path());
        std::ofstream(Path(strName), std::ios::binary) << strText;
    }
    CResult Cli(const std::vector<std::string>& args) const { return CCliProcess::Run(args, m_strDir); }
    void MakeProject(const std::string& strFile, const std::string& strSource) const
    {
        Write(strFile, strSource);
        ASSERT_EQ(Cli({"project", "new", "--type", "empty", "P.jpr"}).m_nExit, 0);
        ASSERT_EQ(Cli({"project", "add", "P.jpr", strFile}).m_nExit, 0);
        ASSERT_EQ(Cli({"project", "main", "P.jpr", std::filesystem::path(strFile).filename().string()}).m_nExit, 0);
    }
    // The JSON lines after the closing lines, each parsed.
    static std::vector<nlohmann::json> DiagnosticsAfter(const std::string& strOut, const std::string& strClosing)
    {
        std::vector<nlohmann::json> vecLines;
        const std::size_t nAt = strOut.find(strClosing);
        if (nAt == std::string::npos)
            return vecLines;
        std::size_t nFrom = nAt + strClosing.size();
        while (nFrom < strOut.size()) {
            const std::size_t nEnd = strOut.find('\n', nFrom);
            const std::size_t nStop = nEnd == std::string::npos ? strOut.size() : nEnd;
            vecLines.push_back(nlohmann::json::parse(strOut.substr(nFrom, nStop - nFrom)));
            nFrom = nStop + 1;
        }
        return vecLines;
    }
    // Waits until the run has written strPart; false after 30 seconds.
    static bool WaitForOutput(const CCliProcess& run, const std::string& strPart)
    {
        const auto tpGiveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (run.OutputSoFar().find(strPart) == std::string::npos) {
            if (std::chrono::steady_clock::now() >= tpGiveUp)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return true;
    }

    CTempFolder m_folder{"tarnwick-diag"};
    const std::string m_strDir = m_folder.Path();
    std::string m_strJdk;
    void (*m_pSavedPipeHandler)(int) = SIG_DFL;
};
} // namespace

TEST_F(CDiagnosticsAndInputE2e, BuildWithDiagnosticsPrintsJavacsMessagesAsJsonLines)
{
    if (!HasJdk())
        GTEST_SKIP() << "no JDK at " << m_strJdk;
    MakeProject("src/Broken.java", kBrokenSource);
    const CResult built = Cli({"build", "--diagnostics", "P.jpr"});
    EXPECT_EQ(built.m_nExit, 1) << built.m_strErr;
    // javac's own text first, unchanged, then the closing lines.
    EXPECT_EQ(built.m_strOut.rfind("Broken.java:3: error: cannot find symbol\n\tint count = missing + 1;\n", 0), 0u)
        << built.m_strOut;
    const std::vector<nlohmann::json> vecLines = DiagnosticsAfter(built.m_strOut, "Exit code: 1\nThere were errors\n");
    ASSERT_EQ(vecLines.size(), 2u) << built.m_strOut;
    const std::string strFile = std::filesystem::canonical(Path("src/Broken.java")).string();
    // A tab counts one column: "\tint count = " puts missing at index 13.
    EXPECT_EQ(vecLines[0], nlohmann::json({{"file", strFile},
                                           {"line", 3},
                                           {"column", 14},
                                           {"kind", "error"},
                                           {"message", "cannot find symbol\n  symbol:   variable missing\n"
                                                       "  location: class Broken"}}));
    EXPECT_EQ(vecLines[1], nlohmann::json({{"file", strFile},
                                           {"line", 4},
                                           {"column", 23},
                                           {"kind", "error"},
                                           {"message", "incompatible types: int cannot be converted to String"}}));
    // Without the option nothing follows the verdict.
    const CResult plain = Cli({"build", "P.jpr"});
    EXPECT_EQ(plain.m_nExit, 1);
    EXPECT_TRUE(plain.m_strOut.ends_with("Exit code: 1\nThere were errors\n")) << plain.m_strOut;
}

TEST_F(CDiagnosticsAndInputE2e, CompileWithDiagnosticsGivesWarningsAndNotesAndKeepsTheStatus)
{
    if (!HasJdk())
        GTEST_SKIP() << "no JDK at " << m_strJdk;
    Write("config/Vellorand/Tarnwick.conf", "[OPTIONS]\nJAVAC=-Xlint:rawtypes\n");
    Write("W.java", "import java.util.*;\n"
                    "public class W {\n"
                    "    List raw = new ArrayList<String>();\n"
                    "    Object date = new Date().getYear();\n"
                    "}\n");
    const CResult compiled = Cli({"compile", "--diagnostics", "W.java"});
    EXPECT_EQ(compiled.m_nExit, 0) << compiled.m_strOut << compiled.m_strErr;
    const std::vector<nlohmann::json> vecLines = DiagnosticsAfter(compiled.m_strOut, "Exit code: 0\nNo Errors\n");
    ASSERT_EQ(vecLines.size(), 3u) << compiled.m_strOut;
    const std::string strFile = std::filesystem::canonical(Path("W.java")).string();
    EXPECT_EQ(vecLines[0], nlohmann::json({{"file", strFile},
                                           {"line", 3},
                                           {"column", 5},
                                           {"kind", "warning"},
                                           {"message", "[rawtypes] found raw type: List\n"
                                                       "  missing type arguments for generic class List<E>\n"
                                                       "  where E is a type-variable:\n"
                                                       "    E extends Object declared in interface List"}}));
    EXPECT_EQ(vecLines[1], nlohmann::json({{"file", ""},
                                           {"line", 0},
                                           {"column", 0},
                                           {"kind", "note"},
                                           {"message", "W.java uses or overrides a deprecated API."}}));
    EXPECT_EQ(vecLines[2]["message"], "Recompile with -Xlint:deprecation for details.");
    // --diagnostics is for javac's runs only.
    EXPECT_EQ(Cli({"run", "--diagnostics", "P.jpr"}).m_nExit, 2);
}

TEST_F(CDiagnosticsAndInputE2e, RunWithStdinPassesOurInputAsItComes)
{
    if (!HasJdk())
        GTEST_SKIP() << "no JDK at " << m_strJdk;
    MakeProject("Echo.java", kEchoSource);
    ASSERT_EQ(Cli({"build", "P.jpr"}).m_nExit, 0);

    CCliProcess run;
    ASSERT_TRUE(run.Start({"run", "--stdin", "P.jpr"}, m_strDir, true));
    CRunGuard guard(run);
    // The second line is written only after the first was read back: input is not held until its end.
    ASSERT_TRUE(run.WriteInput("first line\n"));
    ASSERT_TRUE(WaitForOutput(run, "read: first line\n")) << run.OutputSoFar();
    ASSERT_TRUE(run.WriteInput("second line\n"));
    const CResult echoed = guard.Wait();
    EXPECT_EQ(echoed.m_nExit, 0) << echoed.m_strErr;
    EXPECT_EQ(echoed.m_strOut, "read: first line\nread: second line\nExit code: 0\nNo Errors\n");

    // Our end of input is the program's.
    CCliProcess ended;
    ASSERT_TRUE(ended.Start({"run", "--stdin", "P.jpr"}, m_strDir, true));
    CRunGuard endedGuard(ended);
    ASSERT_TRUE(ended.WriteInput("only\n"));
    ended.CloseInput();
    EXPECT_EQ(endedGuard.Wait().m_strOut, "read: only\nend of input\nExit code: 0\nNo Errors\n");
}

TEST_F(CDiagnosticsAndInputE2e, RunWithoutStdinSeesEndOfInputAtOnce)
{
    if (!HasJdk())
        GTEST_SKIP() << "no JDK at " << m_strJdk;
    MakeProject("Echo.java", kEchoSource);
    ASSERT_EQ(Cli({"build", "P.jpr"}).m_nExit, 0);
    // Our input stays open and holds a line; the program must not wait for it nor get it.
    CCliProcess run;
    ASSERT_TRUE(run.Start({"run", "P.jpr"}, m_strDir, true));
    CRunGuard guard(run);
    run.WriteInput("not for the program\n");
    const CResult result = guard.Wait();
    EXPECT_EQ(result.m_nExit, 0);
    EXPECT_EQ(result.m_strOut, "end of input\nExit code: 0\nNo Errors\n");
}

TEST_F(CDiagnosticsAndInputE2e, CtrlCStopsAProgramWaitingForItsInput)
{
    if (!HasJdk())
        GTEST_SKIP() << "no JDK at " << m_strJdk;
    MakeProject("Echo.java", kEchoSource);
    ASSERT_EQ(Cli({"build", "P.jpr"}).m_nExit, 0);
    CCliProcess run;
    ASSERT_TRUE(run.Start({"run", "--stdin", "P.jpr"}, m_strDir, true));
    CRunGuard guard(run);
    ASSERT_TRUE(run.WriteInput("one\n"));
    ASSERT_TRUE(WaitForOutput(run, "read: one\n"));
    // The program now waits for a second line that never comes.
    ASSERT_EQ(::kill(-run.Pid(), SIGINT), 0);
    const CResult stopped = guard.Wait();
    EXPECT_EQ(stopped.m_nExit, 130);
    EXPECT_EQ(stopped.m_strOut, "read: one\nExit code: 11\nProcess terminated by user.\n");
}
