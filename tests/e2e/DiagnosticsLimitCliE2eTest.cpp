// End-to-end: build --diagnostics reads javac's messages from no more of its
// output than the output limit keeps, so a compiler that never stops cannot
// take all memory; what was left out is said on stderr.
#include "tests/e2e/CliProcess.h"
#include "tests/support/TempFolder.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {
using CResult = CCliProcess::CResult;

class CDiagnosticsLimitE2e : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("XDG_CONFIG_HOME", (m_strDir + "/config").c_str(), 1);
        // A stand-in JDK, and the smallest output limit there is (1 MB).
        Write("config/Vellorand/Tarnwick.conf", "[PATHS]\nJAVABIN=" + Path("jdk") + "\n[OPTIONS]\nOUTPUTLIMITMB=1\n");
        Write("A.java", "class A {}\n");
        ASSERT_EQ(Cli({"project", "new", "--type", "empty", "P.jpr"}).m_nExit, 0);
        ASSERT_EQ(Cli({"project", "add", "P.jpr", "A.java"}).m_nExit, 0);
        ASSERT_EQ(Cli({"project", "main", "P.jpr", "A.java"}).m_nExit, 0);
    }

    std::string Path(const std::string& strName) const { return m_strDir + "/" + strName; }
    void Write(const std::string& strName, const std::string& strText) const
    {
        std::filesystem::create_directories(std::filesystem::path(Path(strName)).parent_path());
        std::ofstream(Path(strName), std::ios::binary) << strText;
    }
    void MakeJavac(const std::string& strScript) const
    {
        Write("jdk/bin/javac", "#!/bin/sh\n" + strScript);
        std::filesystem::permissions(Path("jdk/bin/javac"), std::filesystem::perms::owner_all);
    }
    CResult Cli(const std::vector<std::string>& args) const { return CCliProcess::Run(args, m_strDir); }

    // The JSON lines after the closing lines, each parsed.
    static std::vector<nlohmann::json> DiagnosticsAfter(const std::string& strOut, const std::string& strClosing)
    {
        std::vector<nlohmann::json> vecLines;
        const std::size_t nAt = strOut.rfind(strClosing);
        if (nAt == std::string::npos)
            return vecLines;
        std::istringstream lines(strOut.substr(nAt + strClosing.size()));
        for (std::string strLine; std::getline(lines, strLine);)
            vecLines.push_back(nlohmann::json::parse(strLine));
        return vecLines;
    }

    CTempFolder m_folder{"tarnwick-diaglimit"};
    const std::string m_strDir = m_folder.Path();
};

// A field of /proc/PID/status or /proc/PID/io, as a number; -1 when missing.
long long ProcField(pid_t pid, const std::string& strFile, const std::string& strField)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/" + strFile);
    for (std::string strLine; std::getline(in, strLine);)
        if (strLine.rfind(strField + ":", 0) == 0)
            return std::atoll(strLine.c_str() + strField.size() + 1);
    return -1;
}
} // namespace

TEST_F(CDiagnosticsLimitE2e, OnlyTheLastOfTooMuchOutputIsReadAndTheRestIsNamed)
{
    std::string strTool;
    for (int nLine = 1; nLine <= 60000; ++nLine)
        strTool += "A.java:" + std::to_string(nLine) + ": error: message " + std::to_string(nLine) + "\n";
    ASSERT_GT(strTool.size(), std::size_t(1) << 20);
    // The compiler writes it in pieces, each once we have copied the one
    // before: the run's own buffer (the same 1 MB) then never overflows,
    // however slow this machine is, and only the diagnostics' limit is seen.
    constexpr int kPieces = 8;
    std::vector<std::size_t> ends;
    std::string strScript;
    for (int nPiece = 0; nPiece < kPieces; ++nPiece) {
        const std::size_t nFrom = ends.empty() ? 0 : ends.back();
        const std::size_t nEnd =
            nPiece + 1 == kPieces ? strTool.size() : strTool.find('\n', strTool.size() * (nPiece + 1) / kPieces) + 1;
        ends.push_back(nEnd);
        const std::string strPiece = "piece" + std::to_string(nPiece);
        Write(strPiece, strTool.substr(nFrom, nEnd - nFrom));
        strScript += "cat " + Path(strPiece) + "\nwhile [ ! -e " + Path(strPiece + ".go") + " ]; do sleep 0.02; done\n";
    }
    MakeJavac(strScript + "exit 1\n");

    CCliProcess run;
    ASSERT_TRUE(run.Start({"build", "--diagnostics", "P.jpr"}, m_strDir));
    for (int nPiece = 0; nPiece < kPieces; ++nPiece) {
        const auto tpGiveUp = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (run.OutputSoFar().size() < ends[nPiece] && std::chrono::steady_clock::now() < tpGiveUp)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        Write("piece" + std::to_string(nPiece) + ".go", "");
    }
    const CResult built = run.Wait();
    EXPECT_EQ(built.m_nExit, 1) << built.m_strErr;
    // Standard output still gets all of it.
    ASSERT_EQ(built.m_strOut.compare(0, strTool.size(), strTool), 0);
    const std::vector<nlohmann::json> vecLines = DiagnosticsAfter(built.m_strOut, "Exit code: 1\nThere were errors\n");

    // The last 1 MB is kept; the line cut by that is left out as well.
    const std::size_t nDropped = strTool.size() - (std::size_t(1) << 20);
    const std::size_t nLeftOut = strTool.find('\n', nDropped) + 1;
    EXPECT_EQ(built.m_strErr, "tarnwick-cli: the diagnostics leave out the first " + std::to_string(nLeftOut) +
                                  " bytes of the tool's output (the OUTPUTLIMITMB setting).\n");
    const std::string strKept = strTool.substr(nLeftOut);
    const int nFirst = std::atoi(strKept.c_str() + std::string("A.java:").size());
    const auto nCount = static_cast<std::size_t>(std::count(strKept.begin(), strKept.end(), '\n'));
    ASSERT_EQ(vecLines.size(), nCount);
    ASSERT_EQ(nFirst + static_cast<int>(nCount) - 1, 60000);
    const std::string strFile = std::filesystem::canonical(Path("A.java")).string();
    EXPECT_EQ(vecLines.front(), nlohmann::json({{"file", strFile},
                                                {"line", nFirst},
                                                {"column", 0},
                                                {"kind", "error"},
                                                {"message", "message " + std::to_string(nFirst)}}));
    EXPECT_EQ(vecLines.back()["line"], 60000);
}

TEST_F(CDiagnosticsLimitE2e, OutputWithinTheLimitIsReadWholeAndNothingIsSaid)
{
    MakeJavac("echo 'A.java:1: error: first'\necho 'A.java:2: warning: second'\nexit 1\n");
    const CResult built = Cli({"build", "--diagnostics", "P.jpr"});
    EXPECT_EQ(built.m_nExit, 1);
    EXPECT_EQ(built.m_strErr, "");
    const std::string strFile = std::filesystem::canonical(Path("A.java")).string();
    EXPECT_EQ(built.m_strOut, "A.java:1: error: first\nA.java:2: warning: second\nExit code: 1\nThere were errors\n"
                              "{\"file\":\"" +
                                  strFile +
                                  "\",\"line\":1,\"column\":0,\"kind\":\"error\",\"message\":\"first\"}\n"
                                  "{\"file\":\"" +
                                  strFile +
                                  "\",\"line\":2,\"column\":0,\"kind\":\"warning\",\"message\":\"second\"}\n");
}

TEST_F(CDiagnosticsLimitE2e, AnEndlessCompilerDoesNotGrowOurMemory)
{
    if (ProcField(::getpid(), "status", "VmHWM") < 0 || ProcField(::getpid(), "io", "wchar") < 0)
        GTEST_SKIP() << "no /proc status or io here";
    MakeJavac("exec yes 'A.java:1: error: again and again'\n");
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        const int fdNull = ::open("/dev/null", O_WRONLY);
        if (fdNull < 0 || ::setpgid(0, 0) != 0 || ::chdir(m_strDir.c_str()) != 0 || ::dup2(fdNull, 1) < 0 ||
            ::dup2(fdNull, 2) < 0)
            ::_exit(127);
        ::execl(TARNWICK_CLI_PATH, TARNWICK_CLI_PATH, "build", "--diagnostics", "P.jpr", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    // Let 64 MB, 64 times the limit, pass through us.
    constexpr long long kPassed = 64LL << 20;
    const auto tpGiveUp = std::chrono::steady_clock::now() + std::chrono::minutes(3);
    long long nWritten = 0;
    while ((nWritten = ProcField(pid, "io", "wchar")) < kPassed && std::chrono::steady_clock::now() < tpGiveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const long long nPeakKb = ProcField(pid, "status", "VmHWM");
    ::kill(-pid, SIGKILL);
    int nStatus = 0;
    ::waitpid(pid, &nStatus, 0);
    ASSERT_GE(nWritten, kPassed) << "the run did not get through 64 MB in three minutes";
    // A few times the limit, and far below what passed.
    EXPECT_LT(nPeakKb, 32 * 1024) << "peak resident memory " << nPeakKb << " kB";
}
