#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The edits a keyboard rule or text command makes, for the view to carry out
// as one undoable action, and the selection to leave afterwards. Steps are
// small on purpose (a tab inserted at a line start, one character removed) so
// the colours of the untouched text stay where they are.
struct CEditPlan {
    struct CStep {
        std::size_t m_nStart = 0;  // offset in the text as the previous steps left it
        std::size_t m_nLength = 0; // characters removed from m_nStart
        std::string m_strInsert;   // text inserted at m_nStart

        bool operator==(const CStep&) const = default;
    };

    std::vector<CStep> m_steps;  // in order, each at or after the end of the previous one
    std::size_t m_nSelStart = 0; // selection after all steps
    std::size_t m_nSelEnd = 0;

    // The text after all steps. Steps out of range are clipped to the text.
    std::string ApplyTo(std::string_view strText) const;
};
