#include "core/app/CommandTable.h"

#include "core/app/CommandIds.h"

#include <algorithm>

using namespace CommandIds;

namespace {
using T = ECommandTarget;
using E = EEnableRule;
using K = EWindowKind;

std::vector<CCommand> MakeTable()
{
    // Every source window serves the text commands; some only the Java one.
    const CWindowKinds source{K::JavaSource, K::HtmlPage};
    const CWindowKinds java{K::JavaSource};
    // id, text, key, prompt, tooltip, icon, target, rule, kinds
    return {
        // File
        {kFileNew, "&New", "Ctrl+N", "Create a new document", "New", "new", T::Nobody, E::Served, {}},
        {kFileOpen, "&Open...", "Ctrl+O", "Open an existing document", "Open", "open", T::Application, E::Served, {}},
        {kFileClose, "&Close", "", "Close the active document", "Close", "", T::Document, E::Served, {}},
        {kFileSave, "&Save", "Ctrl+S", "Save the active document", "Save", "save", T::Document, E::Served, {}},
        {kFileSaveAs, "Save &As...", "", "Save the active document with a new name", "Save As", "", T::Document,
         E::Served, {}},
        {kSaveAll, "Save All", "", "Save all open documents.", "", "", T::Application, E::Served, {}},
        {kPreferences, "Preferences...", "", "Set the path to the Java SDK and other options", "", "", T::Nobody,
         E::Served, {}},
        {kFilePrint, "&Print...", "Ctrl+P", "Print the active document", "Print", "print", T::View, E::Served, source},
        {kFilePrintPreview, "Print Pre&view", "", "Display full pages", "Print Preview", "", T::View, E::Served, source},
        {kFilePrintSetup, "P&rint Setup...", "", "Change the printer and printing options", "Page Setup", "",
         T::Application, E::Served, {}},
        {kRecentProjects, "Recent Projects...", "", "", "", "", T::Nobody, E::Served, {}},
        // Stands for the recently used files, which the main window lists in its place.
        {kFileMruFirst, "Recent File", "", "", "", "", T::Nobody, E::Served, {}},
        {kAppExit, "E&xit", "", "Quit the application; prompts to save documents", "Exit", "", T::MainFrame,
         E::Served, {}},
        // Edit
        {kEditUndo, "&Undo", "Ctrl+Z", "Undo the last action", "Undo", "", T::View, E::Served, source},
        {kEditCut, "Cu&t", "Ctrl+X", "Cut the selection and put it on the Clipboard", "Cut", "cut", T::View,
         E::Served, source},
        {kEditCopy, "&Copy", "Ctrl+C", "Copy the selection and put it on the Clipboard", "Copy", "copy", T::View,
         E::Served, source},
        {kEditPaste, "&Paste", "Ctrl+V", "Insert Clipboard contents", "Paste", "paste", T::View, E::Served, source},
        {kEditSelectAll, "Select All", "", "Select the entire document", "Select All", "", T::View, E::Served, source},
        {kIncreaseIndent, "Increase Indent", "Ctrl+]", "Indents the selected text right one tab stop",
         "Increase Indent", "increase-indent", T::View, E::Served, source},
        {kDecreaseIndent, "Decrease Indent", "Ctrl+[", "Indents the selected text left one tab stop",
         "Decrease Indent", "decrease-indent", T::View, E::Served, source},
        {kEditFind, "Find...", "Ctrl+F", "Find the specified text", "Find", "", T::View, E::Served, source},
        {kEditReplace, "Replace...", "Ctrl+H", "Replace specific text with different text", "Replace", "", T::View,
         E::Served, source},
        {kEditRepeat, "Repeat", "", "Repeat the last action", "Repeat", "", T::View, E::Served, source},
        {kConvertLinebreaks, "Convert Linebreaks", "", "Convert linebreaks in a Macintosh source file", "", "",
         T::View, E::Served, source},
        {kConvertTabs, "Convert Tabs to Spaces", "", "Convert tabs to spaces using the tab size set in Preferences.",
         "", "", T::View, E::Served, source},
        {kInsertApplet, "Insert Applet", "", "Insert HTML tags for your applet", "Insert Applet", "", T::Nobody,
         E::Served, {}},
        {kSyntaxColourUpdate, "Syntax Colour Update", "F3", "Update Syntax Colouring", "Syntax Colour", "", T::View,
         E::Served, source},
        {kRefreshFunctionList, "Refresh Function List", "F2", "Refresh the list of functions diplayed in the top bar",
         "", "", T::View, E::Served, java},
        // View
        {kViewToolbar, "&Toolbar", "", "Show or hide the toolbar", "Toggle ToolBar", "", T::MainFrame, E::Served, {}},
        {kViewStatusBar, "&Status Bar", "", "Show or hide the status bar", "Toggle StatusBar", "", T::MainFrame,
         E::Served, {}},
        {kProcessWindow, "Process Window", "", "Show the process output window", "", "", T::ProjectWindow, E::Served,
         {}},
        {kProjectWindow, "Project Window", "", "", "", "", T::Project, E::ProjectOpen, {}},
        {kProjectWindowButton, "Project Window", "", "Show/Hide Project Window", "Project Window", "project-window",
         T::Project, E::ProjectOpen, {}},
        // Project
        {kNewProject, "New Project...", "", "Create a new Project", "", "", T::Nobody, E::Served, {}},
        {kOpenProject, "Open Project...", "", "Open an existing Tarnwick project", "", "", T::Application, E::Served,
         {}},
        {kCloseProject, "Close Project", "", "", "", "", T::Application, E::Served, {}},
        {kAddJavaFiles, "Add Java Source Files...", "", "Add an existing Java Source File to the Project", "", "",
         T::Project, E::ProjectOpen, {}},
        {kAddHtmlFile, "Add HTML File...", "", "Add an HTML file to launch an applet", "", "", T::Project,
         E::ProjectOpen, {}},
        {kCreateJar, "Create Jar...", "", "Make a Jar file", "Create Jar", "", T::Project, E::ProjectOpen, {}},
        {kShowArchiveContents, "Show Archive Contents...", "", "List the contents of a Java Archive", "", "",
         T::Project, E::ProjectOpen, {}},
        {kAddWindowToProject, "Add Window to Project", "", "Add the current window to the project", "", "", T::View,
         E::Served, java},
        {kRemoveFile, "Remove", "", "Remove Java Source File from Project", "", "", T::ProjectTree, E::Served, {}},
        {kSetMainFile, "Set as Main", "", "Set the class containing the Main function.", "", "", T::ProjectTree,
         E::Served, {}},
        {kOpenSelectedItem, "Open", "", "Open the currently selected Java File", "", "", T::ProjectTree, E::Served,
         {}},
        {kRebuildClassInfo, "Rebuild Class Info", "", "Rebuild the class information for the selected file", "", "",
         T::ProjectTree, E::Served, {}},
        {kFileProperties, "Properties", "", "", "", "", T::ProjectTree, E::Served, {}},
        // Build
        {kBuild, "&Build", "F7", "Compile all files required by main", "Build", "build", T::Project, E::Served, {}},
        {kCompile, "&Compile", "Ctrl+M", "Compile the current file", "Compile File", "compile", T::View,
         E::ProjectOpenIdle, java},
        {kRunApplication, "&Run Application", "F5", "Run the Program", "Run", "run", T::Project, E::ProjectOpenIdle,
         {}},
        {kRunAppletOfWindow, "Run Applet", "", "Run Java Applet", "Run Applet", "", T::Nobody, E::Served, {}},
        {kRunApplet, "Run &Applet", "Shift+F5", "Run Applet", "Run Applet", "run-applet", T::Application,
         E::MainHtmlFileSet, {}},
        {kRunAppletHtml, "Run Applet", "Shift+F5", "", "", "", T::Nobody, E::Served, {}},
        {kRunWithConsole, "Run &with Console", "", "Run the application with its own console", "Run with console", "",
         T::Project, E::ProjectOpen, {}},
        {kOpenInWebBrowser, "Open In &Web Browser", "", "Open the HTML file with your browser, if one is configured",
         "Open in Browser", "open-in-browser", T::Nobody, E::Served, {}},
        // Window
        {kWindowNew, "&New Window", "", "Open another window for the active document", "New Window", "", T::Frame,
         E::Served, source},
        {kWindowCascade, "&Cascade", "", "Arrange windows so they overlap", "Cascade Windows", "", T::MainFrame,
         E::Served, {}},
        {kWindowTile, "&Tile", "", "Arrange windows as non-overlapping tiles", "Tile Windows", "", T::MainFrame,
         E::Served, {}},
        {kWindowArrange, "&Arrange Icons", "", "Arrange icons at the bottom of the window", "Arrange Icons", "",
         T::MainFrame, E::Served, {}},
        {kNextPane, "Next Pane", "", "", "", "", T::Nobody, E::Served, {}},
        {kPrevPane, "Previous Pane", "", "", "", "", T::Nobody, E::Served, {}},
        // Help
        {kAppAbout, "&About Tarnwick", "", "Display program information, version number and copyright", "About", "",
         T::Application, E::Served, {}},
        {kHelp, "Help...", "", "Launches Java Help Viewer (requires JDK 1.2)", "", "", T::Application, E::Served, {}},
        {kJdkHelp, "JDK Help", "F1", "JDK Documentation in WinHelp format", "", "", T::View, E::Served, java},
        {kTipOfTheDay, "Ti&p of the Day...", "", "Displays a Tip of the Day.", "", "", T::Nobody, E::Served, {}},
    };
}
} // namespace

const std::vector<CCommand>& CommandTable()
{
    static const std::vector<CCommand> table = MakeTable();
    return table;
}

const CCommand* FindCommand(int nId)
{
    const std::vector<CCommand>& table = CommandTable();
    auto it = std::find_if(table.begin(), table.end(), [nId](const CCommand& command) { return command.m_nId == nId; });
    return it == table.end() ? nullptr : &*it;
}

ECommandTarget CommandTarget(int nId)
{
    const CCommand* pCommand = FindCommand(nId);
    return pCommand ? pCommand->m_eTarget : ECommandTarget::Nobody;
}

bool ServedInWindow(int nId, ECommandTarget eTarget, EWindowKind eKind)
{
    const CCommand* pCommand = FindCommand(nId);
    return pCommand && pCommand->m_eTarget == eTarget && pCommand->m_kinds.Has(eKind);
}
