#include "core/settings/TipsWalk.h"

#include "core/settings/SettingNames.h"

#include <climits>
#include <ctime>
#include <sys/stat.h>

using namespace SettingNames;

CTipsWalk::CTipsWalk(ISettingsStore& store, const std::string& strPath) : m_store(store)
{
    int nPos = m_store.GetProfileInt(kTip, kTipFilePos, 0);
    m_pFile = std::fopen(strPath.c_str(), "r");
    if (!m_pFile) {
        m_strTip = MissingFileText;
        return;
    }
    // A file with another time is a new file: its first tip comes first.
    const std::string strStamp = FileTimeStamp(m_pFile);
    if (strStamp.empty() || strStamp != m_store.GetProfileString(kTip, kTipTimeStamp, std::string())) {
        nPos = 0;
        m_store.WriteProfileString(kTip, kTipTimeStamp, strStamp);
    }
    if (nPos < 0 || std::fseek(m_pFile, nPos, SEEK_SET) != 0) {
        m_messages.emplace_back(TroubleReadingText);
        return;
    }
    NextTip();
}

CTipsWalk::~CTipsWalk()
{
    if (!m_pFile)
        return;
    const long nPos = std::ftell(m_pFile);
    if (nPos >= 0)
        m_store.WriteProfileInt(kTip, kTipFilePos, nPos > INT_MAX ? INT_MAX : static_cast<int>(nPos));
    std::fclose(m_pFile);
}

bool CTipsWalk::NextTip()
{
    if (!m_pFile)
        return false;
    char buffer[kMaxRead + 1];
    // The first end wraps to the top; a second one means a whole pass over
    // the file found nothing, and going round again would never end.
    int nEnds = 0;
    for (;;) {
        if (std::fgets(buffer, sizeof buffer, m_pFile)) {
            std::string_view strLine(buffer);
            if (IsTipLine(strLine)) {
                m_strTip.assign(strLine);
                return true;
            }
            continue;
        }
        if (++nEnds == 2) {
            m_strTip = NoTipsText;
            return false;
        }
        std::clearerr(m_pFile);
        if (std::fseek(m_pFile, 0, SEEK_SET) != 0) {
            m_messages.emplace_back(TroubleReadingText);
            return false;
        }
    }
}

std::vector<std::string> CTipsWalk::TakeMessages()
{
    std::vector<std::string> messages;
    messages.swap(m_messages);
    return messages;
}

bool CTipsWalk::ShowsAtStartUp(ISettingsStore& store)
{
    return store.GetProfileInt(kTip, kTipStartUp, 0) == 0;
}

void CTipsWalk::SetShowAtStartUp(ISettingsStore& store, bool bShow)
{
    store.WriteProfileInt(kTip, kTipStartUp, bShow ? 0 : 1);
}

bool CTipsWalk::IsTipLine(std::string_view strLine)
{
    if (strLine.empty())
        return false;
    switch (strLine.front()) {
    case ' ':
    case '\t':
    case '\r':
    case '\n':
    case ';': return false;
    default: return true;
    }
}

std::string CTipsWalk::FileTimeStamp(std::FILE* pFile)
{
    struct stat info {};
    if (::fstat(::fileno(pFile), &info) != 0)
        return std::string();
    // Linux keeps no creation time everywhere; the change time is new for a
    // replaced or rewritten file, which is what the walk needs to know.
    const std::time_t nTime = info.st_ctime;
    char buffer[32] = {};
    if (!::ctime_r(&nTime, buffer))
        return std::string();
    std::string strStamp(buffer);
    while (!strStamp.empty() &&
           (strStamp.back() == '\n' || strStamp.back() == ' ' || strStamp.back() == '\t' || strStamp.back() == '\r'))
        strStamp.pop_back();
    return strStamp;
}
