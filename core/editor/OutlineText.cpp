#include "core/editor/OutlineText.h"

static bool IsOutlineTrailingSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// One left-to-right pass that replaces each non-overlapping "  " by " ", in
// place (the text only shrinks); tells whether anything was replaced.
static bool HalveOutlineSpaceRuns(std::string& strText)
{
    std::size_t nOut = 0;
    for (std::size_t i = 0; i < strText.size(); ++i) {
        strText[nOut++] = strText[i];
        if (strText[i] == ' ' && i + 1 < strText.size() && strText[i + 1] == ' ')
            ++i;
    }
    const bool bChanged = nOut != strText.size();
    strText.resize(nOut);
    return bChanged;
}

std::string_view COutlineText::TrimRightSpace(std::string_view strText)
{
    std::size_t n = strText.size();
    while (n > 0 && IsOutlineTrailingSpace(strText[n - 1]))
        --n;
    return strText.substr(0, n);
}

std::string_view COutlineText::TrimLeftBlanks(std::string_view strText)
{
    const std::size_t n = strText.find_first_not_of("\t\n\r ");
    return n == std::string_view::npos ? std::string_view() : strText.substr(n);
}

std::string COutlineText::NormaliseOutlineSpaces(std::string_view strText)
{
    std::string strOut;
    strOut.reserve(strText.size());
    for (std::size_t i = 0; i < strText.size(); ++i) {
        if (strText[i] == '\r' && i + 1 < strText.size() && strText[i + 1] == '\n') {
            strOut.push_back(' ');
            ++i;
        } else {
            strOut.push_back(strText[i] == '\t' ? ' ' : strText[i]);
        }
    }
    // A pass that finds no pair leaves none for the next one either.
    for (int nPass = 0; nPass < 5 && HalveOutlineSpaceRuns(strOut); ++nPass) {
    }
    return strOut;
}
