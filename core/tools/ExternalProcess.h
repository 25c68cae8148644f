#pragma once

#include "core/tools/FinishedRun.h"
#include "core/tools/OutputBuffer.h"
#include "core/tools/ToolCommand.h"

#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

// Runs captured tools, one at a time: a tool's standard output and error
// share one pipe, and a reader thread appends what it reads to the output
// text, then the exit code and a verdict line, and only then clears the
// running flag. Each runner has its own run, output and reader; the
// application keeps one for the IDE. Destroying a runner stops its tool's
// process group and waits for its reader, so neither outlives it.
class CExternalProcess {
public:
    static constexpr int kStillActive = 259; // reported when the tool closed its output but runs on
    static constexpr int kUserStopCode = 11; // the exit code the Stop button passes to Terminate
    // Large reads keep a tool writing hundreds of megabytes cheap to follow.
    static constexpr std::size_t kReadChunk = 65536;
    // Between the polite and the forced stop of the tool's process group.
    static constexpr std::chrono::milliseconds kKillGrace{500};
    // How long a tool that closed its output may take to exit before it is
    // reported as still active, and how long output may stay silent after
    // the tool has ended before the run is over though something it left
    // behind still holds the output open.
    static constexpr std::chrono::milliseconds kExitGrace{300};
    static constexpr std::size_t kDefaultOutputLimit = COutputBuffer::kDefaultLimit;

    // How a start asked for by a command went.
    enum class EStart {
        Started,
        StillRunning,   // another captured run still holds the runner
        NoAppletViewer, // the JDK is there but has no appletviewer (JDK 11 and later)
        Failed,         // it cannot start: a wrong JDK folder, a folder gone, no pipe
    };

    CExternalProcess();
    ~CExternalProcess();
    CExternalProcess(const CExternalProcess&) = delete;
    CExternalProcess& operator=(const CExternalProcess&) = delete;

    // Starts the tool (patterns expanded in its working folder) with the
    // output captured. False when this runner's tool still runs or the tool
    // cannot be started. The previous run's text is cleared unless the
    // refusal is because one still runs. At most nOutputLimit bytes of the
    // tool's output are kept, the newest; the closing lines come on top.
    bool Start(const CToolCommand& cmd, std::size_t nOutputLimit = kDefaultOutputLimit);
    bool Start(const std::string& strProgram, const std::vector<std::string>& vecArgs, const std::string& strFolder,
               std::size_t nOutputLimit = kDefaultOutputLimit);
    // Start, telling why not; CToolMessages::StartFailureText words it for
    // the user. A runner still busy is left as it is, and an appletviewer
    // the JDK lacks is not tried.
    EStart StartTool(const CToolCommand& cmd, std::size_t nOutputLimit = kDefaultOutputLimit);

    // Stops the running tool's whole process group (TERM, then KILL after
    // kKillGrace); the run then reports nExitCode. Nothing when idle, and a
    // second call while a stop is pending changes nothing. Once the tool has
    // ended the run is over, even if something it left behind in a session
    // of its own still holds the output open.
    void Terminate(int nExitCode);
    // Terminate, then waits until the run is over; false if it still is
    // after the timeout.
    bool TerminateAndWait(int nExitCode, std::chrono::milliseconds timeout = std::chrono::seconds(5));

    // Whether the next runs keep the tool's output as it wrote it (for the
    // command line) rather than with the window's line ends (every LF as
    // CR LF, zero bytes dropped, the default). False, changing nothing,
    // while a tool runs.
    bool KeepOutputBytes(bool bKeep);
    // Whether the next runs give the tool a pipe as its standard input, fed
    // by the caller through GetInputFd, rather than /dev/null (the
    // default). False, changing nothing, while a tool runs.
    bool FeedInput(bool bFeed);
    // The write end of this run's input pipe, non-blocking and owned by the
    // runner; -1 when the run has none or it was closed. Writes after the
    // tool has gone fail with EPIPE.
    int GetInputFd() const;
    // Ends the tool's input: it reads end of input after what was written.
    void CloseInput();
    // Adds what the user typed for the tool to the output, as a console
    // shows it: in order with the tool's own output and with the same line
    // ends. False, adding nothing, once the run's closing lines are due.
    bool EchoInput(std::string_view strText);

    bool IsRunning() const;
    // The last run's exit code (the stop code when it was stopped); none
    // while a tool runs, before the first run, or when the code was lost.
    std::optional<int> GetExitCode() const;
    // The output offset (dropped bytes counted) where the last run's closing
    // lines ("Exit code: N", the verdict) begin; npos until they are
    // appended. It is set before they are, so a copy that holds any of
    // them is followed by a call that answers the offset.
    std::size_t GetToolOutputEnd() const;
    std::string GetOutput() const;
    // The offset just past the output's last byte, dropped bytes counted.
    std::size_t GetOutputLength() const;
    // The output from offset nFrom on, at most nMaxBytes of it (see
    // COutputBuffer: offsets count dropped bytes too, and nStart receives
    // where the tail begins, past nFrom when the bytes there were dropped).
    // bStillRunning is read before the copy, so when it comes back false and
    // the tail is shorter than nMaxBytes, the tail is the last one.
    std::string GetOutputTail(std::size_t nFrom, bool& bStillRunning, std::size_t nMaxBytes = std::string::npos) const;
    std::string GetOutputTail(std::size_t nFrom, bool& bStillRunning, std::size_t nMaxBytes, std::size_t& nStart) const;

    // The last run, once it is over, in one piece: its tool output is read
    // out of the kept output here, once. None while a tool runs, before the
    // first run, or when this run was taken already.
    std::optional<CFinishedRun> TakeFinishedRun();

private:
    bool Launch(const CToolCommand& cmd, const std::vector<std::string>& vecArgs, std::size_t nOutputLimit);

    class CRunState;
    std::unique_ptr<CRunState> m_pState; // the run, its output and its reader
};
