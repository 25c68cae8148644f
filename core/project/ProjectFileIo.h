#pragma once

#include <string>

#include <string_view>

// Whole-file reads for project files (POSIX); writes go through CAtomicFile.
class CProjectFileIo {
public:
    // False when the file cannot be opened or read, or is not a regular file.
    static bool ReadAll(const std::string& strPath, std::string& strBytes);

    // True when strPath is a regular file holding exactly these bytes.
    static bool HoldsBytes(const std::string& strPath, std::string_view bytes);
};
