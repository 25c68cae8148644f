#pragma once

#include "core/app/MenuModel.h"
#include "ui/framework/CommandTarget.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <map>
#include <string>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

// The main window's commands as actions, all made once and kept for the
// program's life: one QAction per command of the table (shared by menus and
// toolbar), one shortcut action per key (bound to the command of the kind
// shown), the recent-file items, and each window kind's menus, made the
// first time the kind is shown. Switching kinds swaps menus and key
// bindings; no action is ever deleted while the window lives.
class CCommandActions : public QObject {
    Q_OBJECT
public:
    using ExecuteFn = std::function<void(int nId)>;
    using UpdateFn = std::function<CCmdUI(int nId)>;
    using OpenRecentFn = std::function<void(const QString& strPath)>;
    using FillWindowListFn = std::function<void(QMenu& menu)>;

    CCommandActions(QMainWindow& window, ExecuteFn execute, UpdateFn update, OpenRecentFn openRecent);

    // The action of a command; null for ids not in the table.
    QAction* Action(int nId) const;
    void FillToolBar(QToolBar& toolBar);

    // Puts up the menu bar of the kind, binds its keys and gives the actions
    // the texts its menus spell.
    void ShowKind(EWindowKind eKind);
    EWindowKind ShownKind() const { return m_eShownKind; }
    const CMenuBar& ShownMenuModel() const { return m_menuModels.at(m_eShownKind); }

    // The recently used files, newest first, as the File menus list them.
    void SetRecentFiles(const QStringList& files);

    // Re-reads every command's state.
    void UpdateStates();

    // Called each time a "&Window" menu is about to open, after the states
    // are read, to list the open windows in it.
    void SetWindowListFiller(FillWindowListFn fill) { m_fillWindowList = std::move(fill); }

private:
    void MakeCommandActions();
    void MakeKeyActions();
    void MakeRecentFileActions();
    const std::vector<QMenu*>& MenusOf(EWindowKind eKind);
    void FillMenu(QMenu* pMenu, const std::vector<CMenuItem>& items);
    void ApplyTexts(const std::vector<CMenuItem>& items);
    void BindKeys(EWindowKind eKind);

    QMainWindow& m_window;
    ExecuteFn m_execute;
    UpdateFn m_update;
    OpenRecentFn m_openRecent;
    FillWindowListFn m_fillWindowList;
    std::map<int, QAction*> m_commands;
    std::map<std::string, QAction*> m_keys;
    std::vector<QAction*> m_recentFiles;
    QAction* m_pNoRecentFile = nullptr;
    std::map<EWindowKind, CMenuBar> m_menuModels;
    std::map<EWindowKind, std::vector<QMenu*>> m_menus;
    EWindowKind m_eShownKind = EWindowKind::NoDocument;
};
