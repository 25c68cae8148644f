#include "core/tools/ToolLauncher.h"

#include "core/tools/ProcessSpawner.h"
#include "core/tools/ToolMessages.h"
#include "core/tools/ToolPath.h"

// The JDK tool a command runs: its program's file name without the suffix.
static std::string ToolName(const CToolCommand& cmd)
{
    std::string strName = CToolPath::FileNameOf(cmd.m_strProgram);
    const std::string strSuffix = CToolPath::kExeSuffix;
    if (!strSuffix.empty() && strName.ends_with(strSuffix))
        strName.resize(strName.size() - strSuffix.size());
    return strName;
}

// appletviewer is missing from a folder that holds the JDK's compiler: the
// JDK is right, only too new.
static bool LacksAppletViewer(const CToolCommand& cmd)
{
    return ToolName(cmd) == "appletviewer" && !CProcessSpawner::IsExecutableFile(cmd.m_strProgram) &&
           CProcessSpawner::IsExecutableFile(CToolPath::Join(CToolPath::FolderOf(cmd.m_strProgram),
                                                             std::string("javac") + CToolPath::kExeSuffix));
}

CToolLauncher::EStart CToolLauncher::StartToolProcess(CExternalProcess& runner, const CToolCommand& cmd,
                                                      std::size_t nOutputLimit)
{
    // Captured runs are started from one thread only, so a runner seen idle
    // here is still idle when Start takes it.
    if (runner.IsRunning())
        return EStart::StillRunning;
    if (LacksAppletViewer(cmd))
        return EStart::NoAppletViewer;
    return runner.Start(cmd, nOutputLimit) ? EStart::Started : EStart::Failed;
}

std::string CToolLauncher::StartFailureText(EStart eStart, const CToolCommand& cmd)
{
    if (eStart == EStart::NoAppletViewer)
        return CToolMessages::kNoAppletViewer;
    if (eStart != EStart::StillRunning)
        return CToolMessages::kFailedToStart;
    const std::string strTool = ToolName(cmd);
    if (strTool == "javac")
        return cmd.m_strCompiledFile.empty() ? CToolMessages::kStillRunningBuild : CToolMessages::kStillRunningCompile;
    if (strTool == "java")
        return CToolMessages::kStillRunningRun;
    if (strTool == "appletviewer")
        return CToolMessages::kStillRunningApplet;
    if (strTool == "jar") {
        const std::vector<std::string>& words = cmd.GetWords();
        return words.size() > 1 && words[1] == "tvf" ? CToolMessages::kStillRunningListArchive
                                                     : CToolMessages::kStillRunningCreateJar;
    }
    return CToolMessages::kStillRunningOther;
}

CConsoleLauncher::ELaunch CToolLauncher::LaunchInConsole(const CToolCommand& cmd)
{
    return CConsoleLauncher::Launch(cmd);
}

std::string CToolLauncher::ConsoleFailureText(CConsoleLauncher::ELaunch eLaunch)
{
    // Java was found when only the terminal is missing.
    if (eLaunch == CConsoleLauncher::ELaunch::NoTerminal)
        return CConsoleLauncher::NoTerminalText();
    return CToolMessages::kCouldNotLocateJava;
}
