#include "core/project/ProjectPath.h"

bool CProjectPath::IsWindowsPath(std::string_view strPath)
{
#ifdef _WIN32
    (void)strPath;
    return true;
#else
    if (strPath.starts_with('\\'))
        return true;
    const bool bDrive = strPath.size() >= 2 && strPath[1] == ':' &&
                        ((strPath[0] >= 'A' && strPath[0] <= 'Z') || (strPath[0] >= 'a' && strPath[0] <= 'z'));
    return bDrive;
#endif
}

std::string::size_type CProjectPath::FindLastSeparator(const std::string& strPath)
{
    return strPath.find_last_of(IsWindowsPath(strPath) ? "/\\" : "/");
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

std::string CProjectPath::WithNativeSeparators(const std::string& strPath, bool bWindowsPath)
{
    std::string strResult = strPath;
    for (char& ch : strResult) {
        if (IsSeparator(ch, bWindowsPath))
            ch = kNativeSeparator;
    }
    return strResult;
}
