#pragma once

#include <cstddef>
#include <string_view>

// Line arithmetic on editor text, offsets counted in bytes. The editor holds
// CR LF text, but a lone CR or a lone LF (pasted, or left by a tool) ends a
// line as well, exactly as the editing control shows it, so both agree on
// line numbers. Offsets past the end are taken as the end of the text.
class CTextLines {
public:
    static constexpr std::size_t kNoLine = static_cast<std::size_t>(-1);

    // 0-based number of the line that holds offset nPos. An offset between the
    // CR and the LF of one break still belongs to the line the break ends.
    static std::size_t LineFromOffset(std::string_view strText, std::size_t nPos);

    // First offset of 0-based line nLine, or kNoLine when the text has no such line.
    static std::size_t LineIndex(std::string_view strText, std::size_t nLine);

    // First offset of the line that holds nPos; looks back over that line only.
    static std::size_t LineStartAt(std::string_view strText, std::size_t nPos);

    // Offset just past the text of the line that starts at nLineStart, before
    // its line break (the end of the text for the last line).
    static std::size_t LineTextEnd(std::string_view strText, std::size_t nLineStart);

    // First offset of the line after the one that starts at nLineStart, or kNoLine
    // when that line is the last one.
    static std::size_t NextLineStart(std::string_view strText, std::size_t nLineStart);
};
