#pragma once

#include <string>
#include <vector>

// `tarnwick-cli build | compile | run | jar`: the IDE's Build, Compile, Run
// Application, Create Jar and Show Archive Contents without a window. The
// commands are made by the same code as the IDE's (CProjectCommands) from the
// project and the IDE's settings, so the JDK is the one the IDE would use.
// Exit status: 0 exactly when the verdict is "No Errors"; 1 for any other
// verdict or a project that cannot be read; 2 for a bad command line or when
// nothing could be run (the IDE's message on stderr); 130 after Ctrl+C.
class CJdkCommand {
public:
    // strVerb: "build", "compile", "run" or "jar"; args: the words after it.
    static int Run(const std::string& strVerb, const std::vector<std::string>& args);
    // The usage of one verb (or of all four when strVerb is empty).
    static void PrintUsage(const std::string& strVerb, bool bToStdout);
};
