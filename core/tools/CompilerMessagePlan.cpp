#include "core/tools/CompilerMessagePlan.h"

#include "core/tools/DiagnosticsByFile.h"
#include "core/tools/JavacDiagnostics.h"

#include <string_view>

std::vector<CJavacDiagnostic> CCompilerMessagePlan::ReadMessages(const CFinishedRun& run, std::size_t& nLeftOut)
{
    std::string_view strOutput = run.m_strToolOutput;
    nLeftOut = run.m_nDroppedBytes;
    if (nLeftOut > 0) {
        const std::size_t nLineEnd = strOutput.find('\n');
        const std::size_t nCut = nLineEnd == std::string_view::npos ? strOutput.size() : nLineEnd + 1;
        strOutput.remove_prefix(nCut);
        nLeftOut += nCut;
    }
    return CJavacDiagnostics::Parse(strOutput, run.m_command.m_strFolder);
}

std::vector<CCompilerMessagePlan::CFileMessages> CCompilerMessagePlan::Make(const CFinishedRun& run,
                                                                            const std::vector<std::string>& vecOpenPaths)
{
    std::vector<CFileMessages> vecPlan;
    if (!run.m_command.m_bJavacMessages)
        return vecPlan;
    std::size_t nLeftOut = 0;
    const CDiagnosticsByFile byFile(ReadMessages(run, nLeftOut));
    const std::string& strCompiledFile = run.m_command.m_strCompiledFile;
    const std::string strCompiled = strCompiledFile.empty() ? std::string() : CDiagnosticsByFile::RealPath(strCompiledFile);
    for (std::size_t nIndex = 0; nIndex < vecOpenPaths.size(); ++nIndex) {
        const std::string& strPath = vecOpenPaths[nIndex];
        if (strPath.empty())
            continue;
        const std::vector<CJavacDiagnostic>* pMessages = byFile.Find(strPath);
        if (!pMessages && !strCompiled.empty() && CDiagnosticsByFile::RealPath(strPath) != strCompiled)
            continue; // a Compile of another file says nothing about this one
        vecPlan.push_back({nIndex, pMessages ? *pMessages : std::vector<CJavacDiagnostic>()});
    }
    return vecPlan;
}
