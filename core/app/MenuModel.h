#pragma once

#include "core/app/WindowKind.h"

#include <string>
#include <vector>

// A menu as data: the menu bar's popups and their items. A separator has
// id 0 and no text; a popup has children.
struct CMenuItem {
    std::string m_strText;
    int m_nId = 0;
    std::vector<CMenuItem> m_children;

    bool IsSeparator() const { return m_nId == 0 && m_strText.empty() && m_children.empty(); }
    bool IsPopup() const { return !m_children.empty(); }
};

struct CMenuBar {
    EWindowKind m_eKind = EWindowKind::NoDocument;
    std::vector<CMenuItem> m_popups;
};

struct CAccelerator {
    std::string m_strKey; // key sequence in portable form, e.g. "Ctrl+Shift+F5"
    int m_nId = 0;
};

// The menu bar shown while a window of the kind is active; NoDocument's
// while no document window is open. Item texts come from the command table,
// with the key the menus show after a tab.
CMenuBar LoadMenuBar(EWindowKind eKind);

// The Java source window's context menu.
std::vector<CMenuItem> LoadTextContextMenu();

// The accelerator table of a window kind, or the main table (NoDocument).
std::vector<CAccelerator> LoadAcceleratorTable(EWindowKind eKind);

// Keys every window kind has beyond the tables above, for commands that
// editors on Linux are expected to have: Redo, Go to Line, Find Next...
std::vector<CAccelerator> LoadAddedAccelerators();

// The accelerators in force for a window kind: its own table first, then
// the main table, then the added keys, each for keys not bound before.
std::vector<CAccelerator> EffectiveAccelerators(EWindowKind eKind);
// TRANSITIONAL: the same by the kind's number.
inline std::vector<CAccelerator> EffectiveAccelerators(int nKindId)
{
    return EffectiveAccelerators(WindowKindOf(nKindId));
}

// The main toolbar's buttons, left to right; 0 is a separator.
std::vector<int> LoadMainToolbar();

// The status-bar prompt of a command and, after a line feed, its tooltip;
// empty for commands without a prompt of their own.
std::string LoadCommandPrompt(int nId);

// The text of a command's toolbar tooltip: its own tooltip, or the prompt
// when it has none.
std::string CommandTooltip(int nId);

// The Window menu's entries for the open windows, in the order given: the
// first nine as "&1 title" to "&9 title", then "&More Windows..." when there
// are more. Entry i has the id kFirstWindowListId + i.
inline constexpr int kFirstWindowListId = 0xFF00;
inline constexpr int kMaxWindowListEntries = 9;
inline constexpr int kMoreWindowsId = kFirstWindowListId + kMaxWindowListEntries;
std::vector<CMenuItem> WindowListItems(const std::vector<std::string>& titles);

// Puts "Ti&p of the Day..." and a separator at the top of the "&Help" popup
// unless it is there already; a bar without "&Help" gets a "&Help" popup
// holding only that item. Returns true when the bar changed.
bool AddTipOfTheDayItem(CMenuBar& menuBar);
