#pragma once

#include "core/app/FileDialogFolders.h"
#include "core/settings/Settings.h"
#include "ui/framework/AppServices.h"
#include "ui/framework/CommandRouter.h"
#include "ui/framework/CommandTarget.h"
#include "ui/framework/FindSearch.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class CDocTemplate;
class CDocument;
class CExternalProcess;
class CFindInFilesCommands;
class CMainFrame;
class CPromptService;
class CQtSettingsStore;
class IOpenProject;
class ISettingsStore;
class QPrinter;

// The application object: settings, document kinds, the main frame, the
// open project, and the commands that belong to the program as a whole.
class CTarnwickApp : public IAppServices, public ICommandTarget {
public:
    struct CStartOptions {
        QStringList m_arguments; // command-line arguments, without the program name
        // The same arguments as the system's bytes, when known: a file name
        // need not be valid UTF-8, and its QString form loses such bytes.
        std::vector<std::string> m_argumentBytes;
        QString m_strApplicationFolder;   // where help/ lives; empty: found from the executable
        std::string m_strDefaultJdk;      // empty: detected
        std::string m_strDefaultHelpPath; // empty: the JDK's API docs
        bool m_bShowWindow = true;
        // The tip of the day when no file is named; off unless the program
        // itself asks, so tests and timed starts are never held by a dialog.
        bool m_bShowTipAtStartup = false;
        // Runs once the document kinds are registered (tests add kinds of their own).
        std::function<void(CTarnwickApp&)> m_afterKindsRegistered;
    };

    // Every message box and dialog of the program goes through prompts,
    // which the caller keeps alive for the application's lifetime.
    CTarnwickApp(std::unique_ptr<CQtSettingsStore> pStore, CPromptService& prompts);
    ~CTarnwickApp() override;

    // Start-up; false when the program must end.
    bool InitInstance(const CStartOptions& options);

    const CSettings& Settings() const override { return m_settings; }
    CSettings& Settings() { return m_settings; }
    ISettingsStore& Store() override;
    std::vector<std::string>& RecentProjects() override { return m_settings.m_recentProjects; }
    IFrameHost& Frames() override;
    CPromptService& Prompts() override { return m_prompts; }
    CFindSearch& LastSearch() override { return m_lastSearch; }
    QString FileDialogFolder() const override;
    void RememberFileDialogChoice(const QString& strPath) override;
    bool ExecuteCommand(int nId) override { return m_router.Execute(nId); }
    // Writes the settings changed so far to their file now.
    bool SyncSettings();
    CMainFrame* MainFrame() const { return m_pMainFrame.get(); }
    CCommandRouter& Router() { return m_router; }
    const QString& ApplicationFolder() const { return m_strApplicationFolder; }
    QPrinter& Printer() override;

    const std::vector<std::unique_ptr<CDocTemplate>>& Templates() const { return m_templates; }
    // The first registered template whose document name equals strDocName.
    CDocTemplate* FindTemplate(const QString& strDocName) const;

    IOpenProject* GetProjectDoc() const override { return m_pProject; }
    void SetProjectDoc(IOpenProject* pProject) override { m_pProject = pProject; }
    void ClearProjectDoc(IOpenProject* pProject) override;

    CDocument* OpenDocumentFile(const QString& strPath) override;
    std::vector<CDocument*> OpenDocuments() const override;
    // The same for a path given as the system's bytes.
    CDocument* OpenDocumentPath(const std::string& strPathBytes);
    bool CloseCurrentProject(const QString& strPath = QString());
    // Asks every document about unsaved changes; false when one refused.
    bool SaveAllModified();
    void CloseAllDocuments();

    void SetProcessTitle(const QString& strTitle) override { m_strProcessTitle = strTitle; }
    QString GetProcessTitle() const override { return m_strProcessTitle; }

    void AddRecentProject(const QString& strPath);
    void SaveRecentProjects(const QString& strLastOpen);

    // Whether an external tool is running now; the process runner tells,
    // unless a test asks someone else.
    void SetToolRunningQuery(std::function<bool()> isRunning) { m_isToolRunning = std::move(isRunning); }
    bool IsToolRunning() const override { return m_isToolRunning && m_isToolRunning(); }
    CExternalProcess& ToolRunner() override { return *m_pToolRunner; }
    // Find in Files, its results window and the way through its results.
    CFindInFilesCommands& FindInFiles() { return *m_pFindInFiles; }
    bool AskToStopRunningTool() override;
    void StopRunningTool() override;

    bool HandlesCommand(int nId) const override;
    void OnCommand(int nId) override;
    bool OnUpdateCommand(int nId, CCmdUI& cmdUI) override;

    // The help page the Help command opens.
    QString HelpPagePath() const;
    // The tips file in the application folder.
    QString TipsFilePath() const;

private:
    void RegisterDocumentKinds();
    std::vector<ICommandTarget*> CommandChain() const;
    void OnFileOpen();
    void OnOpenProject();
    void OnSaveAll();
    void OnRunApplet();
    void OnFilePrintSetup();
    void OnAppAbout();
    void OnHelp();
    void OnFileNew();
    void OnRecentProjects();
    void OnTipOfTheDay();
    // The View and Build menu switches, kept in the settings.
    void OnCompilerMessages();
    void OnLineNumbers();
    void OnProgramInput();
    void ShowTipAtStartup();

    CPromptService& m_prompts;
    std::unique_ptr<CQtSettingsStore> m_pStore;
    std::unique_ptr<CExternalProcess> m_pToolRunner;
    std::unique_ptr<CFindInFilesCommands> m_pFindInFiles;
    CSettings m_settings;
    QString m_strApplicationFolder;
    std::vector<std::unique_ptr<CDocTemplate>> m_templates;
    CDocTemplate* m_pProjectTemplate = nullptr;
    std::unique_ptr<CMainFrame> m_pMainFrame;
    std::unique_ptr<QPrinter> m_pPrinter;
    CCommandRouter m_router;
    IOpenProject* m_pProject = nullptr;
    QString m_strProcessTitle;
    CFindSearch m_lastSearch;
    CFileDialogFolders m_dialogFolders; // for this session only
    std::function<bool()> m_isToolRunning;
};
