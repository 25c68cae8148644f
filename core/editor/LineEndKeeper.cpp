#include "core/editor/LineEndKeeper.h"

#include "core/editor/LineMatch.h"

#include <unordered_map>

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

void CLineEndKeeper::Load(std::string_view strBytes, ELineEnd eDefault)
{
    m_strLoaded.assign(strBytes);
    m_lines = SplitLines(m_strLoaded);
    m_eMajority = CLineEnds::Detect(m_strLoaded, eDefault);
}

void CLineEndKeeper::UseEverywhere(ELineEnd eLineEnd)
{
    m_strLoaded.clear();
    m_lines.clear();
    m_eMajority = eLineEnd;
}

std::string CLineEndKeeper::BytesFor(std::string_view strText) const
{
    const std::vector<CLine> lines = SplitLines(strText);

    // Equal lines get equal ids, so the diff compares integers.
    std::unordered_map<std::string_view, int> ids;
    ids.reserve(m_lines.size() + lines.size());
    auto idsOf = [&ids](std::string_view strOwner, const std::vector<CLine>& owned) {
        std::vector<int> out;
        out.reserve(owned.size());
        for (const CLine& line : owned)
            out.push_back(ids.emplace(strOwner.substr(line.m_nStart, line.m_nLength), static_cast<int>(ids.size()))
                              .first->second);
        return out;
    };
    const std::vector<int> oldIds = idsOf(m_strLoaded, m_lines);
    const std::vector<int> newIds = idsOf(strText, lines);

    // The break each new line gets: its matched old line's, else the majority.
    const std::string_view strMajority = CLineEnds::Sequence(m_eMajority);
    std::vector<std::string_view> breaks(lines.size(), strMajority);
    if (!m_lines.empty()) {
        for (const auto& [nOld, nNew] : CLineMatch::Match(oldIds, newIds, kMaxEdits))
            if (m_lines[nOld].m_nBreak != kNoBreak)
                breaks[nNew] = CLineEnds::Sequence(static_cast<ELineEnd>(m_lines[nOld].m_nBreak));
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
