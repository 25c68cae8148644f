#include "core/tools/ExternalProcess.h"
#include "core/tools/InputSender.h"

#include "tests/core/tools/ToolTestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

namespace {
// Flushes until nothing waits; false when something still does after the timeout.
bool FlushAll(CInputSender& sender, std::chrono::milliseconds timeout = std::chrono::seconds(20))
{
    const auto tpGiveUp = std::chrono::steady_clock::now() + timeout;
    while (sender.Flush()) {
        if (std::chrono::steady_clock::now() >= tpGiveUp)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

// The pipe signal at its default, which ends the process: the sender must
// not rely on anyone ignoring it.
struct CDefaultPipeSignal {
    void (*m_pSaved)(int) = std::signal(SIGPIPE, SIG_DFL);
    ~CDefaultPipeSignal() { std::signal(SIGPIPE, m_pSaved); }
};
} // namespace

TEST(ToolsInputSender, EchoesInterleaveWithTheToolsOutputInOrder)
{
    CExternalProcess runner;
    ASSERT_TRUE(runner.FeedInput(true));
    ASSERT_TRUE(runner.Start("/bin/sh",
                             {"sh", "-c",
                              "printf 'name? '; read a; echo \"[$a]\"; printf 'again? '; read b; echo \"[$b]\";"
                              " read c || echo 'end of input'"},
                             ""));
    CInputSender sender(runner);
    ASSERT_TRUE(WaitForOutputContaining(runner, "name? "));
    EXPECT_TRUE(runner.EchoInput("ann\n"));
    sender.Send("ann\n");
    ASSERT_TRUE(WaitForOutputContaining(runner, "[ann]"));
    ASSERT_TRUE(WaitForOutputContaining(runner, "again? "));
    EXPECT_TRUE(runner.EchoInput("b\xc3\xa9\n"));
    sender.Send("b\xc3\xa9\n");
    EXPECT_EQ(sender.Written(), 8u);
    EXPECT_EQ(sender.Pending(), 0u);
    sender.End();
    EXPECT_FALSE(sender.IsOpen());
    EXPECT_EQ(runner.GetInputFd(), -1);
    sender.Send("too late\n"); // nothing once the input has ended
    EXPECT_EQ(sender.Written(), 8u);
    ASSERT_TRUE(WaitForCapturedRun(runner));
    const std::string strExpected =
        "name? ann\r\n[ann]\r\nagain? b\xc3\xa9\r\n[b\xc3\xa9]\r\nend of input\r\nExit code: 0\r\nNo Errors";
    EXPECT_EQ(runner.GetOutput(), strExpected);
    // Once the run is over an echo adds nothing.
    EXPECT_FALSE(runner.EchoInput("late\n"));
    EXPECT_EQ(runner.GetOutput(), strExpected);

    // Kept bytes stay as typed.
    ASSERT_TRUE(runner.KeepOutputBytes(true));
    ASSERT_TRUE(runner.Start("/bin/sh", {"sh", "-c", "read a; echo \"<$a>\""}, ""));
    CInputSender again(runner);
    EXPECT_TRUE(runner.EchoInput("x\n"));
    again.Send("x\n");
    ASSERT_TRUE(WaitForCapturedRun(runner));
    EXPECT_EQ(runner.GetOutput(), "x\n<x>\nExit code: 0\r\nNo Errors");
}

TEST(ToolsInputSender, WhatThePipeCannotTakeWaitsAndIsNotLost)
{
    CScratchFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    CExternalProcess runner;
    ASSERT_TRUE(runner.FeedInput(true));
    // It reads nothing until told to: more than the pipe holds must wait.
    ASSERT_TRUE(runner.Start("/bin/sh", {"sh", "-c", "while [ ! -e go ]; do sleep 0.02; done; wc -c"}, folder.Path()));
    CInputSender sender(runner);
    std::string strAll;
    for (int nLine = 0; nLine < 3000; ++nLine) {
        const std::string strLine = std::string(99, char('a' + nLine % 26)) + "\n";
        sender.Send(strLine); // returns at once, full pipe or not
        strAll += strLine;
    }
    EXPECT_EQ(strAll.size(), 300000u);
    EXPECT_GT(sender.Pending(), 0u);
    EXPECT_LE(sender.Written(), std::size_t(1) << 20);
    EXPECT_EQ(sender.Written() + sender.Pending(), 300000u);
    EXPECT_TRUE(sender.Flush()); // still full
    // Ending while some waits closes the input only once all is written.
    sender.End();
    EXPECT_FALSE(sender.IsOpen());
    EXPECT_TRUE(sender.HoldsInput());
    EXPECT_GE(runner.GetInputFd(), 0);
    folder.Write("go", "");
    ASSERT_TRUE(FlushAll(sender));
    EXPECT_EQ(sender.Written(), 300000u);
    EXPECT_FALSE(sender.HoldsInput());
    EXPECT_EQ(runner.GetInputFd(), -1);
    ASSERT_TRUE(WaitForCapturedRun(runner));
    EXPECT_EQ(runner.GetOutput(), "300000\r\nExit code: 0\r\nNo Errors");
}

TEST(ToolsInputSender, ToolThatHasGoneDropsTheInputWithoutASignal)
{
    // A pipe signal would end the test process: run it apart.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            CDefaultPipeSignal defaultPipe;
            CExternalProcess runner;
            runner.FeedInput(true);
            // Gone before anything is sent.
            runner.Start("/bin/sh", {"sh", "-c", "exit 0"}, "");
            CInputSender sender(runner);
            const bool bEnded = WaitForCapturedRun(runner);
            const bool bHadInput = runner.GetInputFd() >= 0;
            sender.Send("lost\n");
            const bool bDropped = !sender.IsOpen() && sender.Pending() == 0 && runner.GetInputFd() == -1;
            // Gone with some still waiting.
            CScratchFolder folder;
            runner.Start("/bin/sh", {"sh", "-c", "while [ ! -e go ]; do sleep 0.02; done"}, folder.Path());
            CInputSender second(runner);
            second.Send(std::string(200000, 'q'));
            const bool bWaiting = second.Pending() > 0;
            folder.Write("go", "");
            const bool bSecondEnded = WaitForCapturedRun(runner);
            const bool bFlushed = !second.Flush();
            const bool bSecondDropped = !second.IsOpen() && second.Pending() == 0 && runner.GetInputFd() == -1;
            const bool bAll = bEnded && bHadInput && bDropped && bWaiting && bSecondEnded && bFlushed && bSecondDropped;
            std::exit(bAll ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
