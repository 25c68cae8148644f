#include "cli/ProjectDumpCommand.h"

#include "cli/CliIo.h"
#include "cli/ProjectCommand.h"
#include "core/project/JprFormat.h"
#include "core/project/ProjectRecord.h"
#include "core/project/ProjectRecordDump.h"

#include <cstdio>

int CProjectDumpCommand::Run(const std::vector<std::string>& args)
{
    if (args.size() != 1 || args[0].starts_with("--")) {
        std::fprintf(stderr, "tarnwick-cli: dump needs exactly one project path\n");
        CProjectCommand::PrintUsage(false);
        return CProjectCommand::kExitUsage;
    }
    std::string strBytes;
    if (!CCliIo::ReadInputFile(args[0], strBytes))
        return CProjectCommand::kExitFailed;
    CProjectRecord record;
    std::string strError;
    if (!CJprFormat::ReadBytes(strBytes, record, strError)) {
        CCliIo::PrintError(args[0], strError);
        return CProjectCommand::kExitFailed;
    }
    return CCliIo::WriteOutput(CProjectRecordDump::Write(record)) ? CProjectCommand::kExitOk
                                                                  : CProjectCommand::kExitFailed;
}
