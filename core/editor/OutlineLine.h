#pragma once

#include <optional>
#include <string_view>

// The line an outline position lies on, as the drop-down selects it: from the
// line's first offset to one before the start of the next line (in CR LF text
// that end is the offset of the line feed, so the selection takes the line
// and its carriage return). The last line ends at the end of the text.
struct COutlineLine {
    int m_nStart = 0;
    int m_nEnd = 0;

    // The line holding nPos in strText (line breaks end at '\n'). A position
    // past the end lies on the last line; a negative one has no line.
    static std::optional<COutlineLine> Containing(std::string_view strText, int nPos);

    bool operator==(const COutlineLine&) const = default;
};
