#include "settings/QtSettingsStore.h"

#include "core/jdk/JdkLocator.h"

#include <QFile>

CQtSettingsStore::CQtSettingsStore()
    : m_pStore(
          std::make_unique<CIniSettingsStore>(CIniSettingsStore::DefaultPath(&CJdkLocator::ReadProcessEnvironment)))
{}

CQtSettingsStore::CQtSettingsStore(const QString& strIniPath)
    : m_pStore(std::make_unique<CIniSettingsStore>(QFile::encodeName(strIniPath).toStdString()))
{}

int CQtSettingsStore::GetProfileInt(const std::string& strSection, const std::string& strEntry, int nDefault)
{
    return m_pStore->GetProfileInt(strSection, strEntry, nDefault);
}

std::string CQtSettingsStore::GetProfileString(const std::string& strSection, const std::string& strEntry,
                                               const std::string& strDefault)
{
    return m_pStore->GetProfileString(strSection, strEntry, strDefault);
}

void CQtSettingsStore::WriteProfileInt(const std::string& strSection, const std::string& strEntry, int nValue)
{
    m_pStore->WriteProfileInt(strSection, strEntry, nValue);
}

void CQtSettingsStore::WriteProfileString(const std::string& strSection, const std::string& strEntry,
                                          const std::string& strValue)
{
    m_pStore->WriteProfileString(strSection, strEntry, strValue);
}

bool CQtSettingsStore::Sync()
{
    return m_pStore->Flush();
}
