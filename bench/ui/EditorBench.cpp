// Times a large Java file in the editor window: opening it until the window
// shows it coloured, recolouring it unchanged (the Syntax Colour Update
// command), and one typed character on line 50,000 (the editor's key handling
// plus recolouring the line). Prints the medians. Brace matching: a typed
// character beside the class's opening brace, whose partner is the file's
// last character 5 MB away (the search stops at its bound), and the bounded
// search alone against Scintilla's own unbounded one from the same brace.
//
//   build/bench/ui/tarnwick_editor_bench [RUNS]
//
// Runs offscreen unless a platform is chosen (xvfb-run with
// QT_QPA_PLATFORM=xcb for a real display server).

#include "core/app/CommandIds.h"
#include "bench/ui/BenchSupport.h"
#include "core/editor/BraceMatch.h"
#include "tests/ui/support/AppFixture.h"
#include "ui/editor/java/SyntaxWindowDoc.h"
#include "ui/editor/java/SyntaxWindowView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
constexpr int kKeysPerRun = 50;
constexpr std::size_t kTypingLine = 50000;

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int nRuns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const QByteArray body = FiveMegabyteJavaText();

    std::vector<double> openMs;
    std::vector<double> recolourMs;
    std::vector<double> keyMs;
    std::vector<double> braceKeyMs;
    std::vector<double> boundedMs;
    std::vector<double> unboundedMs;
    for (int nRun = 0; nRun < nRuns; ++nRun) {
        CAppFixture fixture;
        if (!fixture.Start({}, false)) {
            std::fprintf(stderr, "the application did not start\n");
            return 1;
        }
        const QString strPath = fixture.WriteFile("Big.java", body);
        QApplication::processEvents();

        QElapsedTimer timer;
        timer.start();
        auto* pDoc = dynamic_cast<CSyntaxWindowDoc*>(fixture.App().OpenDocumentFile(strPath));
        CSyntaxWindowView* pView = pDoc ? pDoc->FirstView() : nullptr;
        if (!pView) {
            std::fprintf(stderr, "the file did not open\n");
            return 1;
        }
        pView->viewport()->repaint();
        QApplication::processEvents();
        openMs.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);

        timer.restart();
        if (!fixture.App().Router().Execute(CommandIds::kSyntaxColourUpdate)) {
            std::fprintf(stderr, "the recolour command did not run\n");
            return 1;
        }
        recolourMs.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);

        const std::size_t nPos = pView->PositionFromLine(kTypingLine) + 20;
        pView->SetSel(nPos, nPos);
        for (int nKey = 0; nKey < kKeysPerRun; ++nKey) {
            timer.restart();
            QTest::keyClick(pView, Qt::Key_X);
            QApplication::processEvents();
            keyMs.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
        if (pView->TextView().substr(nPos, kKeysPerRun) != std::string(kKeysPerRun, 'x')) {
            std::fprintf(stderr, "the typed characters did not arrive\n");
            return 1;
        }

        // Just before the class's "{": each typed "x" leaves the caret there.
        const std::size_t nBrace = pView->TextView().find('{');
        pView->SetSel(nBrace, nBrace);
        for (int nKey = 0; nKey < kKeysPerRun; ++nKey) {
            timer.restart();
            QTest::keyClick(pView, Qt::Key_X);
            QApplication::processEvents();
            pView->UpdateBraceHighlight();
            braceKeyMs.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
        const std::size_t nClassBrace = nBrace + kKeysPerRun;
        if (pView->SelStart() != nClassBrace || pView->HighlightedBraces().first != CBraceMatch::kNone ||
            pView->BraceIsBad()) {
            std::fprintf(stderr, "the class brace should be too far to pair\n");
            return 1;
        }
        for (int nCall = 0; nCall < kKeysPerRun; ++nCall) {
            timer.restart();
            pView->UpdateBraceHighlight();
            boundedMs.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
        timer.restart();
        const long nPartner =
            pView->SendScintilla(QsciScintillaBase::SCI_BRACEMATCH, static_cast<unsigned long>(nClassBrace), 0L);
        unboundedMs.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (nPartner != static_cast<long>(pView->TextLength()) - 3) {
            std::fprintf(stderr, "Scintilla paired the class brace with %ld\n", nPartner);
            return 1;
        }
    }
    std::printf("5 MB Java file (%lld bytes), %d runs\n", static_cast<long long>(body.size()), nRuns);
    std::printf("open to a coloured window: median %.1f ms (min %.1f, max %.1f)\n", Median(openMs),
                *std::min_element(openMs.begin(), openMs.end()), *std::max_element(openMs.begin(), openMs.end()));
    std::printf("unchanged recolour: median %.1f ms (min %.1f, max %.1f)\n", Median(recolourMs),
                *std::min_element(recolourMs.begin(), recolourMs.end()),
                *std::max_element(recolourMs.begin(), recolourMs.end()));
    std::printf("typed character on line %zu: median %.3f ms (max %.3f)\n", kTypingLine + 1, Median(keyMs),
                *std::max_element(keyMs.begin(), keyMs.end()));
    std::printf("typed character before the class brace (bounded brace matching): median %.3f ms (max %.3f)\n",
                Median(braceKeyMs), *std::max_element(braceKeyMs.begin(), braceKeyMs.end()));
    std::printf("brace matching there alone: bounded median %.3f ms; unbounded SCI_BRACEMATCH median %.3f ms\n",
                Median(boundedMs), Median(unboundedMs));
    return 0;
}
