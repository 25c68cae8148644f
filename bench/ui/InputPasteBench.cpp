// Pastes text into the process window's input line while a program reads it
// (wc -c) and measures how long the paste holds the event loop, how long
// until the program has read all of it, and the longest stretch the loop
// was busy in between.
//
//   build/bench/ui/tarnwick_input_paste_bench [MEGABYTES] [--one-line]
//
// The default is 10 MB of 100-byte lines; --one-line pastes the same amount
// without a line break (the line keeps its first 64 KB).

#include "core/tools/ExternalProcess.h"
#include "tests/ui/support/AppFixture.h"
#include "ui/tools/ProcessWindow.h"
#include "ui/tools/ProgramInputEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int nMegabytes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const bool bOneLine = argc > 2 && std::strcmp(argv[2], "--one-line") == 0;

    QString strText;
    const qsizetype nBytes = static_cast<qsizetype>(nMegabytes) * 1000 * 1000;
    if (bOneLine) {
        strText = QString(nBytes, 'x');
    } else {
        const QString strLine = QString(99, 'x') + '\n';
        strText.reserve(nBytes);
        while (strText.size() < nBytes)
            strText += strLine;
    }
    QGuiApplication::clipboard()->setText(strText);

    CAppFixture fixture;
    if (!fixture.Start({}, false))
        return 1;
    CExternalProcess runner;
    runner.FeedInput(true);
    CProcessWindow window;
    window.resize(800, 300);
    window.show();
    if (!runner.Start("/bin/sh", {"sh", "-c", "wc -c"}, "/tmp"))
        return 1;
    window.Create(runner, nullptr);

    QElapsedTimer total;
    total.start();
    QTest::keyClick(window.InputEdit(), Qt::Key_V, Qt::ControlModifier);
    const double dPasteMs = static_cast<double>(total.nsecsElapsed()) / 1e6;
    QTest::keyClick(window.InputEdit(), Qt::Key_D, Qt::ControlModifier);

    std::vector<double> gaps;
    QElapsedTimer gap;
    gap.start();
    QTimer probe;
    probe.setInterval(0);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        gaps.push_back(static_cast<double>(gap.nsecsElapsed()) / 1e6);
        gap.restart();
        if (!window.IsWatching())
            QApplication::quit();
    });
    probe.start();
    QApplication::exec();
    const double dTotalMs = static_cast<double>(total.nsecsElapsed()) / 1e6;

    std::sort(gaps.begin(), gaps.end());
    const QString strOutput = window.OutputText();
    const qsizetype nCount = strOutput.lastIndexOf("\nExit code:");
    std::printf("%d MB pasted%s into the input line of a program reading it\n", nMegabytes,
                bOneLine ? " without a line break" : " as 100-byte lines");
    std::printf("the paste held the event loop %.0f ms; the program's count: %s; all read after %.0f ms\n", dPasteMs,
                qPrintable(strOutput.mid(strOutput.lastIndexOf('\n', nCount - 1) + 1,
                                         nCount - strOutput.lastIndexOf('\n', nCount - 1) - 1)),
                dTotalMs);
    std::printf("then: longest busy stretch %.1f ms over %zu event-loop turns; the line holds %lld characters\n",
                gaps.empty() ? 0.0 : gaps.back(), gaps.size(),
                static_cast<long long>(window.InputEdit()->text().size()));
    return 0;
}
