#include "ui/app/TarnwickApp.h"

#include "ui/app/ApplicationFolder.h"
#include "ui/app/FindInFilesCommands.h"

#include "core/app/AppCommandRules.h"
#include "core/app/CommandIds.h"
#include "core/app/CommandTable.h"
#include "core/app/DocumentKinds.h"
#include "core/jdk/JdkDocsLocator.h"
#include "core/jdk/JdkHelp.h"
#include "core/jdk/JdkLocator.h"
#include "core/tools/ExternalProcess.h"
#include "core/settings/RecentProjects.h"
#include "core/settings/SettingNames.h"
#include "core/settings/SettingsLoader.h"
#include "ui/app/AboutDlg.h"
#include "ui/app/MainFrame.h"
#include "ui/app/NewDocumentDlg.h"
#include "ui/app/NewProjectCommand.h"
#include "ui/app/RecentProjectsDlg.h"
#include "ui/app/TipDlg.h"
#include "ui/framework/OpenProject.h"
#include "ui/editor/java/JavaDocumentKind.h"
#include "ui/editor/html/HtmlDocumentKind.h"
#include "ui/editor/CompilerMarks.h"
#include "ui/editor/JavaEditor.h"
#include "ui/framework/DocTemplate.h"
#include "ui/framework/Document.h"
#include "ui/framework/DocumentWindows.h"
#include "ui/framework/MdiChildFrame.h"
#include "ui/framework/PromptService.h"
#include "ui/framework/View.h"
#include "ui/prefs/EditPreferences.h"
#include "ui/project/ProjectDocumentKind.h"
#include "ui/tools/ProcessWindow.h"
#include "settings/QtSettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrinter>
#include <sys/stat.h>

using namespace CommandIds;

CTarnwickApp::CTarnwickApp(std::unique_ptr<CQtSettingsStore> pStore, CPromptService& prompts)
    : m_prompts(prompts), m_pStore(std::move(pStore)), m_pToolRunner(std::make_unique<CExternalProcess>()),
      m_pFindInFiles(std::make_unique<CFindInFilesCommands>(*this))
{
    m_router.SetChainProvider([this] { return CommandChain(); });
    m_isToolRunning = [this] { return m_pToolRunner->IsRunning(); };
}

CTarnwickApp::~CTarnwickApp()
{
    // However the application ends, a captured tool does not outlive it
    // unseen: its window and Stop are about to go.
    m_pToolRunner->TerminateAndWait(CExternalProcess::kUserStopCode);
    if (m_pMainFrame) {
        CloseAllDocuments();
        // Documents delete themselves later; they must go while their kinds exist.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_pMainFrame.reset();
    }
}

ISettingsStore& CTarnwickApp::Store()
{
    return *m_pStore;
}
IFrameHost& CTarnwickApp::Frames()
{
    return *m_pMainFrame;
}
bool CTarnwickApp::SyncSettings()
{
    return m_pStore->Sync();
}

QPrinter& CTarnwickApp::Printer()
{
    if (!m_pPrinter)
        m_pPrinter = std::make_unique<QPrinter>();
    return *m_pPrinter;
}

bool CTarnwickApp::InitInstance(const CStartOptions& options)
{
    // 1. The application folder.
    m_strApplicationFolder =
        options.m_strApplicationFolder.isEmpty() ? FindApplicationFolder() : options.m_strApplicationFolder;

    // 5. The settings.
    CSettingsDefaults defaults;
    defaults.m_strJdkFolder = options.m_strDefaultJdk.empty()
                                  ? CJdkLocator::FromEnvironment(&CJdkLocator::ReadProcessEnvironment)
                                  : options.m_strDefaultJdk;
    defaults.m_strHelpPath = options.m_strDefaultHelpPath.empty()
                                 ? CJdkDocsLocator::DefaultHelpPath(defaults.m_strJdkFolder)
                                 : options.m_strDefaultHelpPath;
    m_settings = LoadSettings(*m_pStore, defaults);

    // 6. The document kinds, then 7. the main frame.
    m_pMainFrame = std::make_unique<CMainFrame>(*this);
    RegisterDocumentKinds();
    if (options.m_afterKindsRegistered)
        options.m_afterKindsRegistered(*this);

    // 9. The command line: open a named file; no empty document otherwise.
    std::string strFileToOpen;
    for (qsizetype i = 0; i < options.m_arguments.size(); ++i) {
        if (!options.m_arguments[i].startsWith('-')) {
            const bool bHaveBytes =
                options.m_argumentBytes.size() == static_cast<std::size_t>(options.m_arguments.size());
            strFileToOpen = bHaveBytes ? options.m_argumentBytes[static_cast<std::size_t>(i)]
                                       : QFile::encodeName(options.m_arguments[i]).toStdString();
            break;
        }
    }
    if (!strFileToOpen.empty() && strFileToOpen.front() != '/')
        strFileToOpen = QFile::encodeName(QDir::currentPath()).toStdString() + "/" + strFileToOpen;

    CDocument* pNamed = strFileToOpen.empty() ? nullptr : OpenDocumentPath(strFileToOpen);
    if (!strFileToOpen.empty() && !pNamed)
        return false;

    // 10. The window state of the last run.
    if (options.m_bShowWindow) {
        if (m_pStore->GetProfileInt(SettingNames::kSettings, SettingNames::kWindowState, 0) != 0)
            m_pMainFrame->showMaximized();
        else
            m_pMainFrame->show();
    }

    // 11. The last project, unless the command line named one: the project
    // asked for wins, and nothing asks whether to swap it for the last one.
    // A file named stays in front of the project.
    if (m_settings.m_bLoadLast && !m_settings.m_strLastOpen.empty() && !IsProjectPath(strFileToOpen)) {
        OpenDocumentFile(QString::fromStdString(m_settings.m_strLastOpen));
        if (CMdiChildFrame* pFrame = pNamed ? pNamed->FirstFrame() : nullptr)
            pFrame->ActivateFrame();
    }

    m_pMainFrame->UpdateCommandStates();

    // 12. The tip of the day, when no file was named.
    if (options.m_bShowTipAtStartup && options.m_bShowWindow && strFileToOpen.empty())
        ShowTipAtStartup();
    return true;
}

void CTarnwickApp::RegisterDocumentKinds()
{
    for (const CDocumentKind& kind : DocumentKinds()) {
        m_templates.push_back(std::make_unique<CDocTemplate>(kind.m_nId, kind.m_strDocString, *this));
        if (WindowKindOf(kind.m_nId) == EWindowKind::JavaSource)
            RegisterJavaDocumentKind(*m_templates.back());
        if (WindowKindOf(kind.m_nId) == EWindowKind::HtmlPage)
            RegisterHtmlDocumentKind(*m_templates.back());
        if (WindowKindOf(kind.m_nId) == EWindowKind::Project) {
            m_pProjectTemplate = m_templates.back().get();
            RegisterProjectDocumentKind(*m_pProjectTemplate);
        }
    }
}

CDocTemplate* CTarnwickApp::FindTemplate(const QString& strDocName) const
{
    int nIndex = FindDocumentKindByName(strDocName.toStdString());
    return nIndex < 0 ? nullptr : m_templates[static_cast<std::size_t>(nIndex)].get();
}

void CTarnwickApp::ClearProjectDoc(IOpenProject* pProject)
{
    if (m_pProject == pProject)
        m_pProject = nullptr;
}

CDocument* CTarnwickApp::OpenDocumentFile(const QString& strPath)
{
    return OpenDocumentPath(QFile::encodeName(strPath).toStdString());
}

CDocument* CTarnwickApp::OpenDocumentPath(const std::string& strPathBytes)
{
    const QString strPath = QFile::decodeName(QByteArray::fromStdString(strPathBytes));
    if (IsProjectPath(strPathBytes) && !CloseCurrentProject(strPath))
        return nullptr;
    int nKind = FindDocumentKindForPath(strPathBytes);
    // Files of unknown kinds open in the first kind's editor.
    CDocTemplate* pTemplate = m_templates[nKind < 0 ? 0 : static_cast<std::size_t>(nKind)].get();
    CDocument* pDocument = nullptr;
    // A FIFO or a device is never opened: reading it could block for good.
    struct stat info {};
    const bool bExists = ::stat(strPathBytes.c_str(), &info) == 0;
    if (bExists && !S_ISREG(info.st_mode)) {
        Prompts().MessageBox(m_pMainFrame.get(),
                             QStringLiteral("%1 is not a regular file, so Tarnwick does not open it.").arg(strPath),
                             CPromptService::kOk, CPromptService::kIconWarning);
    } else if (!bExists) {
        Prompts().MessageBox(m_pMainFrame.get(),
                             QStringLiteral("%1\nCannot find this file.\nPlease verify that the correct path and file "
                                            "name are given.")
                                 .arg(strPath),
                             CPromptService::kOk, CPromptService::kIconWarning);
    } else if (!pTemplate->CanCreateDocuments()) {
        Prompts().MessageBox(m_pMainFrame.get(), QStringLiteral("Failed to open document."), CPromptService::kOk,
                             CPromptService::kIconWarning);
    } else {
        // A document that cannot load its file says why itself.
        pDocument = pTemplate->OpenDocumentPath(strPathBytes);
    }
    m_pMainFrame->UpdateCommandStates();
    return pDocument;
}

bool CTarnwickApp::CloseCurrentProject(const QString& strPath)
{
    if (!m_pProject)
        return true;
    CDocument& project = m_pProject->ProjectDocument();
    if (!strPath.isEmpty() && QFileInfo(strPath).absoluteFilePath() == project.GetPathName()) {
        if (CMdiChildFrame* pFrame = project.FirstFrame())
            pFrame->ActivateFrame();
        return false;
    }
    if (Prompts().MessageBox(m_pMainFrame.get(), QStringLiteral("Do you want to close the current project?"),
                             CPromptService::kOkCancel, CPromptService::kIconQuestion) != CPromptService::kAnswerOk)
        return false;
    if (!project.CanCloseFrame(project.FirstFrame()))
        return false;
    project.OnCloseDocument();
    return true;
}

bool CTarnwickApp::AskToStopRunningTool()
{
    if (!IsToolRunning())
        return true;
    return Prompts().MessageBox(m_pMainFrame.get(), QStringLiteral("A program is still running. Stop it and close?"),
                                CPromptService::kOkCancel, CPromptService::kIconQuestion) == CPromptService::kAnswerOk;
}

void CTarnwickApp::StopRunningTool()
{
    if (!m_pToolRunner->IsRunning())
        return;
    // A tool that ignores the polite stop is killed after a grace period, so
    // this returns within a second or so.
    m_pToolRunner->TerminateAndWait(CExternalProcess::kUserStopCode);
    // The window that followed the run goes with its project before it can
    // say so, and the status pane would go on saying it is in progress.
    m_pMainFrame->SetStatusPaneText(CProcessWindow::kCompleteText);
}

bool CTarnwickApp::SaveAllModified()
{
    for (const auto& pTemplate : m_templates)
        if (!pTemplate->SaveAllModified())
            return false;
    return true;
}

void CTarnwickApp::CloseAllDocuments()
{
    for (const auto& pTemplate : m_templates)
        pTemplate->CloseAllDocuments();
}

void CTarnwickApp::AddRecentProject(const QString& strPath)
{
    ::AddRecentProject(m_settings.m_recentProjects, strPath.toStdString());
}

void CTarnwickApp::SaveRecentProjects(const QString& strLastOpen)
{
    ::SaveRecentProjects(*m_pStore, m_settings.m_recentProjects, strLastOpen.toStdString());
}

std::vector<ICommandTarget*> CTarnwickApp::CommandChain() const
{
    std::vector<ICommandTarget*> chain;
    if (CMdiChildFrame* pFrame = m_pMainFrame ? m_pMainFrame->ActiveChildFrame() : nullptr) {
        chain.push_back(pFrame->GetView());
        chain.push_back(pFrame->GetDocument());
        chain.push_back(pFrame);
    }
    chain.push_back(m_pMainFrame.get());
    chain.push_back(const_cast<CTarnwickApp*>(this));
    return chain;
}

bool CTarnwickApp::HandlesCommand(int nId) const
{
    // Project commands reach the project from any window.
    const ECommandTarget eTarget = CommandTarget(nId);
    return eTarget == ECommandTarget::Application || eTarget == ECommandTarget::Project;
}

void CTarnwickApp::OnCommand(int nId)
{
    switch (nId) {
    case kFileOpen: OnFileOpen(); break;
    case kFilePrintSetup: OnFilePrintSetup(); break;
    case kAppAbout: OnAppAbout(); break;
    case kOpenProject: OnOpenProject(); break;
    case kCloseProject: CloseCurrentProject(); break;
    case kSaveAll: OnSaveAll(); break;
    case kHelp: OnHelp(); break;
    case kRunApplet: OnRunApplet(); break;
    case kFileNew: OnFileNew(); break;
    case kNewProject: RunNewProject(*this); break;
    case kRecentProjects: OnRecentProjects(); break;
    case kTipOfTheDay: OnTipOfTheDay(); break;
    case kPreferences: EditPreferences(m_pMainFrame.get(), Prompts(), m_settings, *m_pStore); break;
    case kCompilerMessages: OnCompilerMessages(); break;
    case kLineNumbers: OnLineNumbers(); break;
    case kProgramInput: OnProgramInput(); break;
    case kFindInFiles: m_pFindInFiles->OnFindInFiles(); break;
    case kNextResult: m_pFindInFiles->OnNextResult(1); break;
    case kPreviousResult: m_pFindInFiles->OnNextResult(-1); break;
    default:
        if (CommandTarget(nId) == ECommandTarget::Project && m_pProject)
            m_pProject->OnProjectCommand(nId);
        break;
    }
}

bool CTarnwickApp::OnUpdateCommand(int nId, CCmdUI& cmdUI)
{
    if (nId == kLineNumbers) {
        cmdUI.SetCheck(m_settings.m_bLineNumbers);
        return true;
    }
    if (nId == kCompilerMessages || nId == kProgramInput) {
        cmdUI.SetCheck(nId == kCompilerMessages ? m_settings.m_bCompilerMessages : m_settings.m_bProgramInput);
        return true;
    }
    CAppCommandState state;
    state.m_bProjectOpen = m_pProject != nullptr;
    state.m_bToolRunning = IsToolRunning();
    state.m_bMainHtmlFileSet = m_pProject && !m_pProject->GetMainHtmlFile().isEmpty();
    ECommandEnable enable = ApplicationCommandEnable(nId, state);
    if (enable == ECommandEnable::NotServed)
        return false;
    cmdUI.Enable(enable == ECommandEnable::Enabled);
    return true;
}

std::vector<CDocument*> CTarnwickApp::OpenDocuments() const
{
    std::vector<CDocument*> vecDocuments;
    for (const std::unique_ptr<CDocTemplate>& pTemplate : m_templates)
        vecDocuments.insert(vecDocuments.end(), pTemplate->Documents().begin(), pTemplate->Documents().end());
    return vecDocuments;
}

void CTarnwickApp::OnCompilerMessages()
{
    m_settings.m_bCompilerMessages = !m_settings.m_bCompilerMessages;
    m_pStore->WriteProfileInt(SettingNames::kOptions, SettingNames::kCompilerMessages,
                              m_settings.m_bCompilerMessages ? 1 : 0);
    // Every open editor at once; new ones start from the setting.
    for (CDocument* pDocument : OpenDocuments())
        for (CJavaEditor* pEditor : WindowsOf<CJavaEditor>(*pDocument))
            CCompilerMarks::ShowMessages(*pEditor, m_settings.m_bCompilerMessages);
}

void CTarnwickApp::OnLineNumbers()
{
    m_settings.m_bLineNumbers = !m_settings.m_bLineNumbers;
    m_pStore->WriteProfileInt(SettingNames::kOptions, SettingNames::kLineNumbers, m_settings.m_bLineNumbers ? 1 : 0);
    for (CDocument* pDocument : OpenDocuments())
        for (CJavaEditor* pEditor : WindowsOf<CJavaEditor>(*pDocument))
            pEditor->ShowLineNumbers(m_settings.m_bLineNumbers);
}

void CTarnwickApp::OnProgramInput()
{
    // Read by the next captured run; the one under way keeps what it has.
    m_settings.m_bProgramInput = !m_settings.m_bProgramInput;
    m_pStore->WriteProfileInt(SettingNames::kOptions, SettingNames::kProgramInput, m_settings.m_bProgramInput ? 1 : 0);
}

void CTarnwickApp::OnFileOpen()
{
    QStringList filters;
    for (const auto& pTemplate : m_templates)
        filters << pTemplate->FileDialogFilter();
    filters << QStringLiteral("All Files (*)");
    QString strPath =
        Prompts().GetOpenFileName(m_pMainFrame.get(), QStringLiteral("Open"), filters.join(";;"), FileDialogFolder());
    if (strPath.isEmpty())
        return;
    RememberFileDialogChoice(strPath);
    OpenDocumentFile(strPath);
}

QString CTarnwickApp::FileDialogFolder() const
{
    auto bytesOf = [](const CDocument* pDocument) { return pDocument ? pDocument->GetPathBytes() : std::string(); };
    const CMdiChildFrame* pActive = m_pMainFrame ? m_pMainFrame->ActiveChildFrame() : nullptr;
    const std::string strFolder =
        m_dialogFolders.StartFolder(bytesOf(m_pProject ? &m_pProject->ProjectDocument() : nullptr),
                                    bytesOf(pActive ? pActive->GetDocument() : nullptr));
    return QFile::decodeName(QByteArray::fromStdString(strFolder));
}

void CTarnwickApp::RememberFileDialogChoice(const QString& strPath)
{
    m_dialogFolders.Remember(QFile::encodeName(QFileInfo(strPath).absoluteFilePath()).toStdString());
}

void CTarnwickApp::OnOpenProject()
{
    QString strPath = Prompts().GetOpenFileName(m_pMainFrame.get(), QStringLiteral("Open a Tarnwick Project"),
                                                m_pProjectTemplate->FileDialogFilter());
    if (!strPath.isEmpty())
        OpenDocumentFile(strPath);
}

void CTarnwickApp::OnSaveAll()
{
    for (const auto& pTemplate : m_templates)
        pTemplate->SaveAllModified();
}

void CTarnwickApp::OnRunApplet()
{
    if (!m_pProject || m_pProject->GetMainHtmlFile().isEmpty())
        return;
    QString strPath = m_pProject->GetHtmlFilePath(m_pProject->GetMainHtmlFile());
    if (strPath.isEmpty()) {
        Prompts().MessageBox(m_pMainFrame.get(), QStringLiteral("Unable to open the HTML file."));
        return;
    }
    m_pProject->RunApplet(strPath);
}

void CTarnwickApp::OnFilePrintSetup()
{
    QPageSetupDialog dialog(&Printer(), m_pMainFrame.get());
    Prompts().RunDialog(dialog);
}

void CTarnwickApp::OnAppAbout()
{
    CAboutDlg dialog(Prompts(), m_pMainFrame.get());
    Prompts().RunDialog(dialog);
}

QString CTarnwickApp::HelpPagePath() const
{
    return m_strApplicationFolder + "/help/index.html";
}

void CTarnwickApp::OnHelp()
{
    const QString strPage = HelpPagePath();
    if (!Prompts().OpenUrl(strPage))
        Prompts().MessageBox(m_pMainFrame.get(), QString::fromStdString(CJdkHelp::NotOpenedText(strPage.toStdString())),
                             CPromptService::kOk, CPromptService::kIconWarning);
}

void CTarnwickApp::OnFileNew()
{
    CNewDocumentDlg dialog(m_pMainFrame.get());
    if (Prompts().RunDialog(dialog) != QDialog::Accepted)
        return;
    if (dialog.Kind() == CNewDocumentDlg::kProject) {
        RunNewProject(*this);
        return;
    }
    // A kind that makes no documents of its own leaves the page to the Java editor.
    CDocTemplate* pTemplate =
        FindTemplate(dialog.Kind() == CNewDocumentDlg::kHtmlPage ? "HTMLDocument" : "JavaDocument");
    if (!pTemplate || !pTemplate->CanCreateDocuments())
        pTemplate = FindTemplate("JavaDocument");
    if (pTemplate && pTemplate->CanCreateDocuments())
        pTemplate->OpenDocumentFile(QString());
    m_pMainFrame->UpdateCommandStates();
}

void CTarnwickApp::OnRecentProjects()
{
    CRecentProjectsDlg dialog(Prompts(), m_settings.m_recentProjects, m_pMainFrame.get());
    const bool bChosen = Prompts().RunDialog(dialog) == QDialog::Accepted;
    // Removals are kept at once; the project to reopen stays as stored.
    if (dialog.Removed())
        ::SaveRecentProjects(*m_pStore, m_settings.m_recentProjects,
                             m_pStore->GetProfileString(SettingNames::kOptions, SettingNames::kLastOpen, ""));
    if (bChosen && !dialog.Path().isEmpty())
        OpenDocumentFile(dialog.Path());
}

QString CTarnwickApp::TipsFilePath() const
{
    return m_strApplicationFolder + "/help/tips.dat";
}

void CTarnwickApp::OnTipOfTheDay()
{
    CTipDlg dialog(Prompts(), *m_pStore, QFile::encodeName(TipsFilePath()).toStdString(), m_pMainFrame.get());
    Prompts().RunDialog(dialog);
}

void CTarnwickApp::ShowTipAtStartup()
{
    // The tip is taken even when it is not shown, so the next one shown is new.
    CTipDlg dialog(Prompts(), *m_pStore, QFile::encodeName(TipsFilePath()).toStdString(), m_pMainFrame.get());
    if (dialog.ShowsAtStartUp())
        Prompts().RunDialog(dialog);
}
