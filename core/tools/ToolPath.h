#pragma once

#include <string>

// Path pieces for the tool commands. A path is cut at its last separator:
// '/', and '\' too in a path written on Windows (see CProjectPath), so that
// project files written there still work while "x\Hello.java" stays one
// name here.
class CToolPath {
public:
#ifdef _WIN32
    static constexpr char kSeparator = '\\';
    static constexpr const char* kExeSuffix = ".exe";
#else
    static constexpr char kSeparator = '/';
    static constexpr const char* kExeSuffix = "";
#endif

    // Position of the last separator, or std::string::npos.
    static std::size_t LastSeparator(const std::string& strPath);
    // The text before the last separator ("/" for a file in the root);
    // empty when there is none.
    static std::string FolderOf(const std::string& strPath);
    // The text after the last separator; the whole path when there is none.
    static std::string FileNameOf(const std::string& strPath);
    // Folder and name with one separator between them; the name alone when
    // the folder is empty.
    static std::string Join(const std::string& strFolder, const std::string& strName);
    // A file name or path as a tool's argument: one that starts with '-' or
    // '@' would be read as an option or an argument file, so it gets "./"
    // (the tools run in the file's folder); any other is kept as it is.
    static std::string ArgumentName(const std::string& strName);
    // JDK folder + "/bin/" + tool name (+ ".exe" on Windows).
    static std::string JdkTool(const std::string& strJdkFolder, const std::string& strTool);
    // The tool a program path runs: its file name without the suffix.
    static std::string ToolName(const std::string& strProgram);
};
