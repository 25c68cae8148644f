#pragma once

#include "core/editor/JavaColourer.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

class CJavaEditor;

// Paints the Java colouring into an editor: the whole text, or the caret's
// line after a typed character. Only runs whose colour changes are restyled;
// styling never touches the text, the undo history, the modified flag, the
// selection or the scroll position.
class CSyntaxColouring {
public:
    CSyntaxColouring(std::uint32_t crPlain, std::uint32_t crKeyword, std::uint32_t crComment, std::uint32_t crString);

    void RecolourAll(CJavaEditor& editor, bool bLockRedraw) const;
    void RecolourLine(CJavaEditor& editor) const;

private:
    // Gives [nBase, nBase + desired.size()) the styles of the desired codes.
    void ApplyColour(CJavaEditor& editor, std::size_t nBase, const std::vector<unsigned char>& desired) const;

    CJavaColourer m_colourer;
    std::array<std::uint32_t, 256> m_colourOf;
};
