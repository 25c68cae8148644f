#include "core/jdk/JdkHelp.h"

#include "core/jdk/JdkDocsLocator.h"
#include "core/jdk/JdkTypeIndex.h"

#include <cctype>
#include <filesystem>
#include <system_error>

namespace {

bool StartsWithNoCase(std::string_view strText, std::string_view strPrefix)
{
    if (strText.size() < strPrefix.size())
        return false;
    for (std::size_t i = 0; i < strPrefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(strText[i])) !=
            std::tolower(static_cast<unsigned char>(strPrefix[i])))
            return false;
    }
    return true;
}

bool EndsWithNoCase(std::string_view strText, std::string_view strSuffix)
{
    return strText.size() >= strSuffix.size() &&
           StartsWithNoCase(strText.substr(strText.size() - strSuffix.size()), strSuffix);
}

bool IsHtmlPage(std::string_view strPath)
{
    return EndsWithNoCase(strPath, ".html") || EndsWithNoCase(strPath, ".htm");
}

std::string_view TrimBlanks(std::string_view strText)
{
    const std::size_t nFirst = strText.find_first_not_of(" \t\r\n");
    if (nFirst == std::string_view::npos)
        return {};
    return strText.substr(nFirst, strText.find_last_not_of(" \t\r\n") - nFirst + 1);
}

std::string SearchQuery(std::string_view strSelection)
{
    return "search.html?q=" + CJdkHelp::PercentEncode(strSelection);
}

std::string UrlTarget(std::string_view strUrl, std::string_view strSelection)
{
    const std::string_view strPath = strUrl.substr(0, strUrl.find_first_of("?#"));
    std::string strFolder;
    std::string strStartPage;
    if (IsHtmlPage(strPath)) {
        strFolder = std::string(strPath.substr(0, strPath.rfind('/') + 1));
        strStartPage = std::string(strUrl);
    } else {
        strFolder = std::string(strPath);
        if (strFolder.back() != '/')
            strFolder += '/';
        strStartPage = strFolder + "index.html";
    }
    if (!strSelection.empty() && CJdkHelp::VersionInUrl(strUrl) >= CJdkHelp::kFirstSearchPageVersion)
        return strFolder + SearchQuery(strSelection);
    return strStartPage;
}

std::string LocalTarget(std::string_view strHelpPath, std::string_view strSelection)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path path{std::string(strHelpPath)};
    fs::path folder;
    fs::path startPage;
    const bool bExists = fs::exists(path, error);
    if (fs::is_directory(path, error) || (!bExists && !IsHtmlPage(strHelpPath))) {
        folder = path;
        startPage = path / "index.html";
    } else {
        folder = path.parent_path();
        startPage = path;
    }
    const fs::path searchPage = folder / "search.html";
    if (!strSelection.empty() && fs::is_regular_file(searchPage, error))
        return CJdkHelp::FileUrl(searchPage.string()) + "?q=" + CJdkHelp::PercentEncode(strSelection);
    // Docs with a search box but no search page: straight to the type's own page.
    if (!strSelection.empty()) {
        const std::string strTypePage = CJdkTypeIndex::TypePage(folder.string(), strSelection);
        if (!strTypePage.empty())
            return CJdkHelp::FileUrl(strTypePage);
    }
    return CJdkHelp::FileUrl(startPage.string());
}

} // namespace

std::string CJdkHelp::HelpTarget(std::string_view strHelpPath, std::string_view strSelection)
{
    strHelpPath = TrimBlanks(strHelpPath);
    if (strHelpPath.empty())
        return {};
    if (StartsWithNoCase(strHelpPath, "https://") || StartsWithNoCase(strHelpPath, "http://") ||
        StartsWithNoCase(strHelpPath, "file://"))
        return UrlTarget(strHelpPath, strSelection);
    return LocalTarget(strHelpPath, strSelection);
}

std::string CJdkHelp::PercentEncode(std::string_view strText)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string strOut;
    strOut.reserve(strText.size() * 3);
    for (char ch : strText) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~') {
            strOut += ch;
        } else {
            strOut += '%';
            strOut += kHex[c >> 4];
            strOut += kHex[c & 0x0F];
        }
    }
    return strOut;
}

std::string CJdkHelp::FileUrl(std::string_view strPath)
{
    std::string strAbsolute(strPath);
    const bool bWindowsDrive =
        strAbsolute.size() >= 2 && std::isalpha(static_cast<unsigned char>(strAbsolute[0])) && strAbsolute[1] == ':';
    if (bWindowsDrive) {
        for (char& ch : strAbsolute) {
            if (ch == '\\')
                ch = '/';
        }
        strAbsolute = "/" + strAbsolute;
    } else if (strAbsolute.empty() || strAbsolute[0] != '/') {
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(strAbsolute, error);
        if (!error)
            strAbsolute = absolute.string();
    }
    std::string strUrl = "file://";
    std::size_t nFrom = 0;
    while (nFrom <= strAbsolute.size()) {
        const std::size_t nSlash = strAbsolute.find('/', nFrom);
        const std::size_t nEnd = nSlash == std::string::npos ? strAbsolute.size() : nSlash;
        std::string_view strSegment = std::string_view(strAbsolute).substr(nFrom, nEnd - nFrom);
        // The drive letter's colon stays readable: file:///C:/...
        if (bWindowsDrive && nFrom == 1 && strSegment.size() == 2 && strSegment[1] == ':')
            strUrl.append(strSegment);
        else
            strUrl += PercentEncode(strSegment);
        if (nSlash == std::string::npos)
            break;
        strUrl += '/';
        nFrom = nSlash + 1;
    }
    return strUrl;
}

int CJdkHelp::VersionInUrl(std::string_view strUrl)
{
    static const std::string_view kMarkers[] = {"/javase/", "/jdk-", "/jdk", "/openjdk-", "/openjdk"};
    for (std::string_view strMarker : kMarkers) {
        std::size_t nAt = 0;
        while ((nAt = strUrl.find(strMarker, nAt)) != std::string_view::npos) {
            const int nVersion = CJdkDocsLocator::MajorVersionFromText(strUrl.substr(nAt + strMarker.size()));
            if (nVersion > 0)
                return nVersion;
            nAt += strMarker.size();
        }
    }
    return 0;
}

std::string CJdkHelp::PercentDecode(std::string_view strText)
{
    auto hexValue = [](char ch) -> int {
        if (ch >= '0' && ch <= '9')
            return ch - '0';
        if (ch >= 'A' && ch <= 'F')
            return ch - 'A' + 10;
        if (ch >= 'a' && ch <= 'f')
            return ch - 'a' + 10;
        return -1;
    };
    std::string strOut;
    strOut.reserve(strText.size());
    for (std::size_t i = 0; i < strText.size(); ++i) {
        if (strText[i] == '%' && i + 2 < strText.size() && hexValue(strText[i + 1]) >= 0 &&
            hexValue(strText[i + 2]) >= 0) {
            strOut += static_cast<char>(hexValue(strText[i + 1]) * 16 + hexValue(strText[i + 2]));
            i += 2;
        } else {
            strOut += strText[i];
        }
    }
    return strOut;
}

std::string CJdkHelp::NotOpenedText(std::string_view strAddress)
{
    std::string strShown(strAddress);
    // A path is easier to paste into a file manager or a browser's bar than a file URL.
    if (StartsWithNoCase(strAddress, "file://") && strAddress.find_first_of("?#") == std::string_view::npos) {
        std::string_view strPath = strAddress.substr(7);
        if (strPath.size() >= 3 && strPath[0] == '/' && std::isalpha(static_cast<unsigned char>(strPath[1])) &&
            strPath[2] == ':')
            strPath.remove_prefix(1); // file:///C:/x is C:/x
        strShown = PercentDecode(strPath);
    }
    return "No web browser could be started to show the help.\nOpen this in a web browser by hand:\n" + strShown;
}
