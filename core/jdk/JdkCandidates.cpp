#include "core/jdk/JdkCandidates.h"

#include "core/jdk/JdkRelease.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string StripTrailingSeparators(std::string strPath)
{
    while (strPath.size() > 1 && strPath.back() == '/')
        strPath.pop_back();
    return strPath;
}

// The JDK folder of the first executable javac on PATH, links resolved.
std::string JdkOfJavacOnPath(const std::string& strPath)
{
    std::size_t nStart = 0;
    while (nStart <= strPath.size()) {
        std::size_t nEnd = strPath.find(':', nStart);
        if (nEnd == std::string::npos)
            nEnd = strPath.size();
        const std::string strFolder = strPath.substr(nStart, nEnd - nStart);
        nStart = nEnd + 1;
        if (strFolder.empty())
            continue;
        std::error_code error;
        const fs::path resolved = fs::canonical(fs::path(strFolder) / "javac", error);
        if (error || resolved.parent_path().filename() != "bin")
            continue;
        const std::string strJdk = resolved.parent_path().parent_path().string();
        if (CJdkCandidates::HasJavac(strJdk))
            return strJdk;
    }
    return {};
}

} // namespace

std::vector<CJdkCandidate> CJdkCandidates::Find(const CJdkLocator::EnvironmentReader& readEnvironment,
                                                const std::string& strJvmRoot)
{
    std::vector<std::string> folders;
    if (auto javaHome = readEnvironment("JAVA_HOME"); javaHome && !javaHome->empty())
        folders.push_back(CJdkLocator::AbsoluteFolder(StripTrailingSeparators(*javaHome)));
    if (auto path = readEnvironment("PATH"); path) {
        std::string strJdk = JdkOfJavacOnPath(*path);
        if (!strJdk.empty())
            folders.push_back(strJdk);
    }
    if (!strJvmRoot.empty()) {
        std::vector<std::string> inRoot;
        std::error_code error;
        for (fs::directory_iterator it(strJvmRoot, error), end; !error && it != end; it.increment(error))
            inRoot.push_back(it->path().string());
        std::sort(inRoot.begin(), inRoot.end());
        folders.insert(folders.end(), inRoot.begin(), inRoot.end());
    }

    std::vector<CJdkCandidate> candidates;
    std::set<std::string> seen;
    for (const std::string& strFolder : folders) {
        if (!HasJavac(strFolder))
            continue;
        std::error_code error;
        const fs::path resolved = fs::canonical(strFolder, error);
        if (error || !seen.insert(resolved.string()).second)
            continue;
        candidates.push_back({strFolder, FullVersionOfJdk(strFolder)});
    }
    return candidates;
}

std::string CJdkCandidates::FullVersionFromRelease(std::string_view strReleaseText)
{
    return CJdkRelease::Value(strReleaseText, "JAVA_VERSION");
}

std::string CJdkCandidates::FullVersionOfJdk(const std::string& strJdkFolder)
{
    return FullVersionFromRelease(CJdkRelease::ReadOfJdk(strJdkFolder));
}

bool CJdkCandidates::HasJavac(const std::string& strJdkFolder)
{
    if (strJdkFolder.empty())
        return false;
    std::error_code error;
    const fs::path javac = fs::path(strJdkFolder) / "bin" / "javac";
    const auto status = fs::status(javac, error);
    if (error || !fs::is_regular_file(status))
        return false;
    return (status.permissions() & (fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec)) !=
           fs::perms::none;
}

std::string CJdkCandidates::MissingJavacText(const std::string& strJdkFolder)
{
    const std::string strShown = strJdkFolder.empty() ? std::string("(empty)") : "\"" + strJdkFolder + "\"";
    return "The JDK folder " + strShown +
           " has no bin/javac, so Build, Compile and Run will not work with it.\n\n"
           "Keep this JDK folder anyway?";
}

std::string CJdkCandidates::DisplayText(const CJdkCandidate& candidate)
{
    if (candidate.m_strVersion.empty())
        return candidate.m_strFolder;
    return candidate.m_strVersion + "  " + candidate.m_strFolder;
}
