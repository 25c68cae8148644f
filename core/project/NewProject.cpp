#include "core/project/NewProject.h"

#include "core/editor/LineEnds.h"
#include "core/io/AtomicFile.h"
#include "core/project/JavaProjectCore.h"
#include "core/project/ProjectPath.h"
#include "core/project/ProjectTemplates.h"

#include <sys/stat.h>

std::string CNewProject::CheckClassName(ENewProjectType eType, const std::string& strClass)
{
    // An empty project never uses the name.
    if (eType == ENewProjectType::Empty)
        return std::string();
    if (strClass.empty())
        return NoClassNameText;
    if (strClass.find_first_of("/\\") != std::string::npos)
        return SeparatorInNameText;
    return std::string();
}

bool CNewProject::WriteTextFile(const std::string& strPath, const std::string& strText)
{
    std::string strReason;
    return CAtomicFile::Replace(strPath, CLineEnds::ToCrLf(strText), strReason);
}

std::vector<std::string> CNewProject::SourcePaths(ENewProjectType eType, const std::string& strClass,
                                                  const std::string& strProjectPath)
{
    if (eType == ENewProjectType::Empty)
        return {};
    // A bare project file name has no folder: the sources go beside it, not
    // into the root folder.
    const std::string strFolder = CProjectPath::FolderOf(strProjectPath);
    const bool bHasFolder = CProjectPath::FindLastSeparator(strProjectPath) != std::string::npos;
    const auto InFolder = [&strFolder, bHasFolder](const std::string& strName) {
        return !bHasFolder ? strName : strFolder + CProjectPath::kNativeSeparator + strName;
    };
    std::vector<std::string> paths{InFolder(strClass + ".java")};
    if (eType == ENewProjectType::Applet)
        paths.push_back(InFolder(CProjectTemplates::AppletPageName));
    return paths;
}

// A file (or a link, dangling too) in the way. A folder there is not asked
// about: it cannot be replaced, and writing the source fails as before.
static bool Exists(const std::string& strPath)
{
    struct stat info {};
    return ::lstat(strPath.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

std::vector<std::string> CNewProject::ExistingSources(ENewProjectType eType, const std::string& strClass,
                                                      const std::string& strProjectPath)
{
    std::vector<std::string> existing;
    for (const std::string& strPath : SourcePaths(eType, strClass, strProjectPath))
        if (Exists(strPath))
            existing.push_back(strPath);
    return existing;
}

bool CNewProject::Create(CJavaProjectCore& project, ENewProjectType eType, const std::string& strClass,
                         const std::string& strProjectPath, const OpenJavaFile& openJavaFile, std::string& strError,
                         const ReplaceExisting& replaceExisting)
{
    strError = CheckClassName(eType, strClass);
    if (!strError.empty())
        return false;
    // Every question is asked before anything is written.
    const std::vector<std::string> sources = SourcePaths(eType, strClass, strProjectPath);
    std::vector<bool> write;
    for (const std::string& strPath : sources)
        write.push_back(!Exists(strPath) || (replaceExisting && replaceExisting(strPath)));
    if (!project.SaveAs(strProjectPath, strError))
        return false;
    if (eType == ENewProjectType::Empty)
        return true;

    const std::string strJavaName = strClass + ".java";
    const std::string& strJavaPath = sources[0];
    const bool bApplet = eType == ENewProjectType::Applet;
    const std::string strSource =
        bApplet ? CProjectTemplates::MakeAppletClass(strClass) : CProjectTemplates::MakeApplicationClass(strClass);
    if (write[0] && !WriteTextFile(strJavaPath, strSource))
        return false;
    project.AddJavaFile(strJavaPath);
    project.SetMainFile(strJavaName);
    if (openJavaFile)
        openJavaFile(strJavaPath);

    if (bApplet) {
        const std::string& strPagePath = sources[1];
        if (write[1] && !WriteTextFile(strPagePath, CProjectTemplates::MakeAppletPage(strClass)))
            return false;
        project.AddHtmlFile(strPagePath);
        project.SetMainHtmlFile(CProjectTemplates::AppletPageName);
    }

    project.UpdateProjectViews();
    return project.Save(strError);
}
