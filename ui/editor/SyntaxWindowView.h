#pragma once

#include "core/editor/EditorKeys.h"
#include "core/editor/TabSettings.h"
#include "core/editor/TextCommands.h"
#include "core/settings/Settings.h"
#include "ui/editor/JavaEditor.h"
#include "ui/editor/SyntaxColouring.h"
#include "ui/framework/View.h"

class CChildFrame;
class CSyntaxWindowDoc;
class QMenu;

// The Java source editor window: keyboard rules, colouring, the text
// commands and the status read-out of line and column. Its settings are
// taken once, when it is made.
class CSyntaxWindowView : public CJavaEditor, public CView {
    Q_OBJECT
public:
    CSyntaxWindowView(CSyntaxWindowDoc& document, const CSettings& settings);

    CDocument* GetDocument() const override;
    QWidget* Widget() override { return this; }
    void OnInitialUpdate() override;
    void SetFrame(CChildFrame* pFrame) { m_pFrame = pFrame; }

    bool HandlesCommand(int nId) const override;
    void OnCommand(int nId) override;
    bool OnUpdateCommand(int nId, CCmdUI& cmdUI) override;

    void RecolourAll(bool bLockRedraw);
    void RecolourLine();
    void RefreshFunctionList();
    // Selects 0-based line nLine up to its line feed; keyboard focus stays put.
    void SelectLine(int nLine);
    void GoToPosition(int nPos);
    // The chosen entry of the function bar.
    void OnFunctionChosen(int nIndex);
    void UpdateStatusPanes();
    // The context menu's items, built fresh for every right-click.
    QMenu* CreateContextMenu();

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    void keyReleaseEvent(QKeyEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    bool focusNextPrevChild(bool) override { return false; }

private:
    void OnTab(bool bShift);
    void OnIncreaseIndent();
    void OnDecreaseIndent();
    void OnConvertLinebreaks();
    void OnConvertTabs();
    void OnJdkHelp();
    void OnCompile();
    void OnAddWindowToProject();
    void OnFind(bool bReplace);
    void OnRepeatFind();
    void OnPrint(bool bPreview);

    CSyntaxWindowDoc& m_document;
    CChildFrame* m_pFrame = nullptr;
    CTabSettings m_tabs;
    CEditorKeys m_keys;
    CTextCommands m_commands;
    CSyntaxColouring m_colouring;
    // Set while the text given at construction has not been coloured yet.
    bool m_bTextJustLoaded = false;
    std::string m_strHelpPath;
};
