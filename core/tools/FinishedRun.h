#pragma once

#include "core/tools/ToolCommand.h"

#include <cstddef>
#include <optional>
#include <string>

// How a captured run ended, as its last line says.
enum class ERunVerdict {
    NoErrors,      // "No Errors": exit code 0
    Errors,        // "There were errors": any other code
    Stopped,       // "Process terminated by user.": the stop code
    StillActive,   // "Error - process still active!": the tool closed its output but ran on
    ProcessErrors, // "Warning! There were process errors": the exit code was lost
};

// A captured run once it is over, handed over by its runner in one piece:
// whoever acts on the end of a run (the compiler messages, a run waiting for
// a build, the command line) reads this, not the runner's output.
struct CFinishedRun {
    CToolCommand m_command;      // what ran
    std::string m_strToolOutput; // the tool's own output as kept, without the closing lines
    // Output dropped before m_strToolOutput's first byte (the output limit):
    // then the text starts part way into a line.
    std::size_t m_nDroppedBytes = 0;
    std::optional<int> m_exitCode; // the stop code when stopped; none when the code was lost
    // "Exit code: N" and the verdict as the runner appended them (CR LF
    // between), or the warning that stands for both.
    std::string m_strClosingLines;
    ERunVerdict m_eVerdict = ERunVerdict::ProcessErrors;
    bool m_bStopped = false; // a stop was asked for while it ran
};
