#pragma once

#include "core/tools/OutputBuffer.h"
#include "core/tools/ToolCommand.h"

#include <chrono>
#include <cstddef>
#include <string>
#include <sys/types.h>
#include <vector>

// A captured tool run. The run state is one for the whole program: at most
// one captured tool runs at a time, its standard output and error share one
// pipe, and a reader thread appends what it reads to the output text, then
// the exit code and a verdict line, and only then clears the running flag.
// Objects carry no data; holding one is what lets the process window stop
// the run. Deleting one does not stop the tool.
class CExternalProcess {
public:
    static constexpr int s_nStillActive = 259;  // reported when the tool closed its output but runs on
    static constexpr int s_nUserStopCode = 11;  // the exit code the Stop button passes to Terminate
    // Large reads keep a tool writing hundreds of megabytes cheap to follow.
    static constexpr std::size_t s_nReadChunk = 65536;
    // Between the polite and the forced stop of the tool's process group.
    static constexpr std::chrono::milliseconds s_killGrace { 500 };
    // How long a tool that closed its output may take to exit before it is
    // reported as still active, and how long output may stay silent after
    // the tool has ended before the run is over though something it left
    // behind still holds the output open.
    static constexpr std::chrono::milliseconds s_exitGrace { 300 };
    static constexpr std::size_t s_nDefaultOutputLimit = COutputBuffer::s_nDefaultLimit;

    CExternalProcess() = default;
    virtual ~CExternalProcess();
    CExternalProcess(const CExternalProcess&) = delete;
    CExternalProcess& operator=(const CExternalProcess&) = delete;

    // Starts the tool (patterns expanded in its working folder) with the
    // output captured. False when a captured tool still runs or the tool
    // cannot be started. The previous run's text is cleared unless the
    // refusal is because one still runs. At most nOutputLimit bytes of the
    // output are kept, the newest.
    static bool Start(const CToolCommand& cmd, std::size_t nOutputLimit = s_nDefaultOutputLimit);
    static bool Start(const std::string& strProgram, const std::vector<std::string>& vecArgs,
                      const std::string& strFolder, std::size_t nOutputLimit = s_nDefaultOutputLimit);

    // Stops the running tool's whole process group (TERM, then KILL after
    // s_killGrace); the run then reports nExitCode. Nothing when idle, and a
    // second call while a stop is pending changes nothing. Once the tool has
    // ended the run is over, even if something it left behind in a session
    // of its own still holds the output open.
    static void Terminate(int nExitCode);
    // Terminate, then waits until the run is over; false if it still is
    // after the timeout.
    static bool TerminateAndWait(int nExitCode, std::chrono::milliseconds timeout = std::chrono::seconds(5));

    static bool IsRunning();
    static std::string GetOutput();
    // The offset just past the output's last byte, dropped bytes counted.
    static std::size_t GetOutputLength();
    // The output from offset nFrom on, at most nMaxBytes of it (see
    // COutputBuffer: offsets count dropped bytes too, and nStart receives
    // where the tail begins, past nFrom when the bytes there were dropped).
    // bStillRunning is read before the copy, so when it comes back false and
    // the tail is shorter than nMaxBytes, the tail is the last one.
    static std::string GetOutputTail(std::size_t nFrom, bool& bStillRunning,
                                     std::size_t nMaxBytes = std::string::npos);
    static std::string GetOutputTail(std::size_t nFrom, bool& bStillRunning, std::size_t nMaxBytes,
                                     std::size_t& nStart);

private:
    class CRunState;
    static CRunState& State();
    static void ReadOutput(int nFd, pid_t pid);
    static void ReadWhatIsThere(int nFd);
    static bool WaitForExit(pid_t pid, int& nExitCode);
};
