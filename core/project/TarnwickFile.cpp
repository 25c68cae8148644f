#include "core/project/TarnwickFile.h"

#include "core/project/ProjectArchive.h"
#include "core/project/ProjectPath.h"

CTarnwickFile::CTarnwickFile(const std::string& strProjectPath) : m_strProjectPath(strProjectPath) {}

void CTarnwickFile::SetPathName(const std::string& strPath)
{
    m_strPathName = strPath;
    m_strFileName = CProjectPath::FileNameOf(strPath);
}

std::string CTarnwickFile::GetRelocatedPathName(const std::string& strCurrentProjectPath)
{
    // An entry made before the project was first saved has no old location.
    if (m_strProjectPath.empty() || m_strProjectPath == strCurrentProjectPath)
        return m_strPathName;

    const std::string strOldDir = CProjectPath::FolderOf(m_strProjectPath);
    const std::string strNewDir = CProjectPath::FolderOf(strCurrentProjectPath);
    const std::string strFileDir = CProjectPath::FolderOf(m_strPathName);
    const bool bWindowsPath = CProjectPath::IsWindowsPath(m_strPathName);
    if (strFileDir.size() < strOldDir.size())
        return m_strPathName;

    // Only files in the old project folder or below it move with the
    // project; a folder that merely starts with the same characters
    // (C:\Work\Demo2 beside C:\Work\Demo) is somewhere else entirely.
    const bool bInside = strFileDir.compare(0, strOldDir.size(), strOldDir) == 0 &&
                         (strFileDir.size() == strOldDir.size() ||
                          CProjectPath::IsSeparator(strFileDir[strOldDir.size()], bWindowsPath));
    if (!bInside)
        return m_strPathName;

    // The subfolder part may carry the separators of the system that wrote
    // the project, so it is rewritten with ours.
    const std::string strSubDir = CProjectPath::WithNativeSeparators(strFileDir.substr(strOldDir.size()), bWindowsPath);
    m_strPathName = strNewDir + strSubDir + CProjectPath::kNativeSeparator + m_strFileName;
    m_strProjectPath = strCurrentProjectPath;
    return m_strPathName;
}

// The name is written before the path; loading takes the name as stored.
void CTarnwickFile::Store(CProjectArchive& ar) const
{
    ar.WriteString(m_strFileName);
    ar.WriteString(m_strPathName);
    ar.WriteString(m_strProjectPath);
}

bool CTarnwickFile::Load(CProjectArchive& ar)
{
    return ar.ReadString(m_strFileName) && ar.ReadString(m_strPathName) && ar.ReadString(m_strProjectPath);
}
