#pragma once

#include <string>

// Path cutting for project entries. Stored paths may come from a project
// written on Windows, so both '/' and '\' separate folders; new paths are
// joined with the separator of the platform we run on.
class CProjectPath {
public:
#ifdef _WIN32
    static constexpr char kNativeSeparator = '\\';
#else
    static constexpr char kNativeSeparator = '/';
#endif

    static bool IsSeparator(char ch)
    {
        return ch == '/' || ch == '\\';
    }

    // Index of the last '/' or '\', or std::string::npos.
    static std::string::size_type FindLastSeparator(const std::string& strPath);

    // The text after the last separator; the whole path when it has none.
    static std::string FileNameOf(const std::string& strPath);

    // The text before the last separator; empty when it has none.
    static std::string FolderOf(const std::string& strPath);

    // The text with every '/' and '\' turned into the native separator.
    static std::string WithNativeSeparators(const std::string& strPath);
};
