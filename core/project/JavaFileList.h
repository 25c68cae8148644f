#pragma once

#include "core/project/TarnwickFileList.h"

class CJavaFile;

// The project's Java files. Holds CJavaFile entries only, so the typed
// accessors below are always safe.
class CJavaFileList : public CTarnwickFileList {
public:
    CJavaFileList() = default;
    CJavaFileList(CJavaFileList&&) noexcept = default;
    CJavaFileList& operator=(CJavaFileList&&) noexcept = default;

    // Refuses an entry that is not a CJavaFile, as well as a 256th entry.
    bool Add(std::unique_ptr<CTarnwickFile> pEntry) override;
    bool Add(std::unique_ptr<CJavaFile> pEntry);
    CJavaFile* GetAt(int nIndex) const;

    CJavaFile* FindByPathName(const std::string& strPath) const;
    CJavaFile* FindByFileName(const std::string& strName) const;

protected:
    std::unique_ptr<CJavaComponent> CreateEntry() const override;
    std::size_t GetEntrySize() const override;
};
