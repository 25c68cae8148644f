#include "core/jdk/JdkLocator.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool IsExecutableFile(const fs::path& path)
{
    std::error_code error;
    auto status = fs::status(path, error);
    if (error || !fs::is_regular_file(status))
        return false;
    return (status.permissions() & (fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec)) !=
           fs::perms::none;
}

std::string StripTrailingSeparators(std::string strPath)
{
    while (strPath.size() > 1 && strPath.back() == '/')
        strPath.pop_back();
    return strPath;
}

// The JDK folder of the first javac on PATH, with symlinks resolved.
std::optional<std::string> JdkOfJavacOnPath(const std::string& strPath)
{
    std::size_t nStart = 0;
    while (nStart <= strPath.size()) {
        std::size_t nEnd = strPath.find(':', nStart);
        if (nEnd == std::string::npos)
            nEnd = strPath.size();
        std::string strFolder = strPath.substr(nStart, nEnd - nStart);
        nStart = nEnd + 1;
        if (strFolder.empty())
            continue;
        fs::path javac = fs::path(strFolder) / "javac";
        if (!IsExecutableFile(javac))
            continue;
        std::error_code error;
        fs::path resolved = fs::canonical(javac, error);
        if (error)
            continue;
        // .../jdk/bin/javac -> .../jdk
        if (resolved.parent_path().filename() != "bin")
            continue;
        return resolved.parent_path().parent_path().string();
    }
    return std::nullopt;
}

} // namespace

std::string CJdkLocator::FromEnvironment(const EnvironmentReader& readEnvironment, const std::string& strDefaultJdk)
{
    if (auto javaHome = readEnvironment("JAVA_HOME"); javaHome && !javaHome->empty()) {
        std::string strHome = AbsoluteFolder(StripTrailingSeparators(*javaHome));
        if (IsExecutableFile(fs::path(strHome) / "bin" / "javac"))
            return strHome;
    }
    if (auto path = readEnvironment("PATH"); path) {
        if (auto jdk = JdkOfJavacOnPath(*path))
            return *jdk;
    }
    return strDefaultJdk;
}

std::string CJdkLocator::AbsoluteFolder(const std::string& strFolder)
{
    if (strFolder.empty() || strFolder.front() == '/')
        return strFolder;
    std::error_code error;
    const fs::path absolute = fs::absolute(strFolder, error);
    // Without a current folder there is nothing to anchor it to; a folder
    // that cannot be found stays relative and is not found later either.
    return error ? strFolder : absolute.string();
}

std::optional<std::string> CJdkLocator::ReadProcessEnvironment(const std::string& strName)
{
    const char* pszValue = std::getenv(strName.c_str());
    if (!pszValue)
        return std::nullopt;
    return std::string(pszValue);
}
