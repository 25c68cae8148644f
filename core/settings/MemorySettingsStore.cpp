#include "core/settings/MemorySettingsStore.h"

int CMemorySettingsStore::GetProfileInt(const std::string& strSection, const std::string& strEntry, int nDefault)
{
    m_readLog.push_back(strSection + "/" + strEntry);
    auto found = Find(strSection, strEntry);
    if (found && std::holds_alternative<int>(*found))
        return std::get<int>(*found);
    return nDefault;
}

std::string CMemorySettingsStore::GetProfileString(const std::string& strSection, const std::string& strEntry,
                                                   const std::string& strDefault)
{
    m_readLog.push_back(strSection + "/" + strEntry);
    auto found = Find(strSection, strEntry);
    if (found && std::holds_alternative<std::string>(*found))
        return std::get<std::string>(*found);
    return strDefault;
}

void CMemorySettingsStore::WriteProfileInt(const std::string& strSection, const std::string& strEntry, int nValue)
{
    m_values[{strSection, strEntry}] = nValue;
    m_writeLog.push_back(strSection + "/" + strEntry);
}

void CMemorySettingsStore::WriteProfileString(const std::string& strSection, const std::string& strEntry,
                                              const std::string& strValue)
{
    m_values[{strSection, strEntry}] = strValue;
    m_writeLog.push_back(strSection + "/" + strEntry);
}

std::optional<CMemorySettingsStore::Value> CMemorySettingsStore::Find(const std::string& strSection,
                                                                      const std::string& strEntry) const
{
    auto it = m_values.find({strSection, strEntry});
    if (it == m_values.end())
        return std::nullopt;
    return it->second;
}
