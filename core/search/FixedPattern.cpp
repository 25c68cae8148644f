#include "core/search/FixedPattern.h"

#include "core/search/WordBytes.h"

#include <cstring>

namespace {
// Bytes of Java source from the most common on; any byte not listed is
// rarer than all of them.
constexpr std::string_view kCommonBytes = " e\tt\nai;o(rn)ls.cd=u\"pmh,{}g/f*b_yv1w0k:x[]2+j-zq";
constexpr std::size_t kTooCommon = 8; // a needle of only these: memmem does better

std::size_t Rareness(unsigned char c)
{
    const std::size_t nAt = kCommonBytes.find(static_cast<char>(c));
    return nAt == std::string_view::npos ? kCommonBytes.size() : nAt;
}
} // namespace

CFixedPattern::CFixedPattern(std::string strNeedle, bool bMatchCase, bool bWholeWord)
    : m_strNeedle(std::move(strNeedle)), m_bMatchCase(bMatchCase), m_bWholeWord(bWholeWord)
{
    if (m_bMatchCase && !m_strNeedle.empty()) {
        std::size_t nBest = 0;
        for (std::size_t i = 1; i < m_strNeedle.size(); ++i)
            if (Rareness(static_cast<unsigned char>(m_strNeedle[i])) >
                Rareness(static_cast<unsigned char>(m_strNeedle[nBest])))
                nBest = i;
        if (Rareness(static_cast<unsigned char>(m_strNeedle[nBest])) >= kTooCommon)
            m_nRare = nBest;
    }
    if (!m_bMatchCase) {
        for (char& c : m_strNeedle)
            c = static_cast<char>(FoldAscii(static_cast<unsigned char>(c)));
        m_cFirstLower = static_cast<unsigned char>(m_strNeedle[0]);
        m_cFirstUpper = (m_cFirstLower >= 'a' && m_cFirstLower <= 'z')
                            ? static_cast<unsigned char>(m_cFirstLower - ('a' - 'A'))
                            : m_cFirstLower;
    }
}

std::size_t CFixedPattern::FindRaw(std::string_view text, std::size_t nFrom) const
{
    const std::size_t nNeedle = m_strNeedle.size();
    if (nFrom > text.size() || text.size() - nFrom < nNeedle)
        return std::string_view::npos;
    const char* pBase = text.data();
    if (m_bMatchCase && m_nRare != std::string::npos) {
        // memchr for the rare byte, then the whole needle around it.
        const char cRare = m_strNeedle[m_nRare];
        const char* pAt = pBase + nFrom + m_nRare;
        const char* const pStop = pBase + (text.size() - nNeedle) + m_nRare + 1;
        while (pAt < pStop) {
            const void* pFound = std::memchr(pAt, cRare, static_cast<std::size_t>(pStop - pAt));
            if (!pFound)
                return std::string_view::npos;
            const char* pStart = static_cast<const char*>(pFound) - m_nRare;
            if (std::memcmp(pStart, m_strNeedle.data(), nNeedle) == 0)
                return static_cast<std::size_t>(pStart - pBase);
            pAt = static_cast<const char*>(pFound) + 1;
        }
        return std::string_view::npos;
    }
    if (m_bMatchCase) {
        const void* pFound = ::memmem(pBase + nFrom, text.size() - nFrom, m_strNeedle.data(), nNeedle);
        return pFound ? static_cast<std::size_t>(static_cast<const char*>(pFound) - pBase) : std::string_view::npos;
    }
    // Both cases of the first byte with memchr, the rest compared folded.
    const std::size_t nLast = text.size() - nNeedle; // the last start that fits
    std::size_t nLower = nFrom;
    std::size_t nUpper = nFrom;
    const auto Next = [&](unsigned char c, std::size_t nAt) {
        if (nAt > nLast)
            return std::string_view::npos;
        const void* p = std::memchr(pBase + nAt, c, nLast + 1 - nAt);
        return p ? static_cast<std::size_t>(static_cast<const char*>(p) - pBase) : std::string_view::npos;
    };
    nLower = Next(m_cFirstLower, nFrom);
    nUpper = m_cFirstUpper == m_cFirstLower ? std::string_view::npos : Next(m_cFirstUpper, nFrom);
    while (nLower != std::string_view::npos || nUpper != std::string_view::npos) {
        const bool bLower = nUpper == std::string_view::npos || (nLower != std::string_view::npos && nLower < nUpper);
        const std::size_t nAt = bLower ? nLower : nUpper;
        std::size_t i = 1;
        while (i < nNeedle && FoldAscii(static_cast<unsigned char>(pBase[nAt + i])) ==
                                  static_cast<unsigned char>(m_strNeedle[i]))
            ++i;
        if (i == nNeedle)
            return nAt;
        if (bLower)
            nLower = Next(m_cFirstLower, nAt + 1);
        else
            nUpper = Next(m_cFirstUpper, nAt + 1);
    }
    return std::string_view::npos;
}

void CFixedPattern::MatchFrom(std::string_view subject, std::size_t nStart, bool bEndsLine,
                              std::vector<CRange>& ranges) const
{
    std::size_t nAt = nStart;
    while (true) {
        const std::size_t nFound = FindRaw(subject, nAt);
        if (nFound == std::string_view::npos)
            return;
        const std::size_t nEnd = nFound + m_strNeedle.size();
        // A match touching the end of a subject that does not end the line
        // cannot be judged here; the caller sees it again with more text.
        if (!bEndsLine && nEnd >= subject.size())
            return;
        if (!m_bWholeWord || IsWholeWordAt(subject, nFound, m_strNeedle.size())) {
            ranges.push_back({nFound, m_strNeedle.size()});
            nAt = nEnd;
        } else {
            nAt = nFound + 1;
        }
    }
}

std::size_t CFixedPattern::FindCandidate(std::string_view block, std::size_t nFrom) const
{
    return FindRaw(block, nFrom);
}
