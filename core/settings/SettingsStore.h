#pragma once

#include <string>

// Where settings live: sections of named integer and string values. The
// desktop program keeps them in QSettings; tests use an in-memory store.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;

    virtual int GetProfileInt(const std::string& strSection, const std::string& strEntry, int nDefault) = 0;
    virtual std::string GetProfileString(const std::string& strSection, const std::string& strEntry,
                                         const std::string& strDefault) = 0;
    virtual void WriteProfileInt(const std::string& strSection, const std::string& strEntry, int nValue) = 0;
    virtual void WriteProfileString(const std::string& strSection, const std::string& strEntry,
                                    const std::string& strValue) = 0;
};
