#include "core/tools/ToolPath.h"

#include "core/project/ProjectPath.h"

std::size_t CToolPath::LastSeparator(const std::string& strPath)
{
    return CProjectPath::FindLastSeparator(strPath);
}

std::string CToolPath::FolderOf(const std::string& strPath)
{
    const std::size_t nPos = LastSeparator(strPath);
    if (nPos == std::string::npos)
        return std::string();
    // A file in the root folder runs there, not in the caller's folder.
    return strPath.substr(0, nPos == 0 ? 1 : nPos);
}

std::string CToolPath::FileNameOf(const std::string& strPath)
{
    const std::size_t nPos = LastSeparator(strPath);
    return nPos == std::string::npos ? strPath : strPath.substr(nPos + 1);
}

std::string CToolPath::JdkTool(const std::string& strJdkFolder, const std::string& strTool)
{
    return strJdkFolder + kSeparator + "bin" + kSeparator + strTool + kExeSuffix;
}

std::string CToolPath::Join(const std::string& strFolder, const std::string& strName)
{
    if (strFolder.empty())
        return strName;
    if (CProjectPath::IsSeparator(strFolder.back(), CProjectPath::IsWindowsPath(strFolder)))
        return strFolder + strName;
    return strFolder + kSeparator + strName;
}

std::string CToolPath::ArgumentName(const std::string& strName)
{
    if (strName.starts_with('-') || strName.starts_with('@'))
        return std::string(".") + kSeparator + strName;
    return strName;
}

std::string CToolPath::ToolName(const std::string& strProgram)
{
    std::string strName = FileNameOf(strProgram);
    const std::string strSuffix = kExeSuffix;
    if (!strSuffix.empty() && strName.ends_with(strSuffix))
        strName.resize(strName.size() - strSuffix.size());
    return strName;
}
