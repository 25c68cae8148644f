#include "core/tools/ToolCommand.h"

#include "core/tools/CommandLineSplitter.h"
#include "core/tools/ToolPath.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

constexpr std::string_view kBelowFolders = "**/";
// Deeper than any package tree; it stops a walk that would never end.
constexpr int kMostFolderDepth = 64;

// Adds to vecNames the non-folder entries of the folder open as nDirFd that
// match strPattern, as strPrefix + name; with bBelow, those of the folders
// below as well (links to folders are not followed).
void MatchInFolder(int nDirFd, const std::string& strPrefix, const std::string& strPattern, bool bBelow, int nDepth,
                   std::vector<std::string>& vecNames)
{
    DIR* pDir = fdopendir(nDirFd);
    if (pDir == nullptr) {
        close(nDirFd);
        return;
    }
    while (const dirent* pEntry = readdir(pDir)) {
        const std::string strName = pEntry->d_name;
        if (strName == "." || strName == "..")
            continue;
        struct stat info {};
        if (fstatat(dirfd(pDir), strName.c_str(), &info, 0) != 0)
            continue;
        if (S_ISDIR(info.st_mode)) {
            struct stat own {};
            if (!bBelow || nDepth >= kMostFolderDepth ||
                fstatat(dirfd(pDir), strName.c_str(), &own, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISDIR(own.st_mode))
                continue;
            const int nChildFd =
                openat(dirfd(pDir), strName.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (nChildFd >= 0)
                MatchInFolder(nChildFd, strPrefix + strName + "/", strPattern, true, nDepth + 1, vecNames);
            continue;
        }
        if (fnmatch(strPattern.c_str(), strName.c_str(), 0) == 0)
            vecNames.push_back(strPrefix + strName);
    }
    closedir(pDir);
}

// The files of strFolder that match strPattern, sorted.
std::vector<std::string> MatchFiles(const std::string& strFolder, const std::string& strPattern)
{
    std::vector<std::string> vecNames;
    const bool bBelow = strPattern.compare(0, kBelowFolders.size(), kBelowFolders) == 0;
    const int nDirFd = open(strFolder.empty() ? "." : strFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (nDirFd < 0)
        return vecNames;
    MatchInFolder(nDirFd, std::string(), bBelow ? strPattern.substr(kBelowFolders.size()) : strPattern, bBelow, 0,
                  vecNames);
    std::sort(vecNames.begin(), vecNames.end());
    return vecNames;
}

} // namespace

std::vector<std::string> CToolCommand::ExpandWords() const
{
    std::vector<std::string> vecWords;
    vecWords.reserve(m_vecWords.size());
    for (std::size_t i = 0; i < m_vecWords.size(); ++i) {
        if (!m_vecbPattern[i]) {
            vecWords.push_back(m_vecWords[i]);
            continue;
        }
        std::vector<std::string> vecMatches = MatchFiles(m_strFolder, m_vecWords[i]);
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
