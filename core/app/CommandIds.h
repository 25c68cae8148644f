#pragma once

// Command identifiers shared by menus, accelerators, the toolbar and the
// command router. The numbers are stable: stored menus and tests use them.
namespace CommandIds {
// File
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileClose = 57602;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kFilePrintSetup = 57606;
inline constexpr int kFilePrint = 57607;
inline constexpr int kFilePrintPreview = 57609;
inline constexpr int kFileMruFirst = 57616;
inline constexpr int kAppExit = 57665;
inline constexpr int kSaveAll = 32791;
inline constexpr int kPreferences = 32775;
inline constexpr int kRecentProjects = 65535;
// Edit
inline constexpr int kEditCopy = 57634;
inline constexpr int kEditCut = 57635;
inline constexpr int kEditFind = 57636;
inline constexpr int kEditPaste = 57637;
inline constexpr int kEditRepeat = 57640;
inline constexpr int kEditReplace = 57641;
inline constexpr int kEditSelectAll = 57642;
inline constexpr int kEditUndo = 57643;
inline constexpr int kIncreaseIndent = 32784;
inline constexpr int kDecreaseIndent = 32785;
inline constexpr int kConvertLinebreaks = 32799;
inline constexpr int kConvertTabs = 32820;
inline constexpr int kInsertApplet = 32809;
inline constexpr int kSyntaxColourUpdate = 32811;
inline constexpr int kRefreshFunctionList = 32778;
inline constexpr int kEditRedo = 32842;
inline constexpr int kGoToLine = 32843;
inline constexpr int kFindNext = 32844;
inline constexpr int kFindPrevious = 32845;
inline constexpr int kMatchingBrace = 32846;
inline constexpr int kToggleComment = 32847;
// Find in Files and its results, served by the application while no
// document is open too.
inline constexpr int kFindInFiles = 32848;
inline constexpr int kNextResult = 32849;
inline constexpr int kPreviousResult = 32850;
// View
inline constexpr int kViewToolbar = 59392;
inline constexpr int kViewStatusBar = 59393;
inline constexpr int kProcessWindow = 32825;
inline constexpr int kProjectWindow = 32826;
inline constexpr int kProjectWindowButton = 32814;
// Whether compiler messages show under their lines in the editors.
inline constexpr int kCompilerMessages = 32840;
// Whether the editors show line numbers in their margin.
inline constexpr int kLineNumbers = 32851;
// Project
inline constexpr int kNewProject = 32789;
inline constexpr int kOpenProject = 32821;
inline constexpr int kCloseProject = 32827;
inline constexpr int kAddJavaFiles = 32771;
inline constexpr int kRemoveFile = 32772;
inline constexpr int kSetMainFile = 32773;
inline constexpr int kAddHtmlFile = 32796;
inline constexpr int kCreateJar = 32808;
inline constexpr int kShowArchiveContents = 32792;
inline constexpr int kAddWindowToProject = 32797;
// Sent by the project tree's own menu.
inline constexpr int kOpenSelectedItem = 32800;
inline constexpr int kRebuildClassInfo = 32801;
inline constexpr int kFileProperties = 32777;
// Build
inline constexpr int kBuild = 32803;
inline constexpr int kCompile = 32774;
inline constexpr int kRunApplication = 32776;
inline constexpr int kRunAppletOfWindow = 32780;
inline constexpr int kRunApplet = 32837;
inline constexpr int kRunAppletHtml = 32836;
inline constexpr int kRunWithConsole = 32817;
inline constexpr int kOpenInWebBrowser = 32810;
// Whether captured runs read what is typed under their output.
inline constexpr int kProgramInput = 32841;
// Window
inline constexpr int kWindowNew = 57648;
inline constexpr int kCloseWindow = 32852;
inline constexpr int kWindowArrange = 57649;
inline constexpr int kWindowCascade = 57650;
inline constexpr int kWindowTile = 57651;
inline constexpr int kNextPane = 57680;
inline constexpr int kPrevPane = 57681;
// Help
inline constexpr int kAppAbout = 57664;
inline constexpr int kHelp = 32818;
inline constexpr int kJdkHelp = 32822;
inline constexpr int kTipOfTheDay = 114;
} // namespace CommandIds
