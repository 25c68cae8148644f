#include "core/editor/TextCommands.h"

#include "core/editor/LineEnds.h"
#include "core/editor/TextLines.h"

#include <algorithm>
#include <vector>

namespace {

// Start offsets of the lines an indent command touches, and the start of the
// line after them (kNoLine when the last of them is the text's last line).
struct CIndentLines {
    std::vector<std::size_t> m_starts;
    std::size_t m_nFirstStart = 0;
    std::size_t m_nAfter = CTextLines::kNoLine;
};

CIndentLines FindIndentLines(std::string_view strText, std::size_t nSelStart, std::size_t nSelEnd)
{
    const std::size_t nLo = std::min({nSelStart, nSelEnd, strText.size()});
    const std::size_t nHi = std::min(std::max(nSelStart, nSelEnd), strText.size());
    CIndentLines lines;
    lines.m_nFirstStart = CTextLines::LineStartAt(strText, nLo);
    // A line counts while it starts before nHi, i.e. holds nHi - 1 or an earlier offset.
    std::size_t nStart = lines.m_nFirstStart;
    while (nStart != CTextLines::kNoLine && nStart < nHi) {
        lines.m_starts.push_back(nStart);
        nStart = CTextLines::NextLineStart(strText, nStart);
    }
    lines.m_nAfter = nStart;
    return lines;
}

} // namespace

CEditPlan CTextCommands::IncreaseIndent(std::string_view strText, std::size_t nSelStart, std::size_t nSelEnd) const
{
    const CIndentLines lines = FindIndentLines(strText, nSelStart, nSelEnd);
    const std::string strTab = m_settings.TabText();
    CEditPlan plan;
    std::size_t nAdded = 0;
    for (std::size_t nStart : lines.m_starts) {
        if (!strTab.empty())
            plan.m_steps.push_back(CEditPlan::CStep{nStart + nAdded, 0, strTab});
        nAdded += strTab.size();
    }
    plan.m_nSelStart = lines.m_nFirstStart;
    plan.m_nSelEnd = lines.m_nAfter == CTextLines::kNoLine ? strText.size() + nAdded : lines.m_nAfter + nAdded;
    return plan;
}

CEditPlan CTextCommands::DecreaseIndent(std::string_view strText, std::size_t nSelStart, std::size_t nSelEnd) const
{
    return Unindent(strText, nSelStart, nSelEnd, 1);
}

CEditPlan CTextCommands::DecreaseIndentLevel(std::string_view strText, std::size_t nSelStart,
                                             std::size_t nSelEnd) const
{
    return Unindent(strText, nSelStart, nSelEnd, static_cast<std::size_t>(std::max(1, m_settings.m_nTabWidth)));
}

CEditPlan CTextCommands::Unindent(std::string_view strText, std::size_t nSelStart, std::size_t nSelEnd,
                                  std::size_t nMaxSpaces) const
{
    const CIndentLines lines = FindIndentLines(strText, nSelStart, nSelEnd);
    CEditPlan plan;
    std::size_t nRemoved = 0;
    for (std::size_t nStart : lines.m_starts) {
        std::size_t nCount = 0;
        if (nStart < strText.size() && strText[nStart] == '\t') {
            nCount = 1;
        } else {
            while (nCount < nMaxSpaces && nStart + nCount < strText.size() && strText[nStart + nCount] == ' ')
                ++nCount;
        }
        if (nCount > 0) {
            plan.m_steps.push_back(CEditPlan::CStep{nStart - nRemoved, nCount, std::string()});
            nRemoved += nCount;
        }
    }
    plan.m_nSelStart = lines.m_nFirstStart;
    if (lines.m_starts.empty())
        plan.m_nSelEnd = lines.m_nFirstStart;
    else if (lines.m_nAfter == CTextLines::kNoLine)
        plan.m_nSelEnd = strText.size() - nRemoved;
    else
        plan.m_nSelEnd = lines.m_nAfter - nRemoved - 1;
    return plan;
}

std::string CTextCommands::ConvertLinebreaks(std::string_view strText)
{
    return CLineEnds::ToCrLf(strText);
}

bool CTextCommands::ConvertTabs(std::string_view strText, std::string& strOut) const
{
    if (m_settings.m_nTabWidth <= 0)
        return false;
    const std::string strSpaces = m_settings.TabSpaces();
    std::string strResult;
    strResult.reserve(strText.size());
    std::size_t nFrom = 0;
    while (true) {
        const std::size_t nTab = strText.find('\t', nFrom);
        if (nTab == std::string_view::npos)
            break;
        strResult.append(strText.substr(nFrom, nTab - nFrom));
        strResult.append(strSpaces);
        nFrom = nTab + 1;
    }
    strResult.append(strText.substr(nFrom));
    strOut = std::move(strResult);
    return true;
}
