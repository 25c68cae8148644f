#pragma once

#include "ui/editor/SourceFrame.h"

#include <QString>
#include <QStringList>

class CFunctionCombo;
class CSyntaxWindowDoc;
class CSyntaxWindowView;

// A Java source window: the editor view under a bar with the drop-down of
// the file's classes and methods.
class CChildFrame : public CSourceFrame {
    Q_OBJECT
public:
    static constexpr EWindowKind kKind = EWindowKind::JavaSource;

    CChildFrame(CSyntaxWindowDoc& document, CSyntaxWindowView* pView, bool bShowFunctionBar);

    // Fills the drop-down with entries, in order, selecting none.
    void SetFunctions(const QStringList& entries);
    // The chosen entry's index, -1 when none.
    int GetSelectedFunction() const;
    CFunctionCombo* FunctionList() const { return m_pFunctions; }
    QWidget* FunctionBar() const { return m_pFunctionBar; }

private:
    QWidget* m_pFunctionBar = nullptr;
    CFunctionCombo* m_pFunctions = nullptr;
};
