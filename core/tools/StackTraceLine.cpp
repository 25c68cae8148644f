#include "core/tools/StackTraceLine.h"

#include <algorithm>

namespace {
bool StartsWith(std::string_view strText, std::string_view strStart)
{
    return strText.substr(0, strStart.size()) == strStart;
}

// A whole positive decimal number that fits an int; 0 otherwise.
int ReadCount(std::string_view strDigits)
{
    if (strDigits.empty() || strDigits.size() > 9)
        return 0;
    int nValue = 0;
    for (const char ch : strDigits) {
        if (ch < '0' || ch > '9')
            return 0;
        nValue = nValue * 10 + (ch - '0');
    }
    return nValue;
}

bool HasBlank(std::string_view strText)
{
    return strText.find_first_of(" \t") != std::string_view::npos;
}

// "[loader/][module[@version]/]pkg.Cls.method(place)": the class, method and
// place of a frame. Hidden classes (lambda forms) carry "/0x..." after their
// name; that part is no module.
std::optional<CStackTraceLine> ParseFrame(std::string_view strBody)
{
    const std::size_t nOpen = strBody.find('(');
    const std::size_t nClose = strBody.rfind(')');
    if (nOpen == std::string_view::npos || nClose == std::string_view::npos || nClose < nOpen)
        return std::nullopt;
    const std::string_view strName = strBody.substr(0, nOpen);
    const std::size_t nDot = strName.rfind('.');
    if (strName.empty() || HasBlank(strName) || nDot == std::string_view::npos || nDot + 1 == strName.size())
        return std::nullopt;

    std::string_view strClass = strName.substr(0, nDot);
    std::size_t nSlash = strClass.rfind('/');
    if (nSlash != std::string_view::npos && StartsWith(strClass.substr(nSlash + 1), "0x")) {
        strClass = strClass.substr(0, nSlash);
        nSlash = strClass.rfind('/');
    }
    if (nSlash != std::string_view::npos)
        strClass = strClass.substr(nSlash + 1);
    if (strClass.empty())
        return std::nullopt;

    CStackTraceLine frame;
    frame.m_strClass = strClass;
    frame.m_strMethod = strName.substr(nDot + 1);
    // "Cls.java:12"; "Native Method", "Unknown Source" and "Cls.java" have no line.
    const std::string_view strPlace = strBody.substr(nOpen + 1, nClose - nOpen - 1);
    const std::size_t nColon = strPlace.rfind(':');
    if (nColon != std::string_view::npos && nColon > 0 && !HasBlank(strPlace.substr(0, nColon))) {
        const int nLine = ReadCount(strPlace.substr(nColon + 1));
        if (nLine > 0) {
            frame.m_strFileName = strPlace.substr(0, nColon);
            frame.m_nLine = nLine;
        }
    }
    return frame;
}
} // namespace

std::optional<CStackTraceLine> CStackTraceLine::Parse(std::string_view strLine)
{
    if (!strLine.empty() && strLine.back() == '\r')
        strLine.remove_suffix(1);
    const std::size_t nTabs = std::min(strLine.find_first_not_of('\t'), strLine.size());
    const std::string_view strRest = strLine.substr(nTabs);

    std::optional<CStackTraceLine> line;
    if (StartsWith(strRest, "at ")) {
        line = ParseFrame(strRest.substr(3));
    } else if (StartsWith(strRest, "Caused by: ")) {
        line.emplace();
        line->m_eKind = EStackLineKind::CausedBy;
    } else if (StartsWith(strRest, "Suppressed: ")) {
        line.emplace();
        line->m_eKind = EStackLineKind::Suppressed;
    } else if (StartsWith(strRest, "... ") && strRest.size() > 9 && strRest.substr(strRest.size() - 5) == " more") {
        const int nMore = ReadCount(strRest.substr(4, strRest.size() - 9));
        if (nMore > 0) {
            line.emplace();
            line->m_eKind = EStackLineKind::More;
            line->m_nMore = nMore;
        }
    }
    if (line)
        line->m_nDepth = static_cast<int>(nTabs);
    return line;
}
