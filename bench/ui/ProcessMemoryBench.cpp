// Runs a program that prints without end through the process window for a
// while and samples the resident memory of this process, which must stay
// bounded however much the program prints. The program is yes, faster than
// the window can follow, or with --paced a shell loop printing compiler-like
// lines at about 10 MB a second, which the window keeps up with.
//
//   build/bench/ui/tarnwick_process_memory_bench [SECONDS] [LIMIT_MB] [BOUND_MB] [--paced]
//
// Defaults: 60 s, the default output limit (64 MB), 200 MB. Exits 1 when the
// peak passes the bound.

#include "core/tools/ExternalProcess.h"
#include "tests/ui/support/AppFixture.h"
#include "ui/tools/ProcessWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

// VmRSS of this process in kB, 0 when unreadable.
static long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string strLine;
    while (std::getline(status, strLine))
        if (strLine.rfind("VmRSS:", 0) == 0)
            return std::atol(strLine.c_str() + 6);
    return 0;
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int nSeconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    const std::size_t nLimitMb = argc > 2 ? static_cast<std::size_t>(std::max(1, std::atoi(argv[2]))) : 64;
    const long nBoundMb = argc > 3 ? std::max(1, std::atoi(argv[3])) : 200;
    const bool bPaced = argc > 4 && std::string(argv[4]) == "--paced";
    const char* const szPaced = "seq -f 'Hello.java:%g: error: cannot find symbol' 1 25000 > lines.txt; "
                                "while :; do cat lines.txt; sleep 0.1; done";

    CAppFixture fixture;
    if (!fixture.Start({}, false))
        return 1;
    CExternalProcess runner;
    CProcessWindow window;
    window.SetOutputLimit(nLimitMb << 20);
    window.show();
    const long nStartKb = ResidentKilobytes();
    QTemporaryDir folder;
    const bool bStarted =
        bPaced
            ? runner.Start("/bin/sh", {"sh", "-c", szPaced}, folder.path().toStdString(), nLimitMb << 20)
            : runner.Start("/usr/bin/yes", {"yes", "Hello.java:12: error: cannot find symbol"}, "/tmp", nLimitMb << 20);
    if (!bStarted)
        return 1;
    window.Create(runner, nullptr);

    long nPeakKb = nStartKb;
    QElapsedTimer elapsed;
    elapsed.start();
    QTimer sampler;
    sampler.setInterval(100);
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        nPeakKb = std::max(nPeakKb, ResidentKilobytes());
        if (elapsed.elapsed() >= nSeconds * 1000LL)
            QApplication::quit();
    });
    sampler.start();
    QApplication::exec();
    const std::size_t nOutput = runner.GetOutput().size();
    const bool bStopped = runner.TerminateAndWait(CExternalProcess::kUserStopCode);

    std::printf("%s through the process window for %d s, output limit %zu MB\n", bPaced ? "a paced printer" : "yes",
                nSeconds, nLimitMb);
    std::printf("resident memory: %.1f MB at the start, peak %.1f MB (bound %ld MB); run output kept %.1f MB; "
                "window shows %lld characters\n",
                nStartKb / 1024.0, nPeakKb / 1024.0, nBoundMb, nOutput / 1048576.0,
                static_cast<long long>(window.OutputText().size()));
    std::printf("stop %s\n", bStopped ? "ended the run" : "did NOT end the run");
    return nPeakKb <= nBoundMb * 1024 && bStopped ? 0 : 1;
}
