#pragma once

#include "core/app/WindowKind.h"
#include "core/app/MenuModel.h"
#include "core/editor/EditorKeys.h"
#include "core/editor/TabSettings.h"
#include "core/editor/TextCommands.h"
#include "core/settings/Settings.h"
#include "ui/editor/JavaEditor.h"
#include "ui/framework/View.h"

#include <cstdint>

class CPromptService;
class CSourceDoc;
class QMenu;

// An editor window on a source document: keyboard rules (Tab, Shift+Tab,
// the indent after Enter), font and tabs, the status read-out of line and
// column, the context menu, find and replace, printing and the text
// commands. Kinds add their colouring and their own commands. The settings
// are taken once, when the window is made.
class CSourceView : public CJavaEditor, public CView {
    Q_OBJECT
public:
    // The keys of eKind's accelerators are left to the command routing.
    CSourceView(CSourceDoc& document, const CSettings& settings, EWindowKind eKind);

    CDocument* GetDocument() const override;
    QWidget* Widget() override { return this; }
    // Colours the text: from scratch in the document's first window, else
    // checked against what the styles show.
    void OnInitialUpdate() override;

    bool HandlesCommand(int nId) const override;
    void OnCommand(int nId) override;
    bool OnUpdateCommand(int nId, CCmdUI& cmdUI) override;

    virtual void RecolourAll(bool bLockRedraw) = 0;
    // Recolours the caret's line after a typed character.
    virtual void RecolourLine() = 0;
    // Selects 0-based line nLine up to its line feed; keyboard focus stays put.
    void SelectLine(int nLine);
    void GoToPosition(int nPos);
    void UpdateStatusPanes();
    // The panes show this window's caret from now on.
    void OnActivateView() override { UpdateStatusPanes(); }
    // The context menu, built fresh for every right-click from the kind's
    // items; each is enabled as the view's rules say.
    QMenu* CreateContextMenu();

protected:
    // The first colouring of text nobody has coloured yet.
    virtual void ColourLoadedText() = 0;
    // The rules for the indent after Enter and the outdent after "}".
    virtual const CEditorKeys& IndentKeys() const { return m_keys; }
    // What Toggle Comment does to the selection in this kind of text.
    virtual CEditPlan CommentPlan() const;
    // The items of the kind's context menu.
    virtual std::vector<CMenuItem> ContextMenuItems() const = 0;
    // The document's prompt service: where this window's messages and dialogs go.
    CPromptService& Prompts() const;
    // The colour of plain text, 0x00BBGGRR.
    static std::uint32_t WindowTextColour();

    void keyPressEvent(QKeyEvent* pEvent) override;
    void keyReleaseEvent(QKeyEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    bool focusNextPrevChild(bool) override { return false; }

private:
    // Keeps the panes on the caret however it moved, while this window is the active one.
    void OnCaretMoved();
    void OnTab(bool bShift);
    void OnToggleComment();
    void OnIncreaseIndent();
    void OnDecreaseIndent();
    void OnConvertLinebreaks();
    void OnConvertTabs();
    void OnFind(bool bReplace);
    void OnRepeatFind();
    // Find Next and Find Previous: the last search again, without the dialog.
    void OnFindAgain(bool bForward);
    void OnGoToLine();
    void OnPrint(bool bPreview);

    CSourceDoc& m_document;
    EWindowKind m_eKind; // the commands it serves are those the table gives this kind's view
    CTabSettings m_tabs;
    CEditorKeys m_keys;
    CTextCommands m_commands;
};
