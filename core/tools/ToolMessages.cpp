#include "core/tools/ToolMessages.h"

#include "core/tools/ToolCommand.h"
#include "core/tools/ToolPath.h"

std::string CToolMessages::StartFailureText(CExternalProcess::EStart eStart, const CToolCommand& cmd)
{
    using EStart = CExternalProcess::EStart;
    if (eStart == EStart::NoAppletViewer)
        return kNoAppletViewer;
    if (eStart != EStart::StillRunning)
        return kFailedToStart;
    const std::string strTool = CToolPath::ToolName(cmd.m_strProgram);
    if (strTool == "javac")
        return cmd.m_strCompiledFile.empty() ? kStillRunningBuild : kStillRunningCompile;
    if (strTool == "java")
        return kStillRunningRun;
    if (strTool == "appletviewer")
        return kStillRunningApplet;
    if (strTool == "jar") {
        const std::vector<std::string>& words = cmd.GetWords();
        return words.size() > 1 && words[1] == "tvf" ? kStillRunningListArchive : kStillRunningCreateJar;
    }
    return kStillRunningOther;
}
