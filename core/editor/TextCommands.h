#pragma once

#include "core/editor/EditPlan.h"
#include "core/editor/TabSettings.h"

#include <cstddef>
#include <string>
#include <string_view>

// The editor's text commands: Increase Indent and Decrease Indent (also the
// Tab and Shift+Tab keys over a selection), Convert Linebreaks and Convert
// Tabs to Spaces. Offsets are those of the editor's CR LF text.
class CTextCommands {
public:
    explicit CTextCommands(const CTabSettings& settings) : m_settings(settings) {}

    // Inserts the Tab key's text at the start of every line from the one
    // holding the selection's start to the one holding the character before
    // its end (a selection ending at a line start leaves that line alone; an
    // empty selection at a line start indents nothing). Then selects from the
    // first of those lines to the start of the line after the last one, or to
    // the end of the text when the last one is the text's last line.
    CEditPlan IncreaseIndent(std::string_view strText, std::size_t nSelStart, std::size_t nSelEnd) const;

    // Removes one leading tab or one leading space from each of the same lines
    // (lines starting otherwise are left alone), then selects from the first of
    // them to one character before the start of the line after the last one,
    // or to the end of the text when the last one is the text's last line.
    // With no line to touch the caret stays at the start of its line.
    CEditPlan DecreaseIndent(std::string_view strText, std::size_t nSelStart, std::size_t nSelEnd) const;
    // The same, but a line starting with a space loses up to TABWIDTH leading
    // spaces, a whole level (Shift+Tab over a selection).
    CEditPlan DecreaseIndentLevel(std::string_view strText, std::size_t nSelStart, std::size_t nSelEnd) const;

    // Every CR LF, lone CR and lone LF becomes one CR LF.
    static std::string ConvertLinebreaks(std::string_view strText);

    // Every tab becomes exactly TABWIDTH spaces, wherever it stands. False, and
    // strOut untouched, when TABWIDTH is 0 or less: removing every tab would
    // glue the words it separates.
    bool ConvertTabs(std::string_view strText, std::string& strOut) const;

private:
    CEditPlan Unindent(std::string_view strText, std::size_t nSelStart, std::size_t nSelEnd,
                       std::size_t nMaxSpaces) const;

    CTabSettings m_settings;
};
