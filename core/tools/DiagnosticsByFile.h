#pragma once

#include "core/tools/JavacDiagnostic.h"

#include <string>
#include <unordered_map>
#include <vector>

// javac's messages sorted out by the file they name, each file's in the
// order javac wrote them. Files are told apart by their real path (symlinks
// and dot folders resolved), so a file reached through a link or opened
// under another spelling still finds its messages. Messages without a file
// (notes, option warnings) belong to none.
class CDiagnosticsByFile {
public:
    CDiagnosticsByFile() = default;
    // One path look-up per distinct file name, not per message.
    explicit CDiagnosticsByFile(const std::vector<CJavacDiagnostic>& vecDiagnostics);

    // The messages for strPath under any of its spellings; null when none.
    const std::vector<CJavacDiagnostic>* Find(const std::string& strPath) const;
    bool Names(const std::string& strPath) const { return Find(strPath) != nullptr; }
    std::size_t FileCount() const { return m_mapFiles.size(); }

    // The real path of an existing file; for one that does not exist (yet),
    // its real folder joined to its name, else the path as it is.
    static std::string RealPath(const std::string& strPath);

private:
    std::unordered_map<std::string, std::vector<CJavacDiagnostic>> m_mapFiles; // by real path
};
