#pragma once

#include <QString>
#include <string>
#include <vector>

class CDocument;
class CToolCommand;
class IClassInfoSink;

// What the application asks of the one open project.
class IOpenProject {
public:
    virtual ~IOpenProject() = default;
    virtual CDocument& ProjectDocument() = 0;
    // The main Java file's name, or "" when none is set.
    virtual QString GetMainFile() const = 0;
    // The main HTML file's name, or "" when none is set.
    virtual QString GetMainHtmlFile() const = 0;
    // The full path of a project HTML file, or "" when it cannot be found.
    virtual QString GetHtmlFilePath(const QString& strFileName) = 0;
    // The paths of the listed Java files, then of the HTML files, as the
    // system's bytes and as opening them would use them.
    virtual std::vector<std::string> ListedFilePaths() = 0;
    virtual void RunApplet(const QString& strHtmlPath) = 0;
    // Build, the runs, the add-file commands, the jar commands and the
    // project window toggle, forwarded by the application.
    virtual void OnProjectCommand(int nId) = 0;
    // Where the outline scan of a project file records its classes.
    virtual IClassInfoSink& ClassInfo() = 0;
    // Adds a Java file by its full path (Add Window to Project); false when
    // it is listed already.
    virtual bool AddJavaFile(const QString& strPath) = 0;
    // Starts a tool with its output captured and shows it in the project's
    // process window; says so when the tool cannot start.
    virtual void RunCaptured(const CToolCommand& command) = 0;
    // Compile: javac on one file (its path as the system's bytes) with the
    // default switches, run captured after Save All when the settings ask.
    // The run title is set even when the path cannot be compiled.
    virtual void CompileFile(const std::string& strPath) = 0;
};
