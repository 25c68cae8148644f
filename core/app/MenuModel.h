#pragma once

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
    int m_nId = 0;
    std::vector<CMenuItem> m_popups;
};

struct CAccelerator {
    std::string m_strKey; // key sequence in portable form, e.g. "Ctrl+Shift+F5"
    int m_nId = 0;
};

// Menu 128 is shown while no document window is open; 129 (Java source),
// 130 (project) and 131 (HTML) while a window of that kind is active.
CMenuBar LoadMenuBar(int nMenuId);

// Accelerator table of a window kind (129, 130, 131) or the main table 128.
std::vector<CAccelerator> LoadAcceleratorTable(int nTableId);

// The accelerators in force for a window kind: its own table first, then
// table 128 for keys it does not bind.
std::vector<CAccelerator> EffectiveAccelerators(int nKindTableId);

// The main toolbar's buttons, left to right; 0 is a separator.
std::vector<int> LoadMainToolbar();

// The status-bar prompt of a command and, after a line feed, its tooltip;
// empty for commands without a prompt of their own.
std::string LoadCommandPrompt(int nId);

// The text of a command's toolbar tooltip: the part after the line feed of
// its prompt, or the prompt itself when it has none.
std::string CommandTooltip(int nId);

// Puts "Ti&p of the Day..." and a separator at the top of the "&Help" popup
// unless it is there already; a bar without "&Help" gets a "&Help" popup
// holding only that item. Returns true when the bar changed.
bool AddTipOfTheDayItem(CMenuBar& menuBar);
