#pragma once

#include <cstddef>
#include <memory>
#include <vector>

class CJavaComponent;
class CProjectArchive;

// An owning list of at most 255 entries, kept in insertion order without
// gaps. Removing an entry destroys it; so does destroying the list.
class CJavaList {
public:
    static constexpr int kMaxEntries = 255;

    CJavaList();
    virtual ~CJavaList();

    CJavaList(const CJavaList&) = delete;
    CJavaList& operator=(const CJavaList&) = delete;
    CJavaList(CJavaList&&) noexcept;
    CJavaList& operator=(CJavaList&&) noexcept;

    int GetCount() const { return static_cast<int>(m_items.size()); }

    // Out-of-range indexes do nothing.
    void RemoveAt(int nIndex);
    void RemoveAll();

    // Stores or loads, as the archive says; false when loading failed. A load
    // goes into an empty list and refuses a count below 0 or above 255.
    bool Serialize(CProjectArchive& ar);
    void Store(CProjectArchive& ar) const;
    bool Load(CProjectArchive& ar);

protected:
    // Takes the entry when there is room; a full list refuses it (the entry
    // is destroyed) and stays as it was.
    bool AddEntry(std::unique_ptr<CJavaComponent> pEntry);
    CJavaComponent* GetEntry(int nIndex) const;

    // A default-constructed entry of the list's kind, to be loaded.
    virtual std::unique_ptr<CJavaComponent> CreateEntry() const = 0;
    // The size of such an entry, charged to the load's memory budget.
    virtual std::size_t GetEntrySize() const = 0;

private:
    // Grows with the entries (at most 255), so a list costs nothing until
    // it is used; a project holds one list per class.
    std::vector<std::unique_ptr<CJavaComponent>> m_items;
};
