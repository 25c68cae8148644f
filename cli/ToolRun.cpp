#include "cli/ToolRun.h"

#include "core/io/JsonWriter.h"
#include "core/tools/CompilerMessagePlan.h"
#include "core/tools/ExternalProcess.h"
#include "core/tools/InputSender.h"
#include "core/tools/JavacDiagnostics.h"
#include "core/tools/ToolCommand.h"
#include "core/tools/ToolMessages.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <climits>
#include <poll.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
volatile std::sig_atomic_t s_nStopSignal = 0;

void OnStopSignal(int nSignal)
{
    s_nStopSignal = nSignal;
}

// Catches the signals that would end us while a tool runs, so the tool's
// group is stopped rather than left behind, and restores them afterwards.
// SIGPIPE is ignored: a closed output shows up as a failed write.
class CStopSignals {
public:
    CStopSignals()
    {
        s_nStopSignal = 0;
        struct sigaction action {};
        action.sa_handler = OnStopSignal;
        sigemptyset(&action.sa_mask);
        for (std::size_t nIndex = 0; nIndex < kCount; ++nIndex)
            sigaction(kSignals[nIndex], &action, &m_saved[nIndex]);
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        sigaction(SIGPIPE, &ignore, &m_savedPipe);
    }
    ~CStopSignals()
    {
        for (std::size_t nIndex = 0; nIndex < kCount; ++nIndex)
            sigaction(kSignals[nIndex], &m_saved[nIndex], nullptr);
        sigaction(SIGPIPE, &m_savedPipe, nullptr);
    }
    CStopSignals(const CStopSignals&) = delete;
    CStopSignals& operator=(const CStopSignals&) = delete;

    static bool Requested() { return s_nStopSignal != 0; }

private:
    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
    static constexpr std::size_t kCount = sizeof(kSignals) / sizeof(kSignals[0]);
    struct sigaction m_saved[kCount] {};
    struct sigaction m_savedPipe {};
};

// Writes all of text to standard output; false when it cannot. A reader
// that stops reading must not keep a stop signal from stopping the tool, so
// writes wait in poll, looking at the signal, and to a pipe, a socket or a
// terminal they are no longer than what poll promises goes without blocking.
bool WriteAll(CExternalProcess& runner, const char* pData, std::size_t nSize)
{
    constexpr int kPollMilliseconds = 50;
    static const std::size_t s_nMostPerWrite = [] {
        struct stat info {};
        const bool bMayBlock = ::fstat(STDOUT_FILENO, &info) != 0 || S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode) ||
                               S_ISCHR(info.st_mode);
        return bMayBlock ? std::size_t(PIPE_BUF) : std::size_t(1) << 20;
    }();
    while (nSize > 0) {
        if (CStopSignals::Requested())
            runner.Terminate(CExternalProcess::kUserStopCode);
        pollfd poller{STDOUT_FILENO, POLLOUT, 0};
        const int nReady = ::poll(&poller, 1, kPollMilliseconds);
        if (nReady == 0 || (nReady < 0 && errno == EINTR))
            continue;
        if (nReady < 0)
            return false;
        const ssize_t nWritten = ::write(STDOUT_FILENO, pData, std::min(nSize, s_nMostPerWrite));
        if (nWritten < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            return false;
        }
        pData += nWritten;
        nSize -= static_cast<std::size_t>(nWritten);
    }
    return true;
}

// Copies our standard input to the tool's input pipe as it comes, never
// blocking: the run's loop keeps copying the output and watching for Ctrl+C.
// A pipe rather than our own fd 0 handed down: the tool leads a process group
// of its own, so that a stop reaches all of it, and such a group reading the
// terminal would be stopped by SIGTTIN. We stay in the foreground and read.
class CInputFeeder {
public:
    explicit CInputFeeder(CExternalProcess& runner) : m_runner(runner), m_sender(runner) {}

    // Moves what is ready now; closes the tool's input after our end of input,
    // or when the tool no longer takes any (the rest is dropped). More is read
    // only once all read so far is written, so the tool's pace holds ours.
    void Pump()
    {
        constexpr std::size_t kMostPerRead = 65536;
        // Flush: whether some still waits for room in the pipe.
        while (m_sender.IsOpen() && !m_sender.Flush() && m_sender.IsOpen()) {
            pollfd poller{STDIN_FILENO, POLLIN, 0};
            if (::poll(&poller, 1, 0) <= 0)
                return;
            m_strRead.resize(kMostPerRead);
            const ssize_t nRead = ::read(STDIN_FILENO, m_strRead.data(), kMostPerRead);
            if (nRead > 0)
                m_sender.Send(std::string_view(m_strRead.data(), static_cast<std::size_t>(nRead)));
            else if (nRead == 0 || (errno != EINTR && errno != EAGAIN))
                m_sender.End();
        }
    }

    // Waits at most nMilliseconds for input to read or room to write it.
    void Wait(int nMilliseconds) const
    {
        const int nFd = m_runner.GetInputFd();
        if (nFd < 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(nMilliseconds));
            return;
        }
        pollfd poller = m_sender.Pending() > 0 ? pollfd{nFd, POLLOUT, 0} : pollfd{STDIN_FILENO, POLLIN, 0};
        ::poll(&poller, 1, nMilliseconds);
    }

private:
    CExternalProcess& m_runner;
    CInputSender m_sender;
    std::string m_strRead; // the read buffer
};

// javac's messages as JSON lines.
std::string DiagnosticLines(const std::vector<CJavacDiagnostic>& vecDiagnostics)
{
    std::string strLines;
    for (const CJavacDiagnostic& diagnostic : vecDiagnostics) {
        CJsonWriter writer(false);
        writer.BeginObject();
        writer.Key("file");
        writer.String(diagnostic.m_strFile);
        writer.Key("line");
        writer.Number(diagnostic.m_nLine);
        writer.Key("column");
        writer.Number(diagnostic.m_nColumn);
        writer.Key("kind");
        writer.String(CJavacDiagnostics::KindName(diagnostic.m_eKind));
        writer.Key("message");
        writer.String(diagnostic.m_strMessage);
        writer.EndObject();
        strLines += writer.Text() + "\n";
    }
    return strLines;
}

// The closing lines as the runner appends them (CR LF between), with LF.
std::string ClosingLines(const std::string& strFooter)
{
    std::string strOut;
    for (const char ch : strFooter)
        if (ch != '\r')
            strOut.push_back(ch);
    return strOut + "\n";
}
} // namespace

std::string CCliToolRun::PrintText(const CToolCommand& cmd)
{
    std::string strText = cmd.m_strProgram + "\n" + cmd.m_strFolder + "\n" + cmd.m_strCommandLine + "\n";
    for (const std::string& strWord : cmd.ExpandWords())
        strText += strWord + "\n";
    return strText;
}

int CCliToolRun::Run(const CToolCommand& cmd, std::size_t nOutputLimit)
{
    return Run(cmd, nOutputLimit, COptions());
}

int CCliToolRun::Run(const CToolCommand& cmd, std::size_t nOutputLimit, const COptions& options)
{
    // Copies of at most this much keep a fast tool's output moving in steps
    // while the reader thread goes on filling the buffer.
    constexpr std::size_t kMostPerCopy = 1 << 20;
    constexpr auto kIdlePause = std::chrono::milliseconds(10);

    CStopSignals signals;
    CExternalProcess runner;
    runner.KeepOutputBytes(true); // a terminal or a file takes the tool's own line ends
    runner.FeedInput(options.m_bPassInput);
    std::fflush(stdout);
    if (!runner.Start(cmd, nOutputLimit)) {
        std::fprintf(stderr, "%s\n", CToolMessages::kFailedToStart);
        return kExitNotStarted;
    }
    CInputFeeder feeder(runner);

    std::size_t nFrom = 0;
    std::size_t nDropped = 0;
    bool bOutputFailed = false;
    int nWriteError = 0;
    char chLast = '\n';
    for (;;) {
        if (CStopSignals::Requested())
            runner.Terminate(CExternalProcess::kUserStopCode);
        feeder.Pump();
        bool bRunning = true;
        std::size_t nStart = 0;
        const std::string strChunk = runner.GetOutputTail(nFrom, bRunning, kMostPerCopy, nStart);
        nDropped += nStart - nFrom;
        // The closing lines are written below, in our own line ends.
        const std::size_t nToolEnd = runner.GetToolOutputEnd();
        std::size_t nUsable = strChunk.size();
        if (nToolEnd != std::string::npos)
            nUsable = nToolEnd > nStart ? std::min(nUsable, nToolEnd - nStart) : 0;
        if (nUsable > 0 && !bOutputFailed) {
            chLast = strChunk[nUsable - 1];
            if (!WriteAll(runner, strChunk.data(), nUsable)) {
                // Nobody reads us any more: a tool left running would pour on for nothing.
                bOutputFailed = true;
                nWriteError = errno;
                runner.Terminate(CExternalProcess::kUserStopCode);
            }
        }
        nFrom = nStart + strChunk.size();
        if (!bRunning && strChunk.size() < kMostPerCopy)
            break;
        if (strChunk.empty())
            feeder.Wait(static_cast<int>(kIdlePause.count()));
    }

    if (nDropped > 0)
        std::fprintf(stderr, "tarnwick-cli: %zu bytes of the tool's output were dropped (the OUTPUTLIMITMB setting).\n",
                     nDropped);
    const CFinishedRun run = runner.TakeFinishedRun().value_or(CFinishedRun());
    if (!bOutputFailed) {
        // The closing lines start a line of their own even after output without a final LF.
        std::string strClosing = std::string(chLast == '\n' ? "" : "\n") + ClosingLines(run.m_strClosingLines);
        if (options.m_bDiagnostics) {
            std::size_t nLeftOut = 0;
            strClosing += DiagnosticLines(CCompilerMessagePlan::ReadMessages(run, nLeftOut));
            // Bytes the copy above never saw were named already.
            nLeftOut -= std::min(nLeftOut, nDropped);
            if (nLeftOut > 0)
                std::fprintf(stderr,
                             "tarnwick-cli: the diagnostics leave out the first %zu bytes of the tool's output (the "
                             "OUTPUTLIMITMB setting).\n",
                             nLeftOut);
        }
        bOutputFailed = !WriteAll(runner, strClosing.data(), strClosing.size());
        nWriteError = errno;
    }
    if (bOutputFailed) {
        std::fprintf(stderr, "tarnwick-cli: cannot write the output: %s.\n", std::strerror(nWriteError));
        return kExitErrors;
    }
    // The status follows the verdict the closing lines show.
    const std::optional<int> exitCode = run.m_exitCode;
    if (exitCode && *exitCode == 0)
        return kExitNoErrors;
    if (exitCode && *exitCode == CExternalProcess::kUserStopCode && CStopSignals::Requested())
        return kExitStopped;
    return kExitErrors;
}
