#pragma once

#include <string>
#include <vector>

// The registered document kinds, in registration order, with their document
// strings: fields separated by line feeds.
struct CDocumentKind {
    int m_nId = 0;
    std::string m_strDocString;
};

enum class EDocStringField {
    WindowTitle = 0,
    DocName = 1,
    FileNewName = 2,
    FilterName = 3,
    FilterExt = 4,
    RegFileTypeId = 5,
    RegFileTypeName = 6,
};

const std::vector<CDocumentKind>& DocumentKinds();

// One field of a document string; empty when the string has fewer fields.
std::string GetDocStringField(const std::string& strDocString, EDocStringField field);

// Index into DocumentKinds() of the first kind whose document name equals
// strDocName exactly, or -1.
int FindDocumentKindByName(const std::string& strDocName);

// Index of the kind that opens strPath, by its filter extension compared
// without regard to case, or -1.
int FindDocumentKindForPath(const std::string& strPath);

// True when the file name's extension is "jpr", in any case: such a path
// opens a project, and only one project is open at a time.
bool IsProjectPath(const std::string& strPath);

// The extension of a path's file name after its last '.', or "" when the
// file name has no '.'.
std::string FileExtension(const std::string& strPath);
