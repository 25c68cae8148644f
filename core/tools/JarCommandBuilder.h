#pragma once

#include "core/tools/ToolCommand.h"

#include <string>

// The jar runs of a project: packing the main file's classes with a manifest
// that names the main class, and listing an archive.
class CJarCommandBuilder {
public:
    // The main class for the manifest: the main file name with every ".java"
    // removed (case matters, so Hello.JAVA stays as it is).
    static std::string JarClassName(const std::string& strMainJavaFile);
    // The archive name offered in the save dialog: class name + ".jar".
    static std::string DefaultJarName(const std::string& strMainJavaFile);
    // Where the manifest goes: "manifest.txt" in a private folder made for
    // this archive path on first use ($TMPDIR or /tmp, "tarnwick-jar-XXXXXX"),
    // the same folder for the same path, removed when the process ends.
    // Empty when no folder can be made.
    static std::string ManifestPath(const std::string& strJarPath);
    // The manifest's bytes: "Main-Class: " + class name + CR LF.
    static std::string ManifestText(const std::string& strClassName);
    // Writes the manifest anew (never through a link); false when it cannot
    // be written or the path is not one ManifestPath gave.
    static bool WriteManifest(const std::string& strManifestPath, const std::string& strClassName);

    // jar cmfv with the manifest and the archive, packing the *.class files
    // of the main file's folder, where jar runs; for a main class of a
    // package, every class file below its source root (**/*.class), where
    // jar then runs. strMainJavaPath is the main file's resolved path.
    // Writes nothing; see WriteManifest.
    static bool CreateJar(const std::string& strJdkFolder, const std::string& strMainJavaFile,
                          const std::string& strMainJavaPath, const std::string& strMainPackage,
                          const std::string& strJarPath, CToolCommand& cmd, std::string& strError);

    // jar tvf on an archive, run in the archive's folder; sets no title.
    static bool ListArchive(const std::string& strJdkFolder, const std::string& strJarPath, CToolCommand& cmd);
};
