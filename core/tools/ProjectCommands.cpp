#include "core/tools/ProjectCommands.h"

#include "core/project/JavaProjectCore.h"
#include "core/project/PackageDeclaration.h"
#include "core/settings/Settings.h"
#include "core/tools/JarCommandBuilder.h"
#include "core/tools/JdkCommandBuilder.h"
#include "core/tools/SourceRoot.h"
#include "core/tools/ToolPath.h"

std::string CProjectCommands::MainFilePath(CJavaProjectCore& project)
{
    const std::string strMain = project.GetMainFile();
    return strMain.empty() ? std::string() : project.GetFilePath(strMain);
}

std::string CProjectCommands::MainPackage(CJavaProjectCore& project)
{
    if (!project.GetMainPackage().empty())
        return project.GetMainPackage();
    const std::string strPath = MainFilePath(project);
    return strPath.empty() ? std::string() : CPackageDeclaration::ReadFile(strPath);
}

CProjectCommands::CResult CProjectCommands::Build(CJavaProjectCore& project, const CSettings& settings)
{
    CResult result;
    result.m_bReady =
        CJdkCommandBuilder::BuildProject(settings.m_strJavaBin, project.GetMainFile(), MainFilePath(project),
                                         MainPackage(project), project.GetJavacSwitches(), result.m_command,
                                         result.m_strError);
    result.m_command.m_bJavacMessages = true;
    return result;
}

CProjectCommands::CResult CProjectCommands::Compile(const CSettings& settings, const std::string& strPath)
{
    CResult result;
    result.m_bReady =
        CJdkCommandBuilder::CompileFile(settings.m_strJavaBin, strPath, CPackageDeclaration::ReadFile(strPath),
                                        settings.m_strJavac, result.m_command, result.m_strError);
    result.m_command.m_bJavacMessages = true;
    result.m_command.m_strCompiledFile = strPath;
    return result;
}

CProjectCommands::CResult CProjectCommands::Run(CJavaProjectCore& project, const CSettings& settings)
{
    CResult result;
    result.m_bReady = CJdkCommandBuilder::RunJava(settings.m_strJavaBin, project.GetMainFile(), MainFilePath(project),
                                                  project.GetJavaSwitches(), MainPackage(project), result.m_command,
                                                  result.m_strError);
    return result;
}

CProjectCommands::CResult CProjectCommands::RunApplet(const CSettings& settings, const std::string& strHtmlPath)
{
    CResult result;
    result.m_bReady =
        CJdkCommandBuilder::RunApplet(settings.m_strJavaBin, strHtmlPath, result.m_command, result.m_strError);
    return result;
}

std::string CProjectCommands::DefaultJarPath(CJavaProjectCore& project)
{
    const std::string strMain = project.GetMainFile();
    if (strMain.empty())
        return std::string();
    // The folder jar runs in, so the offered archive sits beside the classes
    // (a package's: beside its top folder).
    const std::string strPath = MainFilePath(project);
    CSourceRoot root;
    std::string strError;
    std::string strFolder = CToolPath::FolderOf(strPath);
    if (CSourceRoot::Find(strPath, MainPackage(project), root, strError))
        strFolder = root.m_strFolder;
    return CToolPath::Join(strFolder, CJarCommandBuilder::DefaultJarName(strMain));
}

std::string CProjectCommands::JarMainClass(CJavaProjectCore& project)
{
    const std::string strPackage = MainPackage(project);
    const std::string strClass = CJarCommandBuilder::JarClassName(project.GetMainFile());
    return strPackage.empty() ? strClass : strPackage + "." + strClass;
}

CProjectCommands::CResult CProjectCommands::CreateJar(CJavaProjectCore& project, const CSettings& settings,
                                                      const std::string& strJarPath)
{
    CResult result;
    result.m_bReady = CJarCommandBuilder::CreateJar(settings.m_strJavaBin, project.GetMainFile(), MainFilePath(project),
                                                    MainPackage(project), strJarPath, result.m_command,
                                                    result.m_strError);
    return result;
}

CProjectCommands::CResult CProjectCommands::ListArchive(const CSettings& settings, const std::string& strJarPath)
{
    CResult result;
    result.m_bReady = CJarCommandBuilder::ListArchive(settings.m_strJavaBin, strJarPath, result.m_command);
    return result;
}
