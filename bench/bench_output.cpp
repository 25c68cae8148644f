#include "core/tools/OutputBuffer.h"

#include <benchmark/benchmark.h>

#include <string>

// Tool output as a compiler writes it: many short lines.
static std::string MakeToolOutput(std::size_t nBytes, const char* szLineEnd)
{
    std::string strOutput;
    strOutput.reserve(nBytes + 128);
    std::size_t nLine = 0;
    while (strOutput.size() < nBytes) {
        strOutput += "Hello.java:" + std::to_string(++nLine) + ": error: cannot find symbol";
        strOutput += szLineEnd;
    }
    strOutput.resize(nBytes);
    return strOutput;
}

// Appends the output in the reader's 2046-byte chunks, as a captured run does.
static void AppendInChunks(benchmark::State& state, const char* szLineEnd)
{
    const std::size_t nBytes = static_cast<std::size_t>(state.range(0)) << 20;
    const std::string strOutput = MakeToolOutput(nBytes, szLineEnd);
    for (auto _ : state) {
        COutputBuffer buffer;
        for (std::size_t nAt = 0; nAt < strOutput.size(); nAt += 2046) {
            const std::size_t nLength = std::min<std::size_t>(2046, strOutput.size() - nAt);
            buffer.AppendChunk(strOutput.data() + nAt, nLength);
        }
        benchmark::DoNotOptimize(buffer.Length());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(nBytes));
}

static void BM_OutputAppendLf(benchmark::State& state)
{
    AppendInChunks(state, "\n");
}
BENCHMARK(BM_OutputAppendLf)->Arg(5)->Arg(50)->Unit(benchmark::kMillisecond);

static void BM_OutputAppendCrLf(benchmark::State& state)
{
    AppendInChunks(state, "\r\n");
}
BENCHMARK(BM_OutputAppendCrLf)->Arg(5)->Arg(50)->Unit(benchmark::kMillisecond);

// Output without a line break (progress dots): appending stays linear.
static void BM_OutputAppendNoLineBreak(benchmark::State& state)
{
    const std::size_t nBytes = static_cast<std::size_t>(state.range(0)) << 20;
    const std::string strChunk(65536, '.');
    for (auto _ : state) {
        COutputBuffer buffer;
        for (std::size_t nAt = 0; nAt < nBytes; nAt += strChunk.size())
            buffer.AppendChunk(strChunk.data(), strChunk.size());
        benchmark::DoNotOptimize(buffer.Length());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(nBytes));
}
BENCHMARK(BM_OutputAppendNoLineBreak)->Arg(20)->Arg(200)->Unit(benchmark::kMillisecond);

// An endless run: 200 MB through the default 64 MB limit, the oldest dropped.
static void BM_OutputAppendPastTheLimit(benchmark::State& state)
{
    const std::string strOutput = MakeToolOutput(std::size_t(1) << 20, "\n");
    for (auto _ : state) {
        COutputBuffer buffer;
        for (int n = 0; n < 200; ++n)
            for (std::size_t nAt = 0; nAt < strOutput.size(); nAt += 65536)
                buffer.AppendChunk(strOutput.data() + nAt, std::min<std::size_t>(65536, strOutput.size() - nAt));
        benchmark::DoNotOptimize(buffer.Length());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * (int64_t(200) << 20));
}
BENCHMARK(BM_OutputAppendPastTheLimit)->Unit(benchmark::kMillisecond);
