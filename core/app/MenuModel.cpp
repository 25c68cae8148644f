#include "core/app/MenuModel.h"

#include "core/app/CommandIds.h"
#include "core/app/CommandTable.h"

using namespace CommandIds;

namespace {
// A menu item of a command: the table's text, or the menu's own where it
// differs, with the command's key after a tab.
CMenuItem Item(int nId, const char* pszOwnText = nullptr)
{
    const CCommand* pCommand = FindCommand(nId);
    std::string strText = pszOwnText ? pszOwnText : pCommand ? pCommand->m_strText : std::string();
    if (pCommand && !pCommand->m_strKey.empty())
        strText += "\t" + pCommand->m_strKey;
    return CMenuItem{strText, nId, {}};
}
CMenuItem Separator()
{
    return CMenuItem{};
}
CMenuItem Popup(const char* pszText, std::vector<CMenuItem> children)
{
    return CMenuItem{pszText, 0, children};
}

CMenuBar NoDocumentMenu()
{
    return CMenuBar{
        EWindowKind::NoDocument,
        {Popup("&File", {Item(kFileNew), Item(kFileOpen), Separator(), Item(kPreferences, "Pre&ferences..."),
                         Separator(), Item(kFilePrintSetup), Separator(), Item(kRecentProjects), Separator(),
                         Item(kFileMruFirst), Separator(), Item(kAppExit)}),
         Popup("&View", {Item(kViewToolbar), Item(kViewStatusBar)}),
         Popup("&Project", {Item(kNewProject, "&New Project..."), Item(kOpenProject, "&Open Project...")}),
         Popup("&Help", {Item(kAppAbout), Item(kHelp), Item(kJdkHelp)})}};
}

CMenuBar DocumentMenu(EWindowKind eKind)
{
    // The HTML page's menu spells a few items differently.
    const bool bHtml = eKind == EWindowKind::HtmlPage;
    std::vector<CMenuItem> view = {Item(kViewToolbar), Item(kViewStatusBar)};
    if (bHtml) {
        view.push_back(Item(kProcessWindow));
        view.push_back(Item(kProjectWindow));
    }
    view.push_back(Separator());
    view.push_back(Item(kCompilerMessages));
    view.push_back(Item(kLineNumbers));
    std::vector<CMenuItem> build = {Item(kBuild), Item(kCompile), Separator()};
    if (bHtml) {
        build.push_back(Item(kRunApplication, "Run Application"));
        build.push_back(Item(kRunAppletHtml));
        build.push_back(Item(kRunWithConsole, "Run with Console"));
    } else {
        build.push_back(Item(kRunApplication));
        build.push_back(Item(kRunApplet));
        build.push_back(Item(kRunWithConsole, eKind == EWindowKind::Project ? "Run with &Console" : nullptr));
    }
    build.push_back(Item(kProgramInput));
    build.push_back(Separator());
    build.push_back(Item(kOpenInWebBrowser, bHtml ? "Open In Web Browser" : nullptr));

    return CMenuBar{
        eKind,
        {Popup("&File", {Item(kFileNew), Item(kFileOpen), Item(kFileClose), Item(kFileSave), Item(kFileSaveAs),
                         Item(kSaveAll), Separator(), Item(kPreferences), Separator(), Item(kFilePrint),
                         Item(kFilePrintPreview), Item(kFilePrintSetup), Separator(), Item(kRecentProjects),
                         Separator(), Item(kFileMruFirst), Separator(), Item(kAppExit)}),
         Popup("&Edit", {Item(kEditUndo),
                         Item(kEditRedo),
                         Separator(),
                         Item(kEditCut),
                         Item(kEditCopy),
                         Item(kEditPaste),
                         Separator(),
                         Item(kEditSelectAll),
                         Separator(),
                         Item(kIncreaseIndent),
                         Item(kDecreaseIndent),
                         Item(kToggleComment),
                         Separator(),
                         Item(kEditFind),
                         Item(kFindNext),
                         Item(kFindPrevious),
                         Item(kEditReplace),
                         Item(kGoToLine),
                         Item(kMatchingBrace),
                         Separator(),
                         Item(kFindInFiles),
                         Item(kNextResult),
                         Item(kPreviousResult),
                         Separator(),
                         Item(kConvertLinebreaks),
                         Item(kConvertTabs),
                         Item(kInsertApplet),
                         Separator(),
                         Item(kSyntaxColourUpdate),
                         Item(kRefreshFunctionList)}),
         Popup("&View", view),
         Popup("&Project", {Item(kNewProject), Item(kOpenProject), Item(kCloseProject), Separator(),
                            Item(kAddJavaFiles), Item(kAddHtmlFile), Separator(), Item(kCreateJar),
                            Item(kShowArchiveContents), Separator(), Item(kAddWindowToProject)}),
         Popup("&Build", build),
         Popup("&Window", {Item(kWindowNew), Item(kCloseWindow), Item(kWindowCascade), Item(kWindowTile), Item(kWindowArrange)}),
         Popup("&Help", {Item(kAppAbout, bHtml ? "&About Tarnwick..." : nullptr), Item(kHelp), Item(kJdkHelp)})}};
}
} // namespace

CMenuBar LoadMenuBar(EWindowKind eKind)
{
    return eKind == EWindowKind::NoDocument ? NoDocumentMenu() : DocumentMenu(eKind);
}

std::vector<CMenuItem> LoadTextContextMenu()
{
    // Its own spellings, and no keys.
    auto plain = [](const char* pszText, int nId) { return CMenuItem{pszText, nId, {}}; };
    return {plain("&Undo", kEditUndo),
            plain("&Redo", kEditRedo),
            Separator(),
            plain("Cu&t", kEditCut),
            plain("&Copy", kEditCopy),
            plain("&Paste", kEditPaste),
            Separator(),
            plain("Select &All", kEditSelectAll),
            Separator(),
            plain("&Syntax Colour Update", kSyntaxColourUpdate)};
}

std::vector<CAccelerator> LoadAcceleratorTable(EWindowKind eKind)
{
    // Shift+F5 runs the applet of the window, as the menus show beside
    // "Run Applet"; the old binding went to a command nothing served.
    // F3 recolours a page too, as its menu shows beside "Syntax Colour Update".
    switch (eKind) {
    case EWindowKind::JavaSource:
        return {{"Ctrl+[", kDecreaseIndent},
                {"Ctrl+]", kIncreaseIndent},
                {"Ctrl+F", kEditFind},
                {"Ctrl+H", kEditRepeat},
                {"Ctrl+M", kCompile},
                {"F1", kJdkHelp},
                {"F2", kRefreshFunctionList},
                {"F3", kSyntaxColourUpdate},
                {"F5", kRunApplication},
                {"Shift+F5", kRunApplet},
                {"F7", kBuild}};
    case EWindowKind::Project:
        return {{"Ctrl+M", kCompile},     {"Del", kRemoveFile}, {"F1", kJdkHelp},    {"F5", kRunApplication},
                {"Shift+F5", kRunApplet}, {"F7", kBuild},       {"F8", kSetMainFile}};
    case EWindowKind::HtmlPage:
        return {{"Ctrl+[", kDecreaseIndent},  {"Ctrl+]", kIncreaseIndent},
                {"Ctrl+F", kEditFind},        {"Ctrl+H", kEditRepeat},
                {"Ctrl+M", kCompile},         {"F1", kJdkHelp},
                {"F3", kSyntaxColourUpdate},  {"Shift+F5", kRunAppletHtml},
                {"F7", kBuild}};
    case EWindowKind::NoDocument: break;
    }
    return {{"Ctrl+C", kEditCopy},     {"Ctrl+N", kFileNew},   {"Ctrl+O", kFileOpen},        {"Ctrl+P", kFilePrint},
            {"Ctrl+S", kFileSave},     {"Ctrl+V", kEditPaste}, {"Alt+Backspace", kEditUndo}, {"Shift+Del", kEditCut},
            {"F1", kJdkHelp},          {"F6", kNextPane},      {"Shift+F6", kPrevPane},      {"Ctrl+Ins", kEditCopy},
            {"Shift+Ins", kEditPaste}, {"Ctrl+X", kEditCut},   {"Ctrl+Z", kEditUndo}};
}

std::vector<CAccelerator> LoadAddedAccelerators()
{
    return {{"Ctrl+Y", kEditRedo},         {"Ctrl+Shift+Z", kEditRedo},      {"Ctrl+G", kGoToLine},
            {"Ctrl+F3", kFindNext},        {"Ctrl+Shift+F3", kFindPrevious}, {"Ctrl+Shift+M", kMatchingBrace},
            {"Ctrl+/", kToggleComment},    {"Ctrl+Shift+F", kFindInFiles},   {"F4", kNextResult},
            {"Shift+F4", kPreviousResult}, {"Ctrl+W", kCloseWindow},         {"Ctrl+Q", kAppExit},
            {"Ctrl+Shift+S", kFileSaveAs}};
}

std::vector<CAccelerator> EffectiveAccelerators(EWindowKind eKind)
{
    std::vector<CAccelerator> result =
        eKind == EWindowKind::NoDocument ? std::vector<CAccelerator>{} : LoadAcceleratorTable(eKind);
    auto add = [&result](const std::vector<CAccelerator>& table) {
        for (const CAccelerator& accelerator : table) {
            bool bTaken = false;
            for (const CAccelerator& own : result)
                bTaken = bTaken || own.m_strKey == accelerator.m_strKey;
            if (!bTaken)
                result.push_back(accelerator);
        }
    };
    add(LoadAcceleratorTable(EWindowKind::NoDocument));
    add(LoadAddedAccelerators());
    return result;
}

std::vector<int> LoadMainToolbar()
{
    return {
        kFileNew,          0, kFileOpen,           kFileSave,       0, kEditCut, kEditCopy, kEditPaste,      0,
        kFilePrint,        0, kIncreaseIndent,     kDecreaseIndent, 0, kCompile, kBuild,    kRunApplication, kRunApplet,
        kOpenInWebBrowser, 0, kProjectWindowButton};
}

std::string LoadCommandPrompt(int nId)
{
    const CCommand* pCommand = FindCommand(nId);
    if (!pCommand || pCommand->m_strPrompt.empty())
        return std::string();
    return pCommand->m_strTooltip.empty() ? pCommand->m_strPrompt
                                          : pCommand->m_strPrompt + "\n" + pCommand->m_strTooltip;
}

std::string CommandTooltip(int nId)
{
    const CCommand* pCommand = FindCommand(nId);
    if (!pCommand)
        return std::string();
    return pCommand->m_strTooltip.empty() ? pCommand->m_strPrompt : pCommand->m_strTooltip;
}

bool AddTipOfTheDayItem(CMenuBar& menuBar)
{
    static const char* const kHelpText = "&Help";
    const CMenuItem tip = Item(kTipOfTheDay);
    for (CMenuItem& popup : menuBar.m_popups) {
        if (popup.m_strText != kHelpText)
            continue;
        if (!popup.m_children.empty() && popup.m_children.front().m_strText == tip.m_strText)
            return false;
        popup.m_children.insert(popup.m_children.begin(), Separator());
        popup.m_children.insert(popup.m_children.begin(), tip);
        return true;
    }
    menuBar.m_popups.push_back(Popup(kHelpText, {tip}));
    return true;
}

std::vector<CMenuItem> WindowListItems(const std::vector<std::string>& titles)
{
    std::vector<CMenuItem> items;
    for (std::size_t i = 0; i < titles.size() && i < kMaxWindowListEntries; ++i) {
        const int nId = kFirstWindowListId + static_cast<int>(i);
        items.push_back(CMenuItem{"&" + std::to_string(i + 1) + " " + titles[i], nId, {}});
    }
    if (titles.size() > kMaxWindowListEntries)
        items.push_back(CMenuItem{"&More Windows...", kMoreWindowsId, {}});
    return items;
}
