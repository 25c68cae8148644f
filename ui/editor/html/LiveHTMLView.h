#pragma once

#include "core/editor/EditorKeys.h"
#include "core/editor/TextCommands.h"
#include "core/settings/Settings.h"
#include "ui/editor/html/HtmlColouring.h"
#include "ui/editor/SourceView.h"

class CLiveEditorDoc;

// The HTML page editor: tag colouring, and the page's own commands (Insert
// Applet, Open In Web Browser, Run Applet) on top of what every source
// window does. Tab and Increase Indent always insert tab characters here,
// whatever the preferences say about spaces, and the Syntax Colour Update
// command recolours without locking the window's painting.
class CLiveHTMLView : public CSourceView {
    Q_OBJECT
public:
    CLiveHTMLView(CLiveEditorDoc& document, const CSettings& settings);

    void OnCommand(int nId) override;
    bool OnUpdateCommand(int nId, CCmdUI& cmdUI) override;

    void RecolourAll(bool bLockRedraw) override;
    void RecolourLine() override;

protected:
    void ColourLoadedText() override;
    std::vector<CMenuItem> ContextMenuItems() const override;
    CEditPlan CommentPlan() const override;
    // A page's added indent level is a tab too.
    const CEditorKeys& IndentKeys() const override { return m_tabKeys; }
    void keyPressEvent(QKeyEvent* pEvent) override;

private:
    void OnInsertApplet();
    void OnOpenInBrowser();
    void OnRunApplet();

    CLiveEditorDoc& m_document;
    CHtmlColouring m_colouring;
    CEditorKeys m_tabKeys;         // Tab with tabs only
    CTextCommands m_tabCommands;   // Increase Indent with tabs only
};
