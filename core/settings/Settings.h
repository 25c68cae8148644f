#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Colours are stored as 0x00BBGGRR.
using COLORREF = std::uint32_t;

// The preferences sheet's ranges: tab width in columns, font sizes in tenths
// of a point (6 to 24 points on the sheet).
inline constexpr int kMinTabWidth = 2;
inline constexpr int kMaxTabWidth = 10;
inline constexpr int kMinFontSize = 60;
inline constexpr int kMaxFontSize = 240;

// The process window's output limit in megabytes.
inline constexpr int kDefaultOutputLimitMB = 64;
inline constexpr int kMinOutputLimitMB = 1;
inline constexpr int kMaxOutputLimitMB = 4096;

// The settings record: read once at start-up, then read by everyone else.
struct CSettings {
    std::string m_strJavaBin;
    std::string m_strHelpPath;
    std::string m_strJavac;
    std::string m_strJavaOptions;
    bool m_bSaveComp = true;
    bool m_bLoadLast = true;
    bool m_bShowDrops = true;
    bool m_bShowArgs = false;
    std::string m_strFontName = "Courier New";
    int m_nFontSize = 100;
    int m_nTabWidth = 3;
    bool m_bSpaceTabs = false;
    COLORREF m_crKeyword = 0xDD0000;
    COLORREF m_crComment = 0x0000DD;
    COLORREF m_crString = 0x006600;
    COLORREF m_crTag = 0x001177;
    std::string m_strDlgFontName = "Courier New";
    int m_nDlgFontSize = 90;
    std::string m_strLastOpen;
    std::vector<std::string> m_recentProjects;
    // The process window keeps at most this many megabytes of a run's output.
    int m_nOutputLimitMB = kDefaultOutputLimitMB;
    // Compiler messages shown under their lines in the editors.
    bool m_bCompilerMessages = true;
    // Line numbers in the editors' margin.
    bool m_bLineNumbers = true;
    // Captured runs read their standard input from the process window.
    bool m_bProgramInput = false;
    // Run Application builds first when a source is newer than its classes.
    bool m_bBuildBeforeRun = true;
};

// The longest help path kept, in bytes: PATH_MAX on Linux.
inline constexpr std::size_t kMaxHelpPathLength = 4096;
// At most this many recent projects are read and written.
inline constexpr int kMaxStoredRecentProjects = 10;
