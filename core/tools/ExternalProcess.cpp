#include "core/tools/ExternalProcess.h"

#include "core/tools/OutputBuffer.h"
#include "core/tools/ProcessSpawner.h"
#include "core/tools/ToolPath.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>

using CSteadyClock = std::chrono::steady_clock;

// How often a reader blocked on a silent tool looks at a pending stop.
static constexpr int kPollMilliseconds = 50;
static constexpr std::chrono::milliseconds kExitPollInterval{2};

class CExternalProcess::CRunState {
public:
    std::atomic<bool> m_bRunning{false};
    COutputBuffer m_output;
    // Where the closing lines begin, and the tool's exit code; set by the
    // reader before it clears the running flag.
    std::atomic<std::size_t> m_nToolOutputEnd{std::string::npos};
    std::atomic<int> m_nExitCode{0};
    std::atomic<bool> m_bHaveExitCode{false};
    bool m_bKeepBytes = false; // set only while no reader runs
    bool m_bFeedInput = false;  // likewise
    // The run's command and, once it is over, its verdict; the command is
    // set and read by the owner only, the rest by the reader before it
    // clears the running flag.
    CToolCommand m_command;
    ERunVerdict m_eVerdict = ERunVerdict::ProcessErrors;
    bool m_bStopped = false;
    bool m_bFinishedTaken = true; // nothing to take before the first run
    std::size_t m_nToolDropped = 0; // of the tool's output, before the closing lines
    std::string m_strPushedOut;     // the tool's bytes the closing lines pushed out
    int m_nInputFd = -1;        // the caller's end of the tool's input; used by the owner only

    // The tool's bytes, as the run keeps them.
    void AppendOutput(const char* pData, std::size_t nLength)
    {
        if (m_bKeepBytes)
            m_output.AppendText(std::string_view(pData, nLength));
        else
            m_output.AppendChunk(pData, nLength);
    }
    std::thread m_threadReader;

    // Guards the process fields. The pid is reaped only under it, so a signal
    // sent under it can never reach a recycled process group.
    std::mutex m_mtxProcess;
    pid_t m_pid = 0; // 0 once reaped or given up
    bool m_bStopRequested = false;
    bool m_bOutputClosing = false; // the closing lines are due: no more echoes
    bool m_bKillSent = false;
    int m_nStopCode = 0;
    CSteadyClock::time_point m_tpKillAt;

    // Caller holds m_mtxProcess.
    void KillIfDue(CSteadyClock::time_point tpNow)
    {
        if (m_bStopRequested && !m_bKillSent && m_pid > 0 && tpNow >= m_tpKillAt) {
            kill(-m_pid, SIGKILL);
            m_bKillSent = true;
        }
    }

    // The reader thread's work.
    void ReadOutput(int nFd, pid_t pid);
    void ReadWhatIsThere(int nFd);
    bool WaitForExit(pid_t pid, int& nExitCode);
};

CExternalProcess::CExternalProcess() : m_pState(std::make_unique<CRunState>()) {}

CExternalProcess::~CExternalProcess()
{
    // A stopped tool is killed after kKillGrace at the latest, and once it
    // has ended the reader finishes even if something it left behind holds
    // the output: this waits about that long at most.
    Terminate(kUserStopCode);
    if (m_pState->m_threadReader.joinable())
        m_pState->m_threadReader.join();
    CloseInput();
}

// A pipe for the tool's input: the tool's end above fd 2 (so the output's
// copies onto 1 and 2 cannot replace it), ours non-blocking. False when
// there is none.
static bool OpenInputPipe(int& nToolEnd, int& nOurEnd)
{
    int nPipe[2];
    if (pipe2(nPipe, O_CLOEXEC) != 0)
        return false;
    if (nPipe[0] <= STDERR_FILENO) {
        const int nMoved = fcntl(nPipe[0], F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
        close(nPipe[0]);
        nPipe[0] = nMoved;
    }
    if (nPipe[0] < 0 || fcntl(nPipe[1], F_SETFL, O_NONBLOCK) != 0) {
        if (nPipe[0] >= 0)
            close(nPipe[0]);
        close(nPipe[1]);
        return false;
    }
    nToolEnd = nPipe[0];
    nOurEnd = nPipe[1];
    return true;
}

bool CExternalProcess::Start(const CToolCommand& cmd, std::size_t nOutputLimit)
{
    return Launch(cmd, cmd.ExpandWords(), nOutputLimit);
}

bool CExternalProcess::Start(const std::string& strProgram, const std::vector<std::string>& vecArgs,
                             const std::string& strFolder, std::size_t nOutputLimit)
{
    CToolCommand cmd;
    cmd.m_strProgram = strProgram;
    cmd.m_strFolder = strFolder;
    for (const std::string& strArg : vecArgs)
        cmd.AddWord(strArg);
    return Launch(cmd, vecArgs, nOutputLimit);
}

// appletviewer is missing from a folder that holds the JDK's compiler: the
// JDK is right, only too new.
static bool LacksAppletViewer(const CToolCommand& cmd)
{
    return CToolPath::ToolName(cmd.m_strProgram) == "appletviewer" && !CProcessSpawner::IsExecutableFile(cmd.m_strProgram) &&
           CProcessSpawner::IsExecutableFile(CToolPath::Join(CToolPath::FolderOf(cmd.m_strProgram),
                                                             std::string("javac") + CToolPath::kExeSuffix));
}

CExternalProcess::EStart CExternalProcess::StartTool(const CToolCommand& cmd, std::size_t nOutputLimit)
{
    // Captured runs are started from one thread only, so a runner seen idle
    // here is still idle when Start takes it.
    if (IsRunning())
        return EStart::StillRunning;
    if (LacksAppletViewer(cmd))
        return EStart::NoAppletViewer;
    return Start(cmd, nOutputLimit) ? EStart::Started : EStart::Failed;
}

bool CExternalProcess::Launch(const CToolCommand& cmd, const std::vector<std::string>& vecArgs,
                              std::size_t nOutputLimit)
{
    const std::string& strProgram = cmd.m_strProgram;
    const std::string& strFolder = cmd.m_strFolder;
    CRunState& state = *m_pState;
    bool bIdle = false;
    if (!state.m_bRunning.compare_exchange_strong(bIdle, true))
        return false;
    // The flag was clear, so the previous reader has made its last append.
    if (state.m_threadReader.joinable())
        state.m_threadReader.join();
    state.m_command = cmd;
    state.m_bFinishedTaken = false;
    state.m_output.Clear();
    state.m_output.SetLimit(nOutputLimit);
    state.m_nToolOutputEnd.store(std::string::npos);
    state.m_bHaveExitCode.store(false);

    CloseInput();

    int nPipe[2];
    if (pipe2(nPipe, O_CLOEXEC) != 0) {
        state.m_bRunning.store(false);
        return false;
    }
    int nInputToolEnd = -1;
    if (state.m_bFeedInput && !OpenInputPipe(nInputToolEnd, state.m_nInputFd)) {
        close(nPipe[0]);
        close(nPipe[1]);
        state.m_bRunning.store(false);
        return false;
    }
    pid_t pid = 0;
    const bool bSpawned =
        CProcessSpawner::Spawn(strProgram, vecArgs, strFolder, nPipe[1], false, pid, nInputToolEnd);
    close(nPipe[1]); // the tool holds its own copy; end of file comes when it lets go
    if (nInputToolEnd >= 0)
        close(nInputToolEnd);
    if (!bSpawned) {
        close(nPipe[0]);
        CloseInput();
        state.m_bRunning.store(false);
        return false;
    }
    {
        std::lock_guard<std::mutex> lock(state.m_mtxProcess);
        state.m_pid = pid;
        state.m_bStopRequested = false;
        state.m_bKillSent = false;
        state.m_nStopCode = 0;
        state.m_bOutputClosing = false;
    }
    try {
        state.m_threadReader = std::thread(&CRunState::ReadOutput, &state, nPipe[0], pid);
    } catch (const std::system_error&) {
        // Nobody would drain the pipe or report the end: do not leave the tool behind.
        std::lock_guard<std::mutex> lock(state.m_mtxProcess);
        kill(-pid, SIGKILL);
        close(nPipe[0]);
        CloseInput();
        CProcessSpawner::ReapInBackground(pid);
        state.m_pid = 0;
        state.m_bRunning.store(false);
        return false;
    }
    return true;
}

void CExternalProcess::Terminate(int nExitCode)
{
    CRunState& state = *m_pState;
    std::lock_guard<std::mutex> lock(state.m_mtxProcess);
    if (!state.m_bRunning.load() || state.m_pid <= 0 || state.m_bStopRequested)
        return;
    // The whole group: javac or a script may have children holding the pipe.
    if (kill(-state.m_pid, SIGTERM) != 0)
        return;
    state.m_bStopRequested = true;
    state.m_nStopCode = nExitCode;
    state.m_tpKillAt = CSteadyClock::now() + kKillGrace;
}

bool CExternalProcess::TerminateAndWait(int nExitCode, std::chrono::milliseconds timeout)
{
    Terminate(nExitCode);
    const CSteadyClock::time_point tpGiveUp = CSteadyClock::now() + timeout;
    while (IsRunning()) {
        if (CSteadyClock::now() >= tpGiveUp)
            return false;
        std::this_thread::sleep_for(kExitPollInterval);
    }
    return true;
}

std::optional<CFinishedRun> CExternalProcess::TakeFinishedRun()
{
    CRunState& state = *m_pState;
    if (IsRunning() || state.m_bFinishedTaken)
        return std::nullopt;
    state.m_bFinishedTaken = true;
    CFinishedRun run;
    run.m_command = state.m_command;
    const std::size_t nToolEnd = state.m_nToolOutputEnd.load();
    std::size_t nStart = 0;
    std::string strOutput = state.m_output.CopyFrom(0, std::string::npos, nStart);
    const std::size_t nToolBytes = nToolEnd > nStart ? std::min(nToolEnd - nStart, strOutput.size()) : 0;
    run.m_strClosingLines = strOutput.substr(nToolBytes);
    strOutput.resize(nToolBytes);
    run.m_strToolOutput = state.m_strPushedOut.empty() ? std::move(strOutput) : state.m_strPushedOut + strOutput;
    run.m_nDroppedBytes = state.m_nToolDropped;
    run.m_exitCode = GetExitCode();
    run.m_eVerdict = state.m_eVerdict;
    run.m_bStopped = state.m_bStopped;
    return run;
}

bool CExternalProcess::IsRunning() const
{
    return m_pState->m_bRunning.load(std::memory_order_acquire);
}

bool CExternalProcess::KeepOutputBytes(bool bKeep)
{
    if (IsRunning())
        return false;
    // The flag is clear, so the previous reader has made its last append.
    if (m_pState->m_threadReader.joinable())
        m_pState->m_threadReader.join();
    m_pState->m_bKeepBytes = bKeep;
    return true;
}

bool CExternalProcess::FeedInput(bool bFeed)
{
    if (IsRunning())
        return false;
    m_pState->m_bFeedInput = bFeed;
    return true;
}

int CExternalProcess::GetInputFd() const
{
    return m_pState->m_nInputFd;
}

void CExternalProcess::CloseInput()
{
    if (m_pState->m_nInputFd >= 0) {
        close(m_pState->m_nInputFd);
        m_pState->m_nInputFd = -1;
    }
}

bool CExternalProcess::EchoInput(std::string_view strText)
{
    CRunState& state = *m_pState;
    std::lock_guard<std::mutex> lock(state.m_mtxProcess);
    if (!state.m_bRunning.load() || state.m_bOutputClosing)
        return false;
    state.AppendOutput(strText.data(), strText.size());
    return true;
}

std::optional<int> CExternalProcess::GetExitCode() const
{
    if (IsRunning() || !m_pState->m_bHaveExitCode.load())
        return std::nullopt;
    return m_pState->m_nExitCode.load();
}

std::size_t CExternalProcess::GetToolOutputEnd() const
{
    return m_pState->m_nToolOutputEnd.load();
}

std::string CExternalProcess::GetOutput() const
{
    return m_pState->m_output.Copy();
}

std::size_t CExternalProcess::GetOutputLength() const
{
    return m_pState->m_output.Length();
}

std::string CExternalProcess::GetOutputTail(std::size_t nFrom, bool& bStillRunning, std::size_t nMaxBytes) const
{
    std::size_t nStart = 0;
    return GetOutputTail(nFrom, bStillRunning, nMaxBytes, nStart);
}

std::string CExternalProcess::GetOutputTail(std::size_t nFrom, bool& bStillRunning, std::size_t nMaxBytes,
                                            std::size_t& nStart) const
{
    bStillRunning = IsRunning();
    return m_pState->m_output.CopyFrom(nFrom, nMaxBytes, nStart);
}

static ERunVerdict VerdictFor(int nExitCode)
{
    if (nExitCode == 0)
        return ERunVerdict::NoErrors;
    if (nExitCode == CExternalProcess::kUserStopCode)
        return ERunVerdict::Stopped;
    if (nExitCode == CExternalProcess::kStillActive)
        return ERunVerdict::StillActive;
    return ERunVerdict::Errors;
}

static const char* VerdictText(ERunVerdict eVerdict)
{
    switch (eVerdict) {
    case ERunVerdict::NoErrors: return "\r\nNo Errors";
    case ERunVerdict::Stopped: return "\r\nProcess terminated by user.";
    case ERunVerdict::StillActive: return "\r\nError - process still active!";
    case ERunVerdict::Errors: return "\r\nThere were errors";
    case ERunVerdict::ProcessErrors: break;
    }
    return "Warning! There were process errors";
}

// A tool killed by a signal reports 128 + the signal, as shells do.
static int ExitCodeFromStatus(int nStatus)
{
    if (WIFEXITED(nStatus))
        return WEXITSTATUS(nStatus);
    if (WIFSIGNALED(nStatus))
        return 128 + WTERMSIG(nStatus);
    return -1;
}

// True once the tool has ended, without reaping it.
static bool ToolHasEnded(pid_t pid)
{
    siginfo_t info{};
    if (waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0)
        return errno != EINTR; // no such child: the system reaped it
    return info.si_pid == pid;
}

void CExternalProcess::CRunState::ReadOutput(int nFd, pid_t pid)
{
    CRunState& state = *this;
    char buffer[kReadChunk + 2];
    bool bToolEnded = false;
    // The last output, or the moment the tool was seen to have ended.
    CSteadyClock::time_point tpLastNews = CSteadyClock::now();
    for (;;) {
        pollfd poller{nFd, POLLIN, 0};
        const int nReady = poll(&poller, 1, kPollMilliseconds);
        if (nReady < 0 && errno != EINTR)
            break;
        const CSteadyClock::time_point tpNow = CSteadyClock::now();
        bool bStopped = false;
        {
            std::lock_guard<std::mutex> lock(state.m_mtxProcess);
            state.KillIfDue(tpNow);
            bStopped = state.m_bStopRequested;
        }
        if (nReady > 0) {
            const ssize_t nRead = read(nFd, buffer, kReadChunk);
            if (nRead == 0 || (nRead < 0 && errno != EINTR && errno != EAGAIN))
                break; // every writer has closed the pipe
            if (nRead > 0) {
                state.AppendOutput(buffer, static_cast<std::size_t>(nRead));
                tpLastNews = tpNow;
            }
            // A stopped tool's leftovers may write without pause: look at the tool all the same.
            if (!bStopped)
                continue;
        }
        // The output is still open, yet the tool may be gone: a process it
        // left in a session of its own (out of reach of a stop) can hold it
        // for ever. After a stop that ends the run at once; otherwise once
        // the output has been silent for a while.
        if (!bToolEnded && ToolHasEnded(pid)) {
            bToolEnded = true;
            tpLastNews = tpNow;
        }
        if (bToolEnded && (bStopped || tpNow - tpLastNews >= kExitGrace)) {
            ReadWhatIsThere(nFd);
            break;
        }
    }
    close(nFd);

    int nExitCode = 0;
    const bool bReaped = WaitForExit(pid, nExitCode);
    state.m_nExitCode.store(nExitCode);
    state.m_bHaveExitCode.store(bReaped);
    {
        // An echo is either all in before the closing lines or refused.
        std::lock_guard<std::mutex> lock(state.m_mtxProcess);
        state.m_bOutputClosing = true;
        state.m_bStopped = state.m_bStopRequested;
    }
    state.m_eVerdict = bReaped ? VerdictFor(nExitCode) : ERunVerdict::ProcessErrors;
    const std::string strClosing =
        (bReaped ? "Exit code: " + std::to_string(nExitCode) : std::string()) + VerdictText(state.m_eVerdict);
    const std::size_t nToolEnd = state.m_output.Length();
    state.m_nToolOutputEnd.store(nToolEnd);
    // The closing lines may push the oldest kept bytes out; the finished run
    // keeps those, so it holds as much of the tool's output as was kept.
    state.m_nToolDropped = state.m_output.DroppedLength();
    std::string strOldest = state.m_output.CopyFrom(state.m_nToolDropped, strClosing.size());
    state.m_output.AppendText(strClosing);
    strOldest.resize(std::min(strOldest.size(), state.m_output.DroppedLength() - state.m_nToolDropped));
    state.m_strPushedOut = std::move(strOldest);
    state.m_bRunning.store(false, std::memory_order_release);
}

void CExternalProcess::CRunState::ReadWhatIsThere(int nFd)
{
    // Bounded: whatever holds the pipe may never stop writing.
    constexpr int nMostReads = 16;
    char buffer[kReadChunk];
    for (int nRead = 0; nRead < nMostReads; ++nRead) {
        pollfd poller{nFd, POLLIN, 0};
        if (poll(&poller, 1, 0) <= 0)
            return;
        const ssize_t nBytes = read(nFd, buffer, sizeof(buffer));
        if (nBytes <= 0)
            return;
        AppendOutput(buffer, static_cast<std::size_t>(nBytes));
    }
}

bool CExternalProcess::CRunState::WaitForExit(pid_t pid, int& nExitCode)
{
    // The output closes a moment before the tool can be reaped, so give it a
    // short while before calling it still active.
    CRunState& state = *this;
    CSteadyClock::time_point tpGiveUp = CSteadyClock::now() + kExitGrace;
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(state.m_mtxProcess);
            int nStatus = 0;
            const pid_t pidDone = waitpid(pid, &nStatus, WNOHANG);
            if (pidDone == pid) {
                state.m_pid = 0;
                nExitCode = state.m_bStopRequested ? state.m_nStopCode : ExitCodeFromStatus(nStatus);
                return true;
            }
            if (pidDone < 0 && errno != EINTR) {
                state.m_pid = 0; // someone else reaped it: the code is gone
                return false;
            }
            const CSteadyClock::time_point tpNow = CSteadyClock::now();
            if (state.m_bStopRequested && !state.m_bKillSent) {
                // A stopped tool that closed its output still gets its KILL.
                state.KillIfDue(tpNow);
                if (state.m_bKillSent)
                    tpGiveUp = tpNow + kExitGrace;
            } else if (tpNow >= tpGiveUp) {
                state.m_pid = 0;
                break;
            }
        }
        std::this_thread::sleep_for(kExitPollInterval);
    }
    CProcessSpawner::ReapInBackground(pid);
    nExitCode = kStillActive;
    return true;
}
