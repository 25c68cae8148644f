#include "core/project/ProjectTemplates.h"

std::string CProjectTemplates::MakeApplicationClass(const std::string& strClass)
{
    return ReplaceAll(ApplicationClass, ApplicationPlaceholder, strClass);
}

std::string CProjectTemplates::MakeAppletClass(const std::string& strClass)
{
    return ReplaceAll(AppletClass, AppletPlaceholder, strClass);
}

std::string CProjectTemplates::MakeAppletPage(const std::string& strClass)
{
    return ReplaceAll(AppletPage, AppletPlaceholder, strClass);
}

std::string CProjectTemplates::ReplaceAll(const std::string& strText, const std::string& strFind,
                                          const std::string& strReplace)
{
    if (strFind.empty())
        return strText;
    std::string strResult;
    strResult.reserve(strText.size());
    std::string::size_type nFrom = 0;
    for (;;) {
        // Scanning resumes after the inserted text, so a replacement that
        // contains the placeholder is not replaced again.
        const std::string::size_type nFound = strText.find(strFind, nFrom);
        if (nFound == std::string::npos)
            break;
        strResult.append(strText, nFrom, nFound - nFrom);
        strResult += strReplace;
        nFrom = nFound + strFind.size();
    }
    strResult.append(strText, nFrom, std::string::npos);
    return strResult;
}
