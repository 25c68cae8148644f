#include "core/tools/ExternalProcess.h"
#include "core/tools/FinishedRun.h"

#include "tests/core/tools/ToolTestSupport.h"

#include <gtest/gtest.h>

namespace {
CToolCommand ShellCommand(const std::string& strScript, const std::string& strFolder)
{
    CToolCommand cmd;
    cmd.m_strProgram = "/bin/sh";
    cmd.m_strFolder = strFolder;
    cmd.AddWord("sh");
    cmd.AddWord("-c");
    cmd.AddWord(strScript);
    return cmd;
}
} // namespace

TEST(ToolsFinishedRun, TheRunIsHandedOverOnceWhenItIsOver)
{
    CScratchFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    CExternalProcess runner;
    EXPECT_FALSE(runner.TakeFinishedRun().has_value()); // no run yet

    CToolCommand cmd = ShellCommand("printf 'a\\nb'; exit 3", folder.Path());
    cmd.m_bJavacMessages = true;
    cmd.m_strCompiledFile = folder.File("A.java");
    ASSERT_TRUE(runner.Start(cmd));
    ASSERT_TRUE(WaitForCapturedRun(runner));

    const std::optional<CFinishedRun> run = runner.TakeFinishedRun();
    ASSERT_TRUE(run.has_value());
    EXPECT_EQ(run->m_command.m_strProgram, "/bin/sh");
    EXPECT_EQ(run->m_command.m_strFolder, folder.Path());
    EXPECT_EQ(run->m_command.GetWords(), (std::vector<std::string>{"sh", "-c", "printf 'a\\nb'; exit 3"}));
    EXPECT_TRUE(run->m_command.m_bJavacMessages);
    EXPECT_EQ(run->m_command.m_strCompiledFile, folder.File("A.java"));
    EXPECT_EQ(run->m_strToolOutput, "a\r\nb");
    EXPECT_EQ(run->m_nDroppedBytes, 0u);
    EXPECT_EQ(run->m_exitCode, 3);
    EXPECT_EQ(run->m_strClosingLines, "Exit code: 3\r\nThere were errors");
    EXPECT_EQ(run->m_eVerdict, ERunVerdict::Errors);
    EXPECT_FALSE(run->m_bStopped);

    // Once: a second look finds nothing, and the output stays as it was.
    EXPECT_FALSE(runner.TakeFinishedRun().has_value());
    EXPECT_EQ(runner.GetOutput(), "a\r\nbExit code: 3\r\nThere were errors");

    // The next run has its own, and a command given as words is kept as such.
    ASSERT_TRUE(runner.Start("/bin/sh", {"sh", "-c", "printf ok"}, folder.Path()));
    ASSERT_TRUE(WaitForCapturedRun(runner));
    const std::optional<CFinishedRun> next = runner.TakeFinishedRun();
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(next->m_command.GetWords(), (std::vector<std::string>{"sh", "-c", "printf ok"}));
    EXPECT_EQ(next->m_command.m_strFolder, folder.Path());
    EXPECT_FALSE(next->m_command.m_bJavacMessages);
    EXPECT_EQ(next->m_strToolOutput, "ok");
    EXPECT_EQ(next->m_exitCode, 0);
    EXPECT_EQ(next->m_strClosingLines, "Exit code: 0\r\nNo Errors");
    EXPECT_EQ(next->m_eVerdict, ERunVerdict::NoErrors);
}

TEST(ToolsFinishedRun, AStoppedRunSaysSoAndAToolThatExitsWithTheStopCodeWasNotStopped)
{
    CExternalProcess runner;
    ASSERT_TRUE(runner.Start("/bin/sh", {"sh", "-c", "printf first; exec tail -f /dev/null"}, ""));
    ASSERT_TRUE(WaitForOutputContaining(runner, "first"));
    EXPECT_FALSE(runner.TakeFinishedRun().has_value()); // not while it runs
    runner.Terminate(CExternalProcess::kUserStopCode);
    ASSERT_TRUE(WaitForCapturedRun(runner));
    const std::optional<CFinishedRun> stopped = runner.TakeFinishedRun();
    ASSERT_TRUE(stopped.has_value());
    EXPECT_EQ(stopped->m_strToolOutput, "first");
    EXPECT_EQ(stopped->m_exitCode, CExternalProcess::kUserStopCode);
    EXPECT_EQ(stopped->m_strClosingLines, "Exit code: 11\r\nProcess terminated by user.");
    EXPECT_EQ(stopped->m_eVerdict, ERunVerdict::Stopped);
    EXPECT_TRUE(stopped->m_bStopped);

    ASSERT_EQ(RunShellCaptured(runner, "exit 11"), "Exit code: 11\r\nProcess terminated by user.");
    const std::optional<CFinishedRun> eleven = runner.TakeFinishedRun();
    ASSERT_TRUE(eleven.has_value());
    EXPECT_EQ(eleven->m_eVerdict, ERunVerdict::Stopped);
    EXPECT_FALSE(eleven->m_bStopped);
}

TEST(ToolsFinishedRun, KeptBytesStayAsTheToolWroteThem)
{
    CExternalProcess runner;
    ASSERT_TRUE(runner.KeepOutputBytes(true));
    RunShellCaptured(runner, "printf 'a\\nb\\000c\\r\\n'; exit 4");
    const std::optional<CFinishedRun> run = runner.TakeFinishedRun();
    ASSERT_TRUE(run.has_value());
    constexpr char kExpected[] = "a\nb\0c\r\n";
    EXPECT_EQ(run->m_strToolOutput, std::string(kExpected, sizeof kExpected - 1));
    EXPECT_EQ(run->m_strClosingLines, "Exit code: 4\r\nThere were errors");
}

TEST(ToolsFinishedRun, OverTheLimitItHoldsTheNewestOfTheToolsOutputAndCountsTheRest)
{
    CExternalProcess runner;
    // 2 MB of ten-byte lines, grown to 2.2 MB by the line ends, into 1 MB.
    constexpr std::size_t kLimit = std::size_t(1) << 20;
    ASSERT_TRUE(runner.Start("/bin/sh", {"sh", "-c", "yes 123456789 | head -c 2097152"}, "", kLimit));
    ASSERT_TRUE(WaitForCapturedRun(runner));
    const std::string strKept = runner.GetOutput();
    const std::optional<CFinishedRun> run = runner.TakeFinishedRun();
    ASSERT_TRUE(run.has_value());

    // The closing lines count against the limit of the kept output, yet the
    // run holds the newest kLimit bytes of the tool's own output all the same.
    const std::size_t nToolTotal = 209715 * 11 + 2; // 2097152 = 209715 lines and "12"
    ASSERT_EQ(strKept.size(), kLimit);
    ASSERT_EQ(run->m_strToolOutput.size(), kLimit);
    EXPECT_EQ(run->m_nDroppedBytes, nToolTotal - kLimit);
    const std::string strLine = "123456789\r\n";
    std::size_t nWrong = 0;
    for (std::size_t i = 0; i < run->m_strToolOutput.size(); ++i)
        nWrong += run->m_strToolOutput[i] != strLine[(run->m_nDroppedBytes + i) % strLine.size()];
    EXPECT_EQ(nWrong, 0u);
    const std::size_t nClosing = run->m_strClosingLines.size();
    EXPECT_EQ(run->m_strClosingLines, "Exit code: 0\r\nNo Errors");
    EXPECT_EQ(run->m_strToolOutput.substr(nClosing), strKept.substr(0, kLimit - nClosing));
}
