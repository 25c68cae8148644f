#include "core/editor/CommentToggle.h"

#include "core/editor/TextLines.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr std::string_view kLineComment = "//";
constexpr std::string_view kOpen = "<!--";
constexpr std::string_view kClose = "-->";

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

// Where a caret at nPos ends up after the plan's steps, which stand in order.
std::size_t MovedOffset(const CEditPlan& plan, std::size_t nPos)
{
    for (const CEditPlan::CStep& step : plan.m_steps) {
        if (nPos < step.m_nStart)
            break;
        if (nPos < step.m_nStart + step.m_nLength)
            nPos = step.m_nStart;
        else
            nPos = nPos - step.m_nLength;
        nPos += step.m_strInsert.size();
    }
    return nPos;
}

struct CCommentLine {
    std::size_t m_nStart = 0;  // line start
    std::size_t m_nIndent = 0; // blanks before its text
    bool m_bBlank = true;
};

} // namespace

CEditPlan CCommentToggle::Java(std::string_view strText, std::size_t nSelStart, std::size_t nSelEnd)
{
    const std::size_t nLo = std::min({nSelStart, nSelEnd, strText.size()});
    const std::size_t nHi = std::min(std::max(nSelStart, nSelEnd), strText.size());
    std::vector<CCommentLine> lines;
    const std::size_t nFirst = CTextLines::LineStartAt(strText, nLo);
    std::size_t nStart = nFirst;
    do {
        const std::size_t nEnd = CTextLines::LineTextEnd(strText, nStart);
        CCommentLine line;
        line.m_nStart = nStart;
        while (nStart + line.m_nIndent < nEnd && IsBlank(strText[nStart + line.m_nIndent]))
            ++line.m_nIndent;
        line.m_bBlank = nStart + line.m_nIndent == nEnd;
        lines.push_back(line);
        nStart = CTextLines::NextLineStart(strText, nStart);
    } while (nStart != CTextLines::kNoLine && nStart < nHi);
    const std::size_t nAfter = nStart;

    bool bAllCommented = true;
    bool bAnyText = false;
    std::size_t nMinIndent = std::string_view::npos;
    for (const CCommentLine& line : lines) {
        if (line.m_bBlank)
            continue;
        bAnyText = true;
        nMinIndent = std::min(nMinIndent, line.m_nIndent);
        if (strText.substr(line.m_nStart + line.m_nIndent, kLineComment.size()) != kLineComment)
            bAllCommented = false;
    }

    CEditPlan plan;
    std::ptrdiff_t nShift = 0; // offsets move by what the earlier steps added
    for (const CCommentLine& line : lines) {
        if (!bAnyText || line.m_bBlank)
            continue;
        if (bAllCommented) {
            const std::size_t nAt = line.m_nStart + line.m_nIndent;
            std::size_t nLength = kLineComment.size();
            if (nAt + nLength < strText.size() && strText[nAt + nLength] == ' ')
                ++nLength;
            plan.m_steps.push_back(CEditPlan::CStep{nAt + nShift, nLength, std::string()});
            nShift -= static_cast<std::ptrdiff_t>(nLength);
        } else {
            plan.m_steps.push_back(CEditPlan::CStep{line.m_nStart + nMinIndent + nShift, 0, "// "});
            nShift += 3;
        }
    }
    if (nSelStart == nSelEnd) {
        plan.m_nSelStart = plan.m_nSelEnd = MovedOffset(plan, nLo);
    } else {
        plan.m_nSelStart = nFirst;
        plan.m_nSelEnd = (nAfter == CTextLines::kNoLine ? strText.size() : nAfter) + nShift;
    }
    return plan;
}

CEditPlan CCommentToggle::Html(std::string_view strText, std::size_t nSelStart, std::size_t nSelEnd)
{
    const std::size_t nLo = std::min({nSelStart, nSelEnd, strText.size()});
    const std::size_t nHi = std::min(std::max(nSelStart, nSelEnd), strText.size());
    std::size_t nFrom = nLo;
    std::size_t nTo = nHi;
    if (nLo == nHi) {
        nFrom = CTextLines::LineStartAt(strText, nLo);
        nTo = CTextLines::LineTextEnd(strText, nFrom);
        while (nFrom < nTo && IsBlank(strText[nFrom]))
            ++nFrom;
    }
    CEditPlan plan;
    plan.m_nSelStart = nLo;
    plan.m_nSelEnd = nHi;
    if (nFrom == nTo)
        return plan;
    const std::string_view strPart = strText.substr(nFrom, nTo - nFrom);
    if (strPart.size() >= kOpen.size() + kClose.size() && strPart.starts_with(kOpen) && strPart.ends_with(kClose)) {
        std::size_t nOpen = kOpen.size();
        std::size_t nClose = kClose.size();
        if (nOpen + nClose < strPart.size() && strPart[nOpen] == ' ')
            ++nOpen;
        if (nOpen + nClose < strPart.size() && strPart[strPart.size() - nClose - 1] == ' ')
            ++nClose;
        plan.m_steps.push_back(CEditPlan::CStep{nFrom, nOpen, std::string()});
        plan.m_steps.push_back(CEditPlan::CStep{nTo - nOpen - nClose, nClose, std::string()});
    } else {
        plan.m_steps.push_back(CEditPlan::CStep{nFrom, 0, "<!-- "});
        plan.m_steps.push_back(CEditPlan::CStep{nTo + 5, 0, " -->"});
    }
    if (nLo == nHi) {
        plan.m_nSelStart = plan.m_nSelEnd = MovedOffset(plan, nLo);
    } else {
        plan.m_nSelStart = nFrom;
        plan.m_nSelEnd = MovedOffset(plan, nTo);
    }
    return plan;
}
