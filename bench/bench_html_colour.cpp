#include "core/editor/ColourRun.h"
#include "core/editor/HtmlColourer.h"
#include "core/editor/JavaColourer.h"
#include "core/editor/MarkerStateCache.h"

#include <benchmark/benchmark.h>

#include <string>

// About nBytes of CR LF HTML: tags with attributes, quoted and unquoted
// values, text that holds tag names, and comments.
static std::string MakeHtmlBenchPage(std::size_t nBytes)
{
    std::string text;
    text.reserve(nBytes + 4096);
    text += "<HTML>\r\n<HEAD><TITLE>Bench</TITLE></HEAD>\r\n<BODY bgcolor=\"#FFFFFF\">\r\n";
    for (int nRow = 0; text.size() < nBytes; ++nRow) {
        const std::string strRow = std::to_string(nRow);
        text += "<!-- row " + strRow + ": a table of <b>cells</b> -->\r\n";
        text += "<TABLE border=1 width=\"100%\">\r\n<TR><TD align=center>Cell " + strRow +
                " of the table, with a center and a form</TD>\r\n";
        text += "<td><A HREF=\"page" + strRow + ".html\" title=\"say \\\"hi\\\"\">link</A> and <i>more</i></td>\r\n";
        text += "</TR></TABLE>\r\n<p>Plain text runs on here: the quick brown fox, menu, label, span.</p>\r\n";
    }
    text += "</BODY>\r\n</HTML>\r\n";
    return text;
}

static const std::string& HtmlBenchPage()
{
    static const std::string text = MakeHtmlBenchPage(5u << 20);
    return text;
}

static void BM_HtmlColourAll5MB(benchmark::State& state)
{
    const std::string& text = HtmlBenchPage();
    const CHtmlColourer colourer;
    for (auto _ : state)
        benchmark::DoNotOptimize(colourer.ColourAll(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_HtmlColourAll5MB)->Unit(benchmark::kMillisecond);

// 5 MB of lines without any marker, then one line to colour at the end.
static std::string MarkerFreeText(const char* pszLastLine)
{
    std::string text(5u << 20, 'x');
    for (std::size_t i = 60; i < text.size(); i += 62) {
        text[i] = '\r';
        text[i + 1] = '\n';
    }
    text += "\r\n";
    text += pszLastLine;
    return text;
}

// A keystroke at the end of the text as the editors do it: the edit is
// reported to the caches, then the caret's line is coloured and compared
// with what it shows.
static void BM_JavaKeystrokeAfter5MBWithoutComments(benchmark::State& state)
{
    const std::string text = MarkerFreeText("int x = \"s\"; // end");
    const CJavaColourer colourer;
    CMarkerStateCache comments = CJavaColourer::MakeCommentCache();
    comments.Fill(text);
    const auto table = CJavaColourer::ColourTable(0, 1, 2, 3);
    for (auto _ : state) {
        comments.OnTextChanged(text.size() - 1);
        const CJavaColourer::CLineColours line = colourer.ColourLine(text, text.size(), &comments);
        benchmark::DoNotOptimize(CColourRun::RunsToApply(line.m_codes, line.m_codes, line.m_nStart, table));
    }
}
BENCHMARK(BM_JavaKeystrokeAfter5MBWithoutComments)->Unit(benchmark::kMicrosecond);

// The rare worst case: an edit at the very start drops every checkpoint, so
// the next keystroke at the end works them all out again.
static void BM_JavaKeystrokeAfterEditAtStart5MB(benchmark::State& state)
{
    const std::string text = MarkerFreeText("int x = \"s\"; // end");
    const CJavaColourer colourer;
    CMarkerStateCache comments = CJavaColourer::MakeCommentCache();
    for (auto _ : state) {
        comments.OnTextChanged(0);
        benchmark::DoNotOptimize(colourer.ColourLine(text, text.size(), &comments));
    }
}
BENCHMARK(BM_JavaKeystrokeAfterEditAtStart5MB)->Unit(benchmark::kMicrosecond);

static void BM_HtmlKeystrokeAfter5MBWithoutMarkers(benchmark::State& state)
{
    const std::string text = MarkerFreeText("<td align=center>\"x\" <!-- c");
    const CHtmlColourer colourer;
    CMarkerStateCache tags = CHtmlColourer::MakeTagCache();
    CMarkerStateCache comments = CHtmlColourer::MakeCommentCache();
    tags.Fill(text);
    comments.Fill(text);
    const auto table = CHtmlColourer::ColourTable(0, 1, 2, 3, 4);
    for (auto _ : state) {
        tags.OnTextChanged(text.size() - 1);
        comments.OnTextChanged(text.size() - 1);
        const CHtmlColourer::CLineColours line = colourer.ColourLine(text, text.size(), &tags, &comments);
        benchmark::DoNotOptimize(CColourRun::RunsToApply(line.m_codes, line.m_codes, line.m_nStart, table));
    }
}
BENCHMARK(BM_HtmlKeystrokeAfter5MBWithoutMarkers)->Unit(benchmark::kMicrosecond);

// A keystroke in the middle of a realistic 5 MB page.
static void BM_HtmlKeystrokeMiddleOf5MB(benchmark::State& state)
{
    const std::string& text = HtmlBenchPage();
    const CHtmlColourer colourer;
    CMarkerStateCache tags = CHtmlColourer::MakeTagCache();
    CMarkerStateCache comments = CHtmlColourer::MakeCommentCache();
    tags.Fill(text);
    comments.Fill(text);
    const std::size_t nCaret = text.find("align=center", text.size() / 2) + 3;
    const auto table = CHtmlColourer::ColourTable(0, 1, 2, 3, 4);
    for (auto _ : state) {
        tags.OnTextChanged(nCaret);
        comments.OnTextChanged(nCaret);
        const CHtmlColourer::CLineColours line = colourer.ColourLine(text, nCaret, &tags, &comments);
        benchmark::DoNotOptimize(CColourRun::RunsToApply(line.m_codes, line.m_codes, line.m_nStart, table));
    }
}
BENCHMARK(BM_HtmlKeystrokeMiddleOf5MB)->Unit(benchmark::kMicrosecond);
