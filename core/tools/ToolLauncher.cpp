#include "core/tools/ToolLauncher.h"

#include "core/tools/ConsoleLauncher.h"

bool CToolLauncher::StartToolProcess(CExternalProcess& runner, const CToolCommand& cmd, std::size_t nOutputLimit)
{
    return runner.Start(cmd, nOutputLimit);
}

bool CToolLauncher::LaunchInConsole(const CToolCommand& cmd)
{
    return CConsoleLauncher::Launch(cmd);
}
