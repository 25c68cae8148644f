#include "core/search/LineSearch.h"

#include "core/search/HitText.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {
constexpr std::size_t npos = std::string_view::npos;

bool IsLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

// How many of the n bytes at p are c, eight at a time.
std::size_t CountByte(const char* p, std::size_t n, char c)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
    const std::uint64_t nPattern = kOnes * static_cast<unsigned char>(c);
    std::size_t nCount = 0;
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t nWord;
        std::memcpy(&nWord, p + i, 8);
        const std::uint64_t x = nWord ^ nPattern; // zero bytes where equal
        const std::uint64_t nNonZero = ((x & kLow7) + kLow7) | x;
        // One bit per equal byte, summed by a multiply (no popcount instruction needed).
        nCount += static_cast<std::size_t>((((~nNonZero & ~kLow7) >> 7) * kOnes) >> 56);
    }
    for (; i < n; ++i)
        nCount += p[i] == c;
    return nCount;
}

// The last line end in [0, nTo) of text, npos when none.
std::size_t LastLineEnd(const std::string& text, std::size_t nTo)
{
    const void* pLf = ::memrchr(text.data(), '\n', nTo);
    const void* pCr = ::memrchr(text.data(), '\r', nTo);
    const char* p = std::max(static_cast<const char*>(pLf), static_cast<const char*>(pCr));
    return p ? static_cast<std::size_t>(p - text.data()) : npos;
}
} // namespace

CLineSearch::CLineSearch(const CSearchPattern& pattern, std::size_t nFile, ISearchSink& sink)
    : m_pattern(pattern), m_nFile(nFile), m_sink(sink)
{
}

void CLineSearch::Feed(std::string& strBlock, bool bLast)
{
    if (m_strBuffer.empty()) {
        m_strBuffer.swap(strBlock);
        strBlock.clear();
        Feed(nullptr, 0, bLast);
        return;
    }
    Feed(strBlock.data(), strBlock.size(), bLast);
    strBlock.clear();
}

void CLineSearch::Feed(const char* pBytes, std::size_t nBytes, bool bLast)
{
    if (nBytes > 0)
        m_strBuffer.append(pBytes, nBytes);
    // Whole lines only; a CR at the very end may yet be the start of a CR LF.
    std::size_t nComplete = m_strBuffer.size();
    if (!bLast) {
        std::size_t nEnd = LastLineEnd(m_strBuffer, m_strBuffer.size());
        if (nEnd != npos && nEnd + 1 == m_strBuffer.size() && m_strBuffer[nEnd] == '\r')
            nEnd = LastLineEnd(m_strBuffer, nEnd);
        nComplete = nEnd == npos ? 0 : nEnd + 1;
    }
    if (nComplete > 0) {
        SearchLines(nComplete, bLast);
        m_strBuffer.erase(0, nComplete);
    }
    if (!bLast && m_strBuffer.size() > kLongLine)
        SearchLongLine();
    if (bLast)
        m_strBuffer.clear();
}

std::size_t CLineSearch::CountLineEnds(std::size_t nFrom, std::size_t nTo) const
{
    const char* p = m_strBuffer.data();
    std::size_t nCount = CountByte(p + nFrom, nTo - nFrom, '\n');
    if (m_bHasCr) {
        // A CR counts unless an LF follows (that LF was counted).
        const char* pAt = p + nFrom;
        const char* pEnd = p + nTo;
        while (const void* pCr = std::memchr(pAt, '\r', static_cast<std::size_t>(pEnd - pAt))) {
            const char* pFound = static_cast<const char*>(pCr);
            if (pFound + 1 >= p + m_strBuffer.size() || pFound[1] != '\n')
                ++nCount;
            pAt = pFound + 1;
        }
    }
    return nCount;
}

void CLineSearch::Report(std::string_view subject, const CSearchPattern::CRange& range, bool bWholeLine,
                         bool bEndsLine)
{
    CSearchHit hit;
    hit.m_nFile = m_nFile;
    hit.m_nLine = m_nLine;
    hit.m_nColumn = m_nDiscarded + range.m_nOffset + 1;
    hit.m_nLength = range.m_nLength;
    hit.m_strText = CHitText::Make(subject, range.m_nOffset, bWholeLine, bEndsLine);
    ++m_nHits;
    m_sink.OnHit(hit);
}

void CLineSearch::SearchLines(std::size_t nEnd, bool bLast)
{
    const char* p = m_strBuffer.data();
    m_bHasCr = std::memchr(p, '\r', nEnd) != nullptr;
    // The end of the line starting at or holding nAt, and the length of its line end.
    const auto LineEndFrom = [&](std::size_t nAt, std::size_t& nEndLength) {
        const void* pLf = std::memchr(p + nAt, '\n', nEnd - nAt);
        std::size_t nStop = pLf ? static_cast<std::size_t>(static_cast<const char*>(pLf) - p) : nEnd;
        if (m_bHasCr) {
            const void* pCr = std::memchr(p + nAt, '\r', nStop - nAt);
            if (pCr)
                nStop = static_cast<std::size_t>(static_cast<const char*>(pCr) - p);
        }
        nEndLength = nStop >= nEnd ? 0 : (p[nStop] == '\r' && nStop + 1 < nEnd && p[nStop + 1] == '\n') ? 2 : 1;
        return nStop;
    };

    std::size_t nAt = 0;
    if (m_bLongLine) {
        // The rest of a long line searched in windows so far.
        std::size_t nEndLength = 0;
        const std::size_t nStop = LineEndFrom(0, nEndLength);
        const std::string_view subject(p, nStop);
        m_ranges.clear();
        m_pattern.MatchFrom(subject, m_nResume, true, m_ranges);
        for (const CSearchPattern::CRange& range : m_ranges)
            Report(subject, range, false, true);
        nAt = nStop + nEndLength;
        ++m_nLine;
        m_nDiscarded = 0;
        m_nResume = 0;
        m_bLongLine = false;
    }
    const std::string_view region(p, nEnd);
    while (nAt < nEnd) {
        std::size_t nCandidate = m_pattern.FindCandidate(region, nAt);
        // A candidate at the region's end is an empty match closing an
        // unterminated last line; after a final line end there is no line.
        if (nCandidate == npos || nCandidate > nEnd || (nCandidate == nEnd && IsLineEnd(p[nEnd - 1]))) {
            if (bLast)
                break;
            m_nLine += CountLineEnds(nAt, nEnd);
            // Unless the region stops mid-line (the file's last line), its
            // last line end counted a line that starts after it.
            if (!IsLineEnd(p[nEnd - 1]))
                ++m_nLine;
            break;
        }
        // A candidate on a line end belongs to the line that it ends.
        const bool bOnLineEnd = nCandidate < nEnd && IsLineEnd(p[nCandidate]);
        if (bOnLineEnd && nCandidate > nAt && p[nCandidate] == '\n' && p[nCandidate - 1] == '\r')
            --nCandidate;
        std::size_t nStart = nAt;
        if (nCandidate > nAt) {
            const char* pBack = p + nCandidate;
            while (pBack > p + nAt && !IsLineEnd(pBack[-1]))
                --pBack;
            nStart = static_cast<std::size_t>(pBack - p);
            // Line ends between: counted with memchr-speed std::count when no CR.
            m_nLine += CountLineEnds(nAt, nStart);
        }
        std::size_t nEndLength = 0;
        const std::size_t nStop = bOnLineEnd ? nCandidate : LineEndFrom(nCandidate, nEndLength);
        if (bOnLineEnd)
            nEndLength = (p[nCandidate] == '\r' && nCandidate + 1 < nEnd && p[nCandidate + 1] == '\n') ? 2 : 1;
        const std::string_view line(p + nStart, nStop - nStart);
        m_ranges.clear();
        m_pattern.MatchFrom(line, 0, true, m_ranges);
        for (const CSearchPattern::CRange& range : m_ranges)
            Report(line, range, true, true);
        nAt = nStop + nEndLength;
        ++m_nLine;
    }
}

void CLineSearch::SearchLongLine()
{
    const std::string_view subject(m_strBuffer);
    const std::size_t nSafe = subject.size() - kContext;
    m_ranges.clear();
    m_pattern.MatchFrom(subject, m_nResume, false, m_ranges);
    std::size_t nResume = m_nResume;
    bool bHeldBack = false;
    for (const CSearchPattern::CRange& range : m_ranges) {
        const std::size_t nMatchEnd = range.m_nOffset + range.m_nLength;
        const bool bSure = nMatchEnd < nSafe;
        // A match too long to judge within the window is taken as found, so
        // that the search moves on.
        const bool bForced = !bSure && range.m_nOffset == nResume && nResume == m_nResume;
        if (!bSure && !bForced) {
            nResume = range.m_nOffset;
            bHeldBack = true;
            break;
        }
        Report(subject, range, false, false);
        nResume = range.m_nLength > 0 ? nMatchEnd : nMatchEnd + 1;
    }
    if (!bHeldBack)
        nResume = std::max(nResume, nSafe);
    const std::size_t nDrop = nResume > kContext ? nResume - kContext : 0;
    m_strBuffer.erase(0, nDrop);
    m_nDiscarded += nDrop;
    m_nResume = nResume - nDrop;
    m_bLongLine = true;
}
