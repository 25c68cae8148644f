#pragma once

#include <functional>
#include <string>
#include <vector>

class CJavaProjectCore;

enum class ENewProjectType { Empty = 0, Application = 1, Applet = 2 };

// Fills a new project from the templates once the user has chosen where its
// .jpr file goes: the Java file (and for applets the page) is written beside
// it with CR LF line breaks, added, made the main file, and the project saved.
class CNewProject {
public:
    static constexpr const char* DefaultClassName = "MyApp";
    static constexpr const char* NoClassNameText = "Please enter a name for your class";
    static constexpr const char* SeparatorInNameText = "A class name cannot contain a folder separator.";

    // The refusal to show for a class name, or "" when it will do. An empty
    // project takes any name (it uses none); the others need one, and one
    // with '/' or '\' would put the source outside the project folder under
    // a file name the project could never match.
    static std::string CheckClassName(ENewProjectType eType, const std::string& strClass);

    // Called with the Java file's path as soon as it is listed, so the
    // caller can open it (and its outline scan can fill the classes).
    using OpenJavaFile = std::function<void(const std::string& strPath)>;

    // Asked, for each source that already exists, whether to write the new
    // one over it. No keeps the file as it is; it is still listed and made
    // the main file.
    using ReplaceExisting = std::function<bool(const std::string& strPath)>;

    // The sources Create writes for this type and class beside
    // strProjectPath, in the order it writes them (none for an empty project).
    static std::vector<std::string> SourcePaths(ENewProjectType eType, const std::string& strClass,
                                                const std::string& strProjectPath);
    // Those of SourcePaths that already exist as files or links (dangling
    // too); not folders, which cannot be replaced.
    static std::vector<std::string> ExistingSources(ENewProjectType eType, const std::string& strClass,
                                                    const std::string& strProjectPath);

    // Saves the project to strProjectPath and, for the application and
    // applet types, writes and adds the sources, sets the main files and
    // saves again. Every existing source is put to replaceExisting before
    // anything is written; without it existing sources are kept. False when
    // the name is refused or the project cannot be saved (strError says
    // why), or when a source file cannot be written (strError empty: that
    // failure is silent and leaves what was done).
    static bool Create(CJavaProjectCore& project, ENewProjectType eType, const std::string& strClass,
                       const std::string& strProjectPath, const OpenJavaFile& openJavaFile, std::string& strError,
                       const ReplaceExisting& replaceExisting = nullptr);

    // Writes strText with every line break as CR LF, replacing any file there.
    static bool WriteTextFile(const std::string& strPath, const std::string& strText);
};
