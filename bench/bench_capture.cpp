#include "core/tools/ExternalProcess.h"
#include "core/tools/OutputBuffer.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {
// 100 MB of compiler-like lines ending in LF, CR LF and lone CR in turn.
std::string MakeMixedOutput()
{
    const char* const lineEnds[] = {"\n", "\r\n", "\r"};
    std::string strOutput;
    strOutput.reserve((100u << 20) + 128);
    for (std::size_t nLine = 0; strOutput.size() < (100u << 20); ++nLine) {
        strOutput += "Hello.java:" + std::to_string(nLine) + ": error: cannot find symbol";
        strOutput += lineEnds[nLine % 3];
    }
    return strOutput;
}

double CpuSeconds(const rusage& usage)
{
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// CPU of "cat FILE > /dev/null" alone.
double CatToDevNullSeconds(const std::string& strFile)
{
    const pid_t pid = fork();
    if (pid == 0) {
        const int nNull = open("/dev/null", O_WRONLY);
        dup2(nNull, STDOUT_FILENO);
        execl("/bin/cat", "cat", strFile.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int nStatus = 0;
    rusage usage{};
    wait4(pid, &nStatus, 0, &usage);
    return CpuSeconds(usage);
}
} // namespace

// A tool writing 100 MB of mixed line ends, captured whole: CPU of this
// process (reader thread and appends) plus the tool's, against the tool
// writing to /dev/null.
static void BM_CaptureCat100MB(benchmark::State& state)
{
    char szFile[] = "/tmp/tarnwick-capture-XXXXXX";
    const int nFd = mkstemp(szFile);
    const std::string strOutput = MakeMixedOutput();
    if (nFd < 0 || write(nFd, strOutput.data(), strOutput.size()) != static_cast<ssize_t>(strOutput.size())) {
        state.SkipWithError("cannot write the tool's output file");
        return;
    }
    close(nFd);
    std::string strExpected;
    COutputBuffer::AppendNormalised(strExpected, strOutput.data(), strOutput.size());
    strExpected += "Exit code: 0\r\nNo Errors";

    CExternalProcess runner;
    double dCaptureCpu = 0;
    double dCatCpu = 0;
    for (auto _ : state) {
        dCatCpu += CatToDevNullSeconds(szFile);
        rusage selfBefore{};
        rusage childrenBefore{};
        getrusage(RUSAGE_SELF, &selfBefore);
        getrusage(RUSAGE_CHILDREN, &childrenBefore);
        // A limit that keeps it all: the whole output is compared below.
        if (!runner.Start("/bin/cat", {"cat", szFile}, "", strExpected.size())) {
            state.SkipWithError("cat did not start");
            break;
        }
        while (runner.IsRunning())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        rusage selfAfter{};
        rusage childrenAfter{};
        getrusage(RUSAGE_SELF, &selfAfter);
        getrusage(RUSAGE_CHILDREN, &childrenAfter);
        dCaptureCpu +=
            CpuSeconds(selfAfter) - CpuSeconds(selfBefore) + CpuSeconds(childrenAfter) - CpuSeconds(childrenBefore);
        if (runner.GetOutput() != strExpected) {
            state.SkipWithError("the captured output differs from the tool's");
            break;
        }
    }
    std::remove(szFile);
    const double dRuns = static_cast<double>(state.iterations());
    state.counters["capture_cpu_ms"] = dCaptureCpu / dRuns * 1e3;
    state.counters["cat_devnull_cpu_ms"] = dCatCpu / dRuns * 1e3;
    state.counters["cpu_ratio"] = dCatCpu > 0 ? dCaptureCpu / dCatCpu : 0;
}
BENCHMARK(BM_CaptureCat100MB)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
