// Feeds arbitrary javac output and editor text to the compiler-mark planner:
// the bytes before the first zero byte are read as javac's output, those
// after it as the text (the output itself when there is no zero byte). Every
// mark must land on a line the text has, each squiggle inside one line and
// on whole characters, and each annotation must hold its messages exactly.
#include "core/editor/CompilerMarkPlan.h"
#include "core/editor/TextLines.h"
#include "core/tools/JavacDiagnostics.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {
void Check(bool bHolds)
{
    if (!bHolds)
        std::abort();
}

std::size_t LineCount(std::string_view strText)
{
    std::size_t nLines = 1;
    for (std::size_t nStart = 0; (nStart = CTextLines::NextLineStart(strText, nStart)) != CTextLines::kNoLine;)
        ++nLines;
    return nLines;
}

void CheckPlan(std::string_view strText, const std::vector<CJavacDiagnostic>& vecDiagnostics, bool bUtf8)
{
    const CCompilerMarkPlan plan = CCompilerMarkPlan::Make(strText, vecDiagnostics, bUtf8);
    const std::size_t nLines = LineCount(strText);
    std::size_t nPlaced = 0;
    for (const CJavacDiagnostic& diagnostic : vecDiagnostics)
        if (diagnostic.m_nLine >= 1 && static_cast<std::size_t>(diagnostic.m_nLine) <= nLines)
            ++nPlaced;

    std::size_t nRuns = 0;
    for (std::size_t i = 0; i < plan.m_vecLines.size(); ++i) {
        const CCompilerMarkPlan::CLine& line = plan.m_vecLines[i];
        Check(line.m_nLine < nLines);
        Check(i == 0 || plan.m_vecLines[i - 1].m_nLine < line.m_nLine);
        std::size_t nLength = 0;
        bool bError = false;
        bool bWarning = false;
        for (const CCompilerMarkPlan::CRun& run : line.m_vecRuns) {
            nLength += run.m_nLength;
            bError = bError || run.m_eKind == EDiagnosticKind::Error;
            bWarning = bWarning || run.m_eKind == EDiagnosticKind::Warning;
        }
        Check(nLength == line.m_strAnnotation.size());
        Check(line.m_bMarker == (bError || bWarning));
        Check(!line.m_bMarker || (line.m_eMarker == EDiagnosticKind::Error) == bError);
        nRuns += line.m_vecRuns.size();
    }
    Check(nRuns == nPlaced);

    for (const CCompilerMarkPlan::CSquiggle& squiggle : plan.m_vecSquiggles) {
        Check(squiggle.m_nLength > 0 && squiggle.m_nStart + squiggle.m_nLength <= strText.size());
        const std::string_view strSquiggled = strText.substr(squiggle.m_nStart, squiggle.m_nLength);
        Check(strSquiggled.find_first_of("\r\n") == std::string_view::npos);
        if (bUtf8) {
            // Whole characters: no squiggle starts or ends inside one (a line
            // of nothing but stray continuation bytes aside).
            const auto IsContinuation = [&](std::size_t nAt) {
                return nAt < strText.size() && (static_cast<unsigned char>(strText[nAt]) & 0xC0) == 0x80;
            };
            const std::size_t nStart = squiggle.m_nStart;
            Check(!IsContinuation(nStart) || nStart == CTextLines::LineStartAt(strText, nStart));
            Check(!IsContinuation(nStart + squiggle.m_nLength));
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string_view strInput(reinterpret_cast<const char*>(pData), nSize);
    const std::size_t nZero = strInput.find('\0');
    const std::string_view strOutput = strInput.substr(0, nZero);
    const std::string_view strText = nZero == std::string_view::npos ? strInput : strInput.substr(nZero + 1);
    std::vector<CJavacDiagnostic> vecDiagnostics = CJavacDiagnostics::Parse(strOutput, "/work/src");
    // Columns far past any line, and columns javac never writes.
    if (!vecDiagnostics.empty()) {
        vecDiagnostics.front().m_nColumn = 1 << 20;
        vecDiagnostics.back().m_nColumn = -3;
    }
    CheckPlan(strText, vecDiagnostics, true);
    CheckPlan(strText, vecDiagnostics, false);
    return 0;
}
