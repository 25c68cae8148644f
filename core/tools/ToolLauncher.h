#pragma once

#include "core/tools/ConsoleLauncher.h"
#include "core/tools/ExternalProcess.h"
#include "core/tools/ToolCommand.h"

#include <string>

// The two ways a project starts a JDK tool, and what to tell the user when
// one fails; the caller shows it.
class CToolLauncher {
public:
    enum class EStart {
        Started,
        StillRunning,   // another captured run still holds the runner
        NoAppletViewer, // the JDK is there but has no appletviewer (JDK 11 and later)
        Failed,         // it cannot start: a wrong JDK folder, a folder gone, no pipe
    };

    // A captured run on runner keeping at most nOutputLimit bytes of output.
    static EStart StartToolProcess(CExternalProcess& runner, const CToolCommand& cmd,
                                   std::size_t nOutputLimit = CExternalProcess::kDefaultOutputLimit);
    // The message for a start that failed: for StillRunning the sentence of
    // the command that waits (Build, Compile, Run, Run Applet, Create Jar,
    // Show Archive Contents), else kNoAppletViewer or kFailedToStart.
    static std::string StartFailureText(EStart eStart, const CToolCommand& cmd);

    // A run in a terminal window of its own; nothing is captured or tracked.
    static CConsoleLauncher::ELaunch LaunchInConsole(const CToolCommand& cmd);
    // What follows kFailedToLaunch when a launch failed: the terminals tried
    // and how to name one when none was found, else kCouldNotLocateJava.
    static std::string ConsoleFailureText(CConsoleLauncher::ELaunch eLaunch);
};
