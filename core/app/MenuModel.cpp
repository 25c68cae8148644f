#include "core/app/MenuModel.h"

#include "core/app/CommandIds.h"

#include <map>

using namespace CommandIds;

namespace {

CMenuItem Item(const char* pszText, int nId) { return CMenuItem{pszText, nId, {}}; }
CMenuItem Separator() { return CMenuItem{}; }
CMenuItem Popup(const char* pszText, std::vector<CMenuItem> children) { return CMenuItem{pszText, 0, children}; }

CMenuBar NoDocumentMenu()
{
    return CMenuBar{128,
                    {Popup("&File", {Item("&New\tCtrl+N", kFileNew), Item("&Open...\tCtrl+O", kFileOpen),
                                     Separator(), Item("Pre&ferences...", kPreferences), Separator(),
                                     Item("P&rint Setup...", kFilePrintSetup), Separator(),
                                     Item("Recent Projects...", kRecentProjects), Separator(),
                                     Item("Recent File", kFileMruFirst), Separator(), Item("E&xit", kAppExit)}),
                     Popup("&View", {Item("&Toolbar", kViewToolbar), Item("&Status Bar", kViewStatusBar)}),
                     Popup("&Project", {Item("&New Project...", kNewProject), Item("&Open Project...", kOpenProject)}),
                     Popup("&Help", {Item("&About Tarnwick", kAppAbout), Item("Help...", kHelp),
                                     Item("JDK Help\tF1", kJdkHelp)})}};
}

CMenuBar DocumentMenu(int nMenuId)
{
    const bool bHtml = nMenuId == 131;
    std::vector<CMenuItem> view = {Item("&Toolbar", kViewToolbar), Item("&Status Bar", kViewStatusBar)};
    if (bHtml) {
        view.push_back(Item("Process Window", kProcessWindow));
        view.push_back(Item("Project Window", kProjectWindow));
    }
    std::vector<CMenuItem> build = {Item("&Build\tF7", kBuild), Item("&Compile\tCtrl+M", kCompile), Separator()};
    if (nMenuId == 129) {
        build.push_back(Item("&Run Application\tF5", kRunApplication));
        build.push_back(Item("Run &Applet\tShift+F5", kRunApplet));
        build.push_back(Item("Run &with Console", kRunWithConsole));
    } else if (nMenuId == 130) {
        build.push_back(Item("&Run Application\tF5", kRunApplication));
        build.push_back(Item("Run &Applet\tShift+F5", kRunApplet));
        build.push_back(Item("Run with &Console", kRunWithConsole));
    } else {
        build.push_back(Item("Run Application\tF5", kRunApplication));
        build.push_back(Item("Run Applet\tShift+F5", kRunAppletHtml));
        build.push_back(Item("Run with Console", kRunWithConsole));
    }
    build.push_back(Separator());
    build.push_back(Item(bHtml ? "Open In Web Browser" : "Open In &Web Browser", kOpenInWebBrowser));

    return CMenuBar{
        nMenuId,
        {Popup("&File", {Item("&New\tCtrl+N", kFileNew), Item("&Open...\tCtrl+O", kFileOpen), Item("&Close", kFileClose),
                         Item("&Save\tCtrl+S", kFileSave), Item("Save &As...", kFileSaveAs), Item("Save All", kSaveAll),
                         Separator(), Item("Preferences...", kPreferences), Separator(),
                         Item("&Print...\tCtrl+P", kFilePrint), Item("Print Pre&view", kFilePrintPreview),
                         Item("P&rint Setup...", kFilePrintSetup), Separator(),
                         Item("Recent Projects...", kRecentProjects), Separator(), Item("Recent File", kFileMruFirst),
                         Separator(), Item("E&xit", kAppExit)}),
         Popup("&Edit", {Item("&Undo\tCtrl+Z", kEditUndo), Separator(), Item("Cu&t\tCtrl+X", kEditCut),
                         Item("&Copy\tCtrl+C", kEditCopy), Item("&Paste\tCtrl+V", kEditPaste), Separator(),
                         Item("Select All", kEditSelectAll), Separator(), Item("Increase Indent\tCtrl+]", kIncreaseIndent),
                         Item("Decrease Indent\tCtrl+[", kDecreaseIndent), Separator(), Item("Find...\tCtrl+F", kEditFind),
                         Item("Replace...\tCtrl+H", kEditReplace), Separator(),
                         Item("Convert Linebreaks", kConvertLinebreaks), Item("Convert Tabs to Spaces", kConvertTabs),
                         Item("Insert Applet", kInsertApplet), Separator(),
                         Item("Syntax Colour Update\tF3", kSyntaxColourUpdate),
                         Item("Refresh Function List\tF2", kRefreshFunctionList)}),
         Popup("&View", view),
         Popup("&Project", {Item("New Project...", kNewProject), Item("Open Project...", kOpenProject),
                            Item("Close Project", kCloseProject), Separator(),
                            Item("Add Java Source Files...", kAddJavaFiles), Item("Add HTML File...", kAddHtmlFile),
                            Separator(), Item("Create Jar...", kCreateJar),
                            Item("Show Archive Contents...", kShowArchiveContents), Separator(),
                            Item("Add Window to Project", kAddWindowToProject)}),
         Popup("&Build", build),
         Popup("&Window", {Item("&New Window", kWindowNew), Item("&Cascade", kWindowCascade), Item("&Tile", kWindowTile),
                           Item("&Arrange Icons", kWindowArrange)}),
         Popup("&Help", {Item(bHtml ? "&About Tarnwick..." : "&About Tarnwick", kAppAbout), Item("Help...", kHelp),
                         Item("JDK Help\tF1", kJdkHelp)})}};
}

} // namespace

CMenuBar LoadMenuBar(int nMenuId)
{
    if (nMenuId == 129 || nMenuId == 130 || nMenuId == 131)
        return DocumentMenu(nMenuId);
    return NoDocumentMenu();
}

std::vector<CAccelerator> LoadAcceleratorTable(int nTableId)
{
    // Shift+F5 runs the applet of the window, as the menus show beside
    // "Run Applet"; the old binding went to a command nothing served.
    switch (nTableId) {
    case 129:
        return {{"Ctrl+[", kDecreaseIndent}, {"Ctrl+]", kIncreaseIndent}, {"Ctrl+F", kEditFind},
                {"Ctrl+H", kEditRepeat},     {"Ctrl+M", kCompile},        {"F1", kJdkHelp},
                {"F2", kRefreshFunctionList}, {"F3", kSyntaxColourUpdate}, {"F5", kRunApplication},
                {"Shift+F5", kRunApplet},    {"F7", kBuild}};
    case 130:
        return {{"Ctrl+M", kCompile}, {"Del", kRemoveFile},     {"F1", kJdkHelp}, {"F5", kRunApplication},
                {"Shift+F5", kRunApplet}, {"F7", kBuild}, {"F8", kSetMainFile}};
    case 131:
        return {{"Ctrl+[", kDecreaseIndent}, {"Ctrl+]", kIncreaseIndent}, {"Ctrl+F", kEditFind},
                {"Ctrl+H", kEditRepeat},     {"Ctrl+M", kCompile},        {"F1", kJdkHelp},
                {"Shift+F5", kRunAppletHtml}, {"F7", kBuild}};
    default:
        return {{"Ctrl+C", kEditCopy},     {"Ctrl+N", kFileNew},        {"Ctrl+O", kFileOpen},
                {"Ctrl+P", kFilePrint},    {"Ctrl+S", kFileSave},       {"Ctrl+V", kEditPaste},
                {"Alt+Backspace", kEditUndo}, {"Shift+Del", kEditCut},  {"F1", kJdkHelp},
                {"F6", kNextPane},         {"Shift+F6", kPrevPane},     {"Ctrl+Ins", kEditCopy},
                {"Shift+Ins", kEditPaste}, {"Ctrl+X", kEditCut},        {"Ctrl+Z", kEditUndo}};
    }
}

std::vector<CAccelerator> EffectiveAccelerators(int nKindTableId)
{
    std::vector<CAccelerator> result = nKindTableId == 128 ? std::vector<CAccelerator>{}
                                                           : LoadAcceleratorTable(nKindTableId);
    for (const CAccelerator& main : LoadAcceleratorTable(128)) {
        bool bTaken = false;
        for (const CAccelerator& own : result)
            bTaken = bTaken || own.m_strKey == main.m_strKey;
        if (!bTaken)
            result.push_back(main);
    }
    return result;
}

std::vector<int> LoadMainToolbar()
{
    return {kFileNew, 0,       kFileOpen,      kFileSave,       0,          kEditCut,        kEditCopy,
            kEditPaste, 0,     kFilePrint,     0,               kIncreaseIndent, kDecreaseIndent, 0,
            kCompile, kBuild,  kRunApplication, kRunApplet,     kOpenInWebBrowser, 0,            kProjectWindowButton};
}

std::string LoadCommandPrompt(int nId)
{
    static const std::map<int, std::string> prompts = {
        {32771, "Add an existing Java Source File to the Project"},
        {32772, "Remove Java Source File from Project"},
        {32773, "Set the class containing the Main function."},
        {32774, "Compile the current file\nCompile File"},
        {32775, "Set the path to the Java SDK and other options"},
        {32776, "Run the Program\nRun"},
        {32778, "Refresh the list of functions diplayed in the top bar"},
        {32780, "Run Java Applet\nRun Applet"},
        {32784, "Indents the selected text right one tab stop\nIncrease Indent"},
        {32785, "Indents the selected text left one tab stop\nDecrease Indent"},
        {32789, "Create a new Project"},
        {32791, "Save all open documents."},
        {32792, "List the contents of a Java Archive"},
        {32796, "Add an HTML file to launch an applet"},
        {32797, "Add the current window to the project"},
        {32799, "Convert linebreaks in a Macintosh source file"},
        {32800, "Open the currently selected Java File"},
        {32801, "Rebuild the class information for the selected file"},
        {32803, "Compile all files required by main\nBuild"},
        {32808, "Make a Jar file\nCreate Jar"},
        {32809, "Insert HTML tags for your applet\nInsert Applet"},
        {32810, "Open the HTML file with your browser, if one is configured\nOpen in Browser"},
        {32811, "Update Syntax Colouring\nSyntax Colour"},
        {32814, "Show/Hide Project Window\nProject Window"},
        {32817, "Run the application with its own console\nRun with console"},
        {32818, "Launches Java Help Viewer (requires JDK 1.2)"},
        {32820, "Convert tabs to spaces using the tab size set in Preferences."},
        {32821, "Open an existing Tarnwick project"},
        {32822, "JDK Documentation in WinHelp format"},
        {32825, "Show the process output window"},
        {32837, "Run Applet\nRun Applet"},
        {114, "Displays a Tip of the Day."},
        // The framework's standard prompts.
        {57600, "Create a new document\nNew"},
        {57601, "Open an existing document\nOpen"},
        {57602, "Close the active document\nClose"},
        {57603, "Save the active document\nSave"},
        {57604, "Save the active document with a new name\nSave As"},
        {57606, "Change the printer and printing options\nPage Setup"},
        {57607, "Print the active document\nPrint"},
        {57609, "Display full pages\nPrint Preview"},
        {57665, "Quit the application; prompts to save documents\nExit"},
        {57634, "Copy the selection and put it on the Clipboard\nCopy"},
        {57635, "Cut the selection and put it on the Clipboard\nCut"},
        {57636, "Find the specified text\nFind"},
        {57637, "Insert Clipboard contents\nPaste"},
        {57640, "Repeat the last action\nRepeat"},
        {57641, "Replace specific text with different text\nReplace"},
        {57642, "Select the entire document\nSelect All"},
        {57643, "Undo the last action\nUndo"},
        {57648, "Open another window for the active document\nNew Window"},
        {57649, "Arrange icons at the bottom of the window\nArrange Icons"},
        {57650, "Arrange windows so they overlap\nCascade Windows"},
        {57651, "Arrange windows as non-overlapping tiles\nTile Windows"},
        {57664, "Display program information, version number and copyright\nAbout"},
        {59392, "Show or hide the toolbar\nToggle ToolBar"},
        {59393, "Show or hide the status bar\nToggle StatusBar"},
    };
    auto it = prompts.find(nId);
    return it == prompts.end() ? std::string() : it->second;
}

std::string CommandTooltip(int nId)
{
    std::string strPrompt = LoadCommandPrompt(nId);
    std::size_t nBreak = strPrompt.find('\n');
    return nBreak == std::string::npos ? strPrompt : strPrompt.substr(nBreak + 1);
}

bool AddTipOfTheDayItem(CMenuBar& menuBar)
{
    static const char* const kHelpText = "&Help";
    static const char* const kTipText = "Ti&p of the Day...";
    for (CMenuItem& popup : menuBar.m_popups) {
        if (popup.m_strText != kHelpText)
            continue;
        if (!popup.m_children.empty() && popup.m_children.front().m_strText == kTipText)
            return false;
        popup.m_children.insert(popup.m_children.begin(), Separator());
        popup.m_children.insert(popup.m_children.begin(), Item(kTipText, kTipOfTheDay));
        return true;
    }
    menuBar.m_popups.push_back(Popup(kHelpText, {Item(kTipText, kTipOfTheDay)}));
    return true;
}
