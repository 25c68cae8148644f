#pragma once

#include <string>
#include <vector>

// tarnwick-cli find: Find in Files from the command line, one line per match
// as "PATH:LINE:COLUMN: TEXT". Exit status 0 when something matched, 1 when
// nothing did, 2 on an error (a file that could not be read included, when
// nothing matched).
class CFindCommand {
public:
    static int Run(const std::vector<std::string>& args);
    static void PrintUsage(bool bToStdout);
};
