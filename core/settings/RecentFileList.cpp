#include "core/settings/RecentFileList.h"

#include <algorithm>

std::string CRecentFileList::EntryName(int nSlot)
{
    return "File" + std::to_string(nSlot);
}

void CRecentFileList::Load(ISettingsStore& store)
{
    m_vecFiles.clear();
    for (int nSlot = 1; nSlot <= kMaxFiles; ++nSlot) {
        std::string strPath = store.GetProfileString(kSection, EntryName(nSlot), "");
        if (!strPath.empty())
            m_vecFiles.push_back(std::move(strPath));
    }
}

void CRecentFileList::Save(ISettingsStore& store) const
{
    // The store cannot remove an entry; an empty one reads back as absent.
    // Slots that are absent already are left unwritten.
    for (int nSlot = 1; nSlot <= kMaxFiles; ++nSlot) {
        const std::size_t nIndex = static_cast<std::size_t>(nSlot - 1);
        if (nIndex < m_vecFiles.size())
            store.WriteProfileString(kSection, EntryName(nSlot), m_vecFiles[nIndex]);
        else if (!store.GetProfileString(kSection, EntryName(nSlot), "").empty())
            store.WriteProfileString(kSection, EntryName(nSlot), "");
    }
}

void CRecentFileList::Add(const std::string& strPath)
{
    if (strPath.empty())
        return;
    Remove(strPath);
    m_vecFiles.insert(m_vecFiles.begin(), strPath);
    if (m_vecFiles.size() > static_cast<std::size_t>(kMaxFiles))
        m_vecFiles.resize(kMaxFiles);
}

bool CRecentFileList::Remove(const std::string& strPath)
{
    auto itEnd = std::remove(m_vecFiles.begin(), m_vecFiles.end(), strPath);
    const bool bFound = itEnd != m_vecFiles.end();
    m_vecFiles.erase(itEnd, m_vecFiles.end());
    return bFound;
}
