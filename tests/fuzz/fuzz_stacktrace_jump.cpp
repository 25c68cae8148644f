// Feeds arbitrary text to the stack trace reader as process window lines and
// double-clicks every line. Whatever a line leads to must be a frame with a
// place, a frame with a place must lead to itself, and the same lines with a
// CR left on each must lead to the same frames.
#include "core/tools/StackTraceJump.h"
#include "core/tools/StackTraceLine.h"

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

bool SameFrame(const std::optional<CStackTraceLine>& first, const std::optional<CStackTraceLine>& second)
{
    if (!first || !second)
        return !first && !second;
    return first->m_strClass == second->m_strClass && first->m_strMethod == second->m_strMethod &&
           first->m_strFileName == second->m_strFileName && first->m_nLine == second->m_nLine &&
           first->m_nDepth == second->m_nDepth;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string_view strInput(reinterpret_cast<const char*>(pData), nSize);
    std::vector<std::string> lines;
    std::vector<std::string> crLines;
    std::size_t nStart = 0;
    while (nStart <= strInput.size() && lines.size() < 2000) {
        std::size_t nEnd = strInput.find('\n', nStart);
        if (nEnd == std::string_view::npos)
            nEnd = strInput.size();
        std::string strLine(strInput.substr(nStart, nEnd - nStart));
        // A CR of the input's own would make the two readings differ.
        if (strLine.find('\r') != std::string::npos)
            return 0;
        crLines.push_back(strLine + "\r");
        lines.push_back(std::move(strLine));
        nStart = nEnd + 1;
    }
    const int nCount = static_cast<int>(lines.size());
    const CStackTraceJump::LineReader read = [&lines](int nIndex) {
        Check(nIndex >= 0 && nIndex < static_cast<int>(lines.size()));
        return lines[static_cast<std::size_t>(nIndex)];
    };
    const CStackTraceJump::LineReader readCr = [&crLines](int nIndex) {
        Check(nIndex >= 0 && nIndex < static_cast<int>(crLines.size()));
        return crLines[static_cast<std::size_t>(nIndex)];
    };
    for (int nIndex = -1; nIndex <= nCount; ++nIndex) {
        const std::optional<CStackTraceLine> frame = CStackTraceJump::FrameToOpen(nCount, read, nIndex);
        if (frame) {
            Check(frame->HasPlace() && frame->m_nLine > 0 && !frame->m_strClass.empty() &&
                  !frame->m_strMethod.empty() && !frame->m_strFileName.empty());
        }
        if (nIndex >= 0 && nIndex < nCount) {
            const std::optional<CStackTraceLine> line = CStackTraceLine::Parse(lines[static_cast<std::size_t>(nIndex)]);
            if (line && line->HasPlace())
                Check(SameFrame(frame, line));
        }
        Check(SameFrame(frame, CStackTraceJump::FrameToOpen(nCount, readCr, nIndex)));
    }
    return 0;
}
