#pragma once

#include "ui/framework/FindSearch.h"

class CJavaEditor;
class IFrameHost;
class QWidget;

// One search in an editor as Find Next, Find Previous and the Find dialog do
// it: selects the match, says in the status bar when the search went on from
// the other end of the text and beeps when nothing matches.
class CEditorFind {
public:
    CEditorFind(CJavaEditor& editor, IFrameHost& frames) : m_editor(editor), m_frames(frames) {}

    // True when something was found.
    bool Find(const CFindSearch& search, bool bForward);
    // Moves a dialog that covers the selected match off it, on its screen.
    void MoveOffSelection(QWidget& dialog) const;

    static QString WrappedForwardText()
    {
        return QStringLiteral("Passed the end of the file; searching from the top.");
    }
    static QString WrappedBackwardText()
    {
        return QStringLiteral("Passed the start of the file; searching from the bottom.");
    }

private:
    CJavaEditor& m_editor;
    IFrameHost& m_frames;
};
