#include "core/settings/Preferences.h"

#include "core/jdk/JdkLocator.h"
#include "core/settings/SettingNames.h"
#include "core/settings/SettingsLoader.h"

using namespace SettingNames;

CPreferencesValues CopyToPreferences(const CSettings& settings)
{
    CPreferencesValues values;
    values.m_nTabWidth = settings.m_nTabWidth;
    values.m_crKeyword = settings.m_crKeyword;
    values.m_crComment = settings.m_crComment;
    values.m_crString = settings.m_crString;
    values.m_crTag = settings.m_crTag;
    values.m_nFontPoints = settings.m_nFontSize / 10;
    values.m_strFontName = settings.m_strFontName;
    values.m_bSpaceTabs = settings.m_bSpaceTabs;
    values.m_bLoadLast = settings.m_bLoadLast;
    values.m_bSaveComp = settings.m_bSaveComp;
    values.m_bShowDrops = settings.m_bShowDrops;
    values.m_strJavaBin = settings.m_strJavaBin;
    values.m_bShowArgs = settings.m_bShowArgs;
    values.m_bBuildBeforeRun = settings.m_bBuildBeforeRun;
    values.m_strHelpPath = settings.m_strHelpPath;
    values.m_strDlgFontName = settings.m_strDlgFontName;
    values.m_nDlgFontPoints = settings.m_nDlgFontSize / 10;
    values.m_strJavaOptions = settings.m_strJavaOptions;
    values.m_strJavac = settings.m_strJavac;
    return values;
}

void ApplyPreferences(const CPreferencesValues& values, CSettings& settings, ISettingsStore& store)
{
    settings.m_nTabWidth = values.m_nTabWidth;
    settings.m_crKeyword = values.m_crKeyword;
    settings.m_crComment = values.m_crComment;
    settings.m_crString = values.m_crString;
    settings.m_crTag = values.m_crTag;
    settings.m_nFontSize = values.m_nFontPoints * 10;
    settings.m_strFontName = values.m_strFontName;
    settings.m_bSpaceTabs = values.m_bSpaceTabs;
    settings.m_bLoadLast = values.m_bLoadLast;
    settings.m_bSaveComp = values.m_bSaveComp;
    settings.m_bShowDrops = values.m_bShowDrops;
    settings.m_strJavaBin = CJdkLocator::AbsoluteFolder(values.m_strJavaBin);
    settings.m_bShowArgs = values.m_bShowArgs;
    settings.m_bBuildBeforeRun = values.m_bBuildBeforeRun;
    settings.m_strHelpPath = LimitHelpPath(values.m_strHelpPath);
    settings.m_strDlgFontName = values.m_strDlgFontName;
    settings.m_nDlgFontSize = values.m_nDlgFontPoints * 10;
    settings.m_strJavaOptions = values.m_strJavaOptions;
    settings.m_strJavac = values.m_strJavac;

    store.WriteProfileInt(kOptions, kTabWidth, settings.m_nTabWidth);
    store.WriteProfileString(kOptions, kFontName, settings.m_strFontName);
    store.WriteProfileInt(kOptions, kFontSize, settings.m_nFontSize);
    store.WriteProfileInt(kOptions, kKeyColor, static_cast<int>(settings.m_crKeyword));
    store.WriteProfileInt(kOptions, kCommentColor, static_cast<int>(settings.m_crComment));
    store.WriteProfileInt(kOptions, kStringColor, static_cast<int>(settings.m_crString));
    store.WriteProfileInt(kOptions, kTagColor, static_cast<int>(settings.m_crTag));
    store.WriteProfileInt(kOptions, kSpaceTabs, settings.m_bSpaceTabs ? 1 : 0);
    store.WriteProfileString(kPaths, kJavaBin, settings.m_strJavaBin);
    store.WriteProfileString(kOptions, kJavac, settings.m_strJavac);
    store.WriteProfileInt(kOptions, kSaveComp, settings.m_bSaveComp ? 1 : 0);
    store.WriteProfileInt(kOptions, kLoadLast, settings.m_bLoadLast ? 1 : 0);
    store.WriteProfileInt(kOptions, kShowArgs, settings.m_bShowArgs ? 1 : 0);
    store.WriteProfileInt(kOptions, kShowDrops, settings.m_bShowDrops ? 1 : 0);
    store.WriteProfileString(kPaths, kHelpPath, settings.m_strHelpPath);
    store.WriteProfileString(kOptions, kDlgFontName, settings.m_strDlgFontName);
    store.WriteProfileInt(kOptions, kDlgFontSize, settings.m_nDlgFontSize);
    store.WriteProfileString(kOptions, kJavaOptions, settings.m_strJavaOptions);
    store.WriteProfileInt(kOptions, kBuildBeforeRun, settings.m_bBuildBeforeRun ? 1 : 0);
}
