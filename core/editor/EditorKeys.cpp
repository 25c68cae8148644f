#include "core/editor/EditorKeys.h"

#include "core/editor/TextLines.h"

#include <algorithm>

namespace {

// Previous line text is read into a buffer this long; indentation past it is not copied.
constexpr std::size_t kLineBufferSize = 1024;

CEditPlan KeepSelection(std::size_t nSelStart, std::size_t nSelEnd)
{
    CEditPlan plan;
    plan.m_nSelStart = nSelStart;
    plan.m_nSelEnd = nSelEnd;
    return plan;
}

// The last character of [nStart, nEnd) that is not a blank, or 0.
char LastNonBlank(std::string_view strText, std::size_t nStart, std::size_t nEnd)
{
    while (nEnd > nStart && (strText[nEnd - 1] == ' ' || strText[nEnd - 1] == '\t'))
        --nEnd;
    return nEnd > nStart ? strText[nEnd - 1] : 0;
}

} // namespace

CEditPlan CEditorKeys::Tab(std::string_view strText, std::size_t nSelStart, std::size_t nSelEnd, bool bShift) const
{
    if (nSelStart != nSelEnd) {
        return bShift ? m_commands.DecreaseIndentLevel(strText, nSelStart, nSelEnd)
                      : m_commands.IncreaseIndent(strText, nSelStart, nSelEnd);
    }
    return InsertTab(nSelStart, nSelEnd);
}

CEditPlan CEditorKeys::InsertTab(std::size_t nSelStart, std::size_t nSelEnd) const
{
    const std::size_t nLo = std::min(nSelStart, nSelEnd);
    const std::size_t nHi = std::max(nSelStart, nSelEnd);
    const std::string strTab = m_settings.TabText();
    CEditPlan plan = KeepSelection(nLo + strTab.size(), nLo + strTab.size());
    if (!strTab.empty() || nHi > nLo)
        plan.m_steps.push_back(CEditPlan::CStep{nLo, nHi - nLo, strTab});
    return plan;
}

CEditPlan CEditorKeys::AutoIndent(std::string_view strText, std::size_t nSelStart, std::size_t nSelEnd, char ch) const
{
    CEditPlan plan = KeepSelection(nSelStart, nSelEnd);
    const std::size_t nLo = std::min({nSelStart, nSelEnd, strText.size()});
    const std::size_t nHi = std::min(std::max(nSelStart, nSelEnd), strText.size());
    const std::size_t nLineStart = CTextLines::LineStartAt(strText, nLo);
    if (ch == '}')
        return OutdentClosingBrace(strText, nLo, nLineStart, plan);
    if (ch != '\r' || nLineStart == 0)
        return plan;
    const std::size_t nPrevStart = CTextLines::LineStartAt(strText, nLineStart - 1);
    const std::size_t nPrevEnd = std::min(CTextLines::LineTextEnd(strText, nPrevStart), nPrevStart + kLineBufferSize);
    std::size_t nTabs = 0;
    std::size_t nSpaces = 0;
    for (std::size_t i = nPrevStart; i < nPrevEnd; ++i) {
        if (strText[i] == '\t')
            ++nTabs;
        else if (strText[i] == ' ')
            ++nSpaces;
        else
            break;
    }
    std::string strIndent(nTabs, '\t');
    strIndent.append(nSpaces, ' ');
    // A line that opens a block indents the next one a level further.
    if (LastNonBlank(strText, nPrevStart, CTextLines::LineTextEnd(strText, nPrevStart)) == '{')
        strIndent += m_settings.TabText();
    if (strIndent.empty())
        return plan;
    plan.m_steps.push_back(CEditPlan::CStep{nLo, nHi - nLo, strIndent});
    plan.m_nSelStart = plan.m_nSelEnd = nLo + strIndent.size();
    return plan;
}

CEditPlan CEditorKeys::OutdentClosingBrace(std::string_view strText, std::size_t nCaret, std::size_t nLineStart,
                                           CEditPlan plan) const
{
    // The brace just typed stands before the caret, after nothing but white space.
    if (nCaret == 0 || nCaret <= nLineStart || strText[nCaret - 1] != '}')
        return plan;
    const std::size_t nBrace = nCaret - 1;
    for (std::size_t i = nLineStart; i < nBrace; ++i)
        if (strText[i] != ' ' && strText[i] != '\t')
            return plan;
    // One level off the end of the indentation: a tab, or up to a tab's width of spaces.
    std::size_t nRemove = 0;
    if (nBrace > nLineStart && strText[nBrace - 1] == '\t') {
        nRemove = 1;
    } else {
        const std::size_t nMax = static_cast<std::size_t>(std::max(1, m_settings.m_nTabWidth));
        while (nRemove < nMax && nBrace - nRemove > nLineStart && strText[nBrace - nRemove - 1] == ' ')
            ++nRemove;
    }
    if (nRemove == 0)
        return plan;
    plan.m_steps.push_back(CEditPlan::CStep{nBrace - nRemove, nRemove, std::string()});
    plan.m_nSelStart = plan.m_nSelStart >= nBrace ? plan.m_nSelStart - nRemove : plan.m_nSelStart;
    plan.m_nSelEnd = plan.m_nSelEnd >= nBrace ? plan.m_nSelEnd - nRemove : plan.m_nSelEnd;
    return plan;
}
