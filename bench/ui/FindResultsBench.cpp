// Searches files holding 100,000 matches (by default) and follows the search
// in the Find Results window, as the IDE does: measures how long the window
// keeps the event loop busy at a stretch, how long until every line is
// listed, and how long stepping through the results with Next Result takes.
//
//   build/bench/ui/tarnwick_find_results_bench [MATCHES] [--one-file]
//
// With --one-file every match is in a single file; otherwise 100 per file.

#include "core/findinfiles/SearchJob.h"
#include "tests/support/TempFolder.h"
#include "ui/search/FindResultsWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <time.h>
#include <string>
#include <vector>

namespace {
// The CPU time the calling thread has used, in milliseconds: on a busy
// machine a wall-clock gap may be time the thread was not even running.
double ThreadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::size_t nMatches = argc > 1 ? static_cast<std::size_t>(std::max(1, std::atoi(argv[1]))) : 100000;
    const bool bOneFile = argc > 2 && std::strcmp(argv[2], "--one-file") == 0;
    const std::size_t nPerFile = bOneFile ? nMatches : 100;

    CTempFolder folder("tarnwick-find-bench");
    CSearchJob::CRequest request;
    for (std::size_t nFile = 0; nFile * nPerFile < nMatches; ++nFile) {
        const std::string strName = "F" + std::to_string(nFile) + ".java";
        std::ofstream out(folder.PathOf(strName), std::ios::binary);
        for (std::size_t nLine = 0; nLine < nPerFile && nFile * nPerFile + nLine < nMatches; ++nLine)
            out << "    int needle" << nLine << " = " << nLine << "; // some text after the match\n";
        request.m_files.push_back({strName, folder.PathOf(strName)});
    }
    CSearchOptions options;
    options.m_strPattern = "needle";
    std::string strError;
    std::unique_ptr<CSearchPattern> pPattern = CSearchPattern::Compile(options, strError);
    if (!pPattern)
        return 1;

    CFindResultsWindow window(nullptr);
    window.resize(900, 300);
    window.show();
    QElapsedTimer total;
    total.start();
    window.Start(std::make_unique<CSearchJob>(std::move(pPattern), std::move(request)), "bench");

    // A probe that runs whenever the event loop is free: the gaps between
    // its runs are the stretches the window kept the loop busy.
    std::vector<double> gaps;
    std::vector<double> cpuGaps;
    double dCpuBefore = ThreadCpuMs();
    QElapsedTimer gap;
    gap.start();
    QTimer probe;
    probe.setInterval(0);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        gaps.push_back(static_cast<double>(gap.nsecsElapsed()) / 1e6);
        gap.restart();
        const double dCpuNow = ThreadCpuMs();
        cpuGaps.push_back(dCpuNow - dCpuBefore);
        dCpuBefore = dCpuNow;
        if (!window.IsRunning())
            QApplication::quit();
    });
    probe.start();
    QApplication::exec();
    const double dTotalMs = static_cast<double>(total.nsecsElapsed()) / 1e6;

    // Next Result over the first thousand matches, repainting as it goes.
    QElapsedTimer stepping;
    stepping.start();
    for (int i = 0; i < 1000; ++i) {
        window.GoToNext(1);
        QCoreApplication::processEvents();
    }
    const double dStepMs = static_cast<double>(stepping.nsecsElapsed()) / 1e6 / 1000;

    // The first turn shows and paints the window for the first time.
    const double dFirstMs = gaps.empty() ? 0.0 : gaps.front();
    if (!gaps.empty()) {
        gaps.erase(gaps.begin());
        cpuGaps.erase(cpuGaps.begin());
    }
    std::sort(gaps.begin(), gaps.end());
    std::sort(cpuGaps.begin(), cpuGaps.end());
    const auto Percentile = [&](double dAt) { return gaps[static_cast<std::size_t>(dAt * (gaps.size() - 1))]; };
    std::printf("%zu matches in %zu lines (%s)\n", window.Results().HitCount(),
                static_cast<std::size_t>(window.ShownRows()), bOneFile ? "one file" : "100 per file");
    std::printf("all listed after %.0f ms; %zu event-loop turns\n", dTotalMs, gaps.size());
    std::printf("first turn (the window's first paint) %.1f ms\n", dFirstMs);
    std::printf("longest busy stretch after it %.1f ms, 99th percentile %.1f ms, median %.3f ms\n", gaps.back(),
                Percentile(0.99), Percentile(0.5));
    std::printf("longest busy stretch in the window's own CPU time %.1f ms\n", cpuGaps.empty() ? 0.0 : cpuGaps.back());
    std::printf("Next Result: %.3f ms a step\n", dStepMs);
    return 0;
}
