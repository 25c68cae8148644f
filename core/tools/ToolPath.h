#pragma once

#include <string>

// Path pieces for the tool commands. A path is cut at its last separator,
// which is '/' or '\' so that project files written on Windows still work.
class CToolPath {
public:
#ifdef _WIN32
    static constexpr char kSeparator = '\\';
    static constexpr const char* kExeSuffix = ".exe";
#else
    static constexpr char kSeparator = '/';
    static constexpr const char* kExeSuffix = "";
#endif

    // Position of the last '/' or '\', or std::string::npos.
    static std::size_t LastSeparator(const std::string& strPath);
    // The text before the last separator ("/" for a file in the root);
    // empty when there is none.
    static std::string FolderOf(const std::string& strPath);
    // The text after the last separator; the whole path when there is none.
    static std::string FileNameOf(const std::string& strPath);
    // Folder and name with one separator between them; the name alone when
    // the folder is empty.
    static std::string Join(const std::string& strFolder, const std::string& strName);
    // JDK folder + "/bin/" + tool name (+ ".exe" on Windows).
    static std::string JdkTool(const std::string& strJdkFolder, const std::string& strTool);
};
