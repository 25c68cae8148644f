#include "core/tools/SourceRoot.h"

#include "core/tools/ToolPath.h"

#include <vector>

std::string CSourceRoot::PackageFolders(const std::string& strPackage)
{
    std::string strFolders = strPackage;
    for (char& ch : strFolders) {
        if (ch == '.')
            ch = '/';
    }
    return strFolders;
}

bool CSourceRoot::Find(const std::string& strPath, const std::string& strPackage, CSourceRoot& root,
                       std::string& strError)
{
    const std::string strName = CToolPath::FileNameOf(strPath);
    std::string strFolder = CToolPath::FolderOf(strPath);
    root.m_strRelativeFile = strName;
    if (strPackage.empty()) {
        root.m_strFolder = strFolder;
        return true;
    }
    // The package's parts, last first, must be the folders above the file.
    std::vector<std::string> vecParts;
    std::size_t nStart = 0;
    for (;;) {
        const std::size_t nDot = strPackage.find('.', nStart);
        vecParts.push_back(strPackage.substr(nStart, nDot - nStart));
        if (nDot == std::string::npos)
            break;
        nStart = nDot + 1;
    }
    for (auto it = vecParts.rbegin(); it != vecParts.rend(); ++it) {
        if (CToolPath::LastSeparator(strFolder) == std::string::npos || CToolPath::FileNameOf(strFolder) != *it) {
            strError = strName + " declares package " + strPackage + " but is not in a folder " +
                       PackageFolders(strPackage) + ".";
            return false;
        }
        strFolder = CToolPath::FolderOf(strFolder);
    }
    root.m_strFolder = strFolder;
    root.m_strRelativeFile = PackageFolders(strPackage) + "/" + strName;
    return true;
}
