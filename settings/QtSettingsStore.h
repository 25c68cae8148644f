#pragma once

#include "core/settings/IniSettingsStore.h"

#include <QString>
#include <memory>

// Settings in the file QSettings("Vellorand", "Tarnwick") keeps on Linux, one
// section per group. Read and written by CIniSettingsStore: values keep their
// bytes, and the file is only written when a value changed.
class CQtSettingsStore : public ISettingsStore {
public:
    // The user's own settings.
    CQtSettingsStore();
    // Settings kept in an INI file of the caller's choice (tests, portable use).
    explicit CQtSettingsStore(const QString& strIniPath);

    int GetProfileInt(const std::string& strSection, const std::string& strEntry, int nDefault) override;
    std::string GetProfileString(const std::string& strSection, const std::string& strEntry,
                                 const std::string& strDefault) override;
    void WriteProfileInt(const std::string& strSection, const std::string& strEntry, int nValue) override;
    void WriteProfileString(const std::string& strSection, const std::string& strEntry,
                            const std::string& strValue) override;

    // Writes what changed now (it is written at the end anyway); false when
    // the file could not be written.
    bool Sync();

private:
    std::unique_ptr<CIniSettingsStore> m_pStore;
};
