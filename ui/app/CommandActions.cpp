#include "ui/app/CommandActions.h"

#include "core/app/CommandIds.h"
#include "core/app/CommandTable.h"
#include "ui/app/CommandIcons.h"

#include <QAction>
#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {
// The main table binds at most eight recent files.
constexpr int kMaxRecentFiles = 8;

QString FromUtf8(const std::string& strText)
{
    return QString::fromStdString(strText);
}
} // namespace

CCommandActions::CCommandActions(QMainWindow& window, ExecuteFn execute, UpdateFn update, OpenRecentFn openRecent)
    : QObject(&window), m_window(window), m_execute(std::move(execute)), m_update(std::move(update)),
      m_openRecent(std::move(openRecent))
{
    MakeCommandActions();
    MakeKeyActions();
    MakeRecentFileActions();
}

void CCommandActions::MakeCommandActions()
{
    for (const CCommand& command : CommandTable()) {
        const int nId = command.m_nId;
        auto* pAction = new QAction(FromUtf8(command.m_strText), &m_window);
        pAction->setObjectName(QStringLiteral("command_%1").arg(nId));
        pAction->setData(nId);
        pAction->setStatusTip(FromUtf8(command.m_strPrompt));
        pAction->setToolTip(FromUtf8(CommandTooltip(nId)));
        // Pictures are the toolbar's; the menus show text alone.
        if (!command.m_strIcon.empty())
            pAction->setIcon(CommandIcon(command.m_strIcon));
        pAction->setIconVisibleInMenu(false);
        connect(pAction, &QAction::triggered, this, [this, nId] { m_execute(nId); });
        m_commands.emplace(nId, pAction);
    }
}

void CCommandActions::MakeKeyActions()
{
    // Every key any kind binds; each is enabled only while the kind shown binds it,
    // so a key that kind leaves alone reaches the focused window.
    for (EWindowKind eKind :
         {EWindowKind::NoDocument, EWindowKind::JavaSource, EWindowKind::Project, EWindowKind::HtmlPage}) {
        for (const CAccelerator& accelerator : EffectiveAccelerators(eKind)) {
            if (m_keys.count(accelerator.m_strKey))
                continue;
            auto* pAction = new QAction(&m_window);
            const QString strKey = FromUtf8(accelerator.m_strKey);
            pAction->setShortcut(QKeySequence(strKey));
            pAction->setShortcutContext(Qt::WindowShortcut);
            pAction->setObjectName(QStringLiteral("accel_%1").arg(strKey));
            pAction->setEnabled(false);
            connect(pAction, &QAction::triggered, this, [this, pAction] { m_execute(pAction->data().toInt()); });
            m_window.addAction(pAction);
            m_keys.emplace(accelerator.m_strKey, pAction);
        }
    }
}

void CCommandActions::MakeRecentFileActions()
{
    m_pNoRecentFile = new QAction(FromUtf8(FindCommand(CommandIds::kFileMruFirst)->m_strText), &m_window);
    m_pNoRecentFile->setObjectName("recent_file_none");
    m_pNoRecentFile->setEnabled(false);
    for (int i = 0; i < kMaxRecentFiles; ++i) {
        auto* pAction = new QAction(&m_window);
        pAction->setObjectName(QStringLiteral("recent_file_%1").arg(i + 1));
        pAction->setVisible(false);
        connect(pAction, &QAction::triggered, this, [this, pAction] { m_openRecent(pAction->data().toString()); });
        m_recentFiles.push_back(pAction);
    }
}

QAction* CCommandActions::Action(int nId) const
{
    auto it = m_commands.find(nId);
    return it == m_commands.end() ? nullptr : it->second;
}

void CCommandActions::FillToolBar(QToolBar& toolBar)
{
    for (int nId : LoadMainToolbar()) {
        if (nId == 0)
            toolBar.addSeparator();
        else if (QAction* pAction = Action(nId))
            toolBar.addAction(pAction);
    }
}

const std::vector<QMenu*>& CCommandActions::MenusOf(EWindowKind eKind)
{
    auto it = m_menus.find(eKind);
    if (it != m_menus.end())
        return it->second;
    CMenuBar model = LoadMenuBar(eKind);
    AddTipOfTheDayItem(model);
    std::vector<QMenu*> menus;
    for (const CMenuItem& popup : model.m_popups) {
        auto* pMenu = new QMenu(FromUtf8(popup.m_strText), &m_window);
        FillMenu(pMenu, popup.m_children);
        if (popup.m_strText == "&Window") {
            connect(pMenu, &QMenu::aboutToShow, this, [this, pMenu] {
                if (m_fillWindowList)
                    m_fillWindowList(*pMenu);
            });
        }
        menus.push_back(pMenu);
    }
    m_menuModels.emplace(eKind, std::move(model));
    return m_menus.emplace(eKind, std::move(menus)).first->second;
}

void CCommandActions::FillMenu(QMenu* pMenu, const std::vector<CMenuItem>& items)
{
    for (const CMenuItem& item : items) {
        if (item.IsSeparator()) {
            pMenu->addSeparator();
        } else if (item.IsPopup()) {
            auto* pSubMenu = new QMenu(FromUtf8(item.m_strText), pMenu);
            FillMenu(pSubMenu, item.m_children);
            pMenu->addMenu(pSubMenu);
        } else if (item.m_nId == CommandIds::kFileMruFirst) {
            pMenu->addAction(m_pNoRecentFile);
            for (QAction* pAction : m_recentFiles)
                pMenu->addAction(pAction);
        } else if (QAction* pAction = Action(item.m_nId)) {
            pMenu->addAction(pAction);
        }
    }
    connect(pMenu, &QMenu::aboutToShow, this, &CCommandActions::UpdateStates);
}

void CCommandActions::ApplyTexts(const std::vector<CMenuItem>& items)
{
    for (const CMenuItem& item : items) {
        if (item.IsPopup())
            ApplyTexts(item.m_children);
        else if (QAction* pAction = Action(item.m_nId); pAction && item.m_nId != CommandIds::kFileMruFirst)
            pAction->setText(FromUtf8(item.m_strText));
    }
}

void CCommandActions::BindKeys(EWindowKind eKind)
{
    for (auto& [strKey, pAction] : m_keys)
        pAction->setEnabled(false);
    for (const CAccelerator& accelerator : EffectiveAccelerators(eKind)) {
        QAction* pAction = m_keys.at(accelerator.m_strKey);
        pAction->setData(accelerator.m_nId);
        pAction->setEnabled(true);
    }
}

void CCommandActions::ShowKind(EWindowKind eKind)
{
    const std::vector<QMenu*>& menus = MenusOf(eKind);
    m_eShownKind = eKind;
    for (const CMenuItem& popup : m_menuModels.at(eKind).m_popups)
        ApplyTexts(popup.m_children);
    // The bar only lists the menus; they stay alive with their actions.
    QMenuBar* pBar = m_window.menuBar();
    pBar->clear();
    for (QMenu* pMenu : menus)
        pBar->addMenu(pMenu);
    BindKeys(eKind);
}

void CCommandActions::SetRecentFiles(const QStringList& files)
{
    m_pNoRecentFile->setVisible(files.isEmpty());
    for (int i = 0; i < kMaxRecentFiles; ++i) {
        QAction* pAction = m_recentFiles[static_cast<std::size_t>(i)];
        const bool bUsed = i < files.size();
        pAction->setVisible(bUsed);
        pAction->setData(bUsed ? files[i] : QString());
        pAction->setText(bUsed ? QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(files[i]))
                               : QString());
    }
}

void CCommandActions::UpdateStates()
{
    for (auto& [nId, pAction] : m_commands) {
        CCmdUI cmdUI = m_update(nId);
        pAction->setEnabled(cmdUI.m_bEnabled);
        pAction->setCheckable(cmdUI.m_bCheckable);
        if (cmdUI.m_bCheckable)
            pAction->setChecked(cmdUI.m_bChecked);
    }
}
