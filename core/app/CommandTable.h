#pragma once

#include "core/app/WindowKind.h"

#include <initializer_list>
#include <string>
#include <vector>

// Who serves a command. The routing asks the active window's view, its
// document and its frame, then the main window and the application.
enum class ECommandTarget {
    Nobody,        // not served yet: shown disabled
    View,          // the view of the window kinds listed with the command
    Document,      // every document
    Frame,         // the frame of the window kinds listed with the command
    MainFrame,     // the main window
    Application,   // the application
    Project,       // the open project: its own window serves it, else the application hands it on
    ProjectWindow, // the project document, while its window is active
    ProjectTree,   // the project tree's own menu and keys, never the routing
};

// When a served command is enabled. A target earlier in the routing with an
// update rule of its own (a selection, an undo history) decides first.
enum class EEnableRule {
    Served,          // whenever some target serves it
    ProjectOpen,     // a project is open
    ProjectOpenIdle, // a project is open and no captured tool runs
    MainHtmlFileSet, // the open project names a main HTML file
};

// A set of window kinds, for commands whose view or frame serves them in
// some kinds of window only.
class CWindowKinds {
public:
    CWindowKinds() = default;
    CWindowKinds(std::initializer_list<EWindowKind> kinds)
    {
        for (EWindowKind eKind : kinds)
            m_nBits |= Bit(eKind);
    }
    bool Has(EWindowKind eKind) const { return (m_nBits & Bit(eKind)) != 0; }

private:
    static unsigned Bit(EWindowKind eKind) { return 1u << (KindId(eKind) - KindId(EWindowKind::NoDocument)); }
    unsigned m_nBits = 0;
};

// One command: what the menus, toolbar and status bar show of it, who
// serves it and when it is enabled.
struct CCommand {
    int m_nId = 0;
    std::string m_strText;    // as the Java source window's menu shows it, without its key
    std::string m_strKey;     // the key the menus show after a tab; "" for none
    std::string m_strPrompt;  // the status-bar prompt; "" for none
    std::string m_strTooltip; // the toolbar tooltip, when it differs from the prompt
    std::string m_strIcon;    // the toolbar picture; "" for none
    ECommandTarget m_eTarget = ECommandTarget::Nobody;
    EEnableRule m_eEnable = EEnableRule::Served;
    CWindowKinds m_kinds; // for View and Frame targets: the kinds that serve it
};

// Every command of the program, each id once.
const std::vector<CCommand>& CommandTable();

// The command with id nId, or null.
const CCommand* FindCommand(int nId);

// Who serves nId; Nobody for ids not in the table.
ECommandTarget CommandTarget(int nId);

// Whether the view (or frame) of a window of kind eKind serves nId.
bool ServedInWindow(int nId, ECommandTarget eTarget, EWindowKind eKind);
