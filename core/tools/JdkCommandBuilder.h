#pragma once

#include "core/tools/ToolCommand.h"

#include <string>
#include <string_view>

// The javac, java and appletviewer runs of a project. Each builder fills a
// command or returns false with the message to show (empty: show nothing).
class CJdkCommandBuilder {
public:
    // Compiles the project's main file with the project's compiler switches:
    // in the default package (strMainPackage empty) by its name in its
    // folder, in a package by its path from the source root (CSourceRoot),
    // where javac finds the other packages' sources. strMainJavaPath is the
    // main file's resolved path.
    static bool BuildProject(const std::string& strJdkFolder, const std::string& strMainJavaFile,
                             const std::string& strMainJavaPath, const std::string& strMainPackage,
                             const std::string& strJavacSwitches, CToolCommand& cmd, std::string& strError);

    // Compiles one file, of strPackage, with the default compiler switches,
    // from its source root. The title is filled even when the path has no
    // folder, because the project's Compile shows it before it checks.
    static bool CompileFile(const std::string& strJdkFolder, const std::string& strPath, const std::string& strPackage,
                            const std::string& strDefaultSwitches, CToolCommand& cmd, std::string& strError);

    // Runs the main class, prefixed with its package, from the source root
    // with the interpreter switches; the title is the command line without
    // typed arguments (see AppendRunArguments). A class or package that is
    // not a Java name, or a package the folders do not match, is refused
    // with a message.
    static bool RunJava(const std::string& strJdkFolder, const std::string& strMainJavaFile,
                        const std::string& strMainJavaPath, const std::string& strJavaSwitches,
                        const std::string& strMainPackage, CToolCommand& cmd, std::string& strError);
    // Adds the arguments typed for a run: a blank and the text, even when
    // the text is empty. The title stays as it was.
    static void AppendRunArguments(CToolCommand& cmd, const std::string& strArguments);

    // Runs appletviewer on an HTML page in the page's folder.
    static bool RunApplet(const std::string& strJdkFolder, const std::string& strHtmlPath, CToolCommand& cmd,
                          std::string& strError);

    // The main class of a file name: the name up to its last '.', empty
    // when it has none.
    static std::string MainClassName(const std::string& strMainJavaFile);
    // Whether strName is Java identifiers separated by dots (letters,
    // digits, '$' and '_'; no digit first): what java may be given to run.
    static bool IsClassName(std::string_view strName);
};
