#pragma once

#include <QWidget>

#include <functional>

class CJavaProjectDoc;
class CPromptService;
class CProjectTreeCtrl;
class QAction;
class QMenu;
class QTreeWidgetItem;

// The project window: a tree of the project's files, their classes and
// members. It owns no project data; RebuildTree merges the model into it.
class CProjectTreeDlg : public QWidget {
    Q_OBJECT
public:
    // Shows the menu at a screen position and answers the chosen action, or
    // null. Tests replace it to read and choose from the menu.
    using MenuRunner = std::function<QAction*(QMenu& menu, const QPoint& ptScreen)>;

    // Its messages and dialogs go through prompts.
    explicit CProjectTreeDlg(CPromptService& prompts, QWidget* pParent = nullptr);

    // The project shown; the window's heading follows its name from now on.
    void SetDocument(CJavaProjectDoc* pDocument);
    CProjectTreeCtrl* Tree() const { return m_pTree; }
    void SetMenuRunner(MenuRunner runner) { m_runMenu = std::move(runner); }

    void RebuildTree();
    // Opens the file, or the file at the class or member, of the selected
    // item; false when nothing was opened.
    bool OpenSelectedItem();
    // A right-click at ptScreen: selects the item there and shows its menu;
    // nothing over empty space.
    void ShowContextMenuAt(const QPoint& ptScreen);
    // The commands of the menu (and of the tree's keys).
    void OnCommand(int nCommandId);

protected:
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    void ShowMenuFor(QTreeWidgetItem* pItem, const QPoint& ptScreen);
    void OnContextMenuKey();
    void OnCompile();
    void OnSetAsMain();
    void OnRemove();
    void OnProperties();
    void OnOpenInWebBrowser();
    void OnRunApplet();
    // The selected item's text; empty when nothing is selected.
    QString SelectedText() const;
    bool IsHtmlFileSelected() const;
    void Message(const QString& strText);

    CPromptService& m_prompts;
    CJavaProjectDoc* m_pDocument = nullptr;
    CProjectTreeCtrl* m_pTree;
    MenuRunner m_runMenu;
};
