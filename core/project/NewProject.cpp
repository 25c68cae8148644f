#include "core/project/NewProject.h"

#include "core/editor/LineEnds.h"
#include "core/io/AtomicFile.h"
#include "core/project/JavaProjectCore.h"
#include "core/project/ProjectPath.h"
#include "core/project/ProjectTemplates.h"

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

bool CNewProject::Create(CJavaProjectCore& project, ENewProjectType eType, const std::string& strClass,
                         const std::string& strProjectPath, const OpenJavaFile& openJavaFile, std::string& strError)
{
    strError = CheckClassName(eType, strClass);
    if (!strError.empty())
        return false;
    if (!project.SaveAs(strProjectPath, strError))
        return false;
    if (eType == ENewProjectType::Empty)
        return true;

    // A bare project file name has no folder: the sources go beside it, not
    // into the root folder.
    const std::string strFolder = CProjectPath::FolderOf(strProjectPath);
    const bool bHasFolder = CProjectPath::FindLastSeparator(strProjectPath) != std::string::npos;
    const auto InFolder = [&strFolder, bHasFolder](const std::string& strName) {
        return !bHasFolder ? strName : strFolder + CProjectPath::kNativeSeparator + strName;
    };
    const std::string strJavaName = strClass + ".java";
    const std::string strJavaPath = InFolder(strJavaName);
    const bool bApplet = eType == ENewProjectType::Applet;
    const std::string strSource =
        bApplet ? CProjectTemplates::MakeAppletClass(strClass) : CProjectTemplates::MakeApplicationClass(strClass);
    if (!WriteTextFile(strJavaPath, strSource))
        return false;
    project.AddJavaFile(strJavaPath);
    project.SetMainFile(strJavaName);
    if (openJavaFile)
        openJavaFile(strJavaPath);

    if (bApplet) {
        const std::string strPagePath = InFolder(CProjectTemplates::AppletPageName);
        if (!WriteTextFile(strPagePath, CProjectTemplates::MakeAppletPage(strClass)))
            return false;
        project.AddHtmlFile(strPagePath);
        project.SetMainHtmlFile(CProjectTemplates::AppletPageName);
    }

    project.UpdateProjectViews();
    return project.Save(strError);
}
