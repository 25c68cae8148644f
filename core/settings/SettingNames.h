#pragma once

// Every section and value name of the settings store, defined once.
namespace SettingNames {
inline constexpr const char* kPaths = "PATHS";
inline constexpr const char* kOptions = "OPTIONS";
inline constexpr const char* kSettings = "SETTINGS";
inline constexpr const char* kTip = "Tip";

inline constexpr const char* kJavaBin = "JAVABIN";
inline constexpr const char* kHelpPath = "HELPPATH";
inline constexpr const char* kJavac = "JAVAC";
inline constexpr const char* kJavaOptions = "JAVAOPTIONS";
inline constexpr const char* kSaveComp = "SAVECOMP";
inline constexpr const char* kLoadLast = "LOADLAST";
inline constexpr const char* kShowDrops = "SHOWDROPS";
inline constexpr const char* kShowArgs = "SHOWARGS";
inline constexpr const char* kFontName = "FONTNAME";
inline constexpr const char* kFontSize = "FONTSIZE";
inline constexpr const char* kTabWidth = "TABWIDTH";
inline constexpr const char* kSpaceTabs = "SPACETABS";
inline constexpr const char* kKeyColor = "KEYCOLOR";
inline constexpr const char* kCommentColor = "COMMENTCOLOR";
inline constexpr const char* kStringColor = "STRINGCOLOR";
inline constexpr const char* kTagColor = "TAGCOLOR";
inline constexpr const char* kDlgFontName = "DLGFONTNAME";
inline constexpr const char* kDlgFontSize = "DLGFONTSIZE";
inline constexpr const char* kLastOpen = "LASTOPEN";
inline constexpr const char* kRecentSize = "RECENTSIZE";
inline constexpr const char* kRecentPrefix = "RECENT";
inline constexpr const char* kOutputLimitMB = "OUTPUTLIMITMB";
inline constexpr const char* kCompilerMessages = "COMPILERMESSAGES";
inline constexpr const char* kLineNumbers = "LINENUMBERS";
inline constexpr const char* kProgramInput = "PROGRAMINPUT";
inline constexpr const char* kBuildBeforeRun = "BUILDBEFORERUN";
inline constexpr const char* kWindowState = "WINDOWSTATE";
inline constexpr const char* kTipStartUp = "StartUp";
inline constexpr const char* kTipFilePos = "FilePos";
inline constexpr const char* kTipTimeStamp = "TimeStamp";
} // namespace SettingNames
