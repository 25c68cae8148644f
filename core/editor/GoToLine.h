#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The rules of the Go to Line dialog: its label, what it accepts and what it
// says about what it does not.
class CGoToLine {
public:
    // "Line number (1 - N):" for a text of nLineCount lines.
    static std::string Label(std::size_t nLineCount);
    // What the dialog says when the input is not a line of the text.
    static std::string RangeMessage(std::size_t nLineCount);
    // The 0-based line of a typed 1-based number (blanks around it allowed);
    // empty when it is not a plain number from 1 to nLineCount.
    static std::optional<std::size_t> Parse(std::string_view strInput, std::size_t nLineCount);
};
