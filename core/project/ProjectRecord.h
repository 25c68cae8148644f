#pragma once

#include "core/project/JavaFileList.h"
#include "core/project/TarnwickFileList.h"

#include <string>

class CProjectArchive;

// Everything a .jpr file holds, in the order it is written: the two file
// lists, then six texts. The project document keeps its state here.
class CProjectRecord {
public:
    CProjectRecord() = default;
    CProjectRecord(CProjectRecord&&) noexcept = default;
    CProjectRecord& operator=(CProjectRecord&&) noexcept = default;

    // Stores or loads, as the archive says; false when loading failed.
    bool Serialize(CProjectArchive& ar);
    void Store(CProjectArchive& ar) const;
    bool Load(CProjectArchive& ar);

    CJavaFileList m_javaFiles;
    CTarnwickFileList m_htmlFiles;
    std::string m_strMainJavaFile;
    std::string m_strMainFolder;
    std::string m_strMainPackage;
    std::string m_strMainHtmlFile;
    std::string m_strJavaSwitches;
    std::string m_strJavacSwitches;
};
