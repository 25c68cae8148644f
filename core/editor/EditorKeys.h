#pragma once

#include "core/editor/EditPlan.h"
#include "core/editor/TabSettings.h"
#include "core/editor/TextCommands.h"

#include <cstddef>
#include <string_view>

// What the Java editor does with typed characters beyond inserting them: the
// Tab key and auto-indent after Enter. Each rule returns the edit to make.
class CEditorKeys {
public:
    explicit CEditorKeys(const CTabSettings& settings) : m_settings(settings), m_commands(settings) {}

    // Tab (Shift+Tab with bShift). Over a non-empty selection it is Increase
    // Indent (with Shift, Decrease Indent that takes a whole level of spaces)
    // and replaces nothing; with an empty
    // selection both insert the tab text. The editor never inserts the Tab itself.
    CEditPlan Tab(std::string_view strText, std::size_t nSelStart, std::size_t nSelEnd, bool bShift) const;

    // Replaces the selection with TABWIDTH spaces when SPACETABS is on, else
    // with one tab character; the caret follows the inserted text.
    CEditPlan InsertTab(std::size_t nSelStart, std::size_t nSelEnd) const;

    // Called after the editor has inserted character ch. For Enter ('\r'),
    // with the line break already in strText and the selection just after it:
    // gives the new line the tabs and spaces that start the line before it
    // (among its first 1024 characters), all tabs first, then the spaces, and
    // one more level (the tab text) when that line's last non-blank is "{".
    // For '}' typed on a line holding only white space before it: removes one
    // level from the end of that white space (a tab, or up to TABWIDTH spaces).
    // Any other character, or nothing to do, gives a plan without steps.
    CEditPlan AutoIndent(std::string_view strText, std::size_t nSelStart, std::size_t nSelEnd, char ch) const;

private:
    CEditPlan OutdentClosingBrace(std::string_view strText, std::size_t nCaret, std::size_t nLineStart,
                                  CEditPlan plan) const;

    CTabSettings m_settings;
    CTextCommands m_commands;
};
