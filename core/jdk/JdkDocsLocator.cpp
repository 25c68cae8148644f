#include "core/jdk/JdkDocsLocator.h"

#include "core/jdk/JdkRelease.h"

#include <cctype>
#include <filesystem>
#include <system_error>

namespace {

bool IsFile(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

} // namespace

std::string CJdkDocsLocator::DefaultHelpPath(const std::string& strJdkFolder, const std::string& strDocRoot)
{
    namespace fs = std::filesystem;
    if (!strJdkFolder.empty()) {
        const fs::path ownDocs = fs::path(strJdkFolder) / "docs" / "api" / "index.html";
        if (IsFile(ownDocs))
            return ownDocs.string();
    }
    const int nMajor = MajorVersionOfJdk(strJdkFolder);
    if (nMajor <= 0)
        return {};
    if (!strDocRoot.empty()) {
        const fs::path packageDocs =
            fs::path(strDocRoot) / ("openjdk-" + std::to_string(nMajor) + "-doc") / "api" / "index.html";
        if (IsFile(packageDocs))
            return packageDocs.string();
    }
    return OnlineApiDocs(nMajor);
}

int CJdkDocsLocator::MajorVersionOfJdk(const std::string& strJdkFolder)
{
    namespace fs = std::filesystem;
    if (strJdkFolder.empty())
        return 0;
    const int nFromRelease = MajorVersionFromRelease(CJdkRelease::ReadOfJdk(strJdkFolder));
    if (nFromRelease > 0)
        return nFromRelease;
    // No release file (very old JDKs): the folder's name usually carries the version.
    std::string strName = fs::path(strJdkFolder).filename().string();
    if (strName.empty())
        strName = fs::path(strJdkFolder).parent_path().filename().string();
    for (std::size_t i = 0; i < strName.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(strName[i])))
            return MajorVersionFromText(std::string_view(strName).substr(i));
    }
    return 0;
}

int CJdkDocsLocator::MajorVersionFromRelease(std::string_view strReleaseText)
{
    return MajorVersionFromText(CJdkRelease::Value(strReleaseText, "JAVA_VERSION"));
}

int CJdkDocsLocator::MajorVersionFromText(std::string_view strVersion)
{
    int nMajor = 0;
    std::size_t i = 0;
    while (i < strVersion.size() && std::isdigit(static_cast<unsigned char>(strVersion[i])) && nMajor < 10000)
        nMajor = nMajor * 10 + (strVersion[i++] - '0');
    if (i == 0)
        return 0;
    if (nMajor == 1 && i + 1 < strVersion.size() && strVersion[i] == '.' &&
        std::isdigit(static_cast<unsigned char>(strVersion[i + 1])))
        return MajorVersionFromText(strVersion.substr(i + 1));
    return nMajor;
}

std::string CJdkDocsLocator::OnlineApiDocs(int nMajor)
{
    if (nMajor >= 11)
        return "https://docs.oracle.com/en/java/javase/" + std::to_string(nMajor) + "/docs/api/index.html";
    if (nMajor >= 6)
        return "https://docs.oracle.com/javase/" + std::to_string(nMajor) + "/docs/api/index.html";
    if (nMajor == 5)
        return "https://docs.oracle.com/javase/1.5.0/docs/api/index.html";
    return {};
}
