#pragma once

#include <cstddef>
#include <string>

class CToolCommand;

// Runs one JDK tool command for the command line as the IDE's process window
// does, on a runner of its own: the tool's output (standard output and error
// together) is copied to our standard output as it arrives, then the run's
// closing lines, "Exit code: N" and the verdict, each ended by LF.
// Ctrl+C (and SIGTERM, SIGHUP) stops the tool's whole process group; the
// verdict is then "Process terminated by user.".
class CCliToolRun {
public:
    static constexpr int kExitNoErrors = 0;   // the verdict is "No Errors"
    static constexpr int kExitErrors = 1;     // any other verdict, or our output failed
    static constexpr int kExitNotStarted = 2; // "Failed to start process"
    static constexpr int kExitStopped = 130;  // stopped by Ctrl+C or a signal, as shells report SIGINT

    struct COptions {
        // After the closing lines, javac's messages in the tool's output, one
        // JSON object a line: file (absolute), line, column, kind, message.
        bool m_bDiagnostics = false;
        // The tool reads our standard input, as we read it, rather than an
        // empty one.
        bool m_bPassInput = false;
    };

    static int Run(const CToolCommand& cmd, std::size_t nOutputLimit);
    static int Run(const CToolCommand& cmd, std::size_t nOutputLimit, const COptions& options);

    // What Run would start, one item per line: the program, the working
    // folder, the command-line text, then each argv word (file patterns
    // matched in the folder now), bytes as they are.
    static std::string PrintText(const CToolCommand& cmd);
};
