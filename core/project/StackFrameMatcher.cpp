#include "core/project/StackFrameMatcher.h"

#include "core/project/JavaFile.h"
#include "core/project/JavaFileList.h"
#include "core/project/ProjectPath.h"

#include <string>

int CStackFrameMatcher::Match(const CJavaFileList& javaFiles, std::string_view strClass, std::string_view strFileName,
                              std::string_view strRootFolder)
{
    if (strFileName.empty())
        return -1;
    // The package is all before the class's simple name; nested classes
    // follow it after '$' and so stay with the name.
    std::string strTail;
    const std::size_t nDot = strClass.rfind('.');
    if (nDot != std::string_view::npos) {
        strTail = strClass.substr(0, nDot);
        for (char& ch : strTail) {
            if (ch == '.')
                ch = '/';
        }
        strTail += '/';
    }
    strTail += strFileName;
    const std::string strRoot = CProjectPath::WithNativeSeparators(std::string(strRootFolder));

    for (int nIndex = 0; nIndex < javaFiles.GetCount(); ++nIndex) {
        const std::string strPath = javaFiles.GetAt(nIndex)->GetPathName();
        if (!EndsWithPath(strPath, strTail))
            continue;
        if (nDot == std::string_view::npos && !strRoot.empty() &&
            CProjectPath::WithNativeSeparators(CProjectPath::FolderOf(strPath)) != strRoot)
            continue;
        return nIndex;
    }
    for (int nIndex = 0; nIndex < javaFiles.GetCount(); ++nIndex) {
        if (javaFiles.GetAt(nIndex)->GetFileName() == strFileName)
            return nIndex;
    }
    return -1;
}

bool CStackFrameMatcher::EndsWithPath(std::string_view strPath, std::string_view strTail)
{
    if (strTail.empty() || strTail.size() > strPath.size())
        return false;
    const std::size_t nStart = strPath.size() - strTail.size();
    const bool bWindowsPath = CProjectPath::IsWindowsPath(strPath);
    for (std::size_t nIndex = 0; nIndex < strTail.size(); ++nIndex) {
        const char chPath = strPath[nStart + nIndex];
        const char chTail = strTail[nIndex];
        if (chPath != chTail &&
            !(CProjectPath::IsSeparator(chPath, bWindowsPath) && CProjectPath::IsSeparator(chTail, bWindowsPath)))
            return false;
    }
    return nStart == 0 || CProjectPath::IsSeparator(strPath[nStart - 1], bWindowsPath);
}
