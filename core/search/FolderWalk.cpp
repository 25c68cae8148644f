#include "core/search/FileSearch.h"

#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <fnmatch.h>
#include <set>
#include <sys/stat.h>
#include <utility>

namespace {
using CFolderId = std::pair<dev_t, ino_t>;

std::vector<std::string> SplitIncludes(const std::vector<std::string>& includes)
{
    std::vector<std::string> globs;
    for (const std::string& strInclude : includes) {
        std::size_t nFrom = 0;
        while (nFrom <= strInclude.size()) {
            std::size_t nTo = strInclude.find(';', nFrom);
            if (nTo == std::string::npos)
                nTo = strInclude.size();
            if (nTo > nFrom)
                globs.push_back(strInclude.substr(nFrom, nTo - nFrom));
            nFrom = nTo + 1;
        }
    }
    return globs;
}

bool IsIncluded(const char* pszName, const std::vector<std::string>& globs)
{
    if (globs.empty())
        return true;
    return std::any_of(globs.begin(), globs.end(),
                       [&](const std::string& strGlob) { return ::fnmatch(strGlob.c_str(), pszName, 0) == 0; });
}

// Walks one folder; onPath holds the folders from the root down to this one,
// so a link back to any of them is not entered again.
void Walk(const std::string& strShown, const std::string& strPath, const std::vector<std::string>& globs,
          std::set<CFolderId>& onPath, std::vector<CSearchFile>& files)
{
    DIR* pDir = ::opendir(strPath.empty() ? "/" : strPath.c_str());
    if (!pDir)
        return; // an unreadable folder adds nothing
    std::vector<std::string> folders;
    while (const dirent* pEntry = ::readdir(pDir)) {
        const char* pszName = pEntry->d_name;
        if (std::strcmp(pszName, ".") == 0 || std::strcmp(pszName, "..") == 0)
            continue;
        const std::string strChild = strPath + "/" + pszName;
        unsigned char nType = pEntry->d_type;
        if (nType == DT_UNKNOWN || nType == DT_LNK) {
            struct stat info {};
            if (::stat(strChild.c_str(), &info) != 0) {
                // A dangling link is listed, so that the search says why it cannot be read.
                if (IsIncluded(pszName, globs))
                    files.push_back({strShown + "/" + pszName, strChild});
                continue;
            }
            nType = S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        if (nType == DT_DIR) {
            if (pszName[0] != '.')
                folders.push_back(pszName);
        } else if (nType == DT_REG && IsIncluded(pszName, globs)) {
            files.push_back({strShown + "/" + pszName, strChild});
        }
    }
    ::closedir(pDir);
    for (const std::string& strName : folders) {
        const std::string strChild = strPath + "/" + strName;
        struct stat info {};
        if (::stat(strChild.c_str(), &info) != 0)
            continue;
        const CFolderId id{info.st_dev, info.st_ino};
        if (!onPath.insert(id).second)
            continue; // a link back into the path walked
        Walk(strShown + "/" + strName, strChild, globs, onPath, files);
        onPath.erase(id);
    }
}
} // namespace

std::vector<CSearchFile> FilesUnderFolder(const std::string& strFolder, const std::vector<std::string>& includes)
{
    // grep -r shows "dir/", "dir//" and "dir" alike as "dir/NAME".
    std::string strShown = strFolder;
    while (strShown.size() > 1 && strShown.back() == '/')
        strShown.pop_back();
    const std::string strBase = strShown == "/" ? std::string() : strShown;
    std::vector<CSearchFile> files;
    struct stat info {};
    if (strFolder.empty() || ::stat(strFolder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return files;
    std::set<CFolderId> onPath{{info.st_dev, info.st_ino}};
    Walk(strBase, strBase.empty() ? std::string() : strBase, SplitIncludes(includes), onPath, files);
    std::sort(files.begin(), files.end(),
              [](const CSearchFile& a, const CSearchFile& b) { return a.m_strShownPath < b.m_strShownPath; });
    return files;
}
