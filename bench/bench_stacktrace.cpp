#include "core/tools/StackTraceJump.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {
int Count(const std::vector<std::string>& lines)
{
    return static_cast<int>(lines.size());
}

// A stack overflow's trace as deep as the JVM prints one (1024 frames, the
// last one in Main), then 63 causes of one frame each without a place, each
// leaving out the other 1023: the last "... 1023 more" is read back through
// every cause to the top trace's last frame.
std::vector<std::string> MakeDeepChain()
{
    std::vector<std::string> lines = {"Exception in thread \"main\" java.lang.StackOverflowError"};
    for (int nFrame = 0; nFrame < 1023; ++nFrame)
        lines.push_back("\tat java.base/pkg.Deep.recurse(Native Method)");
    lines.push_back("\tat Main.main(Main.java:3)");
    for (int nCause = 0; nCause < 63; ++nCause) {
        lines.push_back("Caused by: pkg.Wrapped" + std::to_string(nCause) + ": level");
        lines.push_back("\tat java.base/pkg.Deep.wrap(Native Method)");
        lines.push_back("\t... 1023 more");
    }
    return lines;
}

void ReadBackDeepChain(benchmark::State& state)
{
    const std::vector<std::string> lines = MakeDeepChain();
    const CStackTraceJump::LineReader read = [&lines](int nIndex) { return lines[static_cast<std::size_t>(nIndex)]; };
    std::optional<CStackTraceLine> frame;
    for (auto _ : state) {
        frame = CStackTraceJump::FrameToOpen(Count(lines), read, Count(lines) - 1);
        benchmark::DoNotOptimize(frame);
    }
    if (!frame || frame->m_strClass != "Main" || frame->m_nLine != 3)
        state.SkipWithError("the chain did not lead to Main.main");
}

// 200,000 lines of program output, then a "... 5 more" with nothing of a
// trace above it: the look for its trace stops after kMostMessageLines lines.
void WalkPastProgramOutput(benchmark::State& state)
{
    std::vector<std::string> lines;
    for (int nLine = 0; nLine < 200000; ++nLine)
        lines.push_back("item " + std::to_string(nLine) + " of the order, priced and packed");
    lines.push_back("\t... 5 more");
    const CStackTraceJump::LineReader read = [&lines](int nIndex) { return lines[static_cast<std::size_t>(nIndex)]; };
    std::optional<CStackTraceLine> frame;
    for (auto _ : state) {
        frame = CStackTraceJump::FrameToOpen(Count(lines), read, Count(lines) - 1);
        benchmark::DoNotOptimize(frame);
    }
    if (frame)
        state.SkipWithError("program output led somewhere");
}

// A program that printed 200,000 lines before it threw: the cause's
// "... 1 more" is read back to the top trace, whose first line is no head
// of a cause; the look for one stops within the most lines a message has.
void ReadBackBelowProgramOutput(benchmark::State& state)
{
    std::vector<std::string> lines;
    for (int nLine = 0; nLine < 200000; ++nLine)
        lines.push_back("item " + std::to_string(nLine) + " of the order, priced and packed");
    lines.push_back("Exception in thread \"main\" java.lang.RuntimeException: order failed");
    lines.push_back("\tat Main.run(Main.java:10)");
    lines.push_back("\tat Main.main(Main.java:3)");
    lines.push_back("Caused by: java.lang.IllegalStateException: no total");
    lines.push_back("\tat shop.Cart.checkout(Cart.java:8)");
    lines.push_back("\t... 1 more");
    const CStackTraceJump::LineReader read = [&lines](int nIndex) { return lines[static_cast<std::size_t>(nIndex)]; };
    std::optional<CStackTraceLine> frame;
    for (auto _ : state) {
        frame = CStackTraceJump::FrameToOpen(Count(lines), read, Count(lines) - 1);
        benchmark::DoNotOptimize(frame);
    }
    if (!frame || frame->m_strClass != "Main" || frame->m_nLine != 3)
        state.SkipWithError("the cause did not lead to Main.main");
}
} // namespace

// Target: a double-click answers in well under 50 ms in both cases.
BENCHMARK(ReadBackDeepChain)->Unit(benchmark::kMillisecond);
BENCHMARK(WalkPastProgramOutput)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadBackBelowProgramOutput)->Unit(benchmark::kMillisecond);
