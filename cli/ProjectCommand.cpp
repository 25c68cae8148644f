#include "cli/ProjectCommand.h"

#include "cli/CliArguments.h"
#include "cli/CliIo.h"
#include "cli/ProjectDumpCommand.h"

#include "core/editor/LineEnds.h"
#include "core/editor/OutlineScanner.h"
#include "core/io/FileLock.h"
#include "core/project/JavaFile.h"
#include "core/project/JavaProjectCore.h"
#include "core/project/NewProject.h"
#include "core/project/ProjectDump.h"
#include "core/project/ProjectFileIo.h"
#include "core/project/ProjectPath.h"
#include "core/settings/SettingNames.h"
#include "settings/QtSettingsStore.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>

namespace {
std::string AbsolutePath(const std::string& strPath)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(strPath, error);
    return error ? strPath : absolute.lexically_normal().string();
}

std::string LowerExtension(const std::string& strPath)
{
    const std::string strName = CProjectPath::FileNameOf(strPath);
    const auto nDot = strName.find_last_of('.');
    std::string strExt = nDot == std::string::npos ? std::string() : strName.substr(nDot);
    std::transform(strExt.begin(), strExt.end(), strExt.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return strExt;
}

void PrintError(const std::string& strText)
{
    std::fprintf(stderr, "%s\n", strText.c_str());
}

// How long to wait for another program's hold on a project file. The
// environment may change it (tests do: shorter to see a held lock refused
// quickly, longer so that many runs on a slow machine never time out).
int LockTimeoutMs()
{
    constexpr long kMostLockTimeoutMs = 3600L * 1000;
    if (const char* pszValue = std::getenv("TARNWICK_LOCK_TIMEOUT_MS")) {
        char* pszEnd = nullptr;
        const long nValue = std::strtol(pszValue, &pszEnd, 10);
        if (pszEnd != pszValue && *pszEnd == '\0' && nValue >= 0 && nValue <= kMostLockTimeoutMs)
            return static_cast<int>(nValue);
    }
    return CFileLock::kDefaultTimeoutMs;
}

// Takes the project file's lock for a read-modify-write; says why not.
bool LockProject(CFileLock& lock, const std::string& strTyped)
{
    std::string strReason;
    if (lock.Acquire(AbsolutePath(strTyped), LockTimeoutMs(), strReason))
        return true;
    if (strReason == "locked by another program")
        PrintError(strTyped + " is locked by another program; nothing was written.");
    else
        PrintError(strTyped + ": cannot be locked (" + strReason + "); nothing was written.");
    return false;
}

int UsageError(const std::string& strText)
{
    std::fprintf(stderr, "tarnwick-cli: %s\n", strText.c_str());
    CProjectCommand::PrintUsage(false);
    return CProjectCommand::kExitUsage;
}
} // namespace

void CProjectCommand::PrintUsage(bool bToStdout)
{
    std::fprintf(bToStdout ? stdout : stderr,
                 "Usage: tarnwick-cli project new [--type empty|application|applet] [--class NAME] [--force] PATH.jpr\n"
                 "       tarnwick-cli project add PATH.jpr FILE...\n"
                 "       tarnwick-cli project remove PATH.jpr FILE\n"
                 "       tarnwick-cli project main PATH.jpr NAME.java\n"
                 "       tarnwick-cli project html-main PATH.jpr NAME.html\n"
                 "       tarnwick-cli project show PATH.jpr\n"
                 "       tarnwick-cli project dump [--text] PATH.jpr\n"
                 "  new        create a project; application and applet projects get a source\n"
                 "             file (and applets an Example1.html page) beside the project file\n"
                 "             (type defaults to application, class to MyApp); a project file\n"
                 "             or source already there is only replaced with --force\n"
                 "  add        add Java (.java, .jav) and HTML (.htm, .html) files; when one\n"
                 "             is refused none is added\n"
                 "  remove     remove a file, given by the path the project lists\n"
                 "  main       set the main Java file, by file name\n"
                 "  html-main  set the main HTML file, by file name\n"
                 "  show       list files, classes, main files and switches; in texts, control\n"
                 "             characters and bytes that are not UTF-8 appear as \\xNN\n"
                 "  dump       every field of the file exactly as stored (no path rebased), as\n"
                 "             JSON: {\"javaFiles\": [{\"fileName\", \"pathName\", \"projectPath\",\n"
                 "             \"classes\": [{\"name\", \"members\": [...], \"nested\": [...]}],\n"
                 "             \"reserved\"}], \"htmlFiles\": [{\"fileName\", \"pathName\",\n"
                 "             \"projectPath\"}], \"mainJavaFile\", \"mainFolder\", \"mainPackage\",\n"
                 "             \"mainHtmlFile\", \"javaSwitches\", \"javacSwitches\"}. Texts are the\n"
                 "             stored bytes as UTF-8 (UTF-16 texts converted); bytes that are not\n"
                 "             valid UTF-8 appear as U+FFFD, one per ill-formed piece. A file\n"
                 "             that cannot be read as a project prints \"Unexpected file format.\"\n"
                 "             on stderr and exits with 1.\n"
                 "             --text: the older listing, one field per line in file order:\n"
                 "             list counts, then each entry's fields indented two spaces deeper\n"
                 "             (classes: m_members, m_nestedClasses, m_strName), then the six\n"
                 "             texts by name, double-quoted with C escapes; bytes outside\n"
                 "             printable ASCII appear as three-digit octal escapes.\n"
                 "New projects take their switches from the IDE's settings (JAVAC, JAVAOPTIONS).\n"
                 "Commands that change a project file lock it (PATH.jpr.lock beside it); one\n"
                 "that cannot get the lock within 10 seconds changes nothing and exits with 1.\n");
}

int CProjectCommand::Run(const std::vector<std::string>& args)
{
    if (args.empty())
        return UsageError("missing project command");
    const std::string& strCommand = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (strCommand == "--help" || strCommand == "help") {
        PrintUsage(true);
        return CCliIo::FlushOutput() ? kExitOk : kExitFailed;
    }
    if (strCommand == "new")
        return New(rest);
    if (strCommand == "add")
        return Add(rest);
    if (strCommand == "remove")
        return Remove(rest);
    if (strCommand == "main")
        return SetMain(rest, false);
    if (strCommand == "html-main")
        return SetMain(rest, true);
    if (strCommand == "show")
        return Show(rest);
    if (strCommand == "dump")
        return CProjectDumpCommand::Run(rest);
    return UsageError("unknown project command \"" + strCommand + "\"");
}

int CProjectCommand::New(const std::vector<std::string>& args)
{
    ENewProjectType eType = ENewProjectType::Application;
    std::string strClass = CNewProject::DefaultClassName;
    std::string strPath;
    bool bForce = false;
    using EKind = CCliArguments::EKind;
    const CCliArguments arguments(args, {{"--type", true}, {"--class", true}, {"--force"}});
    // The first problem in command-line order is the one named.
    for (const CCliArguments::CWord& word : arguments.Words()) {
        if (word.m_eKind == EKind::MissingValue)
            return UsageError(word.m_strName + " needs a value");
        if (word.m_eKind == EKind::Option && word.m_strName != "--force") {
            const std::string& strValue = word.m_strValue;
            if (word.m_strName == "--class")
                strClass = strValue;
            else if (strValue == "empty")
                eType = ENewProjectType::Empty;
            else if (strValue == "application")
                eType = ENewProjectType::Application;
            else if (strValue == "applet")
                eType = ENewProjectType::Applet;
            else
                return UsageError("unknown project type \"" + strValue + "\" (empty, application or applet)");
        } else if (word.m_eKind == EKind::Option)
            bForce = true;
        else if (word.m_eKind == EKind::UnknownOption)
            return UsageError("unknown option \"" + word.m_strName + "\"");
        else if (!strPath.empty())
            return UsageError("only one project path may be given");
        else
            strPath = word.m_strValue;
    }
    if (strPath.empty())
        return UsageError("missing project path");

    // As the save dialog does: a name without an extension gets ".jpr".
    if (CProjectPath::FileNameOf(strPath).find('.') == std::string::npos)
        strPath += ".jpr";
    strPath = AbsolutePath(strPath);

    const std::string strRefusal = CNewProject::CheckClassName(eType, strClass);
    if (!strRefusal.empty()) {
        PrintError(strRefusal);
        return kExitFailed;
    }
    CFileLock lock;
    if (!LockProject(lock, strPath))
        return kExitFailed;
    // Nothing is written while any file in the way would be replaced unasked.
    std::error_code error;
    std::vector<std::string> inTheWay;
    if (std::filesystem::exists(std::filesystem::symlink_status(strPath, error)))
        inTheWay.push_back(strPath);
    for (const std::string& strSource : CNewProject::SourcePaths(eType, strClass, strPath))
        if (std::filesystem::exists(std::filesystem::symlink_status(strSource, error)))
            inTheWay.push_back(strSource);
    if (!bForce && !inTheWay.empty()) {
        for (const std::string& strFile : inTheWay)
            PrintError(strFile + " already exists; use --force to replace it.");
        PrintError("Nothing was written.");
        return kExitFailed;
    }

    CQtSettingsStore store;
    CJavaProjectCore project(store.GetProfileString(SettingNames::kOptions, SettingNames::kJavaOptions, ""),
                             store.GetProfileString(SettingNames::kOptions, SettingNames::kJavac, ""));
    std::string strError;
    const bool bDone = CNewProject::Create(
        project, eType, strClass, strPath,
        [&project](const std::string& strJavaPath) { ScanJavaFile(project, strJavaPath); }, strError,
        [bForce](const std::string&) { return bForce; });
    PrintMessages(project);
    if (!bDone) {
        PrintError(strError.empty() ? "Could not write the project's source files beside " + strPath : strError);
        return kExitFailed;
    }
    std::printf("Created %s\n", strPath.c_str());
    return kExitOk;
}

int CProjectCommand::Add(const std::vector<std::string>& args)
{
    if (args.size() < 2)
        return UsageError("add needs a project path and at least one file");
    // All or nothing: every file is looked at before the project changes.
    std::vector<std::string> paths;
    bool bRefused = false;
    for (std::size_t nIndex = 1; nIndex < args.size(); ++nIndex) {
        const std::string strPath = AbsolutePath(args[nIndex]);
        const std::string strExt = LowerExtension(strPath);
        std::error_code error;
        if (strExt != ".java" && strExt != ".jav" && strExt != ".html" && strExt != ".htm") {
            PrintError(args[nIndex] + ": not a Java (.java, .jav) or HTML (.htm, .html) file.");
            bRefused = true;
        } else if (!std::filesystem::is_regular_file(strPath, error)) {
            const bool bExists = std::filesystem::exists(strPath, error);
            PrintError(args[nIndex] + (bExists ? ": not a regular file." : ": no such file."));
            bRefused = true;
        } else
            paths.push_back(strPath);
    }
    if (bRefused) {
        PrintError("Nothing was added to " + args[0] + ".");
        return kExitFailed;
    }

    CFileLock lock;
    CJavaProjectCore project;
    if (!OpenProjectLocked(args[0], lock, project))
        return kExitFailed;

    // Told only once the project is saved: a refusal below leaves it as it was.
    std::vector<std::string> notes;
    for (const std::string& strPath : paths) {
        const std::string strExt = LowerExtension(strPath);
        if (strExt == ".html" || strExt == ".htm") {
            std::string strMessage;
            if (!project.AddHtmlFileChecked(strPath, strMessage)) {
                PrintError(strPath + ": " + strMessage);
                bRefused = true;
            }
        } else if (project.GetJavaFiles().FindByPathName(strPath))
            notes.push_back(strPath + " is already listed.");
        else if (project.GetJavaFiles().HasFileName(CProjectPath::FileNameOf(strPath))) {
            // One entry per file name: the listed one now points here.
            project.AddJavaFile(strPath);
            project.SetModifiedFlag();
            ScanJavaFile(project, strPath);
            notes.push_back(CProjectPath::FileNameOf(strPath) + " now points to " + strPath);
        } else if (!project.AddJavaFile(strPath))
            notes.push_back(strPath + " is already listed.");
        else if (project.GetJavaFiles().FindByPathName(strPath) == nullptr) {
            PrintError(strPath + ": the project already holds 255 Java files.");
            bRefused = true;
        } else {
            project.SetModifiedFlag();
            ScanJavaFile(project, strPath);
        }
    }
    if (bRefused) {
        PrintError("Nothing was added to " + args[0] + ".");
        return kExitFailed;
    }
    PrintMessages(project);
    if (project.IsModified() && SaveProject(project) != kExitOk)
        return kExitFailed;
    for (const std::string& strNote : notes)
        std::printf("%s\n", strNote.c_str());
    return kExitOk;
}

int CProjectCommand::Remove(const std::vector<std::string>& args)
{
    if (args.size() != 2)
        return UsageError("remove needs a project path and one file");
    CFileLock lock;
    CJavaProjectCore project;
    if (!OpenProjectLocked(args[0], lock, project))
        return kExitFailed;
    // The path as listed, or as the absolute form of what was typed.
    std::string strPath = args[1];
    const auto IsListed = [&project](const std::string& strCandidate) {
        return project.GetJavaFiles().FindByPathName(strCandidate) ||
               project.GetHtmlFiles().FindByPathName(strCandidate);
    };
    if (!IsListed(strPath))
        strPath = AbsolutePath(strPath);
    if (!IsListed(strPath)) {
        PrintError(args[1] + ": not a file of this project.");
        return kExitFailed;
    }
    project.RemoveFile(strPath);
    return SaveProject(project);
}

int CProjectCommand::SetMain(const std::vector<std::string>& args, bool bHtml)
{
    if (args.size() != 2)
        return UsageError(std::string(bHtml ? "html-main" : "main") + " needs a project path and a file name");
    CFileLock lock;
    CJavaProjectCore project;
    if (!OpenProjectLocked(args[0], lock, project))
        return kExitFailed;
    const std::string& strName = args[1];
    const bool bListed =
        bHtml ? project.GetHtmlFiles().HasFileName(strName) : project.GetJavaFiles().HasFileName(strName);
    if (!bListed) {
        PrintError(strName + ": not " + (bHtml ? "an HTML" : "a Java") + " file of this project (give the file name).");
        return kExitFailed;
    }
    if (bHtml)
        project.SetMainHtmlFile(strName);
    else
        project.SetMainFile(strName);
    return SaveProject(project);
}

int CProjectCommand::Show(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return UsageError("show needs exactly one project path");
    CJavaProjectCore project;
    if (!OpenProject(args[0], project))
        return kExitFailed;
    return CCliIo::WriteOutput(CProjectDump::Write(project)) ? kExitOk : kExitFailed;
}

bool CProjectCommand::OpenProject(const std::string& strPath, CJavaProjectCore& project)
{
    if (!CCliIo::IsRegularOrMissing(strPath))
        return false;
    std::string strError;
    if (project.Open(AbsolutePath(strPath), strError))
        return true;
    PrintError(strError);
    return false;
}

bool CProjectCommand::OpenProjectLocked(const std::string& strPath, CFileLock& lock, CJavaProjectCore& project)
{
    // A project that is not there is only reported: nothing is written then,
    // and no lock file is left beside a name that was mistyped.
    struct stat info {};
    if (::lstat(strPath.c_str(), &info) != 0)
        return OpenProject(strPath, project);
    return LockProject(lock, strPath) && OpenProject(strPath, project);
}

int CProjectCommand::SaveProject(CJavaProjectCore& project)
{
    std::string strError;
    if (project.Save(strError))
        return kExitOk;
    PrintError(strError);
    return kExitFailed;
}

void CProjectCommand::ScanJavaFile(CJavaProjectCore& project, const std::string& strPath)
{
    std::string strBytes;
    if (!CProjectFileIo::ReadAll(strPath, strBytes))
        return;
    COutlineScanner scanner;
    scanner.ScanClasses(CLineEnds::ToCrLf(strBytes), &project, strPath);
}

void CProjectCommand::PrintMessages(CJavaProjectCore& project)
{
    for (const std::string& strMessage : project.TakeMessages())
        PrintError(strMessage);
}
