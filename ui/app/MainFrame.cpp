#include "ui/app/MainFrame.h"

#include "core/app/CommandIds.h"
#include "core/app/CommandTable.h"
#include "core/app/WindowTiling.h"
#include "core/settings/RecentFileList.h"
#include "core/settings/SettingNames.h"
#include "core/settings/SettingsStore.h"
#include "ui/app/CommandActions.h"
#include "ui/app/CommandIcons.h"
#include "ui/app/TarnwickApp.h"
#include "ui/app/WindowListDlg.h"
#include "ui/framework/MdiChildFrame.h"
#include "ui/framework/PromptService.h"
#include "ui/framework/View.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

using namespace CommandIds;

namespace {
// The line and column panes are at least this wide, and wide enough for
// six-digit numbers in the status bar's font.
constexpr int kLineColumnPaneWidth = 70;
const char* const kWidestLinePaneText = "Line: 999999";
// Cascaded windows take two thirds of the area, but not less than this.
constexpr int kMinCascadeWidth = 240;
constexpr int kMinCascadeHeight = 160;
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
    m_pCommands->SetWindowListFiller([this](QMenu& menu) { FillWindowList(menu); });
    CreateToolBar();
    CreateStatusBar();
    CreateWindowKeys();
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
    // Focus moves while QWidget's destructor closes the window, when this
    // object is no longer a main frame: its handler must not run then.
    disconnect(qApp, nullptr, this, nullptr);
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
    for (QLabel* pPane : {m_pLinePane, m_pColumnPane})
        pPane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SizeLineColumnPanes();
    // A font change reaches the pane before it is painted again.
    m_pLinePane->installEventFilter(this);
    pStatus->addWidget(m_pMessagePane, 1);
    pStatus->addPermanentWidget(m_pLinePane);
    pStatus->addPermanentWidget(m_pColumnPane);
    // No Caps, Num or Scroll Lock panes: the toolkit cannot tell the lock
    // states, and boxes that never show anything only take room.
}

void CMainFrame::SizeLineColumnPanes()
{
    // Both panes alike, fixed whatever they hold, so the message pane does
    // not jump as the caret moves.
    const QFontMetrics metrics(m_pLinePane->font());
    const int nIndent = m_pLinePane->indent() >= 0 ? m_pLinePane->indent() : metrics.horizontalAdvance('x') / 2;
    const int nWidth = metrics.horizontalAdvance(kWidestLinePaneText) + 2 * m_pLinePane->frameWidth() +
                       2 * m_pLinePane->margin() + 2 * nIndent;
    for (QLabel* pPane : {m_pLinePane, m_pColumnPane})
        pPane->setFixedWidth(qMax(kLineColumnPaneWidth, nWidth));
}

void CMainFrame::CreateWindowKeys()
{
    // The MDI keys: Ctrl+F6 to the next child window, Ctrl+Shift+F6 back.
    auto* pNext = new QAction(this);
    pNext->setObjectName("NextWindowKey");
    pNext->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F6));
    connect(pNext, &QAction::triggered, this, [this] { ActivateNeighbour(1); });
    auto* pPrevious = new QAction(this);
    pPrevious->setObjectName("PreviousWindowKey");
    pPrevious->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6));
    connect(pPrevious, &QAction::triggered, this, [this] { ActivateNeighbour(-1); });
    addActions({pNext, pPrevious});
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
    // The current one stays the active child while another program has the
    // focus, as it does for the window system's MDI.
    if (auto* pCurrent = qobject_cast<CMdiChildFrame*>(m_pMdiArea->currentSubWindow()))
        return pCurrent;
    // The area also lets go of it while another window of this program has
    // been active, until a child is clicked: the child stays active for the
    // menus, keys and panes all the same, while it is there.
    // Held as a plain object and cast here: a child on its way out is no
    // longer a CMdiChildFrame, and the cast then gives none.
    auto* pRemembered = qobject_cast<CMdiChildFrame*>(m_pActiveChild.data());
    if (pRemembered && pRemembered->isVisible() && m_pMdiArea->subWindowList().contains(pRemembered))
        return pRemembered;
    return nullptr;
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
    CMdiChildFrame* pActive = ActiveChildFrame();
    if (static_cast<QObject*>(pActive) != m_pActiveChild.data()) {
        m_pActiveChild = pActive;
        // The panes are the active editor's; other windows have no caret.
        SetLinePaneText(QString());
        SetColumnPaneText(QString());
        if (pActive && pActive->GetView())
            pActive->GetView()->OnActivateView();
    }
    KeepChildMaximized();
    UpdateTitle();
    UpdateCommandStates();
}

void CMainFrame::OnChildStateChanged(QMdiSubWindow* pWindow, Qt::WindowStates oldState, Qt::WindowStates newState)
{
    // Only a change of shape counts, not of activation; a window on its way
    // out does not decide for the others.
    const Qt::WindowStates shape = Qt::WindowMaximized | Qt::WindowMinimized;
    if (!m_bShuttingDown && pWindow->isVisible() && ((oldState ^ newState) & shape))
        m_bChildrenMaximized = newState.testFlag(Qt::WindowMaximized);
    OnActiveFrameChanged();
}

void CMainFrame::OnChildGone()
{
    if (m_bShuttingDown)
        return;
    // The area picks the next window once the closed one is gone.
    QTimer::singleShot(0, this, [this] {
        if (m_pMdiArea->subWindowList().isEmpty())
            m_bChildrenMaximized = false;
        OnActiveFrameChanged();
    });
}

void CMainFrame::KeepChildMaximized()
{
    // Only the area's own current child: showing the remembered one maximized
    // would raise it over a child just opened while the area let go.
    QMdiSubWindow* pWindow = m_pMdiArea->currentSubWindow();
    if (m_bChildrenMaximized && pWindow && pWindow->isVisible() && !pWindow->isMaximized())
        pWindow->showMaximized();
}

QString CMainFrame::FrameTitle() const
{
    // One form whether the child is maximized or not.
    QMdiSubWindow* pWindow = ActiveChildFrame();
    return pWindow && !pWindow->windowTitle().isEmpty() ? QStringLiteral("Tarnwick - %1").arg(pWindow->windowTitle())
                                                        : QStringLiteral("Tarnwick");
}

void CMainFrame::UpdateTitle()
{
    if (windowTitle() != FrameTitle())
        setWindowTitle(FrameTitle());
}

void CMainFrame::changeEvent(QEvent* pEvent)
{
    QMainWindow::changeEvent(pEvent);
    // A maximized child adds " - [title]" to the main title; put the one
    // form back. The depth bounds the ping-pong with the area.
    if (pEvent->type() == QEvent::WindowTitleChange && m_pMdiArea && !m_bShuttingDown && m_nTitleDepth < 2) {
        ++m_nTitleDepth;
        UpdateTitle();
        --m_nTitleDepth;
    }
}

bool CMainFrame::event(QEvent* pEvent)
{
    // Docked tool windows are children of this window: watch them hide.
    if (pEvent->type() == QEvent::ChildPolished) {
        auto* pChild = static_cast<QChildEvent*>(pEvent)->child();
        if (auto* pDock = qobject_cast<QDockWidget*>(pChild))
            pDock->installEventFilter(this);
    }
    return QMainWindow::event(pEvent);
}

bool CMainFrame::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pWatched == m_pLinePane && pEvent->type() == QEvent::FontChange) {
        SizeLineColumnPanes();
    } else if (pEvent->type() == QEvent::Hide && !m_bShuttingDown) {
        // A tool window hidden while it has the focus would hand the focus to
        // the next widget in the chain, and with it the activation to some
        // other child. The active child takes it back first.
        auto* pDock = qobject_cast<QDockWidget*>(pWatched);
        QWidget* pFocus = QApplication::focusWidget();
        QMdiSubWindow* pActive = ActiveChildFrame();
        if (pDock && pDock->isHidden() && pFocus && pDock->isAncestorOf(pFocus) && pActive && pActive->widget()) {
            QWidget* pTarget = pActive->widget()->focusWidget() ? pActive->widget()->focusWidget() : pActive->widget();
            pTarget->setFocus(Qt::OtherFocusReason);
        }
    }
    return QMainWindow::eventFilter(pWatched, pEvent);
}

void CMainFrame::UpdateCommandStates()
{
    m_pCommands->UpdateStates();
}

void CMainFrame::AddChildFrame(CMdiChildFrame* pFrame)
{
    PlaceNewChild(pFrame);
    // The program's picture in the child's caption, not the toolkit's.
    pFrame->setWindowIcon(windowIcon());
    m_pMdiArea->addSubWindow(pFrame);
    connect(pFrame, &QMdiSubWindow::windowStateChanged, this,
            [this, pFrame](Qt::WindowStates oldState, Qt::WindowStates newState) {
                OnChildStateChanged(pFrame, oldState, newState);
            });
    connect(pFrame, &QWidget::windowTitleChanged, this, [this] { UpdateTitle(); });
    connect(pFrame, &QObject::destroyed, this, [this] { OnChildGone(); });
}

void CMainFrame::PlaceNewChild(QMdiSubWindow* pWindow)
{
    // Three quarters of the area, one step below and right of the newest
    // window, back at the top left where that would leave the area. Before
    // the main window is first shown the area is not laid out yet.
    const QSize area = m_pMdiArea->viewport()->size().expandedTo(size() - QSize(20, 120));
    const QSize size(area.width() * 3 / 4, area.height() * 3 / 4);
    QPoint pos(0, 0);
    const QList<QMdiSubWindow*> windows = m_pMdiArea->subWindowList(QMdiArea::CreationOrder);
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if ((*it)->isVisible() && !(*it)->isMinimized() && !(*it)->isMaximized()) {
            pos = (*it)->pos() + QPoint(CascadeStep(), CascadeStep());
            break;
        }
    }
    if (pos.x() + size.width() > area.width() || pos.y() + size.height() > area.height())
        pos = QPoint(0, 0);
    pWindow->setGeometry(QRect(pos, size));
}

int CMainFrame::CascadeStep() const
{
    // One title bar down, so each window's caption stays in sight.
    return qMax(20, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, m_pMdiArea));
}

void CMainFrame::CascadeWindows()
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* pWindow : m_pMdiArea->subWindowList(QMdiArea::StackingOrder))
        if (pWindow->isVisible() && !pWindow->isMinimized())
            windows << pWindow;
    if (windows.isEmpty())
        return;
    m_bChildrenMaximized = false;
    const QRect area = m_pMdiArea->viewport()->rect();
    const QSize size(qMin(area.width(), qMax(kMinCascadeWidth, area.width() * 2 / 3)),
                     qMin(area.height(), qMax(kMinCascadeHeight, area.height() * 2 / 3)));
    QPoint pos(0, 0);
    // Bottom of the stack first: the window on top ends last and in front.
    for (QMdiSubWindow* pWindow : windows) {
        if (pWindow->isMaximized())
            pWindow->showNormal();
        pWindow->setGeometry(QRect(pos, size));
        pWindow->raise();
        pos += QPoint(CascadeStep(), CascadeStep());
        if (pos.x() + size.width() > area.width() || pos.y() + size.height() > area.height())
            pos = QPoint(0, 0);
    }
    UpdateTitle();
}

void CMainFrame::TileWindows()
{
    // The area's own tiling grows the main window until every window has its
    // minimum size; this shares out the area as it is.
    QList<QMdiSubWindow*> windows;
    const QList<QMdiSubWindow*> stack = m_pMdiArea->subWindowList(QMdiArea::StackingOrder);
    for (auto it = stack.rbegin(); it != stack.rend(); ++it)
        if ((*it)->isVisible() && !(*it)->isMinimized())
            windows << *it;
    const QRect area = m_pMdiArea->viewport()->rect();
    const std::vector<CTileRect> tiles = ::TileWindows(static_cast<int>(windows.size()), area.width(), area.height());
    if (tiles.empty())
        return;
    m_bChildrenMaximized = false;
    // The window on top takes the first place.
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        QMdiSubWindow* pWindow = windows[static_cast<qsizetype>(i)];
        if (pWindow->isMaximized())
            pWindow->showNormal();
        pWindow->setGeometry(tiles[i].m_nX, tiles[i].m_nY, tiles[i].m_nWidth, tiles[i].m_nHeight);
    }
    UpdateTitle();
}

void CMainFrame::ActivateChild(QMdiSubWindow* pWindow)
{
    if (auto* pFrame = qobject_cast<CMdiChildFrame*>(pWindow))
        pFrame->ActivateFrame();
    else if (pWindow)
        m_pMdiArea->setActiveSubWindow(pWindow);
}

void CMainFrame::ActivateNeighbour(int nDirection)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* pWindow : m_pMdiArea->subWindowList(QMdiArea::CreationOrder))
        if (!pWindow->isHidden())
            windows << pWindow;
    if (windows.isEmpty())
        return;
    const int nCount = static_cast<int>(windows.size());
    const int nCurrent = static_cast<int>(windows.indexOf(ActiveChildFrame()));
    ActivateChild(windows[((nCurrent < 0 ? 0 : nCurrent + nDirection) % nCount + nCount) % nCount]);
}

void CMainFrame::FillWindowList(QMenu& menu)
{
    for (const QPointer<QAction>& pAction : m_windowListActions)
        delete pAction.data();
    m_windowListActions.clear();
    const QList<QMdiSubWindow*> windows = m_pMdiArea->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty())
        return;
    std::vector<std::string> titles;
    for (QMdiSubWindow* pWindow : windows)
        titles.push_back(pWindow->windowTitle().replace('&', "&&").toStdString());
    m_windowListActions.emplace_back(menu.addSeparator());
    QMdiSubWindow* pCurrent = ActiveChildFrame();
    for (const CMenuItem& item : WindowListItems(titles)) {
        QAction* pAction = menu.addAction(QString::fromStdString(item.m_strText));
        pAction->setObjectName(QStringLiteral("window_list_%1").arg(item.m_nId - kFirstWindowListId + 1));
        if (item.m_nId == kMoreWindowsId) {
            connect(pAction, &QAction::triggered, this, [this] { ChooseFromWindowList(); });
        } else {
            QPointer<QMdiSubWindow> pWindow = windows[item.m_nId - kFirstWindowListId];
            // Only the active one carries a mark; the others show no empty box.
            pAction->setCheckable(pWindow == pCurrent);
            pAction->setChecked(pWindow == pCurrent);
            connect(pAction, &QAction::triggered, this, [this, pWindow] { ActivateChild(pWindow); });
        }
        m_windowListActions.emplace_back(pAction);
    }
}

void CMainFrame::ChooseFromWindowList()
{
    const QList<QMdiSubWindow*> windows = m_pMdiArea->subWindowList(QMdiArea::CreationOrder);
    QStringList titles;
    for (QMdiSubWindow* pWindow : windows)
        titles << pWindow->windowTitle();
    CWindowListDlg dialog(titles, static_cast<int>(windows.indexOf(ActiveChildFrame())), this);
    if (m_app.Prompts().RunDialog(dialog) != QDialog::Accepted)
        return;
    const int nChosen = dialog.Chosen();
    if (nChosen >= 0 && nChosen < windows.size())
        ActivateChild(windows[nChosen]);
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
    case kWindowCascade: CascadeWindows(); break;
    case kWindowTile: TileWindows(); break;
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
    // On disk as the window goes, not only when the program ends: a program
    // started now reads them.
    m_app.SyncSettings();
    pEvent->accept();
}
