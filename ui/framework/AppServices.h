#pragma once

#include <QString>
#include <string>
#include <vector>

struct CFindSearch;
struct CSettings;
class CDocument;
class CPromptService;
class CExternalProcess;
class IFrameHost;
class IOpenProject;
class ISettingsStore;
class QPrinter;

// What document kinds, documents, views, the process window and the project
// panels ask of the application. Each is handed it by whoever makes it (the
// document template, a factory, the project document); none reaches for a
// global.
class IAppServices {
public:
    virtual ~IAppServices() = default;

    virtual const CSettings& Settings() const = 0;
    virtual ISettingsStore& Store() = 0;
    // The recent-project list the settings hold; a closing project adds itself.
    virtual std::vector<std::string>& RecentProjects() = 0;
    // The main window: child frames, status panes, docking bars, and the
    // parent of messages and dialogs.
    virtual IFrameHost& Frames() = 0;
    // Where every message box, file prompt and modal dialog goes.
    virtual CPromptService& Prompts() = 0;
    // What the editors' Find and Replace looked for last; Repeat searches it again.
    virtual CFindSearch& LastSearch() = 0;
    // Where the file prompts (Open, Save As, Add Java Source Files, a new
    // project's file) start: the open project's folder, else the active
    // document's, else the last folder one of them chose this session;
    // empty when none applies.
    virtual QString FileDialogFolder() const = 0;
    // Called with the file a user chose in one of those prompts.
    virtual void RememberFileDialogChoice(const QString& strPath) = 0;
    // Runs a command through the routing, as its menu item would; false
    // when nothing ran.
    virtual bool ExecuteCommand(int nId) = 0;

    // The one open project, or null.
    virtual IOpenProject* GetProjectDoc() const = 0;
    // Called by the project document when it is made and when it goes.
    virtual void SetProjectDoc(IOpenProject* pProject) = 0;
    virtual void ClearProjectDoc(IOpenProject* pProject) = 0;
    // Opens a file in the editor of its kind; null when it could not.
    virtual CDocument* OpenDocumentFile(const QString& strPath) = 0;
    // Every open document, of every kind, project included.
    virtual std::vector<CDocument*> OpenDocuments() const = 0;

    virtual QPrinter& Printer() = 0;
    // The title the next captured run shows.
    virtual void SetProcessTitle(const QString& strTitle) = 0;
    virtual QString GetProcessTitle() const = 0;

    // The IDE's runner of captured tools: one run at a time in its windows.
    virtual CExternalProcess& ToolRunner() = 0;
    virtual bool IsToolRunning() const = 0;
    // Before a close that would leave a running tool without its window:
    // asks whether to stop it. True when nothing runs or the answer is OK.
    virtual bool AskToStopRunningTool() = 0;
    // Stops the running tool's process group and waits until its run is over.
    virtual void StopRunningTool() = 0;
};
