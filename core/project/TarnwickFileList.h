#pragma once

#include "core/project/JavaList.h"

#include <string>

class CTarnwickFile;

// The project's HTML files (and, through CJavaFileList, its Java files).
// Look-ups search from the first slot; the first match wins.
class CTarnwickFileList : public CJavaList {
public:
    CTarnwickFileList() = default;
    CTarnwickFileList(CTarnwickFileList&&) noexcept = default;
    CTarnwickFileList& operator=(CTarnwickFileList&&) noexcept = default;

    // False (and the entry discarded) when the list is full.
    virtual bool Add(std::unique_ptr<CTarnwickFile> pEntry);
    CTarnwickFile* GetAt(int nIndex) const;

    CTarnwickFile* FindByPathName(const std::string& strPath) const;
    bool HasFileName(const std::string& strName) const;
    CTarnwickFile* FindByFileName(const std::string& strName) const;

protected:
    std::unique_ptr<CJavaComponent> CreateEntry() const override;
    std::size_t GetEntrySize() const override;
};
