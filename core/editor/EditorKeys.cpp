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

} // namespace

CEditPlan CEditorKeys::Tab(std::string_view strText, std::size_t nSelStart, std::size_t nSelEnd, bool bShift) const
{
    if (nSelStart != nSelEnd) {
        return bShift ? m_commands.DecreaseIndent(strText, nSelStart, nSelEnd)
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
    if (nTabs + nSpaces == 0)
        return plan;
    std::string strIndent(nTabs, '\t');
    strIndent.append(nSpaces, ' ');
    plan.m_steps.push_back(CEditPlan::CStep{nLo, nHi - nLo, strIndent});
    plan.m_nSelStart = plan.m_nSelEnd = nLo + strIndent.size();
    return plan;
}
