#include "settings/QtSettingsStore.h"

namespace {
QString Key(const std::string& strSection, const std::string& strEntry)
{
    return QString::fromStdString(strSection) + '/' + QString::fromStdString(strEntry);
}
} // namespace

CQtSettingsStore::CQtSettingsStore() : m_pSettings(std::make_unique<QSettings>("Vellorand", "Tarnwick")) {}

CQtSettingsStore::CQtSettingsStore(const QString& strIniPath)
    : m_pSettings(std::make_unique<QSettings>(strIniPath, QSettings::IniFormat))
{}

int CQtSettingsStore::GetProfileInt(const std::string& strSection, const std::string& strEntry, int nDefault)
{
    QVariant value = m_pSettings->value(Key(strSection, strEntry));
    bool bOk = false;
    int nValue = value.toInt(&bOk);
    return value.isValid() && bOk ? nValue : nDefault;
}

std::string CQtSettingsStore::GetProfileString(const std::string& strSection, const std::string& strEntry,
                                               const std::string& strDefault)
{
    QVariant value = m_pSettings->value(Key(strSection, strEntry));
    return value.isValid() ? value.toString().toStdString() : strDefault;
}

void CQtSettingsStore::WriteProfileInt(const std::string& strSection, const std::string& strEntry, int nValue)
{
    m_pSettings->setValue(Key(strSection, strEntry), nValue);
}

void CQtSettingsStore::WriteProfileString(const std::string& strSection, const std::string& strEntry,
                                          const std::string& strValue)
{
    m_pSettings->setValue(Key(strSection, strEntry), QString::fromStdString(strValue));
}
