#pragma once

#include "core/editor/EditPlan.h"

#include <cstddef>
#include <string_view>

// Toggle Comment: line comments in Java, a comment around the selection in a
// page. Offsets are those of the editor's CR LF text; each plan is one undo step.
class CCommentToggle {
public:
    // The lines the selection touches (as Increase Indent picks them; an empty
    // selection: the caret's line). When every non-blank one starts, after its
    // white space, with "//", that and one space after it go; else "// " goes
    // in at the smallest indentation of the non-blank lines. Blank lines stay.
    // A selection then spans the lines touched, from the first one's start to
    // the start of the line after them (or the end of the text); a caret
    // stays by the character it stood before.
    static CEditPlan Java(std::string_view strText, std::size_t nSelStart, std::size_t nSelEnd);

    // A selection that is exactly "<!--...-->" loses the markers (and one
    // blank inside each); any other gets "<!-- " before and " -->" after. No
    // selection: the same for the caret's line without its leading white
    // space; a blank line stays. The text worked on is selected afterwards,
    // or a caret stays by the character it stood before.
    static CEditPlan Html(std::string_view strText, std::size_t nSelStart, std::size_t nSelEnd);
};
