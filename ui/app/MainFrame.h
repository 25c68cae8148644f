#pragma once

#include "core/app/MenuModel.h"
#include "ui/framework/CommandTarget.h"
#include "ui/framework/FrameHost.h"

#include <QMainWindow>
#include <QPointer>
#include <vector>

class CCommandActions;
class CTarnwickApp;
class CMdiChildFrame;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

// The main window: the MDI area, the main toolbar, the status bar with its
// line and column panes, and the menu bar of the active window's kind.
class CMainFrame : public QMainWindow, public IFrameHost, public ICommandTarget {
    Q_OBJECT
public:
    explicit CMainFrame(CTarnwickApp& app);
    ~CMainFrame() override;

    QString StatusPaneText() const;
    QString LinePaneText() const;
    QString ColumnPaneText() const;
    QLabel* LinePane() const { return m_pLinePane; }
    QLabel* ColumnPane() const { return m_pColumnPane; }

    QMdiArea* MdiArea() const { return m_pMdiArea; }
    QToolBar* MainToolBar() const { return m_pToolBar; }
    CMdiChildFrame* ActiveChildFrame() const override;
    // The menus and keys in force: the active window's kind, or NoDocument.
    EWindowKind ActiveKind() const;
    // The one action of a command, shared by menus and toolbar.
    QAction* CommandAction(int nId) const;
    // The model behind the menu bar now shown.
    const CMenuBar& CurrentMenuModel() const;

    // IFrameHost
    void AddChildFrame(CMdiChildFrame* pFrame) override;
    void AddToRecentFileList(const QString& strPath) override;
    QWidget* MainWidget() override { return this; }
    QMainWindow& DockHost() override { return *this; }
    void SetStatusPaneText(const QString& strText) override;
    void SetLinePaneText(const QString& strText) override;
    void SetColumnPaneText(const QString& strText) override;
    // Re-reads every visible command's state from the router.
    void UpdateCommandStates() override;

    // The framework's recently used files, newest first (at most eight).
    QStringList RecentFiles() const;

    bool HandlesCommand(int nId) const override;
    void OnCommand(int nId) override;
    bool OnUpdateCommand(int nId, CCmdUI& cmdUI) override;

protected:
    void closeEvent(QCloseEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;
    bool event(QEvent* pEvent) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void CreateToolBar();
    void CreateStatusBar();
    void CreateWindowKeys();
    void SizeLineColumnPanes();
    void OnActiveFrameChanged();
    void OnChildStateChanged(QMdiSubWindow* pWindow, Qt::WindowStates oldState, Qt::WindowStates newState);
    void OnChildGone();
    void KeepChildMaximized();
    QString FrameTitle() const;
    void UpdateTitle();
    void PlaceNewChild(QMdiSubWindow* pWindow);
    void CascadeWindows();
    int CascadeStep() const;
    void TileWindows();
    void ArrangeIcons();
    void ActivateChild(QMdiSubWindow* pWindow);
    void ActivateNeighbour(int nDirection);
    void FillWindowList(QMenu& menu);
    void ChooseFromWindowList();
    void OpenRecentFile(const QString& strPath);

    CTarnwickApp& m_app;
    QMdiArea* m_pMdiArea = nullptr;
    QToolBar* m_pToolBar = nullptr;
    QLabel* m_pMessagePane = nullptr;
    QLabel* m_pLinePane = nullptr;
    QLabel* m_pColumnPane = nullptr;
    CCommandActions* m_pCommands = nullptr; // child of this window
    // The Window menu's entries for the open windows, made each time it opens.
    std::vector<QPointer<QAction>> m_windowListActions;
    // The children show maximized: the next one active is maximized too.
    bool m_bChildrenMaximized = false;
    // The child whose menus, keys and panes are in force.
    QPointer<QObject> m_pActiveChild;
    int m_nTitleDepth = 0;
    bool m_bShuttingDown = false;
};
