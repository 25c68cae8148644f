#pragma once

#include "core/settings/Settings.h"
#include "core/settings/SettingsStore.h"

#include <string>

// What the preferences sheet edits. Font sizes are whole points here and
// tenths of a point in the settings record.
struct CPreferencesValues {
    // "Source Windows"
    int m_nTabWidth = 3;
    COLORREF m_crKeyword = 0;
    COLORREF m_crComment = 0;
    COLORREF m_crString = 0;
    COLORREF m_crTag = 0;
    int m_nFontPoints = 10;
    std::string m_strFontName;
    bool m_bSpaceTabs = false;
    // "IDE"
    bool m_bLoadLast = true;
    bool m_bSaveComp = true;
    bool m_bShowDrops = true;
    std::string m_strJavaBin;
    bool m_bShowArgs = false;
    bool m_bBuildBeforeRun = true;
    std::string m_strHelpPath;
    // "Process Window"
    std::string m_strDlgFontName;
    int m_nDlgFontPoints = 9;
    // "Java"
    std::string m_strJavaOptions;
    std::string m_strJavac;
};

CPreferencesValues CopyToPreferences(const CSettings& settings);

// Takes the confirmed sheet's values into the record and writes all eighteen
// values, changed or not, in the program's fixed order, then
// "BUILDBEFORERUN".
void ApplyPreferences(const CPreferencesValues& values, CSettings& settings, ISettingsStore& store);
