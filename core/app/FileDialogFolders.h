#pragma once

#include <string>

// Where the file dialogs (Open, Save As, Add Java Source Files, a new
// project's file) start: in the open project's folder, else the active
// document's, else the last folder one of them was left in this session.
// Empty when none applies: the dialog starts where it always did.
class CFileDialogFolders {
public:
    // Paths as the system's bytes; an empty one is not there (an untitled
    // project or document).
    std::string StartFolder(const std::string& strProjectPath, const std::string& strDocumentPath) const;
    // Remembers the folder of a file the user chose in one of the dialogs.
    void Remember(const std::string& strChosenPath);
    const std::string& LastFolder() const { return m_strLastFolder; }
    // The folder part of a path: up to its last separator ('/' or '\'), the
    // root kept as "/"; empty for a bare name.
    static std::string FolderOf(const std::string& strPath);

private:
    std::string m_strLastFolder;
};
