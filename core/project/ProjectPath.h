#pragma once

#include <string>
#include <string_view>

// Path cutting for project entries. On Windows both '/' and '\' separate
// folders. Elsewhere '\' is a character like any other, so a file may be
// named "x\Hello.java"; only a path written on Windows (a drive letter or a
// '\' first, as stored in an old project file) is cut at both, so such
// projects still rebase. New paths are joined with the separator of the
// platform we run on.
class CProjectPath {
public:
#ifdef _WIN32
    static constexpr char kNativeSeparator = '\\';
#else
    static constexpr char kNativeSeparator = '/';
#endif

    // Whether strPath is cut at '\' as well as '/': always on Windows;
    // elsewhere when it starts with a drive ("C:") or a '\'.
    static bool IsWindowsPath(std::string_view strPath);

    // Whether ch separates folders in a path of that kind.
    static bool IsSeparator(char ch, bool bWindowsPath)
    {
        return ch == '/' || (bWindowsPath && ch == '\\');
    }

    // Index of the last separator of strPath, or std::string::npos.
    static std::string::size_type FindLastSeparator(const std::string& strPath);

    // The text after the last separator; the whole path when it has none.
    static std::string FileNameOf(const std::string& strPath);

    // The text before the last separator; empty when it has none.
    static std::string FolderOf(const std::string& strPath);

    // The text with every separator (as cut for a path of that kind) turned
    // into the native one.
    static std::string WithNativeSeparators(const std::string& strPath, bool bWindowsPath);
    static std::string WithNativeSeparators(const std::string& strPath)
    {
        return WithNativeSeparators(strPath, IsWindowsPath(strPath));
    }
};
