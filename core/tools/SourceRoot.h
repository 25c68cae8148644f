#pragma once

#include <string>

// Where javac and java work for a file of a package: its source root, the
// folder above the package's folders ("src" for src/com/example/App.java in
// com.example), and the file's path from there ("com/example/App.java"). A
// file of the default package has its own folder as root and its bare name.
class CSourceRoot {
public:
    std::string m_strFolder;
    std::string m_strRelativeFile;

    // False, with the message to show, when the file's folders do not end
    // with the package's ("App.java declares package com.example but is not
    // in a folder com/example.").
    static bool Find(const std::string& strPath, const std::string& strPackage, CSourceRoot& root,
                     std::string& strError);

    // The package's folders as a relative path: "com/example".
    static std::string PackageFolders(const std::string& strPackage);
};
