#include "ui/project/JavaProjectDoc.h"

#include "core/project/JavaFile.h"
#include "core/project/TarnwickFile.h"

#include "core/app/CommandIds.h"
#include "core/app/CommandTable.h"
#include "core/tools/ConsoleLauncher.h"
#include "core/tools/JarCommandBuilder.h"
#include "core/tools/JdkCommandBuilder.h"
#include "core/tools/ProjectCommands.h"
#include "core/tools/StaleClasses.h"
#include "core/tools/ToolMessages.h"
#include "core/settings/Settings.h"
#include "core/tools/ExternalProcess.h"
#include "ui/bars/ProcessBar.h"
#include "ui/project/CompilerMessagesRun.h"
#include "ui/framework/AppServices.h"
#include "ui/framework/FrameHost.h"
#include "ui/framework/DocTemplate.h"
#include "ui/framework/MdiChildFrame.h"
#include "ui/framework/PromptService.h"
#include "ui/tools/ArgumentsDlg.h"
#include "ui/project/ProjectFormView.h"
#include "ui/project/ProjectTreeDlg.h"
#include "ui/project/StackTraceTarget.h"
#include "ui/framework/SourceNavigator.h"
#include "ui/tools/ProcessWindow.h"

#include <QFile>
#include <QTimer>
#include <utility>
#include <QFileInfo>
#include <QGuiApplication>

using namespace CommandIds;

namespace {
// The wait cursor for the length of a scope.
class CWaitCursor {
public:
    CWaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CWaitCursor() { QGuiApplication::restoreOverrideCursor(); }
};
} // namespace

CJavaProjectDoc::CJavaProjectDoc(CDocTemplate& docTemplate)
    : CDocument(docTemplate), m_core(docTemplate.Services().Settings())
{
    Services().SetProjectDoc(this);
    m_core.SetUpdateViewsHandler([this] { UpdateProjectViews(); });
}

CJavaProjectDoc::~CJavaProjectDoc()
{
    Services().ClearProjectDoc(this);
    delete m_pProcessBar.data();
    delete m_pProjectBar.data();
}

bool CJavaProjectDoc::OnNewDocument()
{
    return CDocument::OnNewDocument();
}

bool CJavaProjectDoc::OnOpenDocument(const QString& strPathName)
{
    return OnOpenDocumentBytes(QFile::encodeName(QFileInfo(strPathName).absoluteFilePath()).toStdString());
}

bool CJavaProjectDoc::OnOpenDocumentBytes(const std::string& strPathBytes)
{
    std::string strError;
    if (!m_core.Open(AbsolutePathBytes(strPathBytes), strError)) {
        ShowMessage(strError);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool CJavaProjectDoc::OnSaveDocument(const QString& strPathName)
{
    return OnSaveDocumentBytes(QFile::encodeName(QFileInfo(strPathName).absoluteFilePath()).toStdString());
}

bool CJavaProjectDoc::OnSaveDocumentBytes(const std::string& strPathBytes)
{
    const std::string strPath = AbsolutePathBytes(strPathBytes);
    std::string strError;
    if (strPath == m_core.GetPathName()) {
        const ESaveOutcome eOutcome = SaveBack(strError);
        if (eOutcome == ESaveOutcome::Failed)
            ShowMessage(strError);
        return eOutcome == ESaveOutcome::Saved || eOutcome == ESaveOutcome::Reloaded;
    }
    if (!m_core.SaveAs(strPath, strError)) {
        ShowMessage(strError);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

CJavaProjectDoc::ESaveOutcome CJavaProjectDoc::SaveBack(std::string& strError)
{
    CFileStamp seen;
    bool bOverwrite = false;
    for (;;) {
        switch (m_core.SaveBack(seen, bOverwrite, strError)) {
        case CJavaProjectCore::ESaveBack::Unchanged:
        case CJavaProjectCore::ESaveBack::Saved: SetModifiedFlag(false); return ESaveOutcome::Saved;
        case CJavaProjectCore::ESaveBack::Failed: return ESaveOutcome::Failed;
        case CJavaProjectCore::ESaveBack::ChangedOutside: break;
        }
        const QString strText = QStringLiteral("%1 was changed outside Tarnwick. Overwrite it with the open project, "
                                               "or Reload it and lose the changes made here?")
                                    .arg(GetTitle());
        const int nAnswer = Prompts().MessageBox(Services().Frames().MainWidget(), strText,
                                                 CPromptService::kOverwriteReloadCancel, CPromptService::kIconWarning);
        if (nAnswer == CPromptService::kAnswerReload)
            return Reload() ? ESaveOutcome::Reloaded : ESaveOutcome::Cancelled;
        if (nAnswer != CPromptService::kAnswerOverwrite)
            return ESaveOutcome::Cancelled;
        // Written only over the file the user was asked about.
        bOverwrite = true;
    }
}

bool CJavaProjectDoc::Reload()
{
    std::string strError;
    if (!m_core.Open(m_core.GetPathName(), strError)) {
        // Nothing is lost: the project stays as it was here.
        ShowMessage(strError);
        return false;
    }
    UpdateProjectViews();
    return true;
}

bool CJavaProjectDoc::SaveModified()
{
    // A project with a name is saved on close without a question (an
    // unchanged one is not written at all).
    if (GetPathBytes().empty())
        return CDocument::SaveModified();
    std::string strError;
    switch (SaveBack(strError)) {
    case ESaveOutcome::Saved:
    case ESaveOutcome::Reloaded: return true;
    case ESaveOutcome::Cancelled: return false;
    case ESaveOutcome::Failed: break;
    }
    // A project that cannot be saved (read-only, its folder gone, the disk
    // full) must not keep the user from closing it or the program.
    const QString strText = QString::fromStdString(strError) + QStringLiteral("\n\nClose without saving?");
    return Prompts().MessageBox(Services().Frames().MainWidget(), strText, CPromptService::kYesNo,
                                CPromptService::kIconWarning) == CPromptService::kAnswerYes;
}

bool CJavaProjectDoc::CanCloseFrame(CMdiChildFrame* pFrame)
{
    for (CMdiChildFrame* pOther : GetFrames())
        if (pOther != pFrame)
            return true; // the project stays open
    // Its process window goes with the project, and with it the only Stop.
    if (!Services().AskToStopRunningTool() || !CDocument::CanCloseFrame(pFrame))
        return false;
    Services().StopRunningTool();
    return true;
}

void CJavaProjectDoc::OnCloseDocument()
{
    m_core.RecordClose(Services().RecentProjects(), Services().Store());
    if (m_pProcessBar)
        m_pProcessBar->hide();
    if (m_pProjectBar && m_pProjectBar->isVisible())
        m_pProjectBar->hide();
    Services().ClearProjectDoc(this);
    CDocument::OnCloseDocument();
}

QString CJavaProjectDoc::GetMainFile() const
{
    return QString::fromStdString(m_core.GetMainFile());
}

QString CJavaProjectDoc::GetMainHtmlFile() const
{
    return QString::fromStdString(m_core.GetMainHtmlFile());
}

QString CJavaProjectDoc::GetHtmlFilePath(const QString& strFileName)
{
    return QString::fromStdString(m_core.GetHtmlFilePath(strFileName.toStdString()));
}

std::vector<std::string> CJavaProjectDoc::ListedFilePaths()
{
    // Rebased as GetFilePath rebases them, entry by entry (names may repeat).
    std::vector<std::string> vecPaths;
    for (int i = 0; i < m_core.GetJavaFiles().GetCount(); ++i)
        vecPaths.push_back(m_core.GetJavaFiles().GetAt(i)->GetRelocatedPathName(m_core.GetPathName()));
    for (int i = 0; i < m_core.GetHtmlFiles().GetCount(); ++i)
        vecPaths.push_back(m_core.GetHtmlFiles().GetAt(i)->GetRelocatedPathName(m_core.GetPathName()));
    return vecPaths;
}

QString CJavaProjectDoc::GetFilePath(const QString& strName)
{
    return QString::fromStdString(m_core.GetFilePath(strName.toStdString()));
}

void CJavaProjectDoc::ShowMessage(const std::string& strText)
{
    Prompts().MessageBox(Services().Frames().MainWidget(), QString::fromStdString(strText));
}

void CJavaProjectDoc::ShowPendingMessages()
{
    for (const std::string& strMessage : m_core.TakeMessages())
        ShowMessage(strMessage);
}

void CJavaProjectDoc::UpdateProjectViews()
{
    SetModifiedFlag(m_core.IsModified());
    for (CMdiChildFrame* pFrame : GetFrames())
        if (CView* pView = pFrame->GetView())
            pView->OnUpdate();
    if (m_pProjectTree)
        m_pProjectTree->RebuildTree();
    ShowPendingMessages();
}

bool CJavaProjectDoc::AddJavaFile(const QString& strPath)
{
    return m_core.AddJavaFile(QFileInfo(strPath).absoluteFilePath().toStdString());
}

void CJavaProjectDoc::OnAddJavaFiles()
{
    QStringList paths =
        Prompts().GetOpenFileNames(Services().Frames().MainWidget(), QStringLiteral("Open"),
                                   "Java Source Files (*.jav *.java);;All Files (*)", Services().FileDialogFolder());
    if (paths.isEmpty())
        return;
    Services().RememberFileDialogChoice(paths.front());
    if (paths.size() == 1) {
        if (AddJavaFile(paths.front())) {
            m_core.SetModifiedFlag(true);
            UpdateProjectViews();
        }
        return;
    }
    for (const QString& strPath : paths)
        AddJavaFile(strPath);
    m_core.SetModifiedFlag(true);
    UpdateProjectViews();
}

void CJavaProjectDoc::OnAddHtmlFile()
{
    QString strPath = Prompts().GetOpenFileName(Services().Frames().MainWidget(), QStringLiteral("Open"),
                                                "HTML Files (*.htm *.html)");
    if (strPath.isEmpty())
        return;
    std::string strMessage;
    if (!m_core.AddHtmlFileChecked(QFileInfo(strPath).absoluteFilePath().toStdString(), strMessage))
        ShowMessage(strMessage);
}

void CJavaProjectDoc::RemoveFile(const QString& strPath)
{
    m_core.RemoveFile(strPath.toStdString());
}

void CJavaProjectDoc::SetMainFile(const QString& strName)
{
    m_core.SetMainFile(strName.toStdString());
}

void CJavaProjectDoc::SetMainHtmlFile(const QString& strName)
{
    m_core.SetMainHtmlFile(strName.toStdString());
}

bool CJavaProjectDoc::OpenTarget(const CProjectTarget& target)
{
    CDocument* pDocument = Services().OpenDocumentFile(QString::fromStdString(target.m_strPath));
    auto* pSource = dynamic_cast<ISourceNavigator*>(pDocument);
    if (!pSource)
        return false;
    int nPosition = pSource->FindFunction(target.m_strFindText);
    if (nPosition < 0)
        return false;
    pSource->GoToPosition(nPosition);
    return true;
}

bool CJavaProjectDoc::OpenFromProjectFolder(const QString& strFileName)
{
    // The file is opened where the project keeps it, not relative to
    // whatever folder the last tool ran in.
    std::string strPath = m_core.GetProjectFolderPath(strFileName.toStdString());
    if (strPath.empty())
        return false;
    CDocument* pDocument = Services().OpenDocumentFile(QString::fromStdString(strPath));
    if (!dynamic_cast<ISourceNavigator*>(pDocument))
        return false;
    m_core.MoveToProjectFolder(strFileName.toStdString());
    SetModifiedFlag(true);
    return true;
}

void CJavaProjectDoc::GotoErrorLine(int nLineIndex)
{
    // The index is the process window's (display) line, which may no longer
    // match the run's kept output line for line: match the line as shown.
    if (!m_pProcessWindow)
        return;
    const std::string strLine = m_pProcessWindow->LineText(nLineIndex).toStdString() + "\r\n";
    auto location = m_core.FindErrorLine(strLine, 0, m_strRunFolder);
    if (!location)
        location = CStackTraceTarget::Find(*m_pProcessWindow, m_core, nLineIndex);
    if (!location)
        return;
    CDocument* pDocument = Services().OpenDocumentFile(QString::fromStdString(location->m_strPath));
    if (auto* pSource = dynamic_cast<ISourceNavigator*>(pDocument))
        pSource->SelectLine(location->m_nLineNumber - 1);
}

std::size_t CJavaProjectDoc::OutputLimit() const
{
    return static_cast<std::size_t>(Services().Settings().m_nOutputLimitMB) << 20;
}

void CJavaProjectDoc::SaveAllWhenAsked()
{
    if (Services().Settings().m_bSaveComp)
        Services().ExecuteCommand(kSaveAll);
}

void CJavaProjectDoc::RunCaptured(const CToolCommand& command)
{
    RunCaptured(command, false);
}

bool CJavaProjectDoc::RunCaptured(const CToolCommand& command, bool bFeedInput)
{
    if (command.m_bSetsTitle)
        Services().SetProcessTitle(QString::fromStdString(command.m_strTitle));
    CExternalProcess& runner = Services().ToolRunner();
    // Only a program run may wait for input; every other tool reads /dev/null.
    runner.FeedInput(bFeedInput);
    const CExternalProcess::EStart eStart = runner.StartTool(command, OutputLimit());
    if (eStart != CExternalProcess::EStart::Started) {
        ShowMessage(CToolMessages::StartFailureText(eStart, command));
        return false;
    }
    m_strRunFolder = command.m_strFolder;
    ShowProcessWindow(runner);
    Services().Frames().UpdateCommandStates();
    return true;
}

void CJavaProjectDoc::OnBuild()
{
    StartBuild();
}

bool CJavaProjectDoc::StartBuild()
{
    const CProjectCommands::CResult build = CProjectCommands::Build(m_core, Services().Settings());
    if (!build.m_bReady) {
        ShowMessage(build.m_strError);
        return false;
    }
    SaveAllWhenAsked();
    // The main file's package line is read from the disk, as just saved.
    const CProjectCommands::CResult saved = CProjectCommands::Build(m_core, Services().Settings());
    if (!saved.m_bReady) {
        ShowMessage(saved.m_strError);
        return false;
    }
    CWaitCursor wait;
    return RunCaptured(saved.m_command, false);
}

void CJavaProjectDoc::CompileFile(const std::string& strPath)
{
    const CProjectCommands::CResult compile = CProjectCommands::Compile(Services().Settings(), strPath);
    // The title shows even when the file cannot be compiled.
    Services().SetProcessTitle(QString::fromStdString(compile.m_command.m_strTitle));
    if (!compile.m_bReady) {
        ShowMessage(compile.m_strError);
        return;
    }
    SaveAllWhenAsked();
    // The file's package line is read from the disk, as just saved.
    const CProjectCommands::CResult saved = CProjectCommands::Compile(Services().Settings(), strPath);
    if (!saved.m_bReady) {
        ShowMessage(saved.m_strError);
        return;
    }
    CWaitCursor wait;
    RunCaptured(saved.m_command);
}

void CJavaProjectDoc::RunJava(bool bCaptured)
{
    const CProjectCommands::CResult run = CProjectCommands::Run(m_core, Services().Settings());
    if (!run.m_bReady) {
        ShowMessage(run.m_strError);
        return;
    }
    CToolCommand command = run.m_command;
    Services().SetProcessTitle(QString::fromStdString(command.m_strCommandLine));
    if (Services().Settings().m_bShowArgs) {
        CArgumentsDlg dialog(Services().Frames().MainWidget());
        if (Prompts().RunDialog(dialog) != QDialog::Accepted)
            return;
        CJdkCommandBuilder::AppendRunArguments(command, dialog.Arguments().toStdString());
    }
    if (bCaptured) {
        CToolCommand titled = command;
        titled.m_bSetsTitle = true; // the command line before the arguments
        titled.m_strTitle = run.m_command.m_strCommandLine;
        if (Services().Settings().m_bBuildBeforeRun &&
            !CStaleClasses::FirstStaleSource(m_core, UnsavedJavaPaths()).empty()) {
            // The run waits for the build's end and starts only when it succeeded.
            m_pendingRun = titled;
            if (!StartBuild())
                m_pendingRun.reset();
            return;
        }
        RunCaptured(titled, Services().Settings().m_bProgramInput);
    } else if (const auto eLaunch = CConsoleLauncher::Launch(command); eLaunch != CConsoleLauncher::ELaunch::Launched) {
        ShowMessage(CToolMessages::kFailedToLaunch);
        ShowMessage(CConsoleLauncher::FailureText(eLaunch));
    }
}

void CJavaProjectDoc::RunApplet(const QString& strHtmlPath)
{
    const CProjectCommands::CResult applet =
        CProjectCommands::RunApplet(Services().Settings(), strHtmlPath.toStdString());
    if (!applet.m_bReady) {
        ShowMessage(applet.m_strError);
        return;
    }
    RunCaptured(applet.m_command);
}

void CJavaProjectDoc::OnCreateJar()
{
    const std::string strDefault = CProjectCommands::DefaultJarPath(m_core);
    if (strDefault.empty()) {
        ShowMessage(CToolMessages::kNoMainJavaFile);
        return;
    }
    QString strJarPath = Prompts().GetSaveFileName(Services().Frames().MainWidget(), QStringLiteral("Save As"),
                                                   "Java Archives (*.jar)", QString::fromStdString(strDefault));
    if (strJarPath.isEmpty())
        return;
    const CProjectCommands::CResult jar =
        CProjectCommands::CreateJar(m_core, Services().Settings(), strJarPath.toStdString());
    if (!jar.m_bReady) {
        if (!jar.m_strError.empty())
            ShowMessage(jar.m_strError);
        return;
    }
    // A manifest that cannot be written shows up as jar's own complaint.
    CJarCommandBuilder::WriteManifest(CJarCommandBuilder::ManifestPath(strJarPath.toStdString()),
                                      CProjectCommands::JarMainClass(m_core));
    CWaitCursor wait;
    RunCaptured(jar.m_command);
}

void CJavaProjectDoc::OnShowArchiveContents()
{
    QString strJarPath =
        Prompts().GetOpenFileName(Services().Frames().MainWidget(), QStringLiteral("Open"), "Java Archives (*.jar)");
    if (strJarPath.isEmpty())
        return;
    const CProjectCommands::CResult list =
        CProjectCommands::ListArchive(Services().Settings(), strJarPath.toStdString());
    if (!list.m_bReady)
        return;
    RunCaptured(list.m_command);
}

void CJavaProjectDoc::ShowProjectWindow()
{
    if (m_pProjectBar) {
        m_pProjectBar->ToggleVisible();
        return;
    }
    m_pProjectTree = new CProjectTreeDlg(Prompts());
    m_pProjectTree->SetDocument(this);
    m_pProjectBar = new CProjectBar(GetTitle(), Services().Frames().DockHost());
    m_pProjectBar->Create(m_pProjectTree);
    m_pProjectTree->RebuildTree();
}

CProjectTreeDlg* CJavaProjectDoc::ProjectTree() const
{
    return m_pProjectTree;
}

void CJavaProjectDoc::ToggleProcessWindow()
{
    if (m_pProcessBar)
        m_pProcessBar->ToggleVisible();
}

CProjectFormView* CJavaProjectDoc::FirstFormView() const
{
    for (CMdiChildFrame* pFrame : GetFrames())
        if (auto* pForm = dynamic_cast<CProjectFormView*>(pFrame->GetView()))
            return pForm;
    return nullptr;
}

void CJavaProjectDoc::ShowProcessWindow(CExternalProcess& runner)
{
    QPointer<CProjectFormView> pForm = FirstFormView();
    auto notify = [pForm](int nLineIndex) {
        if (pForm)
            pForm->OnProcessLineDoubleClicked(nLineIndex);
    };
    if (m_pProcessBar) {
        m_pProcessBar->show();
        m_pProcessWindow->SetOutputLimit(OutputLimit());
        m_pProcessWindow->Attach(runner, notify, std::exchange(m_bRunAfterBuild, false));
        return;
    }
    m_pProcessBar = new CProcessBar(Services().Frames().DockHost());
    m_pProcessWindow = new CProcessWindow(&Services());
    // Before Create: a run already over ends inside it.
    connect(m_pProcessWindow, &CProcessWindow::RunEnded, this, [this](const CFinishedRun& run) {
        CCompilerMessagesRun::Show(run, Services());
        StartPendingRun(run);
    });
    m_pProcessWindow->SetOutputLimit(OutputLimit());
    m_pProcessWindow->Create(runner, notify);
    m_pProcessBar->Create(m_pProcessWindow);
}

void CJavaProjectDoc::StartPendingRun(const CFinishedRun& build)
{
    if (!m_pendingRun)
        return;
    CToolCommand run = std::move(*m_pendingRun);
    m_pendingRun.reset();
    // A build that failed or was stopped leaves its output to read.
    if (build.m_exitCode != 0)
        return;
    // Not from inside the window's own end of the build.
    QTimer::singleShot(0, this, [this, run] {
        m_bRunAfterBuild = true;
        if (!RunCaptured(run, Services().Settings().m_bProgramInput))
            m_bRunAfterBuild = false;
    });
}

std::vector<std::string> CJavaProjectDoc::UnsavedJavaPaths() const
{
    std::vector<std::string> vecPaths;
    for (const CDocument* pDocument : Services().OpenDocuments()) {
        if (pDocument != this && pDocument->IsModified() && !pDocument->GetPathName().isEmpty())
            vecPaths.push_back(QFile::encodeName(pDocument->GetPathName()).toStdString());
    }
    return vecPaths;
}

bool CJavaProjectDoc::HandlesCommand(int nId) const
{
    const ECommandTarget eTarget = CommandTarget(nId);
    return eTarget == ECommandTarget::Project || eTarget == ECommandTarget::ProjectWindow ||
           CDocument::HandlesCommand(nId);
}

void CJavaProjectDoc::OnProjectCommand(int nId)
{
    OnCommand(nId);
}

void CJavaProjectDoc::OnCommand(int nId)
{
    switch (nId) {
    case kBuild: OnBuild(); break;
    case kRunApplication: RunJava(true); break;
    case kRunWithConsole: RunJava(false); break;
    case kAddJavaFiles: OnAddJavaFiles(); break;
    case kAddHtmlFile: OnAddHtmlFile(); break;
    case kCreateJar: OnCreateJar(); break;
    case kShowArchiveContents: OnShowArchiveContents(); break;
    case kProjectWindow:
    case kProjectWindowButton: ShowProjectWindow(); break;
    case kProcessWindow: ToggleProcessWindow(); break;
    default: CDocument::OnCommand(nId); break;
    }
}

bool CJavaProjectDoc::OnUpdateCommand(int nId, CCmdUI& cmdUI)
{
    switch (nId) {
    case kProcessWindow:
        cmdUI.Enable(m_pProcessBar != nullptr);
        if (m_pProcessBar)
            cmdUI.SetCheck(m_pProcessBar->isVisible());
        return true;
    case kRunWithConsole:
        // Reached with the project's own window active.
        cmdUI.Enable(!m_core.GetMainFile().empty());
        return true;
    default: return false;
    }
}
