#include "core/editor/LineEndKeeper.h"

#include "core/editor/LineMatch.h"

#include <unordered_map>
#include <utility>

CLineEndKeeper::CLineEndKeeper(ELineEnd eDefault) : m_eMajority(eDefault) {}

std::vector<CLineEndKeeper::CLine> CLineEndKeeper::SplitLines(std::string_view strText)
{
    std::vector<CLine> lines;
    std::size_t nStart = 0;
    for (std::size_t i = 0; i < strText.size(); ++i) {
        const char ch = strText[i];
        if (ch != '\r' && ch != '\n')
            continue;
        ELineEnd eBreak = ch == '\n' ? ELineEnd::Lf : ELineEnd::Cr;
        if (ch == '\r' && i + 1 < strText.size() && strText[i + 1] == '\n')
            eBreak = ELineEnd::CrLf;
        lines.push_back({nStart, i - nStart, static_cast<int>(eBreak)});
        if (eBreak == ELineEnd::CrLf)
            ++i;
        nStart = i + 1;
    }
    lines.push_back({nStart, strText.size() - nStart, kNoBreak});
    return lines;
}

void CLineEndKeeper::Load(std::string strBytes, ELineEnd eDefault)
{
    m_strLoaded = std::move(strBytes);
    m_eMajority = CLineEnds::Detect(m_strLoaded, eDefault);
}

void CLineEndKeeper::UseEverywhere(ELineEnd eLineEnd)
{
    m_strLoaded.clear();
    m_eMajority = eLineEnd;
}

std::string CLineEndKeeper::BytesFor(std::string_view strText) const
{
    // The file's lines are split only now: a file opened and never saved
    // costs no more than its bytes.
    const std::vector<CLine> oldLines = SplitLines(m_strLoaded);
    const std::vector<CLine> lines = SplitLines(strText);

    // The break each new line gets: its matched old line's, else the majority.
    const std::string_view strMajority = CLineEnds::Sequence(m_eMajority);
    std::vector<std::string_view> breaks(lines.size(), strMajority);
    auto keepBreak = [&](std::size_t nOld, std::size_t nNew) {
        if (oldLines[nOld].m_nBreak != kNoBreak)
            breaks[nNew] = CLineEnds::Sequence(static_cast<ELineEnd>(oldLines[nOld].m_nBreak));
    };
    const std::string_view strLoaded = m_strLoaded;
    auto oldLine = [&](std::size_t i) { return strLoaded.substr(oldLines[i].m_nStart, oldLines[i].m_nLength); };
    auto newLine = [&](std::size_t i) { return strText.substr(lines[i].m_nStart, lines[i].m_nLength); };

    // The unchanged start and end are compared as they are; only the lines
    // in between are hashed and diffed, so a small edit costs little more
    // than a plain conversion.
    const std::size_t nOld = oldLines.size();
    const std::size_t nNew = lines.size();
    std::size_t nPrefix = 0;
    while (nPrefix < nOld && nPrefix < nNew && oldLine(nPrefix) == newLine(nPrefix)) {
        keepBreak(nPrefix, nPrefix);
        ++nPrefix;
    }
    std::size_t nSuffix = 0;
    while (nSuffix < nOld - nPrefix && nSuffix < nNew - nPrefix &&
           oldLine(nOld - 1 - nSuffix) == newLine(nNew - 1 - nSuffix)) {
        keepBreak(nOld - 1 - nSuffix, nNew - 1 - nSuffix);
        ++nSuffix;
    }

    if (nOld - nPrefix - nSuffix > 0 && nNew - nPrefix - nSuffix > 0) {
        // Equal lines get equal ids, so the diff compares integers.
        std::unordered_map<std::string_view, int> ids;
        ids.reserve(nOld + nNew - 2 * (nPrefix + nSuffix));
        auto idOf = [&ids](std::string_view strLine) {
            return ids.emplace(strLine, static_cast<int>(ids.size())).first->second;
        };
        std::vector<int> oldIds, newIds;
        for (std::size_t i = nPrefix; i < nOld - nSuffix; ++i)
            oldIds.push_back(idOf(oldLine(i)));
        for (std::size_t i = nPrefix; i < nNew - nSuffix; ++i)
            newIds.push_back(idOf(newLine(i)));
        for (const auto& [nOldIndex, nNewIndex] : CLineMatch::Match(oldIds, newIds, kMaxEdits))
            keepBreak(nPrefix + nOldIndex, nPrefix + nNewIndex);
    }

    std::string strOut;
    strOut.reserve(strText.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        strOut.append(strText.substr(lines[i].m_nStart, lines[i].m_nLength));
        if (i + 1 == lines.size())
            break;
        // An empty line's LF right after a lone CR would read back as one
        // CR LF break and lose the line: it gets a CR as well.
        if (breaks[i] == "\n" && lines[i].m_nLength == 0 && !strOut.empty() && strOut.back() == '\r')
            strOut.append("\r");
        else
            strOut.append(breaks[i]);
    }
    return strOut;
}
