#pragma once

#include "core/settings/SettingsStore.h"

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

// A settings store held in memory. It remembers the order of writes so that
// callers can check which values were written and in what order.
class CMemorySettingsStore : public ISettingsStore {
public:
    using Value = std::variant<int, std::string>;

    int GetProfileInt(const std::string& strSection, const std::string& strEntry, int nDefault) override;
    std::string GetProfileString(const std::string& strSection, const std::string& strEntry,
                                 const std::string& strDefault) override;
    void WriteProfileInt(const std::string& strSection, const std::string& strEntry, int nValue) override;
    void WriteProfileString(const std::string& strSection, const std::string& strEntry,
                            const std::string& strValue) override;

    std::optional<Value> Find(const std::string& strSection, const std::string& strEntry) const;
    // "SECTION/ENTRY" for every write, oldest first.
    const std::vector<std::string>& WriteLog() const { return m_writeLog; }
    // "SECTION/ENTRY" for every read, oldest first.
    const std::vector<std::string>& ReadLog() const { return m_readLog; }
    void ClearLogs()
    {
        m_writeLog.clear();
        m_readLog.clear();
    }

private:
    std::map<std::pair<std::string, std::string>, Value> m_values;
    std::vector<std::string> m_writeLog;
    std::vector<std::string> m_readLog;
};
