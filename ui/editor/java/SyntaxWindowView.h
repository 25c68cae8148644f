#pragma once

#include "core/settings/Settings.h"
#include "ui/editor/SourceView.h"
#include "ui/editor/java/SyntaxColouring.h"
#include "ui/framework/CompilerMessageView.h"

#include <string>

class CChildFrame;
class CSyntaxWindowDoc;
class QMenu;

// The Java source editor window: Java colouring, the function bar's
// outline and the Java commands (JDK help, Compile, Add Window to Project)
// on top of what every source window does.
class CSyntaxWindowView : public CSourceView, public ICompilerMessageView {
    Q_OBJECT
public:
    CSyntaxWindowView(CSyntaxWindowDoc& document, const CSettings& settings);

    void OnInitialUpdate() override;
    void SetFrame(CChildFrame* pFrame) { m_pFrame = pFrame; }

    void OnCommand(int nId) override;
    bool OnUpdateCommand(int nId, CCmdUI& cmdUI) override;

    void RecolourAll(bool bLockRedraw) override;
    void RecolourLine() override;
    void RefreshFunctionList();
    // The chosen entry of the function bar.
    void OnFunctionChosen(int nIndex);
    // ICompilerMessageView
    void ShowCompilerMessages(const std::vector<CJavacDiagnostic>& vecDiagnostics) override;

protected:
    void ColourLoadedText() override;
    std::vector<CMenuItem> ContextMenuItems() const override;

private:
    void OnJdkHelp();
    void OnCompile();
    void OnAddWindowToProject();

    CSyntaxWindowDoc& m_document;
    CChildFrame* m_pFrame = nullptr;
    CSyntaxColouring m_colouring;
};
