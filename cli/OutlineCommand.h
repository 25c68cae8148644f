#pragma once

#include <string>
#include <vector>

class CJavaProjectCore;

// `tarnwick-cli outline [--project PATH.jpr] FILE`: the function drop-down of
// a Java file as the editor builds it on open. With a project, the scan also
// records the file's classes in it (in memory only; nothing is saved) and the
// recorded classes are listed after the entries. Exit codes: 0 done, 1 a
// file could not be read, the project is corrupt or FILE is not one of its
// Java files, 2 bad command line.
class COutlineCommand {
public:
    // args: the words after "outline".
    static int Run(const std::vector<std::string>& args);
    static void PrintUsage(bool bToStdout);

private:
    static bool LoadProject(const std::string& strPath, CJavaProjectCore& project);
};
