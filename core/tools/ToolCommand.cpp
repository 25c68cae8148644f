#include "core/tools/ToolCommand.h"

#include "core/tools/CommandLineSplitter.h"
#include "core/tools/ToolPath.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>

void CToolCommand::AddWord(const std::string& strWord)
{
    m_vecWords.push_back(strWord);
    m_vecbPattern.push_back(false);
}

void CToolCommand::AddSplitWords(const std::string& strText)
{
    for (std::string& strWord : CCommandLineSplitter::SplitWindowsArguments(strText))
        AddWord(strWord);
}

void CToolCommand::AddPattern(const std::string& strPattern)
{
    m_vecWords.push_back(strPattern);
    m_vecbPattern.push_back(true);
}

// Names of the non-folder entries of strFolder that match strPattern, sorted.
static std::vector<std::string> MatchFilesInFolder(const std::string& strFolder, const std::string& strPattern)
{
    std::vector<std::string> vecNames;
    DIR* pDir = opendir(strFolder.empty() ? "." : strFolder.c_str());
    if (pDir == nullptr)
        return vecNames;
    const int nDirFd = dirfd(pDir);
    while (const dirent* pEntry = readdir(pDir)) {
        const char* szName = pEntry->d_name;
        if (fnmatch(strPattern.c_str(), szName, 0) != 0)
            continue;
        struct stat info {};
        if (fstatat(nDirFd, szName, &info, 0) != 0 || S_ISDIR(info.st_mode))
            continue;
        vecNames.emplace_back(szName);
    }
    closedir(pDir);
    std::sort(vecNames.begin(), vecNames.end());
    return vecNames;
}

std::vector<std::string> CToolCommand::ExpandWords() const
{
    std::vector<std::string> vecWords;
    vecWords.reserve(m_vecWords.size());
    for (std::size_t i = 0; i < m_vecWords.size(); ++i) {
        if (!m_vecbPattern[i]) {
            vecWords.push_back(m_vecWords[i]);
            continue;
        }
        std::vector<std::string> vecMatches = MatchFilesInFolder(m_strFolder, m_vecWords[i]);
        if (vecMatches.empty()) {
            vecWords.push_back(m_vecWords[i]);
            continue;
        }
        // A class file named -C.class or @x.class is a file to the tool too.
        for (const std::string& strMatch : vecMatches)
            vecWords.push_back(CToolPath::ArgumentName(strMatch));
    }
    return vecWords;
}
