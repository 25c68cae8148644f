#include "core/editor/LineEndKeeper.h"
#include "core/editor/TextEncoding.h"

#include <benchmark/benchmark.h>

#include <string>

// A mixed-break file of about nBytes: every seventh line ends in CR LF, the
// rest in LF, as after a Windows editor touched parts of a Unix file.
static std::string MakeMixedBreakSource(std::size_t nBytes)
{
    std::string text;
    text.reserve(nBytes + 128);
    for (int nLine = 0; text.size() < nBytes; ++nLine)
        text += "    int field" + std::to_string(nLine) + " = " + std::to_string(nLine * 7) + ";" +
                (nLine % 7 == 0 ? "\r\n" : "\n");
    return text;
}

// Editor text of the file with nEdits lines changed, spread evenly.
static std::string EditSpread(const std::string& strFile, int nEdits)
{
    std::string strText = CLineEnds::ToCrLf(strFile);
    const std::size_t nStep = strText.size() / static_cast<std::size_t>(nEdits + 1);
    for (int i = 1; i <= nEdits; ++i) {
        std::size_t nAt = strText.find('\n', nStep * static_cast<std::size_t>(i));
        if (nAt != std::string::npos)
            strText.insert(nAt - 1, "x");
    }
    return strText;
}

// Save of a file (MB given) with range(1) lines edited.
static void BM_LineEndKeeperSave(benchmark::State& state)
{
    const std::string strFile = MakeMixedBreakSource(static_cast<std::size_t>(state.range(0)) << 20);
    const std::string strText = EditSpread(strFile, static_cast<int>(state.range(1)));
    CLineEndKeeper keeper;
    keeper.Load(strFile, ELineEnd::Lf);
    for (auto _ : state) {
        std::string strBytes = keeper.BytesFor(strText);
        benchmark::DoNotOptimize(strBytes.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(strText.size()));
}
BENCHMARK(BM_LineEndKeeperSave)
    ->Args({5, 0})
    ->Args({5, 10})
    ->Args({5, 500})
    ->Args({5, 5000})
    ->Unit(benchmark::kMillisecond);

// The plain whole-file conversion, for comparison.
static void BM_FromCrLfSave(benchmark::State& state)
{
    const std::string strText = CLineEnds::ToCrLf(MakeMixedBreakSource(static_cast<std::size_t>(state.range(0)) << 20));
    for (auto _ : state) {
        std::string strBytes = CLineEnds::FromCrLf(strText, ELineEnd::Lf);
        benchmark::DoNotOptimize(strBytes.data());
    }
}
BENCHMARK(BM_FromCrLfSave)->Arg(5)->Unit(benchmark::kMillisecond);

// What opening a file adds: the remembered lines and the encoding check.
static void BM_LineEndKeeperLoad(benchmark::State& state)
{
    const std::string strFile = MakeMixedBreakSource(static_cast<std::size_t>(state.range(0)) << 20);
    for (auto _ : state) {
        CLineEndKeeper keeper;
        keeper.Load(strFile, ELineEnd::Lf);
        benchmark::DoNotOptimize(CTextEncoding::Classify(strFile));
        benchmark::DoNotOptimize(&keeper);
    }
}
BENCHMARK(BM_LineEndKeeperLoad)->Arg(5)->Unit(benchmark::kMillisecond);
