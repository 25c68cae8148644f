#include "core/editor/CompilerMarkPlan.h"

#include "core/editor/TextLines.h"

#include <algorithm>
#include <numeric>

namespace {
// An annotation holds so many messages, then says how many more there are:
// Scintilla counts an annotation's lines in a short, and past 32,767 lines
// the whole annotation is lost.
constexpr std::size_t kMostMessagesShown = 100;

bool IsContinuation(unsigned char ch)
{
    return (ch & 0xC0) == 0x80;
}

// Java names may hold any letter, which in the text are bytes past ASCII.
bool IsNameByte(unsigned char ch)
{
    return ch >= 0x80 || (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') ||
           ch == '_' || ch == '$';
}

std::size_t CharLength(std::string_view strLine, std::size_t nOffset, bool bUtf8)
{
    std::size_t nEnd = nOffset + 1;
    if (bUtf8)
        while (nEnd < strLine.size() && IsContinuation(static_cast<unsigned char>(strLine[nEnd])))
            ++nEnd;
    return nEnd - nOffset;
}
} // namespace

std::size_t CCompilerMarkPlan::ColumnOffset(std::string_view strLine, int nColumn, bool bUtf8)
{
    const std::size_t nWanted = nColumn > 1 ? static_cast<std::size_t>(nColumn - 1) : 0;
    std::size_t nUnits = 0;
    for (std::size_t i = 0; i < strLine.size(); ++i) {
        const auto ch = static_cast<unsigned char>(strLine[i]);
        if (bUtf8 && IsContinuation(ch))
            continue;
        if (nUnits >= nWanted)
            return i;
        nUnits += (bUtf8 && ch >= 0xF0) ? 2 : 1;
    }
    return strLine.size();
}

std::size_t CCompilerMarkPlan::TokenLength(std::string_view strLine, std::size_t& nOffset, bool bUtf8)
{
    if (strLine.empty())
        return 0;
    if (nOffset >= strLine.size()) {
        nOffset = strLine.size() - 1;
        while (bUtf8 && nOffset > 0 && IsContinuation(static_cast<unsigned char>(strLine[nOffset])))
            --nOffset;
        return strLine.size() - nOffset;
    }
    std::size_t nEnd = nOffset;
    // javac points at the dot of a member it cannot find (a.b): the dot
    // alone would hardly show, so the name after it goes with it.
    if (strLine[nOffset] == '.' && nOffset + 1 < strLine.size() &&
        IsNameByte(static_cast<unsigned char>(strLine[nOffset + 1])))
        ++nEnd;
    else if (!IsNameByte(static_cast<unsigned char>(strLine[nOffset])))
        return CharLength(strLine, nOffset, bUtf8);
    while (nEnd < strLine.size() && IsNameByte(static_cast<unsigned char>(strLine[nEnd])))
        ++nEnd;
    return nEnd - nOffset;
}

CCompilerMarkPlan CCompilerMarkPlan::Make(std::string_view strText, const std::vector<CJavacDiagnostic>& vecDiagnostics,
                                          bool bUtf8)
{
    CCompilerMarkPlan plan;
    std::vector<std::size_t> vecOrder(vecDiagnostics.size());
    std::iota(vecOrder.begin(), vecOrder.end(), std::size_t(0));
    // By line, keeping javac's order on each line.
    std::stable_sort(vecOrder.begin(), vecOrder.end(), [&](std::size_t a, std::size_t b) {
        return vecDiagnostics[a].m_nLine < vecDiagnostics[b].m_nLine;
    });

    // One walk down the text: each line start is found once.
    std::size_t nLine = 0;
    std::size_t nLineStart = 0;
    std::size_t nShown = 0;  // messages in the current line's annotation
    std::size_t nHidden = 0; // and those left out of it
    const auto countHidden = [&] {
        if (nHidden == 0)
            return;
        CLine& last = plan.m_vecLines.back();
        const std::string strMore = "\xe2\x80\xa6 and " + std::to_string(nHidden) + " more messages on this line";
        last.m_strAnnotation += '\n';
        ++last.m_vecRuns.back().m_nLength;
        last.m_strAnnotation += strMore;
        last.m_vecRuns.push_back({strMore.size(), EDiagnosticKind::Note});
        nHidden = 0;
    };
    for (std::size_t nIndex : vecOrder) {
        const CJavacDiagnostic& diagnostic = vecDiagnostics[nIndex];
        if (diagnostic.m_nLine <= 0)
            continue;
        const auto nWanted = static_cast<std::size_t>(diagnostic.m_nLine - 1);
        while (nLine < nWanted && nLineStart != CTextLines::kNoLine) {
            nLineStart = CTextLines::NextLineStart(strText, nLineStart);
            ++nLine;
        }
        if (nLineStart == CTextLines::kNoLine)
            break;

        if (plan.m_vecLines.empty() || plan.m_vecLines.back().m_nLine != nLine) {
            countHidden();
            plan.m_vecLines.emplace_back();
            plan.m_vecLines.back().m_nLine = nLine;
            nShown = 0;
        }
        CLine& line = plan.m_vecLines.back();
        if (nShown < kMostMessagesShown) {
            if (!line.m_strAnnotation.empty()) {
                line.m_strAnnotation += '\n';
                ++line.m_vecRuns.back().m_nLength;
            }
            line.m_strAnnotation += diagnostic.m_strMessage;
            line.m_vecRuns.push_back({diagnostic.m_strMessage.size(), diagnostic.m_eKind});
            ++nShown;
        } else
            ++nHidden;
        if (diagnostic.m_eKind == EDiagnosticKind::Error) {
            line.m_bMarker = true;
            line.m_eMarker = EDiagnosticKind::Error;
        } else if (diagnostic.m_eKind == EDiagnosticKind::Warning && !line.m_bMarker) {
            line.m_bMarker = true;
            line.m_eMarker = EDiagnosticKind::Warning;
        }

        if (diagnostic.m_nColumn <= 0 || diagnostic.m_eKind == EDiagnosticKind::Note)
            continue;
        const std::string_view strLine =
            strText.substr(nLineStart, CTextLines::LineTextEnd(strText, nLineStart) - nLineStart);
        std::size_t nOffset = ColumnOffset(strLine, diagnostic.m_nColumn, bUtf8);
        const std::size_t nLength = TokenLength(strLine, nOffset, bUtf8);
        if (nLength > 0)
            plan.m_vecSquiggles.push_back({nLineStart + nOffset, nLength, diagnostic.m_eKind});
    }
    if (!plan.m_vecLines.empty())
        countHidden();
    return plan;
}
