#include "cli/JdkCommand.h"

#include "cli/CliArguments.h"
#include "cli/CliIo.h"
#include "cli/ToolRun.h"

#include "core/project/JavaProjectCore.h"
#include "core/settings/SettingsLoader.h"
#include "core/tools/CommandLineSplitter.h"
#include "core/tools/JarCommandBuilder.h"
#include "core/tools/JdkCommandBuilder.h"
#include "core/tools/ProjectCommands.h"
#include "core/tools/ToolPath.h"
#include "settings/QtSettingsStore.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

constexpr const char* kBuildUsage = "Usage: tarnwick-cli build [--print] [--diagnostics] PROJECT.jpr\n"
                                    "  javac on the project's main Java file, in its folder, with the\n"
                                    "  project's compiler switches (the IDE's Build).\n";
constexpr const char* kCompileUsage =
    "Usage: tarnwick-cli compile [--print] [--diagnostics] [--project PROJECT.jpr] FILE.java\n"
    "  javac on FILE in its folder with the default compiler switches (the JAVAC\n"
    "  setting), as the IDE's Compile does; the project's own switches are for\n"
    "  build. With --project, a FILE given by a file name the project lists\n"
    "  (no folder) is the project's file of that name, wherever it now lies.\n";
constexpr const char* kRunUsage = "Usage: tarnwick-cli run [--print] [--stdin] PROJECT.jpr [-- ARGS...]\n"
                                  "  java on the project's main class, in the main file's folder, with the\n"
                                  "  project's run switches (the IDE's Run Application); ARGS are passed to\n"
                                  "  the program word for word. Its standard input is empty, as in the IDE;\n"
                                  "  with --stdin it is ours, passed on as it comes.\n";
constexpr const char* kJarUsage = "Usage: tarnwick-cli jar create [--print] PROJECT.jpr OUT.jar\n"
                                  "       tarnwick-cli jar list [--print] FILE.jar\n"
                                  "  create  the IDE's Create Jar: writes manifest.txt (\"Main-Class: \" and the\n"
                                  "          main class) in a private temporary folder, removed at the end, then\n"
                                  "          runs jar cmfv in the main file's folder, packing its *.class files\n"
                                  "  list    the IDE's Show Archive Contents: jar tvf in the archive's folder\n";
constexpr const char* kCommonUsage =
    "Output: the tool's output as it arrives, then \"Exit code: N\" and the verdict\n"
    "(\"No Errors\", \"There were errors\", \"Process terminated by user.\"), each on a line\n"
    "of its own. Exit status: 0 exactly when the verdict is \"No Errors\", 1 for any\n"
    "other verdict or a project file that cannot be read (\"Unexpected file format.\"),\n"
    "2 when nothing can be run (\"Please specify a main Java file first\", \"Unholy\n"
    "Error\", \"Failed to start process\" when the JDK's tool cannot be started),\n"
    "130 when stopped with Ctrl+C, which stops the tool's whole process group.\n"
    "--print shows, one per line, the program, the working folder, the command-line\n"
    "text and each argv word, and runs and writes nothing.\n"
    "--diagnostics (build, compile) adds, after the closing lines, javac's messages,\n"
    "one JSON object a line: {\"file\", \"line\", \"column\", \"kind\": \"error\"|\"warning\"|\n"
    "\"note\", \"message\"}, file absolute (\"\" with line and column 0 for a message\n"
    "without a place), column 0 when javac showed no caret, message lines joined by \\n.\n"
    "The JDK is the IDE's: the JAVABIN setting, else JAVA_HOME, else the javac on\n"
    "PATH, else /usr/lib/jvm/default-java.\n";

struct CParsedArgs {
    bool m_bPrint = false;
    bool m_bHelp = false;
    bool m_bDiagnostics = false; // build, compile
    bool m_bStdin = false;       // run
    std::string m_strProject;    // --project
    std::vector<std::string> m_vecPositional;
    std::vector<std::string> m_vecProgramArgs; // after "--"
};

int UsageError(const std::string& strVerb, const std::string& strText)
{
    std::fprintf(stderr, "tarnwick-cli: %s\n", strText.c_str());
    CJdkCommand::PrintUsage(strVerb, false);
    return kExitUsage;
}

// False (reason printed) for an option the verb does not take.
bool ParseArgs(const std::string& strVerb, const std::vector<std::string>& args, CParsedArgs& parsed)
{
    std::vector<CCliArguments::COption> options = {{"--print"}, {"--help"}};
    if (strVerb == "build" || strVerb == "compile")
        options.push_back({"--diagnostics"});
    if (strVerb == "run")
        options.push_back({"--stdin"});
    if (strVerb == "compile")
        options.push_back({"--project", true});
    // Only run passes words on (to the program), after "--".
    const CCliArguments arguments(args, options, strVerb == "run");
    if (const CCliArguments::CWord* pProblem = arguments.FirstProblem()) {
        if (pProblem->m_eKind == CCliArguments::EKind::MissingValue)
            UsageError(strVerb, "--project needs a project path");
        else
            UsageError(strVerb, "unknown option \"" + pProblem->m_strName + "\"");
        return false;
    }
    parsed.m_bPrint = arguments.Has("--print");
    parsed.m_bHelp = arguments.Has("--help");
    parsed.m_bDiagnostics = arguments.Has("--diagnostics");
    parsed.m_bStdin = arguments.Has("--stdin");
    parsed.m_strProject = arguments.Value("--project");
    parsed.m_vecPositional = arguments.Positionals();
    parsed.m_vecProgramArgs = arguments.Rest();
    return true;
}

CSettings IdeSettings()
{
    CQtSettingsStore store;
    return LoadSettings(store, DetectSettingsDefaults());
}

bool OpenProject(const std::string& strPath, CJavaProjectCore& project)
{
    if (!CCliIo::IsRegularOrMissing(strPath))
        return false;
    std::string strError;
    if (project.Open(CCliIo::AbsolutePath(strPath), strError))
        return true;
    std::fprintf(stderr, "%s\n", strError.c_str());
    return false;
}

// Prints or runs a made command; a command that is not ready shows its message.
int PrintOrRun(const CProjectCommands::CResult& result, const CSettings& settings, const CParsedArgs& parsed)
{
    if (!result.m_bReady) {
        if (!result.m_strError.empty())
            std::fprintf(stderr, "%s\n", result.m_strError.c_str());
        return kExitUsage;
    }
    if (parsed.m_bPrint)
        return CCliIo::WriteOutput(CCliToolRun::PrintText(result.m_command)) ? 0 : kExitFailed;
    CCliToolRun::COptions options;
    options.m_bDiagnostics = parsed.m_bDiagnostics;
    options.m_bPassInput = parsed.m_bStdin;
    return CCliToolRun::Run(result.m_command, static_cast<std::size_t>(settings.m_nOutputLimitMB) << 20, options);
}

int Build(const CParsedArgs& parsed)
{
    if (parsed.m_vecPositional.size() != 1)
        return UsageError("build", "build needs exactly one project path");
    CJavaProjectCore project;
    if (!OpenProject(parsed.m_vecPositional[0], project))
        return kExitFailed;
    const CSettings settings = IdeSettings();
    return PrintOrRun(CProjectCommands::Build(project, settings), settings, parsed);
}

int Compile(const CParsedArgs& parsed)
{
    if (parsed.m_vecPositional.size() != 1)
        return UsageError("compile", "compile needs exactly one Java file");
    std::string strPath = parsed.m_vecPositional[0];
    if (!parsed.m_strProject.empty()) {
        CJavaProjectCore project;
        if (!OpenProject(parsed.m_strProject, project))
            return kExitFailed;
        // A bare name the project lists is that file, as the project window's Compile finds it.
        if (CToolPath::LastSeparator(strPath) == std::string::npos && project.GetJavaFiles().HasFileName(strPath))
            strPath = project.GetFilePath(strPath);
    }
    if (strPath != CJavaProjectCore::kNoFile)
        strPath = CCliIo::AbsolutePath(strPath);
    const CSettings settings = IdeSettings();
    return PrintOrRun(CProjectCommands::Compile(settings, strPath), settings, parsed);
}

int RunProgram(const CParsedArgs& parsed)
{
    if (parsed.m_vecPositional.size() != 1)
        return UsageError("run", "run needs exactly one project path");
    CJavaProjectCore project;
    if (!OpenProject(parsed.m_vecPositional[0], project))
        return kExitFailed;
    const CSettings settings = IdeSettings();
    CProjectCommands::CResult run = CProjectCommands::Run(project, settings);
    // The words are joined so that the IDE's own splitting gives them back unchanged.
    if (run.m_bReady && !parsed.m_vecProgramArgs.empty())
        CJdkCommandBuilder::AppendRunArguments(run.m_command,
                                               CCommandLineSplitter::JoinWindowsArguments(parsed.m_vecProgramArgs));
    return PrintOrRun(run, settings, parsed);
}

// False (reason printed) when the archive's folder is missing or not a folder.
bool ArchiveFolderExists(const std::string& strJarPath)
{
    const std::string strFolder = CToolPath::FolderOf(strJarPath);
    std::error_code error;
    if (std::filesystem::is_directory(strFolder, error))
        return true;
    if (std::filesystem::exists(strFolder, error))
        CCliIo::PrintError(strJarPath, strFolder + " is not a folder.");
    else
        CCliIo::PrintError(strJarPath, "the folder " + strFolder + " does not exist.");
    return false;
}

int Jar(const CParsedArgs& parsed)
{
    const std::vector<std::string>& words = parsed.m_vecPositional;
    if (words.empty())
        return UsageError("jar", "jar needs create or list");
    const CSettings settings = IdeSettings();
    if (words[0] == "list") {
        if (words.size() != 2)
            return UsageError("jar", "jar list needs exactly one archive");
        return PrintOrRun(CProjectCommands::ListArchive(settings, CCliIo::AbsolutePath(words[1])), settings, parsed);
    }
    if (words[0] != "create")
        return UsageError("jar", "unknown jar command \"" + words[0] + "\"");
    if (words.size() != 3)
        return UsageError("jar", "jar create needs a project path and an archive path");
    CJavaProjectCore project;
    if (!OpenProject(words[1], project))
        return kExitFailed;
    const std::string strJarPath = CCliIo::AbsolutePath(words[2]);
    const CProjectCommands::CResult jar = CProjectCommands::CreateJar(project, settings, strJarPath);
    // jar itself would pack everything and then fail with a Java stack trace.
    if (jar.m_bReady && !parsed.m_bPrint && !ArchiveFolderExists(strJarPath))
        return kExitUsage;
    if (jar.m_bReady && !parsed.m_bPrint) {
        // A manifest that cannot be written shows up as jar's own complaint.
        CJarCommandBuilder::WriteManifest(CJarCommandBuilder::ManifestPath(strJarPath),
                                          CProjectCommands::JarMainClass(project));
    }
    return PrintOrRun(jar, settings, parsed);
}
} // namespace

void CJdkCommand::PrintUsage(const std::string& strVerb, bool bToStdout)
{
    std::FILE* pOut = bToStdout ? stdout : stderr;
    if (strVerb == "build" || strVerb.empty())
        std::fputs(kBuildUsage, pOut);
    if (strVerb == "compile" || strVerb.empty())
        std::fputs(kCompileUsage, pOut);
    if (strVerb == "run" || strVerb.empty())
        std::fputs(kRunUsage, pOut);
    if (strVerb == "jar" || strVerb.empty())
        std::fputs(kJarUsage, pOut);
    std::fputs(kCommonUsage, pOut);
}

int CJdkCommand::Run(const std::string& strVerb, const std::vector<std::string>& args)
{
    CParsedArgs parsed;
    if (!ParseArgs(strVerb, args, parsed))
        return kExitUsage;
    if (parsed.m_bHelp) {
        PrintUsage(strVerb, true);
        return CCliIo::FlushOutput() ? 0 : kExitFailed;
    }
    if (strVerb == "build")
        return Build(parsed);
    if (strVerb == "compile")
        return Compile(parsed);
    if (strVerb == "run")
        return RunProgram(parsed);
    return Jar(parsed);
}
