#pragma once

#include "core/project/JavaClassList.h"
#include "core/project/TarnwickFile.h"

#include <string>

// One Java source file of a project, with the classes found in it.
class CJavaFile : public CTarnwickFile {
public:
    CJavaFile() = default;
    explicit CJavaFile(const std::string& strProjectPath);

    CJavaClassList& GetClasses() { return m_classes; }
    const CJavaClassList& GetClasses() const { return m_classes; }

    // Never set by the program; kept only so a loaded value is written back.
    std::string GetReserved() const { return m_strReserved; }

    void Store(CProjectArchive& ar) const override;
    bool Load(CProjectArchive& ar) override;

private:
    std::string m_strReserved;
    CJavaClassList m_classes;
};
