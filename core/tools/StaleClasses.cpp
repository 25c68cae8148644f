#include "core/tools/StaleClasses.h"

#include "core/io/FileStamp.h"
#include "core/project/JavaFile.h"
#include "core/project/JavaFileList.h"
#include "core/project/JavaProjectCore.h"

#include <algorithm>

std::string CStaleClasses::ClassFileOf(const std::string& strSourcePath)
{
    static const std::string strSuffix = ".java";
    if (strSourcePath.size() <= strSuffix.size() ||
        strSourcePath.compare(strSourcePath.size() - strSuffix.size(), strSuffix.size(), strSuffix) != 0)
        return {};
    return strSourcePath.substr(0, strSourcePath.size() - strSuffix.size()) + ".class";
}

std::string CStaleClasses::FirstStaleSource(CJavaProjectCore& project, const std::vector<std::string>& vecUnsaved)
{
    CJavaFileList& files = project.GetJavaFiles();
    for (int nIndex = 0; nIndex < files.GetCount(); ++nIndex) {
        CJavaFile* pFile = files.GetAt(nIndex);
        const std::string strPath = pFile->GetRelocatedPathName(project.GetPathName());
        if (std::find(vecUnsaved.begin(), vecUnsaved.end(), strPath) != vecUnsaved.end())
            return strPath;
        const std::string strClass = ClassFileOf(strPath);
        if (strClass.empty())
            continue;
        const CFileStamp source = CFileStamp::Of(strPath);
        const CFileStamp classFile = CFileStamp::Of(strClass);
        if (source.ModifiedAfter(classFile))
            return strPath;
        if (source.Exists() && !classFile.Exists() && project.IsMainFile(pFile->GetFileName()))
            return strPath;
    }
    return {};
}
