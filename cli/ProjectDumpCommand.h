#pragma once

#include <string>
#include <vector>

// `tarnwick-cli project dump PATH.jpr`: every field of a project file as it
// is stored, one per line, for comparing readers byte for byte. Exit codes as
// CProjectCommand's.
class CProjectDumpCommand {
public:
    // args: the words after "dump".
    static int Run(const std::vector<std::string>& args);
};
