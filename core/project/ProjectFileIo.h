#pragma once

#include <string>

// Whole-file reads and all-or-nothing writes for project files (POSIX).
class CProjectFileIo
{
public:
    // False when the file cannot be opened or read, or is not a regular file.
    static bool ReadAll(const std::string& strPath, std::string& strBytes);

    // Writes a temporary file beside strPath, flushes it to disk and renames
    // it over strPath, so a crash or a full disk never leaves half a project.
    static bool Replace(const std::string& strPath, const std::string& strBytes);
};
