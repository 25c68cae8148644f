#pragma once

#include "core/tools/ExternalProcess.h"
#include "core/tools/ToolCommand.h"

// The two ways a project starts a JDK tool. The caller shows the messages:
// CToolMessages::kFailedToStart when StartToolProcess fails,
// kFailedToLaunch when LaunchInConsole fails.
class CToolLauncher {
public:
    // A captured run on runner keeping at most nOutputLimit bytes of
    // output; false when the runner is busy or the tool cannot start.
    static bool StartToolProcess(CExternalProcess& runner, const CToolCommand& cmd,
                                 std::size_t nOutputLimit = CExternalProcess::kDefaultOutputLimit);
    // A run in a terminal window of its own; nothing is captured or tracked.
    static bool LaunchInConsole(const CToolCommand& cmd);
};
