#include "core/editor/OutlineScanner.h"

#include <benchmark/benchmark.h>

#include <string>

// A Java file of about nBytes: top-level classes with comments, methods with
// bodies, a nested class and an anonymous class each.
static std::string MakeOutlineBenchSource(std::size_t nBytes)
{
    std::string text;
    text.reserve(nBytes + 4096);
    text += "package bench;\r\n\r\nimport java.util.*;\r\n\r\n";
    for (int nClass = 0; text.size() < nBytes; ++nClass) {
        const std::string strClass = "Widget" + std::to_string(nClass);
        text += "/**\r\n * The " + strClass + " of the {@link Board}.\r\n */\r\n";
        text += "public class " + strClass + "\r\n    extends Base\r\n    implements Runnable\r\n{\r\n";
        text += "    private int m_nCount = 0;\r\n";
        for (int nMethod = 0; nMethod < 12; ++nMethod) {
            text += "    // step " + std::to_string(nMethod) + " { keeps the depth\r\n";
            text += "    public int step" + std::to_string(nMethod) +
                    "(int a,\r\n                     int b) throws Exception {\r\n";
            text += "        for (int i = 0; i < a; ++i) {\r\n            if (i % b == 0) {\r\n"
                    "                m_nCount += i;\r\n            }\r\n        }\r\n"
                    "        return m_nCount;\r\n    }\r\n";
        }
        text += "    static class Cell {\r\n        void paint(Graphics g) {\r\n            g.draw();\r\n"
                "        }\r\n    }\r\n";
        text += "    Runnable r = new Runnable() {\r\n        public void run() { }\r\n    };\r\n";
        text += "}\r\n\r\n";
    }
    return text;
}

static void BM_OutlineScan(benchmark::State& state)
{
    const std::string text = MakeOutlineBenchSource(static_cast<std::size_t>(state.range(0)) << 20);
    COutlineScanner scanner;
    for (auto _ : state) {
        scanner.ScanClasses(text);
        benchmark::DoNotOptimize(scanner.GetFunctions().data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
    state.counters["entries"] = static_cast<double>(scanner.GetFunctions().size());
}
BENCHMARK(BM_OutlineScan)->Arg(1)->Arg(2)->Arg(4)->Arg(5)->Arg(8)->Unit(benchmark::kMillisecond);
