#include "cli/ProjectDumpCommand.h"

#include "cli/CliArguments.h"
#include "cli/CliIo.h"
#include "cli/ProjectCommand.h"
#include "core/project/JprFormat.h"
#include "core/project/ProjectRecord.h"
#include "core/project/ProjectRecordDump.h"
#include "core/project/ProjectRecordJson.h"

#include <cstdio>

int CProjectDumpCommand::Run(const std::vector<std::string>& args)
{
    const CCliArguments arguments(args, {{"--help"}, {"--text"}});
    // Help wins wherever it stands; any other problem is told as a wrong count of paths.
    if (arguments.Has("--help")) {
        CProjectCommand::PrintUsage(true);
        return CCliIo::FlushOutput() ? CProjectCommand::kExitOk : CProjectCommand::kExitFailed;
    }
    const bool bText = arguments.Has("--text");
    const std::vector<std::string> paths = arguments.Positionals();
    if (paths.size() != 1 || arguments.FirstProblem()) {
        std::fprintf(stderr, "tarnwick-cli: dump needs exactly one project path\n");
        CProjectCommand::PrintUsage(false);
        return CProjectCommand::kExitUsage;
    }
    std::string strBytes;
    if (!CCliIo::ReadInputFile(paths[0], strBytes))
        return CProjectCommand::kExitFailed;
    CProjectRecord record;
    std::string strError;
    if (!CJprFormat::ReadBytes(strBytes, record, strError)) {
        std::fprintf(stderr, "%s\n", strError.c_str());
        return CProjectCommand::kExitFailed;
    }
    const std::string strListing = bText ? CProjectRecordDump::Write(record) : CProjectRecordJson::Write(record);
    return CCliIo::WriteOutput(strListing) ? CProjectCommand::kExitOk : CProjectCommand::kExitFailed;
}
