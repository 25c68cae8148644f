#include "core/tools/JavacDiagnostics.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {
// javac's output for 10,000 messages across 50 files: symbol-not-found errors
// with their source, caret, symbol and location lines, and lint warnings.
std::string MakeJavacOutput(const char* szLineEnd)
{
    std::string strOutput;
    for (int nIndex = 1; nIndex <= 10000; ++nIndex) {
        const std::string strFile = "src/pkg/Module" + std::to_string(nIndex % 50) + ".java";
        if (nIndex % 4 == 0) {
            strOutput += strFile + ":" + std::to_string(nIndex) + ": warning: [rawtypes] found raw type: List" +
                         szLineEnd;
            strOutput += std::string("        List raw = new ArrayList();") + szLineEnd;
            strOutput += std::string("        ^") + szLineEnd;
            strOutput += std::string("  missing type arguments for generic class List<E>") + szLineEnd;
            continue;
        }
        strOutput += strFile + ":" + std::to_string(nIndex) + ": error: cannot find symbol" + szLineEnd;
        strOutput += "\t\tSystem.out.println(value" + std::to_string(nIndex) + " + other);" + szLineEnd;
        strOutput += std::string("\t\t                   ^") + szLineEnd;
        strOutput += "  symbol:   variable value" + std::to_string(nIndex) + szLineEnd;
        strOutput += std::string("  location: class Module") + szLineEnd;
    }
    strOutput += std::string("7500 errors") + szLineEnd + "2500 warnings" + szLineEnd;
    return strOutput;
}

void ParseTenThousand(benchmark::State& state, const char* szLineEnd)
{
    const std::string strOutput = MakeJavacOutput(szLineEnd);
    std::size_t nCount = 0;
    for (auto _ : state) {
        const std::vector<CJavacDiagnostic> vecDiagnostics = CJavacDiagnostics::Parse(strOutput, "/home/dev/project");
        nCount = vecDiagnostics.size();
        benchmark::DoNotOptimize(vecDiagnostics.data());
    }
    if (nCount != 10000)
        state.SkipWithError("the parse did not find 10,000 messages");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * strOutput.size()));
}
} // namespace

// Target: well under 100 ms for 10,000 messages.
BENCHMARK_CAPTURE(ParseTenThousand, Lf, "\n")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ParseTenThousand, CrLf, "\r\n")->Unit(benchmark::kMillisecond);

// Lines full of "name:123: " that never go on to a kind: each colon is tried
// once, so 4 MB of them take about as long as 4 MB of messages.
void ParseColonRuns(benchmark::State& state)
{
    std::string strLine;
    while (strLine.size() < (1u << 20))
        strLine += "Module.java:123: ";
    const std::string strOutput = strLine + "\n" + strLine + "\n" + strLine + "\n" + strLine + "\n";
    for (auto _ : state) {
        const std::vector<CJavacDiagnostic> vecDiagnostics = CJavacDiagnostics::Parse(strOutput, "/home/dev/project");
        if (!vecDiagnostics.empty())
            state.SkipWithError("colon runs are not messages");
        benchmark::DoNotOptimize(vecDiagnostics.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * strOutput.size()));
}
BENCHMARK(ParseColonRuns)->Unit(benchmark::kMillisecond);
