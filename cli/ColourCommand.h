#pragma once

#include <string>
#include <vector>

// `tarnwick-cli colour [--html] [--codes] FILE`: colours a Java file (or an
// HTML page) as the editor does when it opens it, and lists the result. Exit codes: 0 done, 1 the file
// could not be read or the listing not written, 2 bad command line.
class CColourCommand {
public:
    // args: the words after "colour".
    static int Run(const std::vector<std::string>& args);
    static void PrintUsage(bool bToStdout);
};
