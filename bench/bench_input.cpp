#include "core/tools/ExternalProcess.h"
#include "core/tools/InputSender.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <thread>

// A line typed for a program that never reads: once its pipe is full every
// Send only queues, so the window's Enter costs the same however much waits.
static void BM_SendToToolThatDoesNotRead(benchmark::State& state)
{
    CExternalProcess runner;
    runner.FeedInput(true);
    if (!runner.Start("/bin/sh", {"sh", "-c", "sleep 60"}, "")) {
        state.SkipWithError("the tool did not start");
        return;
    }
    CInputSender sender(runner);
    const std::string strLine(static_cast<std::size_t>(state.range(0)) - 1, 'x');
    const std::string strTyped = strLine + "\n";
    for (auto _ : state)
        sender.Send(strTyped);
    state.counters["queued_MB"] = static_cast<double>(sender.Pending()) / (1 << 20);
    state.counters["written_KB"] = static_cast<double>(sender.Written()) / 1024;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
    runner.TerminateAndWait(CExternalProcess::kUserStopCode);
}
// Counted iterations: all that is sent stays queued.
BENCHMARK(BM_SendToToolThatDoesNotRead)->Arg(80)->Iterations(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SendToToolThatDoesNotRead)->Arg(64 * 1024)->Iterations(1000)->Unit(benchmark::kMicrosecond);

// 32 MB pasted for a tool that reads it all, flushed as the window's timer
// would (here without the pause): the whole path to the tool's input.
static void BM_PasteReadByCat(benchmark::State& state)
{
    const std::string strPaste(std::size_t(32) << 20, 'p');
    for (auto _ : state) {
        CExternalProcess runner;
        runner.FeedInput(true);
        if (!runner.Start("/bin/sh", {"sh", "-c", "cat > /dev/null"}, "")) {
            state.SkipWithError("the tool did not start");
            return;
        }
        CInputSender sender(runner);
        sender.Send(strPaste);
        sender.End();
        while (sender.Flush())
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        while (runner.IsRunning())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(strPaste.size()));
}
BENCHMARK(BM_PasteReadByCat)->Unit(benchmark::kMillisecond)->Iterations(3);
