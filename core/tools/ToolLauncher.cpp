#include "core/tools/ToolLauncher.h"

#include "core/tools/ConsoleLauncher.h"

std::unique_ptr<CExternalProcess> CToolLauncher::StartToolProcess(const CToolCommand& cmd, std::size_t nOutputLimit)
{
    auto pProcess = std::make_unique<CExternalProcess>();
    if (!pProcess->Start(cmd, nOutputLimit))
        return nullptr;
    return pProcess;
}

bool CToolLauncher::LaunchInConsole(const CToolCommand& cmd)
{
    return CConsoleLauncher::Launch(cmd);
}
