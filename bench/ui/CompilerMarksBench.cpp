// Times javac's messages put on an open editor: a 10,000-message javac
// output (8,000 errors, 2,000 warnings, on 6,000 lines of a 12,000-line
// file) read from a finished captured run, sorted out by file, planned onto
// the text and placed as margin marks, squiggles and annotations, then the
// window painted. Prints the median of each part and of the whole.
//
//   build/bench/ui/tarnwick_compiler_marks_bench [RUNS]
//
// Runs offscreen unless a platform is chosen.

#include "core/editor/CompilerMarkPlan.h"
#include "core/tools/DiagnosticsByFile.h"
#include "core/tools/ExternalProcess.h"
#include "core/tools/JavacDiagnostics.h"
#include "bench/ui/BenchSupport.h"
#include "tests/ui/support/AppFixture.h"
#include "ui/editor/CompilerMarks.h"
#include "ui/editor/java/SyntaxWindowDoc.h"
#include "ui/editor/java/SyntaxWindowView.h"
#include "ui/project/CompilerMessagesRun.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {
constexpr int kLines = 12000;
constexpr int kMarkedLines = 6000; // every other line

QByteArray SourceText()
{
    QByteArray text = "public class Big {\n";
    for (int nLine = 2; nLine < kLines; ++nLine)
        text += "    int v" + QByteArray::number(nLine) + " = missing" + QByteArray::number(nLine) + " + 1;\n";
    text += "}\n";
    return text;
}

// javac's own layout: head line, source line, caret line, detail lines.
QByteArray JavacOutput(const QByteArray& source)
{
    const QList<QByteArray> lines = source.split('\n');
    QByteArray output;
    int nErrors = 0;
    int nWarnings = 0;
    for (int nMarked = 0; nMarked < kMarkedLines; ++nMarked) {
        const int nLine = 2 + 2 * nMarked;
        const QByteArray& line = lines[nLine - 1];
        const int nColumn = static_cast<int>(line.indexOf("missing")) + 1;
        const QByteArray caret = QByteArray(nColumn - 1, ' ') + "^\n";
        const QByteArray name = "missing" + QByteArray::number(nLine);
        output += "Big.java:" + QByteArray::number(nLine) + ": error: cannot find symbol\n" + line + "\n" + caret +
                  "  symbol:   variable " + name + "\n  location: class Big\n";
        ++nErrors;
        // A second message on two lines of every three: 2,000 warnings and
        // 2,000 further errors.
        if (nMarked % 3 == 1) {
            output += "Big.java:" + QByteArray::number(nLine) + ": warning: [cast] redundant cast to int\n" + line +
                      "\n" + QByteArray(4, ' ') + "^\n";
            ++nWarnings;
        } else if (nMarked % 3 == 2) {
            output += "Big.java:" + QByteArray::number(nLine) + ": error: incompatible types\n" + line + "\n" + caret;
            ++nErrors;
        }
    }
    output += QByteArray::number(nErrors) + " errors\n" + QByteArray::number(nWarnings) + " warnings\n";
    std::fprintf(stderr, "%d errors, %d warnings\n", nErrors, nWarnings);
    return output;
}

double MsSince(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int nRuns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const QByteArray source = SourceText();
    const QByteArray output = JavacOutput(source);

    std::vector<double> parseMs;
    std::vector<double> planMs;
    std::vector<double> placeMs;
    std::vector<double> wholeMs;
    std::vector<double> paintMs;
    for (int nRun = 0; nRun < nRuns; ++nRun) {
        CAppFixture fixture;
        if (!fixture.Start({}, false)) {
            std::fprintf(stderr, "the application did not start\n");
            return 1;
        }
        const QString strPath = fixture.WriteFile("Big.java", source);
        const QString strOutput = fixture.WriteFile("javac.out", output);
        auto* pDoc = dynamic_cast<CSyntaxWindowDoc*>(fixture.App().OpenDocumentFile(strPath));
        CSyntaxWindowView* pView = pDoc ? pDoc->FirstView() : nullptr;
        if (!pView) {
            std::fprintf(stderr, "the file did not open\n");
            return 1;
        }
        QApplication::processEvents();
        const std::string strFolder = QFileInfo(strPath).absolutePath().toStdString();

        // The parts alone.
        QElapsedTimer timer;
        timer.start();
        const std::vector<CJavacDiagnostic> vecDiagnostics =
            CJavacDiagnostics::Parse(std::string_view(output.constData(), output.size()), strFolder);
        const CDiagnosticsByFile byFile(vecDiagnostics);
        parseMs.push_back(MsSince(timer));
        const std::vector<CJavacDiagnostic>* pMessages = byFile.Find(strPath.toStdString());
        if (vecDiagnostics.size() != 10000 || !pMessages || pMessages->size() != 10000) {
            std::fprintf(stderr, "expected 10000 messages for the file, got %zu\n", vecDiagnostics.size());
            return 1;
        }
        timer.restart();
        const CCompilerMarkPlan plan = CCompilerMarkPlan::Make(pDoc->TextView(), *pMessages, true);
        planMs.push_back(MsSince(timer));
        if (plan.m_vecLines.size() != kMarkedLines) {
            std::fprintf(stderr, "expected %d marked lines, got %zu\n", kMarkedLines, plan.m_vecLines.size());
            return 1;
        }
        timer.restart();
        CCompilerMarks::ApplyToDocument(*pDoc, *pMessages);
        placeMs.push_back(MsSince(timer));
        CCompilerMarks::ApplyToDocument(*pDoc, {});

        // The whole way, as a finished javac run hands it over: the run's
        // output copied from the runner, read, sorted and placed.
        CToolCommand command;
        command.m_strProgram = "/bin/cat";
        command.m_strFolder = strFolder;
        command.AddWord("cat");
        command.AddWord(strOutput.toStdString());
        command.m_bJavacMessages = true;
        CExternalProcess runner;
        if (!runner.Start(command)) {
            std::fprintf(stderr, "cat did not start\n");
            return 1;
        }
        while (runner.IsRunning())
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        timer.restart();
        CCompilerMessagesRun::Show(runner.TakeFinishedRun().value(), fixture.App());
        wholeMs.push_back(MsSince(timer));
        if (pView->markerFindNext(0, 1 << CCompilerMarks::kErrorMarker) != 1) {
            std::fprintf(stderr, "the first error is not on line 2\n");
            return 1;
        }
        timer.restart();
        pView->viewport()->repaint();
        QApplication::processEvents();
        paintMs.push_back(MsSince(timer));
    }
    std::printf("parse and sort 10,000 messages:          %8.2f ms\n", Median(parseMs));
    std::printf("plan alone (lines, columns, annotations): %8.2f ms\n", Median(planMs));
    std::printf("plan and place them in the editor:       %8.2f ms\n", Median(placeMs));
    std::printf("whole: run output to marks (both above): %8.2f ms\n", Median(wholeMs));
    std::printf("first paint after:                       %8.2f ms\n", Median(paintMs));
    return 0;
}
