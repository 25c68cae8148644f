// Times each step of opening a 5 MB Java file, so a slower step shows by
// name: reading the file, giving the text to the editor (breaks made CR LF),
// keeping the file's own line breaks, colouring it, scanning its outline, then the
// whole open through the application as the command line does it, the first
// paint of the window and closing it again. Prints the medians.
//
//   build/bench/ui/tarnwick_open_steps_bench [RUNS]
//
// Runs offscreen unless a platform is chosen (xvfb-run with
// QT_QPA_PLATFORM=xcb for a real display server). For the whole start-up of
// the program with such a file see bench/startup-big-file.sh.

#include "core/editor/LineEndKeeper.h"
#include "core/editor/OutlineScanner.h"
#include "core/editor/TextEncoding.h"
#include "core/io/FileBytes.h"
#include "bench/ui/BenchSupport.h"
#include "tests/ui/support/AppFixture.h"
#include "ui/editor/JavaEditor.h"
#include "ui/editor/SourceText.h"
#include "ui/editor/java/SyntaxColouring.h"
#include "ui/editor/java/SyntaxWindowDoc.h"
#include "ui/editor/java/SyntaxWindowView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {
// Milliseconds since the timer's last restart, and a restart.
double Lap(QElapsedTimer& timer)
{
    const double dMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    return dMs;
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int nRuns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const QByteArray body = FiveMegabyteJavaText();

    // Step names in the order they are printed.
    const std::vector<std::string> steps = {"read the file",   "text into the editor", "keep its line breaks",
                                            "colour the text", "scan the outline",     "whole open to a window",
                                            "first paint",     "close the window"};
    std::map<std::string, std::vector<double>> times;
    for (int nRun = 0; nRun < nRuns; ++nRun) {
        CAppFixture fixture;
        if (!fixture.Start({}, false)) {
            std::fprintf(stderr, "the application did not start\n");
            return 1;
        }
        const QString strPath = fixture.WriteFile("Big.java", body);
        const std::string strPathBytes = QFile::encodeName(strPath).toStdString();
        QApplication::processEvents();

        // The steps one by one, as the editor takes them.
        QElapsedTimer timer;
        timer.start();
        std::string strBytes;
        CFileBytes::EReadFailure eFailure = CFileBytes::EReadFailure::None;
        std::string strReason;
        if (!CFileBytes::ReadRegular(strPathBytes, strBytes, eFailure, strReason) ||
            CTextEncoding::Classify(strBytes) != ETextKind::Editable) {
            std::fprintf(stderr, "the file could not be read as text\n");
            return 1;
        }
        times["read the file"].push_back(Lap(timer));

        CSourceText text;
        text.Load(strBytes);
        times["text into the editor"].push_back(Lap(timer));

        CLineEndKeeper lineEnds;
        lineEnds.Load(std::move(strBytes), ELineEnd::Lf);
        times["keep its line breaks"].push_back(Lap(timer));

        CJavaEditor view;
        text.ShowIn(view, 4);
        CSyntaxColouring colouring(0, 0xFF0000, 0x008000, 0x0000FF);
        timer.restart();
        colouring.ColourLoadedText(view);
        times["colour the text"].push_back(Lap(timer));

        COutlineScanner outline;
        outline.ScanClasses(view.TextView());
        times["scan the outline"].push_back(Lap(timer));
        if (outline.GetFunctions().size() < 70000) {
            std::fprintf(stderr, "the outline missed methods\n");
            return 1;
        }

        // All of it through the application, with the window and its
        // function list.
        QApplication::processEvents();
        timer.restart();
        auto* pDoc = dynamic_cast<CSyntaxWindowDoc*>(fixture.App().OpenDocumentFile(strPath));
        CSyntaxWindowView* pView = pDoc ? pDoc->FirstView() : nullptr;
        if (!pView || pView->TextLength() != static_cast<std::size_t>(body.size() + body.count('\n'))) {
            std::fprintf(stderr, "the file did not open\n");
            return 1;
        }
        times["whole open to a window"].push_back(Lap(timer));
        pView->viewport()->repaint();
        QApplication::processEvents();
        times["first paint"].push_back(Lap(timer));
        pDoc->OnCloseDocument();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
        times["close the window"].push_back(Lap(timer));
    }
    // The first run is the one a program's start-up meets: its memory is
    // fresh from the system, where later runs reuse what the earlier freed.
    std::printf("opening a 5 MB Java file (%lld bytes, LF breaks), %d runs:\n", static_cast<long long>(body.size()),
                nRuns);
    std::printf("  %-24s %9s %9s\n", "", "first", "median");
    for (const std::string& strStep : steps)
        std::printf("  %-24s %6.1f ms %6.1f ms\n", strStep.c_str(), times[strStep].front(), Median(times[strStep]));
    return 0;
}
