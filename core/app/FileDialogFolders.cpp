#include "core/app/FileDialogFolders.h"

std::string CFileDialogFolders::FolderOf(const std::string& strPath)
{
    std::size_t nCut = strPath.find_last_of("/\\");
    if (nCut == std::string::npos)
        return std::string();
    if (nCut == 0)
        return strPath.substr(0, 1);
    return strPath.substr(0, nCut);
}

std::string CFileDialogFolders::StartFolder(const std::string& strProjectPath, const std::string& strDocumentPath) const
{
    for (const std::string* pPath : {&strProjectPath, &strDocumentPath}) {
        std::string strFolder = FolderOf(*pPath);
        if (!strFolder.empty())
            return strFolder;
    }
    return m_strLastFolder;
}

void CFileDialogFolders::Remember(const std::string& strChosenPath)
{
    std::string strFolder = FolderOf(strChosenPath);
    if (!strFolder.empty())
        m_strLastFolder = strFolder;
}
