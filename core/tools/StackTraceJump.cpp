#include "core/tools/StackTraceJump.h"

#include <algorithm>
#include <vector>

namespace {
// One exception's trace as shown: its frames and the count left out after them.
struct CTrace {
    int m_nHead = -1; // -1: the first head line of a printout, which is of no kind
    EStackLineKind m_eHeadKind = EStackLineKind::CausedBy;
    int m_nFrameDepth = 1;
    std::vector<CStackTraceLine> m_frames;
    int m_nMore = 0;

    int Shown() const { return static_cast<int>(m_frames.size()); }
};

class CTraceReader {
public:
    CTraceReader(int nLineCount, const CStackTraceJump::LineReader& readLine)
        : m_nLineCount(nLineCount), m_readLine(readLine)
    {}

    std::optional<CStackTraceLine> ParseAt(int nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nLineCount)
            return std::nullopt;
        return CStackTraceLine::Parse(m_readLine(nIndex));
    }

    static bool IsFrameAt(const std::optional<CStackTraceLine>& line, int nDepth)
    {
        return line && line->m_eKind == EStackLineKind::Frame && line->m_nDepth == nDepth;
    }

    static bool IsHead(const std::optional<CStackTraceLine>& line)
    {
        return line && (line->m_eKind == EStackLineKind::CausedBy || line->m_eKind == EStackLineKind::Suppressed);
    }

    // The trace whose head is the line nHead. Lines of no trace between the
    // head and its first frame continue the exception's message.
    CTrace ReadFromHead(int nHead, const CStackTraceLine& head) const
    {
        CTrace trace;
        trace.m_nHead = nHead;
        trace.m_eHeadKind = head.m_eKind;
        trace.m_nFrameDepth = head.m_nDepth + 1;
        int nLine = nHead + 1;
        const int nEnd = std::min(m_nLineCount, nHead + 1 + CStackTraceJump::kMostMessageLines);
        std::optional<CStackTraceLine> line;
        while (nLine < nEnd && !(line = ParseAt(nLine)))
            ++nLine;
        ReadFramesFrom(nLine, std::move(line), trace);
        return trace;
    }

    // The trace one of whose frames (at nDepth tabs) is the line nFrame.
    CTrace ReadAroundFrame(int nFrame, int nDepth) const
    {
        const int nStop = std::max(0, nFrame - CStackTraceJump::kMostLinesWalked);
        int nFirst = nFrame;
        while (nFirst > nStop && IsFrameAt(ParseAt(nFirst - 1), nDepth))
            --nFirst;
        CTrace trace;
        trace.m_nFrameDepth = nDepth;
        // The head, above any further lines of its message; none for the
        // first head of a printout, which may follow any amount of output.
        for (int nLine = nFirst - 1; nLine >= std::max(0, nFirst - CStackTraceJump::kMostMessageLines); --nLine) {
            const std::optional<CStackTraceLine> line = ParseAt(nLine);
            if (!line)
                continue;
            if (IsHead(line) && line->m_nDepth == nDepth - 1) {
                trace.m_nHead = nLine;
                trace.m_eHeadKind = line->m_eKind;
            }
            break;
        }
        ReadFramesFrom(nFirst, ParseAt(nFirst), trace);
        return trace;
    }

    // The trace whose cause or suppressed exception this one is.
    std::optional<CTrace> Enclosing(const CTrace& trace) const
    {
        if (trace.m_nHead < 0)
            return std::nullopt;
        // A cause's head is as deep as its enclosing trace's head, a
        // suppressed exception's head as deep as its enclosing trace's frames.
        const int nHeadDepth =
            trace.m_eHeadKind == EStackLineKind::Suppressed ? trace.m_nFrameDepth - 2 : trace.m_nFrameDepth - 1;
        const int nStop = std::max(0, trace.m_nHead - CStackTraceJump::kMostLinesWalked);
        for (int nLine = trace.m_nHead - 1; nLine >= nStop; --nLine) {
            const std::optional<CStackTraceLine> line = ParseAt(nLine);
            if (!line)
                continue;
            if (IsFrameAt(line, nHeadDepth + 1))
                return ReadAroundFrame(nLine, nHeadDepth + 1);
            // A head with every frame left out.
            if (IsHead(line) && line->m_nDepth == nHeadDepth)
                return ReadFromHead(nLine, *line);
            if (line->m_nDepth <= nHeadDepth)
                return std::nullopt;
            // Deeper: the enclosing trace's suppressed exceptions and their causes.
        }
        return std::nullopt;
    }

    // The first frame with a place among the trace's frames nFrom to nTo - 1,
    // counting those left out after the ones shown.
    std::optional<CStackTraceLine> FirstPlaced(const CTrace& trace, int nFrom, int nTo, int nTracesLeft) const
    {
        for (int nIndex = std::max(nFrom, 0); nIndex < std::min(nTo, trace.Shown()); ++nIndex) {
            if (trace.m_frames[nIndex].HasPlace())
                return trace.m_frames[nIndex];
        }
        nTo = std::min(nTo, trace.Shown() + trace.m_nMore);
        if (nTo <= trace.Shown() || nTracesLeft <= 0)
            return std::nullopt;
        const std::optional<CTrace> enclosing = Enclosing(trace);
        if (!enclosing)
            return std::nullopt;
        // The frames left out are the last m_nMore of the enclosing trace.
        const int nBase = enclosing->Shown() + enclosing->m_nMore - trace.m_nMore;
        return FirstPlaced(*enclosing, nBase + std::max(nFrom - trace.Shown(), 0), nBase + nTo - trace.Shown(),
                           nTracesLeft - 1);
    }

private:
    // The frames from the line nLine (already parsed) on, and the count of
    // those left out after them.
    void ReadFramesFrom(int nLine, std::optional<CStackTraceLine> line, CTrace& trace) const
    {
        const int nEnd = std::min(m_nLineCount, nLine + CStackTraceJump::kMostLinesWalked);
        while (nLine < nEnd && IsFrameAt(line, trace.m_nFrameDepth)) {
            trace.m_frames.push_back(std::move(*line));
            line = ParseAt(++nLine);
        }
        if (line && line->m_eKind == EStackLineKind::More && line->m_nDepth == trace.m_nFrameDepth)
            trace.m_nMore = line->m_nMore;
    }

    int m_nLineCount;
    const CStackTraceJump::LineReader& m_readLine;
};
} // namespace

std::optional<CStackTraceLine> CStackTraceJump::FrameToOpen(int nLineCount, const LineReader& readLine, int nIndex)
{
    const CTraceReader reader(nLineCount, readLine);
    const std::optional<CStackTraceLine> line = reader.ParseAt(nIndex);
    if (!line)
        return std::nullopt;
    switch (line->m_eKind) {
    case EStackLineKind::Frame: return line->HasPlace() ? line : std::nullopt;
    case EStackLineKind::CausedBy:
    case EStackLineKind::Suppressed: {
        const CTrace trace = reader.ReadFromHead(nIndex, *line);
        return reader.FirstPlaced(trace, 0, trace.Shown() + trace.m_nMore, kMostTracesFollowed);
    }
    case EStackLineKind::More: {
        // Its own trace: the frames just above it, or a head that shows none.
        for (int nLine = nIndex - 1; nLine >= std::max(0, nIndex - kMostMessageLines); --nLine) {
            const std::optional<CStackTraceLine> above = reader.ParseAt(nLine);
            if (!above)
                continue;
            CTrace trace;
            if (CTraceReader::IsFrameAt(above, line->m_nDepth))
                trace = reader.ReadAroundFrame(nLine, line->m_nDepth);
            else if (CTraceReader::IsHead(above) && above->m_nDepth == line->m_nDepth - 1)
                trace = reader.ReadFromHead(nLine, *above);
            else
                return std::nullopt;
            return reader.FirstPlaced(trace, trace.Shown(), trace.Shown() + trace.m_nMore, kMostTracesFollowed);
        }
        return std::nullopt;
    }
    }
    return std::nullopt;
}
