#pragma once

#include "core/findinfiles/FindResults.h"
#include "ui/search/FindInFilesChoice.h"

#include <QPointer>
#include <map>
#include <string>

class CFindResultsBar;
class CFindResultsWindow;
class CTarnwickApp;

// Find in Files, Next Result and Previous Result: asks what to find, starts
// the search with the editors' unsaved texts, shows the results in their
// docked window and opens each match with exactly its text selected.
class CFindInFilesCommands {
public:
    explicit CFindInFilesCommands(CTarnwickApp& app);
    ~CFindInFilesCommands();

    void OnFindInFiles();
    // nDirection > 0: the next result, else the previous one.
    void OnNextResult(int nDirection);

    // Null until the first search.
    CFindResultsWindow* ResultsWindow() const;
    CFindResultsBar* ResultsBar() const;

private:
    CFindInFilesChoice StartingChoice() const;
    // The active editor's selection when it is part of one line, else "".
    QString SelectedText() const;
    // Each editable open source document's text as a save would write it,
    // keyed by its path.
    std::map<std::string, std::string> UnsavedTexts() const;
    void ShowResultsWindow();
    void GoTo(const CFindResults::CLocation& location, bool bFocusEditor);

    CTarnwickApp& m_app;
    CFindInFilesChoice m_last;
    bool m_bSearched = false;
    QPointer<CFindResultsBar> m_pBar;
    QPointer<CFindResultsWindow> m_pWindow; // hosted by the bar
};
