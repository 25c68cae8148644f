#pragma once

#include "core/settings/SettingsStore.h"

#include <QSettings>
#include <memory>

// Settings kept by QSettings under "Vellorand"/"Tarnwick", one group per section.
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

    QSettings& Settings() { return *m_pSettings; }

private:
    std::unique_ptr<QSettings> m_pSettings;
};
