#include "core/settings/TipsWalk.h"

#include "core/io/FileBytes.h"
#include "core/settings/SettingNames.h"

#include <algorithm>
#include <climits>
#include <ctime>
#include <sys/stat.h>

using namespace SettingNames;

CTipsWalk::CTipsWalk(ISettingsStore& store, const std::string& strPath) : m_store(store)
{
    int nPos = m_store.GetProfileInt(kTip, kTipFilePos, 0);
    CFileBytes::EReadFailure eFailure = CFileBytes::EReadFailure::None;
    std::string strReason;
    if (!CFileBytes::ReadRegular(strPath, m_strBytes, eFailure, strReason, kMaxFileBytes)) {
        // A FIFO, a device or a huge file is there but no tips file.
        m_strTip = eFailure == CFileBytes::EReadFailure::Missing ? MissingFileText : TroubleReadingText;
        return;
    }
    m_bOpen = true;
    // A file with another time is a new file: its first tip comes first.
    const std::string strStamp = FileTimeStamp(strPath);
    if (strStamp.empty() || strStamp != m_store.GetProfileString(kTip, kTipTimeStamp, std::string())) {
        nPos = 0;
        m_store.WriteProfileString(kTip, kTipTimeStamp, strStamp);
    }
    if (nPos < 0) {
        m_messages.emplace_back(TroubleReadingText);
        return;
    }
    // Past the end reads nothing and wraps to the top.
    m_nPos = std::min(static_cast<std::size_t>(nPos), m_strBytes.size());
    NextTip();
}

CTipsWalk::~CTipsWalk()
{
    if (!m_bOpen)
        return;
    m_store.WriteProfileInt(kTip, kTipFilePos, m_nPos > INT_MAX ? INT_MAX : static_cast<int>(m_nPos));
}

bool CTipsWalk::NextTip()
{
    if (!m_bOpen)
        return false;
    // The first end wraps to the top; a second one means a whole pass over
    // the file found nothing, and going round again would never end.
    int nEnds = 0;
    for (;;) {
        if (m_nPos < m_strBytes.size()) {
            // A line, or its next kMaxRead bytes; like fgets, what follows a
            // NUL byte is no part of the text.
            const std::size_t nBreak = m_strBytes.find('\n', m_nPos);
            const std::size_t nLength =
                std::min(nBreak == std::string::npos ? m_strBytes.size() - m_nPos : nBreak + 1 - m_nPos, kMaxRead);
            std::string_view strLine(m_strBytes.data() + m_nPos, nLength);
            m_nPos += nLength;
            strLine = strLine.substr(0, strLine.find('\0'));
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
        m_nPos = 0;
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

std::string CTipsWalk::FileTimeStamp(const std::string& strPath)
{
    struct stat info {};
    if (::stat(strPath.c_str(), &info) != 0)
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
