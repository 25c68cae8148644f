#pragma once

#include "core/project/JavaComponent.h"

#include <string>

// One file of a project (HTML files use it directly). The file name is the
// file's identity in the project; it always follows the path.
class CTarnwickFile : public CJavaComponent {
public:
    CTarnwickFile() = default;
    // Remembers where the project file was, so the path can follow the
    // project folder when it moves.
    explicit CTarnwickFile(const std::string& strProjectPath);

    // Sets the path and derives the file name from it (the text after the
    // last '/' or '\'; the whole path when there is none).
    void SetPathName(const std::string& strPath);
    std::string GetPathName() const { return m_strPathName; }
    std::string GetFileName() const { return m_strFileName; }
    std::string GetProjectPath() const { return m_strProjectPath; }

    // The file's path, rebased when the project file now lives in another
    // folder than the one recorded. Not a plain getter: rebasing changes this
    // entry, which from then on holds the new path and records
    // strCurrentProjectPath as its project's location (and is saved so).
    std::string GetRelocatedPathName(const std::string& strCurrentProjectPath);

    void Store(CProjectArchive& ar) const override;
    bool Load(CProjectArchive& ar) override;

private:
    std::string m_strPathName;
    std::string m_strFileName;
    std::string m_strProjectPath;
};
