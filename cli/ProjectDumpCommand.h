#pragma once

#include <string>
#include <vector>

// `tarnwick-cli project dump [--text] PATH.jpr`: every field of a project
// file exactly as it is stored, as JSON, or with --text as the older
// listing of one field per line. A file the reader refuses prints its reason
// ("Unexpected file format.") alone on stderr. Exit codes as CProjectCommand's.
class CProjectDumpCommand {
public:
    // args: the words after "dump".
    static int Run(const std::vector<std::string>& args);
};
