#include "ui/app/MainFrame.h"

#include "core/app/CommandIds.h"
#include "core/app/CommandTable.h"
#include "core/settings/RecentFileList.h"
#include "core/settings/SettingNames.h"
#include "core/settings/SettingsStore.h"
#include "ui/app/CommandActions.h"
#include "ui/app/CommandIcons.h"
#include "ui/app/TarnwickApp.h"
#include "ui/framework/MdiChildFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

using namespace CommandIds;

namespace {
constexpr int kLineColumnPaneWidth = 70;
} // namespace

CMainFrame::CMainFrame(CTarnwickApp& app) : m_app(app)
{
    setObjectName("MainFrame");
    setWindowTitle("Tarnwick");
    setWindowIcon(ApplicationIcon());
    m_pMdiArea = new QMdiArea(this);
    m_pMdiArea->setObjectName("MdiArea");
    setCentralWidget(m_pMdiArea);
    m_pCommands = new CCommandActions(
        *this,
        [this](int nId) {
            m_app.Router().Execute(nId);
            UpdateCommandStates();
        },
        [this](int nId) { return m_app.Router().Update(nId); },
        [this](const QString& strPath) { OpenRecentFile(strPath); });
    CreateToolBar();
    CreateStatusBar();
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks);
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::OnActiveFrameChanged);
    // The toolbar follows the focus as menus follow their opening.
    connect(qApp, &QApplication::focusChanged, this, [this] {
        if (!m_bShuttingDown)
            UpdateCommandStates();
    });
    m_pCommands->SetRecentFiles(RecentFiles());
    m_pCommands->ShowKind(EWindowKind::NoDocument);
    resize(1000, 700);
}

CMainFrame::~CMainFrame()
{
    // Child windows going away during destruction must not rebuild menus.
    m_bShuttingDown = true;
    disconnect(m_pMdiArea, nullptr, this, nullptr);
    for (QMdiSubWindow* pWindow : m_pMdiArea->subWindowList())
        disconnect(pWindow, nullptr, this, nullptr);
}

void CMainFrame::CreateToolBar()
{
    m_pToolBar = addToolBar("Standard");
    m_pToolBar->setObjectName("MainToolBar");
    m_pToolBar->setIconSize(QSize(16, 16));
    m_pToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_pCommands->FillToolBar(*m_pToolBar);
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* pStatus = statusBar();
    m_pMessagePane = new QLabel("Ready", pStatus);
    m_pMessagePane->setObjectName("MessagePane");
    m_pLinePane = new QLabel(pStatus);
    m_pLinePane->setObjectName("LinePane");
    m_pColumnPane = new QLabel(pStatus);
    m_pColumnPane->setObjectName("ColumnPane");
    for (QLabel* pPane : {m_pLinePane, m_pColumnPane}) {
        pPane->setFixedWidth(kLineColumnPaneWidth);
        pPane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
    pStatus->addWidget(m_pMessagePane, 1);
    pStatus->addPermanentWidget(m_pLinePane);
    pStatus->addPermanentWidget(m_pColumnPane);
    // Caps, Num and Scroll Lock: the toolkit does not report lock states, so
    // the panes keep their place and stay empty.
    for (const char* pszName : {"CapsPane", "NumPane", "ScrollPane"}) {
        auto* pPane = new QLabel(pStatus);
        pPane->setObjectName(pszName);
        pPane->setFixedWidth(36);
        pPane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pStatus->addPermanentWidget(pPane);
    }
}

void CMainFrame::SetStatusPaneText(const QString& strText)
{
    m_pMessagePane->setText(strText);
}
void CMainFrame::SetLinePaneText(const QString& strText)
{
    m_pLinePane->setText(strText);
}
void CMainFrame::SetColumnPaneText(const QString& strText)
{
    m_pColumnPane->setText(strText);
}
QString CMainFrame::StatusPaneText() const
{
    return m_pMessagePane->text();
}
QString CMainFrame::LinePaneText() const
{
    return m_pLinePane->text();
}
QString CMainFrame::ColumnPaneText() const
{
    return m_pColumnPane->text();
}

CMdiChildFrame* CMainFrame::ActiveChildFrame() const
{
    return qobject_cast<CMdiChildFrame*>(m_pMdiArea->activeSubWindow());
}

EWindowKind CMainFrame::ActiveKind() const
{
    CMdiChildFrame* pFrame = ActiveChildFrame();
    return pFrame ? pFrame->Kind() : EWindowKind::NoDocument;
}

const CMenuBar& CMainFrame::CurrentMenuModel() const
{
    return m_pCommands->ShownMenuModel();
}

QAction* CMainFrame::CommandAction(int nId) const
{
    return m_pCommands->Action(nId);
}

void CMainFrame::OpenRecentFile(const QString& strPath)
{
    if (!m_app.OpenDocumentFile(strPath)) {
        CRecentFileList list;
        list.Load(m_app.Store());
        list.Remove(strPath.toStdString());
        list.Save(m_app.Store());
        m_pCommands->SetRecentFiles(RecentFiles());
    }
    UpdateCommandStates();
}

QStringList CMainFrame::RecentFiles() const
{
    CRecentFileList list;
    list.Load(m_app.Store());
    QStringList files;
    for (const std::string& strPath : list.Files())
        files.push_back(QString::fromStdString(strPath));
    return files;
}

void CMainFrame::AddToRecentFileList(const QString& strPath)
{
    CRecentFileList list;
    list.Load(m_app.Store());
    list.Add(strPath.toStdString());
    list.Save(m_app.Store());
    m_pCommands->SetRecentFiles(RecentFiles());
}

void CMainFrame::OnActiveFrameChanged()
{
    if (m_bShuttingDown)
        return;
    if (ActiveKind() != m_pCommands->ShownKind())
        m_pCommands->ShowKind(ActiveKind());
    CMdiChildFrame* pFrame = ActiveChildFrame();
    setWindowTitle(pFrame ? QStringLiteral("Tarnwick - %1").arg(pFrame->windowTitle()) : QStringLiteral("Tarnwick"));
    UpdateCommandStates();
}

void CMainFrame::UpdateCommandStates()
{
    m_pCommands->UpdateStates();
}

void CMainFrame::AddChildFrame(CMdiChildFrame* pFrame)
{
    m_pMdiArea->addSubWindow(pFrame);
    // New windows take three quarters of the area, as desktop MDI windows do.
    // Before the main window is first shown the area is not laid out yet.
    QSize area = m_pMdiArea->viewport()->size().expandedTo(size() - QSize(20, 120));
    pFrame->resize(qMax(400, area.width() * 3 / 4), qMax(300, area.height() * 3 / 4));
    connect(pFrame, &QMdiSubWindow::windowStateChanged, this, [this] { OnActiveFrameChanged(); });
    connect(pFrame, &QObject::destroyed, this, [this] { OnActiveFrameChanged(); });
}

bool CMainFrame::HandlesCommand(int nId) const
{
    return CommandTarget(nId) == ECommandTarget::MainFrame;
}

void CMainFrame::OnCommand(int nId)
{
    switch (nId) {
    case kAppExit: close(); break;
    case kViewToolbar: m_pToolBar->setVisible(!m_pToolBar->isVisible()); break;
    case kViewStatusBar: statusBar()->setVisible(!statusBar()->isVisible()); break;
    case kWindowCascade: m_pMdiArea->cascadeSubWindows(); break;
    case kWindowTile: m_pMdiArea->tileSubWindows(); break;
    case kWindowArrange: ArrangeIcons(); break;
    default: break;
    }
}

void CMainFrame::ArrangeIcons()
{
    // Minimised windows line up along the bottom edge of the area.
    int nX = 0;
    const int nBottom = m_pMdiArea->viewport()->height();
    for (QMdiSubWindow* pWindow : m_pMdiArea->subWindowList()) {
        if (!pWindow->isMinimized())
            continue;
        QSize size = pWindow->size();
        if (nX + size.width() > m_pMdiArea->viewport()->width())
            nX = 0;
        pWindow->move(nX, nBottom - size.height());
        nX += size.width();
    }
}

bool CMainFrame::OnUpdateCommand(int nId, CCmdUI& cmdUI)
{
    switch (nId) {
    case kViewToolbar: cmdUI.SetCheck(m_pToolBar->isVisible()); return true;
    case kViewStatusBar: cmdUI.SetCheck(statusBar()->isVisible()); return true;
    case kWindowCascade:
    case kWindowTile:
    case kWindowArrange: cmdUI.Enable(!m_pMdiArea->subWindowList().isEmpty()); return true;
    default: return false;
    }
}

void CMainFrame::closeEvent(QCloseEvent* pEvent)
{
    m_app.Store().WriteProfileInt(SettingNames::kSettings, SettingNames::kWindowState, isMaximized() ? 1 : 0);
    if (!m_app.GetProjectDoc())
        m_app.SaveRecentProjects("");
    if (!m_app.AskToStopRunningTool() || !m_app.SaveAllModified()) {
        pEvent->ignore();
        return;
    }
    // The run's window goes with the documents: nothing could stop it after.
    m_app.StopRunningTool();
    m_app.CloseAllDocuments();
    // The window is going: windows closing after this must not rebuild menus.
    m_bShuttingDown = true;
    pEvent->accept();
}
