#include "core/tools/ConsoleLauncher.h"

#include "core/tools/ProcessSpawner.h"
#include "core/tools/ToolMessages.h"
#include "core/tools/ToolPath.h"

#include <cstdlib>

// A name with a slash is a path; otherwise the first executable match on PATH.
static std::string ResolveExecutable(const std::string& strName)
{
    if (strName.find('/') != std::string::npos)
        return CProcessSpawner::IsExecutableFile(strName) ? strName : std::string();
    const char* szPath = std::getenv("PATH");
    const std::string strPath = szPath != nullptr ? szPath : "/usr/local/bin:/usr/bin:/bin";
    std::size_t nFrom = 0;
    for (;;) {
        const std::size_t nColon = strPath.find(':', nFrom);
        std::string strCandidate =
            strPath.substr(nFrom, nColon == std::string::npos ? std::string::npos : nColon - nFrom);
        if (strCandidate.empty())
            strCandidate.push_back('.'); // an empty PATH entry is the current folder
        strCandidate += '/';
        strCandidate += strName;
        if (CProcessSpawner::IsExecutableFile(strCandidate))
            return strCandidate;
        if (nColon == std::string::npos)
            return std::string();
        nFrom = nColon + 1;
    }
}

std::string CConsoleLauncher::FindTerminal()
{
    const char* szTerminal = std::getenv("TERMINAL");
    if (szTerminal != nullptr && *szTerminal != '\0') {
        std::string strFound = ResolveExecutable(szTerminal);
        if (!strFound.empty())
            return strFound;
    }
    for (const char* szName : kKnownTerminals) {
        std::string strFound = ResolveExecutable(szName);
        if (!strFound.empty())
            return strFound;
    }
    return std::string();
}

std::string CConsoleLauncher::NoTerminalText()
{
    std::string strText = "No terminal program was found: Tarnwick ";
    const char* szTerminal = std::getenv("TERMINAL");
    if (szTerminal != nullptr && *szTerminal != '\0')
        strText += std::string("tried TERMINAL (") + szTerminal + "), then ";
    strText += "looked on PATH for ";
    for (std::size_t nIndex = 0; nIndex < kKnownTerminals.size(); ++nIndex) {
        if (nIndex > 0)
            strText += nIndex + 1 == kKnownTerminals.size() ? " and " : ", ";
        strText += kKnownTerminals[nIndex];
    }
    return strText + ". Install one of them, or set the environment variable TERMINAL to your terminal program "
                     "(for example TERMINAL=xterm) before starting Tarnwick.";
}

std::vector<std::string> CConsoleLauncher::BuildTerminalArgs(const std::string& strTerminal,
                                                             const std::string& strProgram,
                                                             const std::vector<std::string>& vecWords,
                                                             const std::string& strFolder)
{
    const std::string strName = CToolPath::FileNameOf(strTerminal);
    std::vector<std::string> vecArgs{strTerminal};
    if (strName == "gnome-terminal")
        vecArgs.push_back("--");
    else if (strName == "xfce4-terminal")
        vecArgs.push_back("-x");
    else
        vecArgs.push_back("-e");
    vecArgs.insert(vecArgs.end(), {"/bin/sh", "-c", kWaitScript, "tarnwick"});
    vecArgs.push_back(strFolder.empty() ? std::string(".") : strFolder);
    vecArgs.push_back(strProgram);
    if (vecWords.size() > 1)
        vecArgs.insert(vecArgs.end(), vecWords.begin() + 1, vecWords.end());
    return vecArgs;
}

CConsoleLauncher::ELaunch CConsoleLauncher::Launch(const CToolCommand& cmd)
{
    // The terminal would start even for a missing tool; refuse here so the
    // caller can say the tool was not found.
    if (!CProcessSpawner::IsExecutableFile(cmd.m_strProgram))
        return ELaunch::NoProgram;
    const std::string strTerminal = FindTerminal();
    if (strTerminal.empty())
        return ELaunch::NoTerminal;
    const std::vector<std::string> vecArgs =
        BuildTerminalArgs(strTerminal, cmd.m_strProgram, cmd.ExpandWords(), cmd.m_strFolder);
    pid_t pid = 0;
    if (!CProcessSpawner::Spawn(strTerminal, vecArgs, cmd.m_strFolder, -1, true, pid))
        return ELaunch::NotStarted;
    CProcessSpawner::ReapInBackground(pid);
    return ELaunch::Launched;
}

std::string CConsoleLauncher::FailureText(ELaunch eLaunch)
{
    // Java was found when only the terminal is missing.
    if (eLaunch == ELaunch::NoTerminal)
        return NoTerminalText();
    return CToolMessages::kCouldNotLocateJava;
}
