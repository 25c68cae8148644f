#pragma once

#include "core/settings/Registry.h"

#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

// A registry of keys holding ordered values, with the buffer rules of the
// real enumeration: a name needs room for its terminator, data must fit.
class CFakeRegistry : public IRegistry {
public:
    void SetValue(const std::string& strKey, const std::string& strName, const std::string& strData)
    {
        m_keys[strKey].push_back({strName, strData});
    }
    void AddKey(const std::string& strKey) { m_keys[strKey]; }

    bool OpenKey(ERegRoot root, const std::string& strSubKey, RegKeyHandle& hKey) override
    {
        if (root != ERegRoot::LocalMachine)
            return false;
        auto it = m_keys.find(strSubKey);
        if (it == m_keys.end())
            return false;
        m_open.push_back(&it->second);
        hKey = m_open.size();
        ++m_nOpenCount;
        return true;
    }

    ERegStatus EnumValue(RegKeyHandle hKey, std::uint32_t nIndex, char* pszName, std::uint32_t& nNameLength,
                         unsigned char* pData, std::uint32_t& nDataLength) override
    {
        const auto& values = *m_open.at(hKey - 1);
        if (nIndex >= values.size())
            return ERegStatus::NoMoreItems;
        const auto& [strName, strData] = values[nIndex];
        std::size_t nDataBytes = strData.size() + 1; // stored with its terminator
        if (strName.size() + 1 > nNameLength || nDataBytes > nDataLength)
            return ERegStatus::MoreData;
        std::memcpy(pszName, strName.c_str(), strName.size() + 1);
        nNameLength = static_cast<std::uint32_t>(strName.size());
        std::memcpy(pData, strData.c_str(), nDataBytes);
        nDataLength = static_cast<std::uint32_t>(nDataBytes);
        return ERegStatus::Success;
    }

    void CloseKey(RegKeyHandle) override { --m_nOpenCount; }

    int OpenCount() const { return m_nOpenCount; }

private:
    std::map<std::string, std::vector<std::pair<std::string, std::string>>> m_keys;
    std::vector<const std::vector<std::pair<std::string, std::string>>*> m_open;
    int m_nOpenCount = 0;
};
