#pragma once

#include "core/tools/ToolCommand.h"

#include <string>

class CJavaProjectCore;
struct CSettings;

// The tool commands of the project's menus, made from the project and the
// settings: the IDE and the command line run the same commands. Making a
// command runs nothing, asks nothing and writes nothing.
class CProjectCommands {
public:
    // A command ready to run, or the message to show instead (empty: show
    // nothing). The command may carry its title even when it is not ready.
    struct CResult {
        bool m_bReady = false;
        CToolCommand m_command;
        std::string m_strError;
    };

    // The main Java file's path (rebased when the project file has moved);
    // "" when no main file is set, "NOFILE" when it is set but not listed.
    // Not const: the look-up rebases the entry it finds.
    static std::string MainFilePath(CJavaProjectCore& project);
    // The main class's package: the one stored in the project when set, else
    // the one the main file declares; "" for the default package.
    static std::string MainPackage(CJavaProjectCore& project);

    // Build: javac on the main file in its folder with the project's
    // switches; in a package, on its path from the source root, there.
    static CResult Build(CJavaProjectCore& project, const CSettings& settings);
    // Compile: javac on one file in its folder with the default switches;
    // a file that declares a package, from its source root.
    static CResult Compile(const CSettings& settings, const std::string& strPath);
    // Run Application and Run with Console: java on the main class (with its
    // package) with the project's switches, in the main file's folder or its
    // package's source root. Typed arguments are appended by the caller.
    static CResult Run(CJavaProjectCore& project, const CSettings& settings);
    // Run Applet: appletviewer on a page in the page's folder.
    static CResult RunApplet(const CSettings& settings, const std::string& strHtmlPath);

    // The archive offered for Create Jar: the folder jar runs in (the main
    // file's, or its package's source root) and the main class + ".jar";
    // the bare name when the main file's path has no folder. "" when no main
    // file is set.
    static std::string DefaultJarPath(CJavaProjectCore& project);
    // The manifest's main class: the package, a dot and the class name.
    static std::string JarMainClass(CJavaProjectCore& project);
    // Create Jar: jar cmfv packing the main folder's classes into strJarPath.
    // The manifest it names is written by the caller just before the run.
    static CResult CreateJar(CJavaProjectCore& project, const CSettings& settings, const std::string& strJarPath);
    // Show Archive Contents: jar tvf in the archive's folder; not ready, with
    // nothing to show, for a path without a folder.
    static CResult ListArchive(const CSettings& settings, const std::string& strJarPath);
};
