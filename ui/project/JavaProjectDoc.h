#pragma once

#include "core/project/JavaProjectCore.h"
#include "core/tools/ToolCommand.h"
#include "ui/framework/OpenProject.h"
#include "ui/bars/ProcessBar.h"
#include "ui/bars/ProjectBar.h"
#include "ui/framework/Document.h"

#include <QPointer>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CExternalProcess;
struct CFinishedRun;
class CProcessWindow;
class CProjectFormView;
class CProjectTreeDlg;

// The open project: its model (in core), the commands that build, run and
// pack it, and the process window that shows their output.
class CJavaProjectDoc : public CDocument, public IOpenProject {
    Q_OBJECT
public:
    explicit CJavaProjectDoc(CDocTemplate& docTemplate);
    ~CJavaProjectDoc() override;

    CJavaProjectCore& Core() { return m_core; }

    // CDocument
    bool OnNewDocument() override;
    bool OnOpenDocument(const QString& strPathName) override;
    bool OnSaveDocument(const QString& strPathName) override;
    // By the path's bytes, so a project whose name is not UTF-8 opens and
    // saves under its own name.
    bool OnOpenDocumentBytes(const std::string& strPathBytes) override;
    bool OnSaveDocumentBytes(const std::string& strPathBytes) override;
    // Writes the project back only when its bytes changed, and asks before
    // writing over a file another program changed meanwhile.
    bool SaveModified() override;
    void OnCloseDocument() override;
    // The project's last window asks to stop a running tool first.
    bool CanCloseFrame(CMdiChildFrame* pFrame) override;
    bool HandlesCommand(int nId) const override;
    void OnCommand(int nId) override;
    bool OnUpdateCommand(int nId, CCmdUI& cmdUI) override;

    // IOpenProject
    CDocument& ProjectDocument() override { return *this; }
    QString GetMainFile() const override;
    QString GetMainHtmlFile() const override;
    QString GetHtmlFilePath(const QString& strFileName) override;
    std::vector<std::string> ListedFilePaths() override;
    void RunApplet(const QString& strHtmlPath) override;
    void OnProjectCommand(int nId) override;
    IClassInfoSink& ClassInfo() override { return m_core; }
    bool AddJavaFile(const QString& strPath) override;
    // Sets the run title when the command has one and starts it captured.
    void RunCaptured(const CToolCommand& command) override;
    void CompileFile(const std::string& strPath) override;

    void OnAddJavaFiles();
    void OnAddHtmlFile();
    void RemoveFile(const QString& strPath);
    void SetMainFile(const QString& strName);
    void SetMainHtmlFile(const QString& strName);
    QString GetFilePath(const QString& strName);
    // Opens the target's file and goes to its text in the outline; false
    // when the file does not open as source or the text is not found.
    bool OpenTarget(const CProjectTarget& target);
    bool OpenFromProjectFolder(const QString& strFileName);
    void GotoErrorLine(int nLineIndex);
    void UpdateProjectViews();

    void OnBuild();
    // Build: false when it did not start (a message said why).
    bool StartBuild();
    // After a build that Run started: the run, when the build succeeded.
    void StartPendingRun(const CFinishedRun& build);
    // The paths of open documents changed and not saved.
    std::vector<std::string> UnsavedJavaPaths() const;
    void RunJava(bool bCaptured);
    void OnCreateJar();
    void OnShowArchiveContents();
    void ShowProjectWindow();
    void ToggleProcessWindow();
    void ShowProcessWindow(CExternalProcess& runner);
    CProcessBar* ProcessBar() const { return m_pProcessBar; }
    CProcessWindow* ProcessWindow() const { return m_pProcessWindow; }
    CProjectBar* ProjectBar() const { return m_pProjectBar; }
    CProjectTreeDlg* ProjectTree() const;

private:
    enum class ESaveOutcome { Saved, Reloaded, Cancelled, Failed };
    // Saves to the project's own file, asking Overwrite / Reload / Cancel
    // when another program changed it; strError tells why it Failed.
    ESaveOutcome SaveBack(std::string& strError);
    // Reopens the project from its file, dropping the changes made here.
    bool Reload();
    CProjectFormView* FirstFormView() const;
    void SaveAllWhenAsked();
    // RunCaptured, the run's input a pipe the process window feeds when
    // bFeedInput; false when it did not start.
    bool RunCaptured(const CToolCommand& command, bool bFeedInput);
    // Most bytes of a run's output kept, from the settings.
    std::size_t OutputLimit() const;
    void ShowMessage(const std::string& strText);
    void ShowPendingMessages();

    CJavaProjectCore m_core;
    QPointer<CProcessBar> m_pProcessBar;        // made on the first captured run, deleted with the project
    CProcessWindow* m_pProcessWindow = nullptr; // hosted by the process bar
    QPointer<CProjectBar> m_pProjectBar;        // made when the project window is first shown
    QPointer<CProjectTreeDlg> m_pProjectTree;   // hosted by the project bar
    std::string m_strRunFolder;                 // where the last captured run started: its names are from there
    std::optional<CToolCommand> m_pendingRun;   // Run waiting for the build it started
    bool m_bRunAfterBuild = false;              // the next run shows after the build's output
};
