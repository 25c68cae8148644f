#pragma once

#include <string>
#include <vector>

class CFileLock;
class CJavaProjectCore;

// `tarnwick-cli project ...`: creates, edits and lists .jpr project files
// with the same rules the IDE's project document follows. Messages go to
// stderr; listings to stdout. Exit codes: 0 done, 1 refused or failed, 2 bad
// command line.
class CProjectCommand {
public:
    static constexpr int kExitOk = 0;
    static constexpr int kExitFailed = 1;
    static constexpr int kExitUsage = 2;

    // args: the words after "project".
    static int Run(const std::vector<std::string>& args);
    static void PrintUsage(bool bToStdout);

private:
    static int New(const std::vector<std::string>& args);
    static int Add(const std::vector<std::string>& args);
    static int Remove(const std::vector<std::string>& args);
    static int SetMain(const std::vector<std::string>& args, bool bHtml);
    static int Show(const std::vector<std::string>& args);

    // Opens the project at strPath (made absolute); prints the reason on failure.
    static bool OpenProject(const std::string& strPath, CJavaProjectCore& project);
    // Takes the project file's lock, then opens it; a missing file is only
    // reported. False (reason printed) when either fails.
    static bool OpenProjectLocked(const std::string& strPath, CFileLock& lock, CJavaProjectCore& project);
    static int SaveProject(CJavaProjectCore& project);
    // Reads a Java file's classes into the project, as the editor's outline
    // scan does when the file is opened.
    static void ScanJavaFile(CJavaProjectCore& project, const std::string& strPath);
    static void PrintMessages(CJavaProjectCore& project);
};
