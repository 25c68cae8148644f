#pragma once

#include "core/settings/SettingsStore.h"

#include <string>
#include <vector>

// The framework's recently used files: section "Recent File List", entries
// "File1".."File8", newest first. A slot holding "" counts as absent, so a
// list that shrank reads back without the dropped entries.
class CRecentFileList {
public:
    static constexpr const char* kSection = "Recent File List";
    static constexpr int kMaxFiles = 8;

    // Reads the eight slots in order, skipping empty ones.
    void Load(ISettingsStore& store);
    // Writes the list into the first slots and empties the rest that hold a
    // path.
    void Save(ISettingsStore& store) const;

    // Puts the path first, dropping every other copy of it and whatever
    // falls past the eighth entry; an empty path is ignored.
    void Add(const std::string& strPath);
    // Drops every copy of the path; false when it was not listed.
    bool Remove(const std::string& strPath);

    const std::vector<std::string>& Files() const { return m_vecFiles; }

    // The entry name of a slot, counted from 1.
    static std::string EntryName(int nSlot);

private:
    std::vector<std::string> m_vecFiles;
};
