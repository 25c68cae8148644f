#pragma once

#include "core/project/JavaList.h"

#include <string>

class CJavaClass;

// Classes of a file, or nested classes of a class. Names are compared
// exactly; the first match wins.
class CJavaClassList : public CJavaList {
public:
    CJavaClassList() = default;
    CJavaClassList(CJavaClassList&&) noexcept = default;
    CJavaClassList& operator=(CJavaClassList&&) noexcept = default;

    // False (and the entry discarded) when the list is full.
    bool Add(std::unique_ptr<CJavaClass> pEntry);
    CJavaClass* GetAt(int nIndex) const;

    bool HasClass(const std::string& strName) const;
    CJavaClass* FindClass(const std::string& strName) const;

protected:
    std::unique_ptr<CJavaComponent> CreateEntry() const override;
    std::size_t GetEntrySize() const override;
};
