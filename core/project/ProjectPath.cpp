#include "core/project/ProjectPath.h"

std::string::size_type CProjectPath::FindLastSeparator(const std::string& strPath)
{
    return strPath.find_last_of("/\\");
}

std::string CProjectPath::FileNameOf(const std::string& strPath)
{
    const auto nSep = FindLastSeparator(strPath);
    return nSep == std::string::npos ? strPath : strPath.substr(nSep + 1);
}

std::string CProjectPath::FolderOf(const std::string& strPath)
{
    const auto nSep = FindLastSeparator(strPath);
    return nSep == std::string::npos ? std::string() : strPath.substr(0, nSep);
}

std::string CProjectPath::WithNativeSeparators(const std::string& strPath)
{
    std::string strResult = strPath;
    for (char& ch : strResult) {
        if (IsSeparator(ch))
            ch = kNativeSeparator;
    }
    return strResult;
}
