#include "core/settings/MemorySettingsStore.h"
#include "core/settings/Preferences.h"
#include "core/settings/RecentProjects.h"
#include "core/settings/SettingsLoader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

TEST(LoadSettings, EmptyStoreGivesEveryDefault)
{
    CMemorySettingsStore store;
    CSettings s = LoadSettings(store, {"/jdk", "/help/index.html"});
    EXPECT_EQ(s.m_strJavaBin, "/jdk");
    EXPECT_EQ(s.m_strHelpPath, "/help/index.html");
    EXPECT_EQ(s.m_strJavac, "");
    EXPECT_EQ(s.m_strJavaOptions, "");
    EXPECT_TRUE(s.m_bSaveComp);
    EXPECT_TRUE(s.m_bLoadLast);
    EXPECT_TRUE(s.m_bShowDrops);
    EXPECT_FALSE(s.m_bShowArgs);
    EXPECT_TRUE(s.m_bBuildBeforeRun);
    EXPECT_EQ(s.m_strFontName, "Courier New");
    EXPECT_EQ(s.m_nFontSize, 100);
    EXPECT_EQ(s.m_nTabWidth, 3);
    EXPECT_FALSE(s.m_bSpaceTabs);
    EXPECT_EQ(s.m_crKeyword, 14483456u);
    EXPECT_EQ(s.m_crComment, 221u);
    EXPECT_EQ(s.m_crString, 26112u);
    EXPECT_EQ(s.m_crTag, 4471u);
    EXPECT_EQ(s.m_strDlgFontName, "Courier New");
    EXPECT_EQ(s.m_nDlgFontSize, 90);
    EXPECT_EQ(s.m_strLastOpen, "");
    EXPECT_TRUE(s.m_recentProjects.empty());
    EXPECT_EQ(s.m_nOutputLimitMB, 64);
    EXPECT_TRUE(store.WriteLog().empty());
}

TEST(LoadSettings, ReadsInTheFixedOrder)
{
    CMemorySettingsStore store;
    store.WriteProfileInt("OPTIONS", "RECENTSIZE", 2);
    LoadSettings(store, {});
    std::vector<std::string> expected = {"PATHS/JAVABIN",        "OPTIONS/JAVAC",         "OPTIONS/JAVAOPTIONS",
                                         "OPTIONS/SAVECOMP",     "OPTIONS/LOADLAST",      "OPTIONS/SHOWDROPS",
                                         "OPTIONS/FONTNAME",     "OPTIONS/FONTSIZE",      "OPTIONS/LASTOPEN",
                                         "OPTIONS/DLGFONTNAME",  "OPTIONS/DLGFONTSIZE",   "PATHS/HELPPATH",
                                         "OPTIONS/KEYCOLOR",     "OPTIONS/COMMENTCOLOR",  "OPTIONS/STRINGCOLOR",
                                         "OPTIONS/TAGCOLOR",     "OPTIONS/SHOWARGS",      "OPTIONS/TABWIDTH",
                                         "OPTIONS/SPACETABS",    "OPTIONS/OUTPUTLIMITMB", "OPTIONS/COMPILERMESSAGES",
                                         "OPTIONS/LINENUMBERS",  "OPTIONS/PROGRAMINPUT", "OPTIONS/BUILDBEFORERUN", "OPTIONS/RECENTSIZE",    "OPTIONS/RECENT0",
                                         "OPTIONS/RECENT1"};
    EXPECT_EQ(store.ReadLog(), expected);
}

TEST(LoadSettings, StoredValuesReplaceDefaults)
{
    CMemorySettingsStore store;
    store.WriteProfileString("OPTIONS", "JAVAC", "-g -deprecation");
    store.WriteProfileInt("OPTIONS", "SAVECOMP", 0);
    store.WriteProfileInt("OPTIONS", "TABWIDTH", 8);
    store.WriteProfileInt("OPTIONS", "KEYCOLOR", 0x123456);
    store.WriteProfileString("OPTIONS", "LASTOPEN", "/p/Hello.jpr");
    store.WriteProfileInt("OPTIONS", "OUTPUTLIMITMB", 200);
    store.WriteProfileInt("OPTIONS", "LINENUMBERS", 0);
    CSettings s = LoadSettings(store, {});
    EXPECT_FALSE(s.m_bLineNumbers);
    CMemorySettingsStore empty;
    EXPECT_TRUE(LoadSettings(empty, {}).m_bLineNumbers);
    EXPECT_EQ(s.m_nOutputLimitMB, 200);
    EXPECT_EQ(s.m_strJavac, "-g -deprecation");
    EXPECT_FALSE(s.m_bSaveComp);
    EXPECT_EQ(s.m_nTabWidth, 8);
    EXPECT_EQ(s.m_crKeyword, 0x123456u);
    EXPECT_EQ(s.m_strLastOpen, "/p/Hello.jpr");
}

TEST(LoadSettings, RecentListIsCappedAtTenAndSkipsEmptyValues)
{
    CMemorySettingsStore store;
    store.WriteProfileInt("OPTIONS", "RECENTSIZE", 25);
    for (int i = 0; i < 25; ++i)
        store.WriteProfileString("OPTIONS", "RECENT" + std::to_string(i), i == 3 ? "" : "/p" + std::to_string(i));
    CSettings s = LoadSettings(store, {});
    std::vector<std::string> expected = {"/p0", "/p1", "/p2", "/p4", "/p5", "/p6", "/p7", "/p8", "/p9"};
    EXPECT_EQ(s.m_recentProjects, expected);
}

TEST(LoadSettings, HelpPathIsCutToThePathLimitAndNeverInsideACharacter)
{
    CMemorySettingsStore store;
    // As long as a Linux path may be: kept whole.
    const std::string strLong = "/home/" + std::string(4090, 'h');
    store.WriteProfileString("PATHS", "HELPPATH", strLong);
    EXPECT_EQ(LoadSettings(store, {}).m_strHelpPath, strLong);
    store.WriteProfileString("PATHS", "HELPPATH", strLong + "/index.html");
    EXPECT_EQ(LoadSettings(store, {}).m_strHelpPath, strLong);

    // A character the cut would split (two, three and four bytes) goes whole.
    EXPECT_EQ(LimitHelpPath(std::string(4094, 'a') + "\xc3\xa9"), std::string(4094, 'a') + "\xc3\xa9");
    EXPECT_EQ(LimitHelpPath(std::string(4095, 'a') + "\xc3\xa9"), std::string(4095, 'a'));
    EXPECT_EQ(LimitHelpPath(std::string(4094, 'a') + "\xe2\x82\xac"), std::string(4094, 'a'));
    EXPECT_EQ(LimitHelpPath(std::string(4095, 'a') + "\xe2\x82\xac"), std::string(4095, 'a'));
    EXPECT_EQ(LimitHelpPath(std::string(4093, 'a') + "\xf0\x9f\x98\x80"
                                                     "b"),
              std::string(4093, 'a'));
    EXPECT_EQ(LimitHelpPath(std::string(4092, 'a') + "\xf0\x9f\x98\x80"
                                                     "b"),
              std::string(4092, 'a') + "\xf0\x9f\x98\x80");
    // Bytes that are no UTF-8 are cut where the limit falls.
    EXPECT_EQ(LimitHelpPath(std::string(4095, 'a') + "\xe9\xe9"), std::string(4095, 'a') + "\xe9");
    EXPECT_EQ(LimitHelpPath(std::string(4090, 'a') + std::string(10, '\x80')),
              std::string(4090, 'a') + std::string(6, '\x80'));
}

TEST(Preferences, ConfirmingUnchangedRewritesAllEighteenValuesInOrderThenBuildBeforeRun)
{
    CMemorySettingsStore store;
    CSettings s = LoadSettings(store, {"/jdk", "/help"});
    ApplyPreferences(CopyToPreferences(s), s, store);
    std::vector<std::string> expected = {
        "OPTIONS/TABWIDTH",    "OPTIONS/FONTNAME",    "OPTIONS/FONTSIZE",   "OPTIONS/KEYCOLOR",  "OPTIONS/COMMENTCOLOR",
        "OPTIONS/STRINGCOLOR", "OPTIONS/TAGCOLOR",    "OPTIONS/SPACETABS",  "PATHS/JAVABIN",     "OPTIONS/JAVAC",
        "OPTIONS/SAVECOMP",    "OPTIONS/LOADLAST",    "OPTIONS/SHOWARGS",   "OPTIONS/SHOWDROPS", "PATHS/HELPPATH",
        "OPTIONS/DLGFONTNAME", "OPTIONS/DLGFONTSIZE", "OPTIONS/JAVAOPTIONS",
        "OPTIONS/BUILDBEFORERUN"};
    EXPECT_EQ(store.WriteLog(), expected);
    EXPECT_EQ(std::get<std::string>(*store.Find("PATHS", "JAVABIN")), "/jdk");
    EXPECT_EQ(std::get<int>(*store.Find("OPTIONS", "FONTSIZE")), 100);
}

TEST(Preferences, SizesPassThroughWholePoints)
{
    CMemorySettingsStore store;
    store.WriteProfileInt("OPTIONS", "FONTSIZE", 105);
    store.WriteProfileInt("OPTIONS", "DLGFONTSIZE", 87);
    CSettings s = LoadSettings(store, {});
    CPreferencesValues values = CopyToPreferences(s);
    EXPECT_EQ(values.m_nFontPoints, 10);
    EXPECT_EQ(values.m_nDlgFontPoints, 8);
    ApplyPreferences(values, s, store);
    EXPECT_EQ(s.m_nFontSize, 100);
    EXPECT_EQ(s.m_nDlgFontSize, 80);
    EXPECT_EQ(std::get<int>(*store.Find("OPTIONS", "FONTSIZE")), 100);
    EXPECT_EQ(std::get<int>(*store.Find("OPTIONS", "DLGFONTSIZE")), 80);
}

TEST(Preferences, ChangedValuesReachRecordAndStore)
{
    CMemorySettingsStore store;
    CSettings s = LoadSettings(store, {});
    CPreferencesValues values = CopyToPreferences(s);
    values.m_bSpaceTabs = true;
    values.m_strJavac = "-g";
    values.m_crTag = 0x00FF00;
    values.m_strHelpPath = std::string(5000, 'x');
    ApplyPreferences(values, s, store);
    EXPECT_TRUE(s.m_bSpaceTabs);
    EXPECT_EQ(s.m_strJavac, "-g");
    EXPECT_EQ(s.m_crTag, 0x00FF00u);
    EXPECT_EQ(s.m_strHelpPath, std::string(4096, 'x'));
    EXPECT_EQ(std::get<int>(*store.Find("OPTIONS", "SPACETABS")), 1);
    EXPECT_EQ(std::get<std::string>(*store.Find("OPTIONS", "JAVAC")), "-g");
    EXPECT_EQ(std::get<int>(*store.Find("OPTIONS", "TAGCOLOR")), 0x00FF00);
}

TEST(RecentProjects, ClosingABAKeepsAInItsPlace)
{
    std::vector<std::string> recent;
    CMemorySettingsStore store;
    for (const char* psz : {"A", "B", "A"}) {
        AddRecentProject(recent, psz);
        SaveRecentProjects(store, recent, psz);
    }
    EXPECT_EQ(recent, (std::vector<std::string>{"B", "A"}));
    EXPECT_EQ(std::get<std::string>(*store.Find("OPTIONS", "LASTOPEN")), "A");
    EXPECT_EQ(std::get<std::string>(*store.Find("OPTIONS", "RECENT0")), "B");
    EXPECT_EQ(std::get<std::string>(*store.Find("OPTIONS", "RECENT1")), "A");
}

TEST(RecentProjects, EmptyPathIsIgnored)
{
    std::vector<std::string> recent = {"A"};
    AddRecentProject(recent, "");
    EXPECT_EQ(recent, (std::vector<std::string>{"A"}));
}

TEST(RecentProjects, OnlyTheNewestTenAreWrittenAndOlderValuesStay)
{
    CMemorySettingsStore store;
    store.WriteProfileString("OPTIONS", "RECENT11", "stale");
    std::vector<std::string> recent;
    for (int i = 0; i < 12; ++i)
        AddRecentProject(recent, "/p" + std::to_string(i));
    EXPECT_EQ(recent.size(), 12u);
    store.ClearLogs();
    SaveRecentProjects(store, recent, "");
    EXPECT_EQ(store.WriteLog().size(), 12u); // LASTOPEN, RECENTSIZE, ten entries
    EXPECT_EQ(std::get<int>(*store.Find("OPTIONS", "RECENTSIZE")), 10);
    EXPECT_EQ(std::get<std::string>(*store.Find("OPTIONS", "RECENT0")), "/p11");
    EXPECT_EQ(std::get<std::string>(*store.Find("OPTIONS", "RECENT9")), "/p2");
    EXPECT_EQ(std::get<std::string>(*store.Find("OPTIONS", "RECENT11")), "stale");
    EXPECT_EQ(std::get<std::string>(*store.Find("OPTIONS", "LASTOPEN")), "");
    CSettings reloaded = LoadSettings(store, {});
    EXPECT_EQ(reloaded.m_recentProjects.size(), 10u);
    EXPECT_EQ(reloaded.m_recentProjects.front(), "/p11");
}

TEST(RecentProjects, RemoveTakesTheFirstEqualEntry)
{
    std::vector<std::string> recent = {"A", "B", "C"};
    EXPECT_TRUE(RemoveRecentProject(recent, "B"));
    EXPECT_FALSE(RemoveRecentProject(recent, "B"));
    EXPECT_EQ(recent, (std::vector<std::string>{"A", "C"}));
}

namespace {

// Every numeric value of the store set to one number, with eleven stored
// recent projects so that the count decides how many are read.
CSettings LoadWithEveryNumberAt(int nValue)
{
    CMemorySettingsStore store;
    for (const char* pszEntry :
         {"SAVECOMP", "LOADLAST", "SHOWDROPS", "SHOWARGS", "BUILDBEFORERUN", "SPACETABS", "FONTSIZE", "DLGFONTSIZE", "TABWIDTH",
          "KEYCOLOR", "COMMENTCOLOR", "STRINGCOLOR", "TAGCOLOR", "RECENTSIZE", "OUTPUTLIMITMB"})
        store.WriteProfileInt("OPTIONS", pszEntry, nValue);
    for (int i = 0; i < 11; ++i)
        store.WriteProfileString("OPTIONS", "RECENT" + std::to_string(i), "/p" + std::to_string(i));
    return LoadSettings(store, {});
}

void ExpectNumbers(const CSettings& s, bool bFlags, int nFontSize, int nTabWidth, COLORREF crColour,
                   std::size_t nRecent, int nOutputLimitMB)
{
    EXPECT_EQ(s.m_bSaveComp, bFlags);
    EXPECT_EQ(s.m_bLoadLast, bFlags);
    EXPECT_EQ(s.m_bShowDrops, bFlags);
    EXPECT_EQ(s.m_bShowArgs, bFlags);
    EXPECT_EQ(s.m_bBuildBeforeRun, bFlags);
    EXPECT_EQ(s.m_bSpaceTabs, bFlags);
    EXPECT_EQ(s.m_nFontSize, nFontSize);
    EXPECT_EQ(s.m_nDlgFontSize, nFontSize);
    EXPECT_EQ(s.m_nTabWidth, nTabWidth);
    EXPECT_EQ(s.m_crKeyword, crColour);
    EXPECT_EQ(s.m_crComment, crColour);
    EXPECT_EQ(s.m_crString, crColour);
    EXPECT_EQ(s.m_crTag, crColour);
    EXPECT_EQ(s.m_recentProjects.size(), nRecent);
    EXPECT_EQ(s.m_nOutputLimitMB, nOutputLimitMB);
}

} // namespace

// Tab width and both font sizes are kept to the preferences sheet's ranges
// (2..10, and 6..24 points held as tenths); colours to 24 bits.
TEST(LoadSettings, ExtremeNumbersAreKeptInRange)
{
    {
        SCOPED_TRACE("INT_MIN");
        ExpectNumbers(LoadWithEveryNumberAt(INT_MIN), true, 60, 2, 0u, 0, 1);
    }
    {
        SCOPED_TRACE("-1");
        ExpectNumbers(LoadWithEveryNumberAt(-1), true, 60, 2, 0u, 0, 1);
    }
    {
        SCOPED_TRACE("0");
        ExpectNumbers(LoadWithEveryNumberAt(0), false, 60, 2, 0u, 0, 1);
    }
    {
        SCOPED_TRACE("INT_MAX");
        CSettings s = LoadWithEveryNumberAt(INT_MAX);
        ExpectNumbers(s, true, 240, 10, 0xFFFFFFu, 10, 4096);
        EXPECT_EQ(s.m_recentProjects.front(), "/p0");
        EXPECT_EQ(s.m_recentProjects.back(), "/p9");
    }
}

TEST(LoadSettings, RangeBoundsAreKept)
{
    CMemorySettingsStore store;
    store.WriteProfileInt("OPTIONS", "TABWIDTH", 2);
    store.WriteProfileInt("OPTIONS", "FONTSIZE", 240);
    store.WriteProfileInt("OPTIONS", "DLGFONTSIZE", 60);
    store.WriteProfileInt("OPTIONS", "KEYCOLOR", 0xFFFFFF);
    store.WriteProfileInt("OPTIONS", "OUTPUTLIMITMB", 4096);
    CSettings s = LoadSettings(store, {});
    EXPECT_EQ(s.m_nTabWidth, 2);
    EXPECT_EQ(s.m_nFontSize, 240);
    EXPECT_EQ(s.m_nDlgFontSize, 60);
    EXPECT_EQ(s.m_crKeyword, 0xFFFFFFu);
    EXPECT_EQ(s.m_nOutputLimitMB, 4096);
    store.WriteProfileInt("OPTIONS", "TABWIDTH", 11);
    store.WriteProfileInt("OPTIONS", "FONTSIZE", 59);
    store.WriteProfileInt("OPTIONS", "DLGFONTSIZE", 241);
    store.WriteProfileInt("OPTIONS", "KEYCOLOR", 0x1000000);
    store.WriteProfileInt("OPTIONS", "OUTPUTLIMITMB", 4097);
    s = LoadSettings(store, {});
    EXPECT_EQ(s.m_nTabWidth, 10);
    EXPECT_EQ(s.m_nFontSize, 60);
    EXPECT_EQ(s.m_nDlgFontSize, 240);
    EXPECT_EQ(s.m_crKeyword, 0xFFFFFFu);
    EXPECT_EQ(s.m_nOutputLimitMB, 4096);
}

// A count of exactly eleven is one past the cap: ten entries are read and the
// eleventh stored value is not.
TEST(LoadSettings, RecentSizeOfElevenReadsTen)
{
    CMemorySettingsStore store;
    store.WriteProfileInt("OPTIONS", "RECENTSIZE", 11);
    for (int i = 0; i < 11; ++i)
        store.WriteProfileString("OPTIONS", "RECENT" + std::to_string(i), "/p" + std::to_string(i));
    CSettings s = LoadSettings(store, {});
    std::vector<std::string> expected = {"/p0", "/p1", "/p2", "/p3", "/p4", "/p5", "/p6", "/p7", "/p8", "/p9"};
    EXPECT_EQ(s.m_recentProjects, expected);
    EXPECT_EQ(std::count(store.ReadLog().begin(), store.ReadLog().end(), "OPTIONS/RECENT10"), 0);
}
