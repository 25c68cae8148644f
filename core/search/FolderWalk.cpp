#include "core/search/FileSearch.h"

#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
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

// Walks the folder open as nFd (taken over); onPath holds the folders from
// the root down to this one, so a link back to any of them is not entered
// again. Names are opened within their folder, not by their whole path.
void Walk(const std::string& strShown, const std::string& strPath, int nFd, const std::vector<std::string>& globs,
          std::set<CFolderId>& onPath, std::vector<CSearchFile>& files)
{
    DIR* pDir = ::fdopendir(nFd);
    if (!pDir) {
        ::close(nFd);
        return; // an unreadable folder adds nothing
    }
    const int nDirFd = ::dirfd(pDir);
    std::vector<std::string> folders;
    while (const dirent* pEntry = ::readdir(pDir)) {
        const char* pszName = pEntry->d_name;
        if (std::strcmp(pszName, ".") == 0 || std::strcmp(pszName, "..") == 0)
            continue;
        unsigned char nType = pEntry->d_type;
        if (nType == DT_UNKNOWN || nType == DT_LNK) {
            struct stat info {};
            if (::fstatat(nDirFd, pszName, &info, 0) != 0) {
                // A dangling link is listed, so that the search says why it cannot be read.
                if (IsIncluded(pszName, globs))
                    files.push_back({strShown + "/" + pszName, strPath + "/" + pszName});
                continue;
            }
            nType = S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        if (nType == DT_DIR) {
            if (pszName[0] != '.')
                folders.push_back(pszName);
        } else if (nType == DT_REG && IsIncluded(pszName, globs)) {
            files.push_back({strShown + "/" + pszName, strPath + "/" + pszName});
        }
    }
    for (const std::string& strName : folders) {
        const int nChild = ::openat(nDirFd, strName.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        struct stat info {};
        if (nChild < 0)
            continue;
        if (::fstat(nChild, &info) != 0) {
            ::close(nChild);
            continue;
        }
        const CFolderId id{info.st_dev, info.st_ino};
        if (!onPath.insert(id).second) {
            ::close(nChild); // a link back into the path walked
            continue;
        }
        Walk(strShown + "/" + strName, strPath + "/" + strName, nChild, globs, onPath, files);
        onPath.erase(id);
    }
    ::closedir(pDir);
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
    if (strFolder.empty())
        return files;
    const int nFd = ::open(strFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat info {};
    if (nFd < 0)
        return files;
    if (::fstat(nFd, &info) != 0) {
        ::close(nFd);
        return files;
    }
    std::set<CFolderId> onPath{{info.st_dev, info.st_ino}};
    Walk(strBase, strBase, nFd, SplitIncludes(includes), onPath, files);
    std::sort(files.begin(), files.end(),
              [](const CSearchFile& a, const CSearchFile& b) { return a.m_strShownPath < b.m_strShownPath; });
    return files;
}
