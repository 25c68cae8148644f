#include "core/settings/SettingsLoader.h"

#include "core/jdk/JdkDocsLocator.h"
#include "core/jdk/JdkLocator.h"
#include "core/settings/SettingNames.h"

#include <algorithm>

using namespace SettingNames;

namespace {

// A stored number outside the range the program can work with is taken as the
// nearest bound: a hand-edited store must not be able to exhaust memory or
// overflow arithmetic later on.
int GetClampedInt(ISettingsStore& store, const char* pszSection, const char* pszEntry, int nDefault, int nMin, int nMax)
{
    return std::clamp(store.GetProfileInt(pszSection, pszEntry, nDefault), nMin, nMax);
}

// Colours are 0x00BBGGRR: anything above 24 bits is no colour.
COLORREF GetColour(ISettingsStore& store, const char* pszEntry, int nDefault)
{
    return static_cast<COLORREF>(GetClampedInt(store, kOptions, pszEntry, nDefault, 0, 0xFFFFFF));
}

} // namespace

CSettingsDefaults DetectSettingsDefaults()
{
    CSettingsDefaults defaults;
    defaults.m_strJdkFolder = CJdkLocator::FromEnvironment(&CJdkLocator::ReadProcessEnvironment);
    defaults.m_strHelpPath = CJdkDocsLocator::DefaultHelpPath(defaults.m_strJdkFolder);
    return defaults;
}

std::string LimitHelpPath(const std::string& strHelpPath)
{
    if (strHelpPath.size() <= kMaxHelpPathLength)
        return strHelpPath;
    // Never half a UTF-8 character: a character the cut would split goes whole.
    std::size_t nLead = kMaxHelpPathLength;
    while (nLead > 0 && kMaxHelpPathLength - nLead < 3 &&
           (static_cast<unsigned char>(strHelpPath[nLead]) & 0xC0) == 0x80)
        --nLead;
    const unsigned char cLead = static_cast<unsigned char>(strHelpPath[nLead]);
    const std::size_t nCharLength = cLead >= 0xF0 ? 4 : cLead >= 0xE0 ? 3 : cLead >= 0xC0 ? 2 : 1;
    const std::size_t nLength = nLead + nCharLength > kMaxHelpPathLength ? nLead : kMaxHelpPathLength;
    return strHelpPath.substr(0, nLength);
}

CSettings LoadSettings(ISettingsStore& store, const CSettingsDefaults& defaults)
{
    CSettings settings;
    settings.m_strJavaBin =
        CJdkLocator::AbsoluteFolder(store.GetProfileString(kPaths, kJavaBin, defaults.m_strJdkFolder));
    settings.m_strJavac = store.GetProfileString(kOptions, kJavac, "");
    settings.m_strJavaOptions = store.GetProfileString(kOptions, kJavaOptions, "");
    settings.m_bSaveComp = store.GetProfileInt(kOptions, kSaveComp, 1) != 0;
    settings.m_bLoadLast = store.GetProfileInt(kOptions, kLoadLast, 1) != 0;
    settings.m_bShowDrops = store.GetProfileInt(kOptions, kShowDrops, 1) != 0;
    settings.m_strFontName = store.GetProfileString(kOptions, kFontName, "Courier New");
    settings.m_nFontSize = GetClampedInt(store, kOptions, kFontSize, 100, kMinFontSize, kMaxFontSize);
    settings.m_strLastOpen = store.GetProfileString(kOptions, kLastOpen, "");
    settings.m_strDlgFontName = store.GetProfileString(kOptions, kDlgFontName, "Courier New");
    settings.m_nDlgFontSize = GetClampedInt(store, kOptions, kDlgFontSize, 90, kMinFontSize, kMaxFontSize);
    settings.m_strHelpPath = LimitHelpPath(store.GetProfileString(kPaths, kHelpPath, defaults.m_strHelpPath));
    settings.m_crKeyword = GetColour(store, kKeyColor, 0xDD0000);
    settings.m_crComment = GetColour(store, kCommentColor, 0x0000DD);
    settings.m_crString = GetColour(store, kStringColor, 0x006600);
    settings.m_crTag = GetColour(store, kTagColor, 0x001177);
    settings.m_bShowArgs = store.GetProfileInt(kOptions, kShowArgs, 0) != 0;
    settings.m_nTabWidth = GetClampedInt(store, kOptions, kTabWidth, 3, kMinTabWidth, kMaxTabWidth);
    settings.m_bSpaceTabs = store.GetProfileInt(kOptions, kSpaceTabs, 0) != 0;
    settings.m_nOutputLimitMB =
        GetClampedInt(store, kOptions, kOutputLimitMB, kDefaultOutputLimitMB, kMinOutputLimitMB, kMaxOutputLimitMB);
    settings.m_bCompilerMessages = store.GetProfileInt(kOptions, kCompilerMessages, 1) != 0;
    settings.m_bLineNumbers = store.GetProfileInt(kOptions, kLineNumbers, 1) != 0;
    settings.m_bProgramInput = store.GetProfileInt(kOptions, kProgramInput, 0) != 0;
    settings.m_bBuildBeforeRun = store.GetProfileInt(kOptions, kBuildBeforeRun, 1) != 0;

    int nRecent = GetClampedInt(store, kOptions, kRecentSize, 0, 0, kMaxStoredRecentProjects);
    for (int i = 0; i < nRecent; ++i) {
        std::string strPath = store.GetProfileString(kOptions, kRecentPrefix + std::to_string(i), "");
        if (!strPath.empty())
            settings.m_recentProjects.push_back(strPath);
    }
    return settings;
}
