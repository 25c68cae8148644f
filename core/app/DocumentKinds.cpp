#include "core/app/DocumentKinds.h"

#include <algorithm>
#include <cctype>

const std::vector<CDocumentKind>& DocumentKinds()
{
    static const std::vector<CDocumentKind> kinds = {
        {129, "\nJavaDocument\nJava Source File\nJava Source Files (*.java)\n.java\nSourcewell.Document\nSourcewell "
              "Document"},
        {130, "\nJavaProject\nJava Project\nJava Project Files (*.jpr)\n.jpr\nJavaProjectr.Document\nJava project "
              "Document"},
        {131, "\nHTMLDocument\nHTML File\nHTML Files (*.html)\n.html\nHTML.Document\nHTML Document"},
    };
    return kinds;
}

std::string GetDocStringField(const std::string& strDocString, EDocStringField field)
{
    std::size_t nStart = 0;
    for (int i = 0; i < static_cast<int>(field); ++i) {
        nStart = strDocString.find('\n', nStart);
        if (nStart == std::string::npos)
            return "";
        ++nStart;
    }
    std::size_t nEnd = strDocString.find('\n', nStart);
    return strDocString.substr(nStart, nEnd == std::string::npos ? std::string::npos : nEnd - nStart);
}

int FindDocumentKindByName(const std::string& strDocName)
{
    const auto& kinds = DocumentKinds();
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        if (GetDocStringField(kinds[i].m_strDocString, EDocStringField::DocName) == strDocName)
            return static_cast<int>(i);
    }
    return -1;
}

namespace {
std::string ToLower(std::string strText)
{
    std::transform(strText.begin(), strText.end(), strText.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return strText;
}
} // namespace

std::string FileExtension(const std::string& strPath)
{
    std::size_t nName = strPath.find_last_of("/\\");
    nName = nName == std::string::npos ? 0 : nName + 1;
    std::size_t nDot = strPath.rfind('.');
    if (nDot == std::string::npos || nDot < nName)
        return "";
    return strPath.substr(nDot + 1);
}

int FindDocumentKindForPath(const std::string& strPath)
{
    std::string strExtension = ToLower(FileExtension(strPath));
    if (strExtension.empty())
        return -1;
    const auto& kinds = DocumentKinds();
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        std::string strFilter = GetDocStringField(kinds[i].m_strDocString, EDocStringField::FilterExt);
        if (ToLower(strFilter) == "." + strExtension)
            return static_cast<int>(i);
    }
    // The Java and HTML editors also take the short forms of their extensions.
    if (strExtension == "jav")
        return FindDocumentKindByName("JavaDocument");
    if (strExtension == "htm")
        return FindDocumentKindByName("HTMLDocument");
    return -1;
}

bool IsProjectPath(const std::string& strPath)
{
    return ToLower(FileExtension(strPath)) == "jpr";
}
