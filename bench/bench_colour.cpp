#include "core/editor/CaretReadout.h"
#include "core/editor/ColourRun.h"
#include "core/editor/JavaColourer.h"
#include "core/editor/LineEnds.h"
#include "core/editor/TextCommands.h"

#include <benchmark/benchmark.h>

#include <string>

// About nBytes of CR LF Java with keywords, strings (some with escapes),
// line comments and block comments in every class.
static std::string MakeColourBenchSource(std::size_t nBytes)
{
    std::string text;
    text.reserve(nBytes + 4096);
    text += "package bench;\r\n\r\nimport java.util.*;\r\n\r\n";
    for (int nClass = 0; text.size() < nBytes; ++nClass) {
        const std::string strClass = "Painter" + std::to_string(nClass);
        text += "/*\r\n * " + strClass + " draws \"cells\" for the board.\r\n */\r\n";
        text += "public final class " + strClass + " extends Base implements Runnable {\r\n";
        for (int nMethod = 0; nMethod < 10; ++nMethod) {
            text += "\t// step " + std::to_string(nMethod) + ": int double do while\r\n";
            text +=
                "\tprotected static int step" + std::to_string(nMethod) + "(int a, double b) throws Exception {\r\n";
            text += "\t\tString s = \"a \\\"quoted\\\" text /* not a comment */ // nor this\";\r\n";
            text += "\t\tfor (int i = 0; i < a; ++i) { if (i % 2 == 0) continue; else break; }\r\n";
            text += "\t\treturn a > 0 ? (int) b : -1; /* inline */\r\n\t}\r\n";
        }
        text += "}\r\n\r\n";
    }
    return text;
}

static const std::string& ColourBenchText()
{
    static const std::string text = MakeColourBenchSource(5u << 20);
    return text;
}

static void BM_ColourAll5MB(benchmark::State& state)
{
    const std::string& text = ColourBenchText();
    const CJavaColourer colourer;
    for (auto _ : state)
        benchmark::DoNotOptimize(colourer.ColourAll(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ColourAll5MB)->Unit(benchmark::kMillisecond);

// The keystroke path: colour the caret's line (which reads the text before it
// for the open-comment test) and diff against the codes shown.
static void BM_ColourLineMiddleOf5MB(benchmark::State& state)
{
    const std::string& text = ColourBenchText();
    const CJavaColourer colourer;
    const std::size_t nCaret = text.find("return a", text.size() / 2) + 3;
    const auto table = CJavaColourer::ColourTable(0, 1, 2, 3);
    for (auto _ : state) {
        const CJavaColourer::CLineColours line = colourer.ColourLine(text, nCaret);
        benchmark::DoNotOptimize(CColourRun::RunsToApply(line.m_codes, line.m_codes, line.m_nStart, table));
    }
}
BENCHMARK(BM_ColourLineMiddleOf5MB)->Unit(benchmark::kMicrosecond);

// Worst case for the open-comment test: no slash before the line at all.
static void BM_ColourLineAfter5MBWithoutComments(benchmark::State& state)
{
    std::string text(5u << 20, 'x');
    for (std::size_t i = 60; i < text.size(); i += 62) {
        text[i] = '\r';
        text[i + 1] = '\n';
    }
    text += "\r\nint x = \"s\"; // end";
    const CJavaColourer colourer;
    for (auto _ : state)
        benchmark::DoNotOptimize(colourer.ColourLine(text, text.size()));
}
BENCHMARK(BM_ColourLineAfter5MBWithoutComments)->Unit(benchmark::kMillisecond);

static void BM_RunsToApplyUnchanged5MB(benchmark::State& state)
{
    const std::string& text = ColourBenchText();
    const std::vector<unsigned char> codes = CJavaColourer().ColourAll(text);
    const auto table = CJavaColourer::ColourTable(0, 1, 2, 3);
    for (auto _ : state)
        benchmark::DoNotOptimize(CColourRun::RunsToApply(codes, codes, 0, table));
}
BENCHMARK(BM_RunsToApplyUnchanged5MB)->Unit(benchmark::kMillisecond);

static void BM_LineEndsRoundTrip5MB(benchmark::State& state)
{
    const std::string bytes = CLineEnds::FromCrLf(ColourBenchText(), ELineEnd::Lf);
    for (auto _ : state) {
        const ELineEnd eEnd = CLineEnds::Detect(bytes, ELineEnd::CrLf);
        benchmark::DoNotOptimize(CLineEnds::FromCrLf(CLineEnds::ToCrLf(bytes), eEnd));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_LineEndsRoundTrip5MB)->Unit(benchmark::kMillisecond);

static void BM_IncreaseIndentWhole5MB(benchmark::State& state)
{
    const std::string& text = ColourBenchText();
    const CTextCommands commands(CTabSettings{});
    for (auto _ : state) {
        const CEditPlan plan = commands.IncreaseIndent(text, 0, text.size());
        benchmark::DoNotOptimize(plan.ApplyTo(text));
    }
}
BENCHMARK(BM_IncreaseIndentWhole5MB)->Unit(benchmark::kMillisecond);
