// Streams 100 MB of tool output (mixed line ends) into the process window and
// measures how long the window keeps the event loop busy at a stretch while
// it follows, how long until all of it is shown, and the CPU time it took.
// With --one-line the output is a single line of 'x' without a line break,
// as progress dots make.
//
//   build/bench/ui/tarnwick_process_bench [MEGABYTES] [--one-line]

#include "core/tools/ExternalProcess.h"
#include "tests/ui/support/AppFixture.h"
#include "ui/tools/ProcessWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::size_t nMegabytes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    const bool bOneLine = argc > 2 && std::strcmp(argv[2], "--one-line") == 0;

    const std::string strFile = "/tmp/tarnwick-process-bench-" + std::to_string(getpid()) + ".txt";
    if (bOneLine) {
        std::ofstream out(strFile, std::ios::binary);
        const std::string strBlock(1 << 20, 'x');
        for (std::size_t n = 0; n < nMegabytes; ++n)
            out << strBlock;
    } else {
        const char* const lineEnds[] = {"\n", "\r\n", "\r"};
        std::ofstream out(strFile, std::ios::binary);
        std::string strLine;
        for (std::size_t nLine = 0, nBytes = 0; nBytes < (nMegabytes << 20); ++nLine) {
            strLine = "Hello.java:" + std::to_string(nLine) + ": error: cannot find symbol";
            strLine += lineEnds[nLine % 3];
            out << strLine;
            nBytes += strLine.size();
        }
    }

    CAppFixture fixture;
    if (!fixture.Start({}, false))
        return 1;
    CExternalProcess runner;
    CProcessWindow window;
    window.show();
    if (!runner.Start("/bin/cat", {"cat", strFile}, "/tmp"))
        return 1;
    QElapsedTimer total;
    total.start();
    rusage usageBefore{};
    getrusage(RUSAGE_SELF, &usageBefore);
    window.Create(runner, nullptr);

    // A probe that runs whenever the event loop is free: the gaps between
    // its runs are the stretches the window kept the loop busy.
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
    rusage usageAfter{};
    getrusage(RUSAGE_SELF, &usageAfter);
    const auto CpuMs = [](const rusage& usage) {
        return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
               (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    };
    std::remove(strFile.c_str());

    std::sort(gaps.begin(), gaps.end());
    const auto Percentile = [&](double dAt) { return gaps[static_cast<std::size_t>(dAt * (gaps.size() - 1))]; };
    std::printf("%zu MB of tool output%s into the process window\n", nMegabytes,
                bOneLine ? " without a line break" : "");
    std::printf("all shown after %.0f ms, %.0f ms of CPU; %zu event-loop turns\n", dTotalMs,
                CpuMs(usageAfter) - CpuMs(usageBefore), gaps.size());
    std::printf("longest busy stretch %.1f ms, 99th percentile %.1f ms, median %.3f ms\n", gaps.back(),
                Percentile(0.99), Percentile(0.5));
    return 0;
}
