#include "core/editor/GoToLine.h"

std::string CGoToLine::Label(std::size_t nLineCount)
{
    return "Line number (1 - " + std::to_string(nLineCount) + "):";
}

std::string CGoToLine::RangeMessage(std::size_t nLineCount)
{
    return "Enter a line number between 1 and " + std::to_string(nLineCount) + ".";
}

std::optional<std::size_t> CGoToLine::Parse(std::string_view strInput, std::size_t nLineCount)
{
    auto isBlank = [](char ch) { return ch == ' ' || ch == '\t'; };
    while (!strInput.empty() && isBlank(strInput.front()))
        strInput.remove_prefix(1);
    while (!strInput.empty() && isBlank(strInput.back()))
        strInput.remove_suffix(1);
    if (strInput.empty())
        return std::nullopt;
    std::size_t nNumber = 0;
    for (char ch : strInput) {
        if (ch < '0' || ch > '9')
            return std::nullopt;
        nNumber = nNumber * 10 + static_cast<std::size_t>(ch - '0');
        // Past the last line already: stop before the number can overflow.
        if (nNumber > nLineCount)
            return std::nullopt;
    }
    if (nNumber < 1)
        return std::nullopt;
    return nNumber - 1;
}
