#pragma once

#include "core/tools/ExternalProcess.h"
#include "core/tools/ToolCommand.h"

#include <memory>

// The two ways a project starts a JDK tool. The caller shows the messages:
// CToolMessages::s_szFailedToStart when StartToolProcess gives nothing,
// s_szFailedToLaunch when LaunchInConsole fails.
class CToolLauncher {
public:
    // A captured run keeping at most nOutputLimit bytes of output; the
    // returned object goes to the process window.
    static std::unique_ptr<CExternalProcess> StartToolProcess(
        const CToolCommand& cmd, std::size_t nOutputLimit = CExternalProcess::s_nDefaultOutputLimit);
    // A run in a terminal window of its own; nothing is captured or tracked.
    static bool LaunchInConsole(const CToolCommand& cmd);
};
