#include "core/jdk/JdkTypeIndex.h"

#include "core/io/FileBytes.h"

#include <filesystem>
#include <system_error>

namespace {

// A FIFO, a device or an oversized index gives no text.
std::string ReadIndex(const std::filesystem::path& path)
{
    std::string strText;
    CFileBytes::EReadFailure eFailure = CFileBytes::EReadFailure::None;
    std::string strReason;
    CFileBytes::ReadRegular(path.string(), strText, eFailure, strReason, CJdkTypeIndex::kMaxIndexBytes);
    return strText;
}

// Reads the string that starts after the opening quote at nAt; nAt ends
// after the closing quote. Escapes keep the escaped character.
std::string ReadString(std::string_view strText, std::size_t& nAt)
{
    std::string strValue;
    while (nAt < strText.size() && strText[nAt] != '"') {
        if (strText[nAt] == '\\' && nAt + 1 < strText.size())
            ++nAt;
        strValue += strText[nAt++];
    }
    ++nAt;
    return strValue;
}

int PackageRank(const std::string& strPackage)
{
    if (strPackage == "java.lang")
        return 0;
    if (strPackage == "java.util")
        return 1;
    if (strPackage.starts_with("java."))
        return 2;
    if (strPackage.starts_with("javax."))
        return 3;
    return 4;
}

std::string_view Trim(std::string_view strText)
{
    const std::size_t nFirst = strText.find_first_not_of(" \t\r\n");
    if (nFirst == std::string_view::npos)
        return {};
    return strText.substr(nFirst, strText.find_last_not_of(" \t\r\n") - nFirst + 1);
}

std::string Value(const CJdkTypeIndex::CEntry& entry, const char* pszKey)
{
    const auto it = entry.find(pszKey);
    return it == entry.end() ? std::string() : it->second;
}

} // namespace

std::vector<CJdkTypeIndex::CEntry> CJdkTypeIndex::ReadEntries(std::string_view strScript)
{
    std::vector<CEntry> entries;
    std::size_t nAt = 0;
    while ((nAt = strScript.find('{', nAt)) != std::string_view::npos) {
        ++nAt;
        CEntry entry;
        // "key":"value" pairs up to the closing brace; other values are skipped.
        while (nAt < strScript.size() && strScript[nAt] != '}') {
            if (strScript[nAt] != '"') {
                ++nAt;
                continue;
            }
            ++nAt;
            std::string strKey = ReadString(strScript, nAt);
            if (nAt < strScript.size() && strScript[nAt] == ':' && nAt + 1 < strScript.size() &&
                strScript[nAt + 1] == '"') {
                nAt += 2;
                entry[std::move(strKey)] = ReadString(strScript, nAt);
            }
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string CJdkTypeIndex::TypePage(const std::string& strFolder, std::string_view strName)
{
    namespace fs = std::filesystem;
    strName = Trim(strName);
    if (strName.empty())
        return {};
    const fs::path folder(strFolder);
    const std::vector<CEntry> types = ReadEntries(ReadIndex(folder / "type-search-index.js"));
    std::map<std::string, std::string> modules; // package -> module
    for (const CEntry& package : ReadEntries(ReadIndex(folder / "package-search-index.js"))) {
        if (package.contains("m") && package.contains("l"))
            modules[Value(package, "l")] = Value(package, "m");
    }
    std::string strBest;
    int nBestRank = 5;
    for (const CEntry& type : types) {
        const std::string strPackage = Value(type, "p");
        const std::string strLabel = Value(type, "l");
        if (strPackage.empty() || strLabel.empty())
            continue;
        if (strName != strLabel && strName != strPackage + "." + strLabel)
            continue;
        const int nRank = PackageRank(strPackage);
        if (nRank >= nBestRank)
            continue;
        fs::path page = folder;
        if (type.contains("u")) {
            page /= Value(type, "u");
        } else {
            if (const auto it = modules.find(strPackage); it != modules.end())
                page /= it->second;
            std::string strPackagePath = strPackage;
            for (char& ch : strPackagePath) {
                if (ch == '.')
                    ch = '/';
            }
            page = page / strPackagePath / (strLabel + ".html");
        }
        std::error_code error;
        if (!fs::is_regular_file(page, error))
            continue;
        strBest = page.string();
        nBestRank = nRank;
    }
    return strBest;
}
