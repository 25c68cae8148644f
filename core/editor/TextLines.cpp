#include "core/editor/TextLines.h"

#include <algorithm>
#include <cstring>

namespace {

// Offset of the first CR or LF at or after nFrom, or the text length.
std::size_t FindBreakChar(std::string_view strText, std::size_t nFrom)
{
    const char* pBegin = strText.data();
    const std::size_t nLength = strText.size();
    for (std::size_t i = nFrom; i < nLength; ++i) {
        const char ch = pBegin[i];
        if (ch == '\n' || ch == '\r')
            return i;
    }
    return nLength;
}

// Length of the line break that starts at nAt (a CR or LF there), 1 or 2.
std::size_t BreakLength(std::string_view strText, std::size_t nAt)
{
    if (strText[nAt] == '\r' && nAt + 1 < strText.size() && strText[nAt + 1] == '\n')
        return 2;
    return 1;
}

} // namespace

std::size_t CTextLines::LineFromOffset(std::string_view strText, std::size_t nPos)
{
    nPos = std::min(nPos, strText.size());
    std::size_t nLine = 0;
    std::size_t i = FindBreakChar(strText, 0);
    while (i < nPos) {
        const std::size_t nEnd = i + BreakLength(strText, i);
        if (nEnd > nPos)
            break; // nPos sits between the CR and the LF of this break
        ++nLine;
        i = FindBreakChar(strText, nEnd);
    }
    return nLine;
}

std::size_t CTextLines::LineIndex(std::string_view strText, std::size_t nLine)
{
    std::size_t nStart = 0;
    for (std::size_t n = 0; n < nLine; ++n) {
        nStart = NextLineStart(strText, nStart);
        if (nStart == kNoLine)
            return kNoLine;
    }
    return nStart;
}

std::size_t CTextLines::LineStartAt(std::string_view strText, std::size_t nPos)
{
    nPos = std::min(nPos, strText.size());
    for (std::size_t j = nPos; j > 0; --j) {
        const char ch = strText[j - 1];
        if (ch == '\n')
            return j;
        if (ch == '\r') {
            // A CR right before nPos whose LF follows is the break of this
            // very line (nPos is between the two), not the one before it.
            if (j < strText.size() && strText[j] == '\n')
                continue;
            return j;
        }
    }
    return 0;
}

std::size_t CTextLines::LineTextEnd(std::string_view strText, std::size_t nLineStart)
{
    return FindBreakChar(strText, std::min(nLineStart, strText.size()));
}

std::size_t CTextLines::NextLineStart(std::string_view strText, std::size_t nLineStart)
{
    const std::size_t nBreak = LineTextEnd(strText, nLineStart);
    if (nBreak >= strText.size())
        return kNoLine;
    return nBreak + BreakLength(strText, nBreak);
}
