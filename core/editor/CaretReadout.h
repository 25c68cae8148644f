#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The line and column the status bar shows for a selection: those of its end,
// both counted from 1. The column counts characters (bytes) from the line's
// start, a tab as one.
struct CCaretReadout {
    std::size_t m_nLine = 1;
    std::size_t m_nColumn = 1;

    // Computed from the text; the end is the larger of the two offsets.
    static CCaretReadout FromSelection(std::string_view strText, std::size_t nSelStart, std::size_t nSelEnd);
    // From what the editor already knows: the 0-based line of the selection's
    // end, that line's first offset and the end offset.
    static CCaretReadout FromLine(std::size_t nLine, std::size_t nLineStart, std::size_t nSelEnd);

    std::string LineText() const;   // "Line: %d"
    std::string ColumnText() const; // "Col: %d"
};
