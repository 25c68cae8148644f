#include "core/tools/ExternalProcess.h"

#include "tests/core/tools/ToolTestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

using CClock = std::chrono::steady_clock;

static std::size_t CountEntries(const char* pszFolder)
{
    std::size_t nCount = 0;
    for (const auto& entry : std::filesystem::directory_iterator(pszFolder)) {
        (void)entry;
        ++nCount;
    }
    return nCount;
}

static std::size_t CountOpenFds()
{
    return CountEntries("/proc/self/fd");
}

static std::size_t CountThreads()
{
    return CountEntries("/proc/self/task");
}

// True when pid is gone or only a zombie waiting for its new parent.
static bool ProcessHasEnded(pid_t pid)
{
    if (kill(pid, 0) != 0)
        return errno == ESRCH;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string strLine;
    std::getline(stat, strLine);
    const std::size_t nParen = strLine.rfind(')');
    return nParen != std::string::npos && nParen + 2 < strLine.size() && strLine[nParen + 2] == 'Z';
}

static bool WaitForProcessEnd(pid_t pid)
{
    const auto tpGiveUp = CClock::now() + std::chrono::seconds(5);
    while (!ProcessHasEnded(pid)) {
        if (CClock::now() >= tpGiveUp)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

TEST(ToolsExternalProcess, OutputEndsWithExitCodeAndVerdict)
{
    CExternalProcess runner;
    EXPECT_EQ(RunShellCaptured(runner, "printf 'a\\nb'"), "a\r\nbExit code: 0\r\nNo Errors");
    EXPECT_FALSE(runner.IsRunning());
    EXPECT_EQ(RunShellCaptured(runner, "true"), "Exit code: 0\r\nNo Errors");
    EXPECT_EQ(RunShellCaptured(runner, "printf 'x\\n'; exit 3"), "x\r\nExit code: 3\r\nThere were errors");
    EXPECT_EQ(RunShellCaptured(runner, "exit 11"), "Exit code: 11\r\nProcess terminated by user.");
    EXPECT_EQ(RunShellCaptured(runner, "exit 259"), "Exit code: 3\r\nThere were errors"); // POSIX keeps 8 bits
    EXPECT_EQ(RunShellCaptured(runner, "printf 'late\\r'; kill -9 $$"), "late\rExit code: 137\r\nThere were errors");
}

TEST(ToolsExternalProcess, OutputAndErrorShareOnePipeAndInputIsEmpty)
{
    CExternalProcess runner;
    EXPECT_EQ(RunShellCaptured(runner, "printf out; printf err >&2; printf more"),
              "outerrmoreExit code: 0\r\nNo Errors");
    EXPECT_EQ(RunShellCaptured(runner, "cat; read x || printf 'no input\\n'"), "no input\r\nExit code: 0\r\nNo Errors");
}

TEST(ToolsExternalProcess, LineEndsAndZeroBytesAcrossReads)
{
    CExternalProcess runner;
    ASSERT_TRUE(runner.Start("/bin/sh", {"sh", "-c", "printf 'a\\r'; sleep 0.3; printf '\\nb'"}, ""));
    ASSERT_TRUE(WaitForOutputContaining(runner, "a\r"));
    EXPECT_EQ(runner.GetOutput(), "a\r"); // the CR arrived alone
    ASSERT_TRUE(WaitForCapturedRun(runner));
    EXPECT_EQ(runner.GetOutput(), "a\r\nbExit code: 0\r\nNo Errors");

    EXPECT_EQ(RunShellCaptured(runner, "printf 'a\\000b\\nc'"), "ab\r\ncExit code: 0\r\nNo Errors");
}

TEST(ToolsExternalProcess, KeptBytesExitCodeAndWhereTheClosingLinesBegin)
{
    CExternalProcess runner;
    EXPECT_FALSE(runner.GetExitCode().has_value());
    EXPECT_EQ(runner.GetToolOutputEnd(), std::string::npos);

    ASSERT_TRUE(runner.KeepOutputBytes(true));
    const std::string strKept = RunShellCaptured(runner, "printf 'a\\nb\\000c\\r\\n'; exit 4");
    constexpr char kExpected[] = "a\nb\0c\r\nExit code: 4\r\nThere were errors";
    EXPECT_EQ(strKept, std::string(kExpected, sizeof kExpected - 1));
    EXPECT_EQ(runner.GetToolOutputEnd(), 7u);
    EXPECT_EQ(runner.GetExitCode(), 4);

    // While a tool runs neither answer is given, nor can the mode change.
    ASSERT_TRUE(runner.Start("/bin/sh", {"sh", "-c", "printf 'x\\n'; sleep 0.3"}, ""));
    EXPECT_FALSE(runner.GetExitCode().has_value());
    EXPECT_EQ(runner.GetToolOutputEnd(), std::string::npos);
    EXPECT_FALSE(runner.KeepOutputBytes(false));
    ASSERT_TRUE(WaitForCapturedRun(runner));
    EXPECT_EQ(runner.GetOutput(), "x\nExit code: 0\r\nNo Errors");
    EXPECT_EQ(runner.GetToolOutputEnd(), 2u);
    EXPECT_EQ(runner.GetExitCode(), 0);

    // Back to the window's line ends; the offset counts the converted text.
    ASSERT_TRUE(runner.KeepOutputBytes(false));
    EXPECT_EQ(RunShellCaptured(runner, "printf 'x\\n'"), "x\r\nExit code: 0\r\nNo Errors");
    EXPECT_EQ(runner.GetToolOutputEnd(), 3u);
}

// Writes all of strText to the runner's input pipe (non-blocking), waiting
// while it is full; false when it cannot.
static bool FeedAll(CExternalProcess& runner, const std::string& strText)
{
    std::size_t nDone = 0;
    const auto tpGiveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (nDone < strText.size()) {
        const ssize_t nWritten = write(runner.GetInputFd(), strText.data() + nDone, strText.size() - nDone);
        if (nWritten > 0)
            nDone += static_cast<std::size_t>(nWritten);
        else if (nWritten < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        else if (std::chrono::steady_clock::now() >= tpGiveUp)
            return false;
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

TEST(ToolsExternalProcess, FedInputReachesTheToolUntilClosed)
{
    CExternalProcess runner;
    EXPECT_EQ(runner.GetInputFd(), -1);
    ASSERT_TRUE(runner.FeedInput(true));
    // A tool that never got the pipe must fail the writes, not end the test.
    struct CIgnorePipeSignal {
        void (*m_pSaved)(int) = std::signal(SIGPIPE, SIG_IGN);
        ~CIgnorePipeSignal() { std::signal(SIGPIPE, m_pSaved); }
    } ignorePipe;
    ASSERT_TRUE(runner.Start("/bin/sh", {"sh", "-c", "read a; read b; echo \"[$b][$a]\"; cat | wc -c"}, ""));
    ASSERT_GE(runner.GetInputFd(), 0);
    EXPECT_FALSE(runner.FeedInput(false)); // not while it runs
    // More than a pipe holds, so the writer must wait for the reader.
    ASSERT_TRUE(FeedAll(runner, "one\ntwo\n" + std::string(300000, 'z')));
    runner.CloseInput();
    EXPECT_EQ(runner.GetInputFd(), -1);
    ASSERT_TRUE(WaitForCapturedRun(runner));
    EXPECT_EQ(runner.GetOutput(), "[two][one]\r\n300000\r\nExit code: 0\r\nNo Errors");

    // Back to no input: /dev/null, and no pipe for the caller.
    ASSERT_TRUE(runner.FeedInput(false));
    EXPECT_EQ(RunShellCaptured(runner, "cat; read x || printf 'no input\\n'"), "no input\r\nExit code: 0\r\nNo Errors");
    EXPECT_EQ(runner.GetInputFd(), -1);
}

TEST(ToolsExternalProcess, LongOutputArrivesWhole)
{
    CExternalProcess runner;
    const std::string strOutput =
        RunShellCaptured(runner, "i=0; while [ $i -lt 20000 ]; do echo 123456789; i=$((i+1)); done");
    std::string strExpected;
    for (int i = 0; i < 20000; ++i)
        strExpected += "123456789\r\n";
    strExpected += "Exit code: 0\r\nNo Errors";
    EXPECT_EQ(strOutput.size(), strExpected.size());
    EXPECT_TRUE(strOutput == strExpected);
}

TEST(ToolsExternalProcess, ToolRunsInItsFolderWithTheGivenWords)
{
    CExternalProcess runner;
    CScratchFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    folder.Write("2.txt", "");
    folder.Write("1.txt", "");
    const std::string strFolder = std::filesystem::canonical(folder.Path()).string();
    const std::string strOurFolder = std::filesystem::current_path().string();

    EXPECT_EQ(RunShellCaptured(runner, "pwd", folder.Path()), strFolder + "\r\nExit code: 0\r\nNo Errors");
    EXPECT_EQ(std::filesystem::current_path().string(), strOurFolder);

    CToolCommand cmd;
    cmd.m_strProgram = "/bin/sh";
    cmd.m_strFolder = folder.Path();
    cmd.AddWord("sh");
    cmd.AddWord("-c");
    cmd.AddWord("for a; do printf '[%s]' \"$a\"; done");
    cmd.AddWord("sh");
    cmd.AddSplitWords("a \"b c\" d\\\"e");
    cmd.AddWord("x y");
    cmd.AddPattern("*.txt");
    cmd.AddPattern("*.none");
    ASSERT_TRUE(runner.Start(cmd));
    ASSERT_TRUE(WaitForCapturedRun(runner));
    EXPECT_EQ(runner.GetOutput(), "[a][b c][d\"e][x y][1.txt][2.txt][*.none]Exit code: 0\r\nNo Errors");
}

TEST(ToolsExternalProcess, OneCapturedRunAtATime)
{
    CExternalProcess runner;
    ASSERT_TRUE(runner.Start("/bin/sh", {"sh", "-c", "printf first; exec tail -f /dev/null"}, ""));
    ASSERT_TRUE(WaitForOutputContaining(runner, "first"));
    EXPECT_FALSE(runner.Start("/bin/sh", {"sh", "-c", "printf second"}, ""));
    CToolCommand cmdTrue;
    cmdTrue.m_strProgram = "/bin/true";
    EXPECT_EQ(runner.StartTool(cmdTrue), CExternalProcess::EStart::StillRunning);
    EXPECT_TRUE(runner.IsRunning());
    bool bStillRunning = false;
    EXPECT_EQ(runner.GetOutputTail(0, bStillRunning), "first");
    EXPECT_TRUE(bStillRunning);

    runner.Terminate(CExternalProcess::kUserStopCode);
    ASSERT_TRUE(WaitForCapturedRun(runner, std::chrono::seconds(5)));
    EXPECT_EQ(runner.GetOutputTail(3, bStillRunning), "stExit code: 11\r\nProcess terminated by user.");
    EXPECT_FALSE(bStillRunning);

    // Nothing runs now: a stop does nothing and the text stays.
    runner.Terminate(CExternalProcess::kUserStopCode);
    EXPECT_EQ(runner.GetOutput(), "firstExit code: 11\r\nProcess terminated by user.");
}

TEST(ToolsExternalProcess, TerminateStopsTheWholeProcessGroup)
{
    CExternalProcess runner;
    ASSERT_TRUE(runner.Start("/bin/sh", {"sh", "-c", "sleep 30 & echo $!; sleep 30 & echo $!; echo ready; wait"}, ""));
    ASSERT_TRUE(WaitForOutputContaining(runner, "ready\r\n"));
    std::istringstream pids(runner.GetOutput());
    pid_t pidFirst = 0;
    pid_t pidSecond = 0;
    pids >> pidFirst >> pidSecond;
    ASSERT_GT(pidFirst, 0);
    ASSERT_GT(pidSecond, 0);

    const auto tpStop = CClock::now();
    runner.Terminate(11);
    ASSERT_TRUE(WaitForCapturedRun(runner, std::chrono::seconds(5)));
    EXPECT_LT(CClock::now() - tpStop, CExternalProcess::kKillGrace); // TERM was enough
    const std::string strOutput = runner.GetOutput();
    EXPECT_EQ(strOutput.substr(strOutput.find("ready")), "ready\r\nExit code: 11\r\nProcess terminated by user.");
    EXPECT_TRUE(WaitForProcessEnd(pidFirst));
    EXPECT_TRUE(WaitForProcessEnd(pidSecond));
}

TEST(ToolsExternalProcess, ToolThatClosesItsOutputButRunsOnIsStillActive)
{
    CExternalProcess runner;
    const auto tpStart = CClock::now();
    EXPECT_EQ(RunShellCaptured(runner, "printf x; exec >&- 2>&-; sleep 1"),
              "xExit code: 259\r\nError - process still active!");
    EXPECT_GE(CClock::now() - tpStart, CExternalProcess::kExitGrace);
}

TEST(ToolsExternalProcess, ToolsThatCannotStartAreRefused)
{
    CExternalProcess runner;
    CScratchFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    folder.Write("not-executable", "#!/bin/sh\necho hi\n");
    const std::size_t nFds = CountOpenFds();

    EXPECT_EQ(RunShellCaptured(runner, "printf old"), "oldExit code: 0\r\nNo Errors");
    EXPECT_FALSE(runner.Start("/no/such/jdk/bin/javac", {"javac", "A.java"}, ""));
    EXPECT_FALSE(runner.IsRunning());
    EXPECT_EQ(runner.GetOutput(), ""); // a new start clears the last run's text
    EXPECT_FALSE(runner.Start(folder.File("not-executable"), {}, ""));
    EXPECT_FALSE(runner.Start("/bin/sh", {"sh", "-c", "true"}, folder.File("no such folder")));
    EXPECT_FALSE(runner.Start("", {}, ""));
    EXPECT_FALSE(runner.IsRunning());

    CToolCommand cmd;
    cmd.m_strProgram = "/no/such/tool";
    EXPECT_EQ(runner.StartTool(cmd), CExternalProcess::EStart::Failed);
    cmd.m_strProgram = "/bin/true";
    EXPECT_EQ(runner.StartTool(cmd), CExternalProcess::EStart::Started);
    ASSERT_TRUE(WaitForCapturedRun(runner));
    EXPECT_EQ(runner.GetOutput(), "Exit code: 0\r\nNo Errors");
    EXPECT_EQ(CountOpenFds(), nFds); // no pipe end is left behind
}

TEST(ToolsExternalProcess, ExitCodeThatCannotBeReadIsReported)
{
    CExternalProcess runner;
    // With SIGCHLD ignored the system reaps the tool itself.
    struct sigaction ignore {};
    struct sigaction previous {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ASSERT_EQ(sigaction(SIGCHLD, &ignore, &previous), 0);
    const std::string strOutput = RunShellCaptured(runner, "printf 'hi\\n'");
    sigaction(SIGCHLD, &previous, nullptr);
    EXPECT_EQ(strOutput, "hi\r\nWarning! There were process errors");
}

// Children of this process that have ended but were never waited for.
static std::size_t CountZombieChildren()
{
    std::size_t nCount = 0;
    const std::string strParent = std::to_string(getpid());
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string strLine;
        if (!std::getline(stat, strLine))
            continue;
        // "pid (name) state ppid ...": the name may hold blanks and parentheses.
        const std::size_t nParen = strLine.rfind(')');
        if (nParen == std::string::npos)
            continue;
        std::istringstream fields(strLine.substr(nParen + 1));
        std::string strState;
        std::string strPpid;
        fields >> strState >> strPpid;
        if (strState == "Z" && strPpid == strParent)
            ++nCount;
    }
    return nCount;
}

TEST(ToolsExternalProcess, FiveHundredStartsAndStopsLeaveNothingBehind)
{
    CExternalProcess runner;
    // One run first, so state made on first use is in the baseline.
    EXPECT_EQ(RunShellCaptured(runner, "printf warm"), "warmExit code: 0\r\nNo Errors");
    const std::size_t nFds = CountOpenFds();
    const std::size_t nThreads = CountThreads();

    for (int nCycle = 0; nCycle < 500; ++nCycle) {
        if (nCycle % 2 == 0) {
            // Stopped by the user while it runs, with a child of its own.
            ASSERT_TRUE(runner.Start("/bin/sh", {"sh", "-c", "sleep 30 & echo $!; wait"}, "")) << "cycle " << nCycle;
            ASSERT_TRUE(WaitForOutputContaining(runner, "\r\n")) << "cycle " << nCycle;
            const pid_t pidChild = static_cast<pid_t>(std::stol(runner.GetOutput()));
            runner.Terminate(CExternalProcess::kUserStopCode);
            ASSERT_TRUE(WaitForCapturedRun(runner, std::chrono::seconds(5))) << "cycle " << nCycle;
            ASSERT_EQ(runner.GetOutput(), std::to_string(pidChild) + "\r\nExit code: 11\r\nProcess terminated by user.")
                << "cycle " << nCycle;
            ASSERT_TRUE(WaitForProcessEnd(pidChild)) << "the tool's child outlived it, cycle " << nCycle;
        } else {
            ASSERT_EQ(RunShellCaptured(runner, "echo done"), "done\r\nExit code: 0\r\nNo Errors") << "cycle " << nCycle;
        }
    }

    EXPECT_EQ(CountOpenFds(), nFds);
    // A reader thread may still be on its way out just after its last append
    // (the baseline may hold one too): no more threads than before, not one
    // per run.
    const auto tpGiveUp = CClock::now() + std::chrono::seconds(5);
    while (CountThreads() > nThreads && CClock::now() < tpGiveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_LE(CountThreads(), nThreads);
    EXPECT_EQ(CountZombieChildren(), 0u);
}

TEST(ToolsExternalProcess, OutputOverTheDefaultLimitKeepsOnlyTheNewest)
{
    CExternalProcess runner;
    // 70 MB of ten-byte lines, which the line ends grow to 77 MB.
    const std::string strOutput = RunShellCaptured(runner, "yes 123456789 | head -c 73400320");
    const std::string strEnd = "123456789\r\n123456789\r\nExit code: 0\r\nNo Errors";
    ASSERT_EQ(strOutput.size(), std::size_t(64) << 20);
    EXPECT_EQ(strOutput.substr(strOutput.size() - strEnd.size()), strEnd);
}

TEST(ToolsExternalProcess, OutputLimitIsTheCallersAndTailsCountDroppedBytes)
{
    CExternalProcess runner;
    // 2 MB of ten-byte lines, grown to 2.2 MB by the line ends, into 1 MB.
    ASSERT_TRUE(runner.Start("/bin/sh", {"sh", "-c", "yes 123456789 | head -c 2097152"}, "", std::size_t(1) << 20));
    ASSERT_TRUE(WaitForCapturedRun(runner));
    const std::string strOutput = runner.GetOutput();
    const std::string strEnd = "123456789\r\n12Exit code: 0\r\nNo Errors"; // 2097152 = 209715 lines and "12"
    ASSERT_EQ(strOutput.size(), std::size_t(1) << 20);
    EXPECT_EQ(strOutput.substr(strOutput.size() - strEnd.size()), strEnd);
    const std::size_t nTotal = 209715 * 11 + 2 + 23;
    bool bStillRunning = true;
    std::size_t nStart = 0;
    EXPECT_EQ(runner.GetOutputTail(5, bStillRunning, 3, nStart), strOutput.substr(0, 3));
    EXPECT_EQ(nStart, nTotal - strOutput.size());
    EXPECT_EQ(runner.GetOutputTail(nTotal - 9, bStillRunning, 100, nStart), "No Errors");
    EXPECT_EQ(nStart, nTotal - 9);
    EXPECT_FALSE(bStillRunning);
}

TEST(ToolsExternalProcess, TwoRunnersRunAtOnceEachWithItsOwnOutputAndCode)
{
    CScratchFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    CExternalProcess first;
    CExternalProcess second;
    ASSERT_TRUE(first.Start("/bin/sh", {"sh", "-c", "echo first; exec sleep 30"}, ""));
    ASSERT_TRUE(second.Start("/bin/sh",
                             {"sh", "-c", "echo second; while [ ! -e go ]; do sleep 0.01; done; printf more; exit 5"},
                             folder.Path()));
    ASSERT_TRUE(WaitForOutputContaining(first, "\r\n"));
    ASSERT_TRUE(WaitForOutputContaining(second, "\r\n"));
    EXPECT_EQ(first.GetOutput(), "first\r\n");
    EXPECT_EQ(second.GetOutput(), "second\r\n");
    // Each refuses a second run only while its own goes.
    EXPECT_FALSE(first.Start("/bin/sh", {"sh", "-c", "printf third"}, ""));
    EXPECT_EQ(first.GetOutput(), "first\r\n");

    // Stopping one leaves the other running.
    first.Terminate(CExternalProcess::kUserStopCode);
    ASSERT_TRUE(WaitForCapturedRun(first, std::chrono::seconds(5)));
    EXPECT_EQ(first.GetOutput(), "first\r\nExit code: 11\r\nProcess terminated by user.");
    EXPECT_TRUE(second.IsRunning());
    EXPECT_EQ(second.GetOutput(), "second\r\n");

    folder.Write("go", "");
    ASSERT_TRUE(WaitForCapturedRun(second));
    EXPECT_EQ(second.GetOutput(), "second\r\nmoreExit code: 5\r\nThere were errors");
    EXPECT_EQ(first.GetOutput(), "first\r\nExit code: 11\r\nProcess terminated by user.");

    // A new run clears only its own runner's text.
    EXPECT_EQ(RunShellCaptured(first, "printf again"), "againExit code: 0\r\nNo Errors");
    EXPECT_EQ(second.GetOutput(), "second\r\nmoreExit code: 5\r\nThere were errors");
}

TEST(ToolsExternalProcess, DestroyingARunnerStopsItsToolAndEndsItsReader)
{
    {
        // State made on first use goes into the baseline.
        CExternalProcess runner;
        EXPECT_EQ(RunShellCaptured(runner, "printf warm"), "warmExit code: 0\r\nNo Errors");
    }
    const std::size_t nFds = CountOpenFds();
    const std::size_t nThreads = CountThreads();

    // A tool with a child of its own, then one whose group ignores the polite stop.
    const char* const szScripts[] = {
        "echo $$; sleep 30 & echo $!; echo ready; wait",
        "echo $$; trap '' TERM; sleep 30 & echo $!; echo ready; while :; do sleep 0.05; done",
    };
    for (const char* szScript : szScripts) {
        SCOPED_TRACE(szScript);
        pid_t pidTool = 0;
        pid_t pidChild = 0;
        CClock::time_point tpDestroy;
        {
            CExternalProcess runner;
            ASSERT_TRUE(runner.Start("/bin/sh", {"sh", "-c", szScript}, ""));
            ASSERT_TRUE(WaitForOutputContaining(runner, "ready\r\n"));
            std::istringstream pids(runner.GetOutput());
            pids >> pidTool >> pidChild;
            ASSERT_GT(pidTool, 0);
            ASSERT_GT(pidChild, 0);
            EXPECT_EQ(CountThreads(), nThreads + 1); // its reader
            tpDestroy = CClock::now();
        }
        // By the time the runner is gone: the reader has ended and the tool
        // has been reaped, within the forced stop's grace and a little more.
        EXPECT_LT(CClock::now() - tpDestroy, CExternalProcess::kKillGrace + std::chrono::seconds(1));
        EXPECT_EQ(CountThreads(), nThreads);
        EXPECT_EQ(CountOpenFds(), nFds);
        EXPECT_TRUE(kill(pidTool, 0) != 0 && errno == ESRCH) << "the tool was not reaped";
        EXPECT_TRUE(WaitForProcessEnd(pidChild));
    }
}

// Runs whose tools leave processes behind: whatever a test asserts, those are
// killed and the run is over before the next test.
class ToolsExternalProcessLeftovers : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (pid_t pid : m_vecLeftovers)
            if (pid > 0)
                kill(-pid, SIGKILL), kill(pid, SIGKILL);
        m_runner.Terminate(CExternalProcess::kUserStopCode);
        EXPECT_TRUE(WaitForCapturedRun(m_runner, std::chrono::seconds(5)));
    }
    // The number on the first line of the output, to be killed at the end.
    pid_t KillAtEnd()
    {
        const pid_t pid = static_cast<pid_t>(std::atol(m_runner.GetOutput().c_str()));
        m_vecLeftovers.push_back(pid);
        return pid;
    }

    CExternalProcess m_runner;
    std::vector<pid_t> m_vecLeftovers;
};

TEST_F(ToolsExternalProcessLeftovers, TerminateForcesToolsThatIgnoreTheRequest)
{
    ASSERT_TRUE(
        m_runner.Start("/bin/sh", {"sh", "-c", "echo $$; trap '' TERM; echo ready; while :; do sleep 0.05; done"}, ""));
    ASSERT_TRUE(WaitForOutputContaining(m_runner, "ready\r\n"));
    const pid_t pidTool = KillAtEnd();
    ASSERT_GT(pidTool, 0);
    const auto tpStop = CClock::now();
    m_runner.Terminate(11);
    ASSERT_TRUE(WaitForCapturedRun(m_runner, std::chrono::seconds(5)));
    EXPECT_GE(CClock::now() - tpStop, CExternalProcess::kKillGrace);
    EXPECT_EQ(m_runner.GetOutput(),
              std::to_string(pidTool) + "\r\nready\r\nExit code: 11\r\nProcess terminated by user.");
    EXPECT_TRUE(WaitForProcessEnd(pidTool));
}

TEST_F(ToolsExternalProcessLeftovers, StopEndsTheRunThoughADaemonHoldsTheOutput)
{
    // The daemon leads a session of its own, out of reach of the group stop,
    // and keeps the write end of the pipe. It names itself once it has left
    // the group, so the stop cannot reach it on its way out.
    ASSERT_TRUE(m_runner.Start(
        "/bin/sh", {"sh", "-c", "setsid sh -c 'echo $$; echo ready; exec sleep 600' & while :; do sleep 1; done"}, ""));
    ASSERT_TRUE(WaitForOutputContaining(m_runner, "ready\r\n"));
    const pid_t pidDaemon = KillAtEnd();
    ASSERT_GT(pidDaemon, 0);
    m_runner.Terminate(CExternalProcess::kUserStopCode);
    // Far sooner than the daemon's ten minutes, however busy the machine.
    ASSERT_TRUE(WaitForCapturedRun(m_runner, std::chrono::seconds(10)));
    EXPECT_EQ(m_runner.GetOutput(),
              std::to_string(pidDaemon) + "\r\nready\r\nExit code: 11\r\nProcess terminated by user.");
    EXPECT_EQ(kill(pidDaemon, 0), 0); // not ours to stop
}

TEST_F(ToolsExternalProcessLeftovers, ToolThatEndsLeavingADaemonOnTheOutputFinishes)
{
    ASSERT_TRUE(m_runner.Start(
        "/bin/sh", {"sh", "-c", "setsid sh -c 'sleep 0.1; echo late; exec sleep 600' & echo $!; exit 4"}, ""));
    ASSERT_TRUE(WaitForOutputContaining(m_runner, "\r\n"));
    const pid_t pidDaemon = KillAtEnd();
    ASSERT_GT(pidDaemon, 0);
    // What the daemon writes while the run is still open is kept.
    ASSERT_TRUE(WaitForCapturedRun(m_runner, std::chrono::seconds(5)));
    EXPECT_EQ(m_runner.GetOutput(), std::to_string(pidDaemon) + "\r\nlate\r\nExit code: 4\r\nThere were errors");
}

TEST_F(ToolsExternalProcessLeftovers, SecondStopChangesNeitherCodeNorKillTime)
{
    ASSERT_TRUE(
        m_runner.Start("/bin/sh", {"sh", "-c", "echo $$; trap '' TERM; echo ready; while :; do sleep 0.05; done"}, ""));
    ASSERT_TRUE(WaitForOutputContaining(m_runner, "ready\r\n"));
    const pid_t pidTool = KillAtEnd();
    ASSERT_GT(pidTool, 0);
    const auto tpStop = CClock::now();
    m_runner.Terminate(CExternalProcess::kUserStopCode);
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    m_runner.Terminate(42);
    ASSERT_TRUE(WaitForCapturedRun(m_runner, std::chrono::seconds(5)));
    const auto elapsed = CClock::now() - tpStop;
    EXPECT_EQ(m_runner.GetOutput(),
              std::to_string(pidTool) + "\r\nready\r\nExit code: 11\r\nProcess terminated by user.");
    // KILL on the first stop's schedule, not the second's (400 ms later).
    EXPECT_GE(elapsed, CExternalProcess::kKillGrace);
    EXPECT_LT(elapsed, std::chrono::milliseconds(400) + CExternalProcess::kKillGrace - std::chrono::milliseconds(50));
    EXPECT_TRUE(WaitForProcessEnd(pidTool));
}
