#include "core/jdk/JdkRelease.h"

#include "core/io/FileBytes.h"

#include <filesystem>

std::string CJdkRelease::ReadOfJdk(const std::string& strJdkFolder)
{
    if (strJdkFolder.empty())
        return {};
    std::string strText;
    CFileBytes::EReadFailure eFailure = CFileBytes::EReadFailure::None;
    std::string strReason;
    CFileBytes::ReadRegular((std::filesystem::path(strJdkFolder) / "release").string(), strText, eFailure, strReason,
                            kMaxBytes);
    return strText;
}

std::string CJdkRelease::Value(std::string_view strReleaseText, std::string_view strKey)
{
    std::size_t nLineStart = 0;
    while (nLineStart < strReleaseText.size()) {
        std::size_t nLineEnd = strReleaseText.find('\n', nLineStart);
        if (nLineEnd == std::string_view::npos)
            nLineEnd = strReleaseText.size();
        std::string_view strLine = strReleaseText.substr(nLineStart, nLineEnd - nLineStart);
        nLineStart = nLineEnd + 1;
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.remove_suffix(1);
        if (!strLine.starts_with(strKey) || strLine.substr(strKey.size(), 1) != "=")
            continue;
        std::string_view strValue = strLine.substr(strKey.size() + 1);
        if (!strValue.empty() && strValue.front() == '"') {
            strValue.remove_prefix(1);
            const std::size_t nQuote = strValue.find('"');
            if (nQuote != std::string_view::npos)
                strValue = strValue.substr(0, nQuote);
        }
        return std::string(strValue);
    }
    return {};
}
