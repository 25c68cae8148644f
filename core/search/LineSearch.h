#pragma once

#include "core/search/FileSearch.h"

#include <cstddef>
#include <string>
#include <vector>

// Splits one file's bytes, fed a block at a time, into lines (CR LF, LF
// and lone CR each end one) and reports each match in them. Only lines that
// may hold a match are split out: the pattern finds candidates in the whole
// block and lines are counted up to each. A line longer than kLongLine is
// searched in windows, so memory stays bounded however long it grows.
class CLineSearch {
public:
    static constexpr std::size_t kLongLine = 1024 * 1024;
    // Text kept before the resume point of a long line (for lookbehind,
    // the word test and the shown text) and held back at its end (so that a
    // match is judged with this much text after it).
    static constexpr std::size_t kContext = 64 * 1024;

    CLineSearch(const CSearchPattern& pattern, std::size_t nFile, ISearchSink& sink);

    // The next bytes of the file; bLast with the final ones (which may be none).
    void Feed(const char* pBytes, std::size_t nBytes, bool bLast);
    // The same for a block the caller no longer needs: taken over without a
    // copy when nothing is held back; strBlock is left empty either way.
    void Feed(std::string& strBlock, bool bLast);
    std::size_t Hits() const { return m_nHits; }

private:
    // bLast: nothing follows, so the lines after the last candidate need no counting.
    void SearchLines(std::size_t nEnd, bool bLast);
    void SearchLongLine();
    void Report(std::string_view subject, const CSearchPattern::CRange& range, bool bWholeLine, bool bEndsLine);
    std::size_t CountLineEnds(std::size_t nFrom, std::size_t nTo) const;

    const CSearchPattern& m_pattern;
    std::size_t m_nFile;
    ISearchSink& m_sink;
    std::string m_strBuffer;       // from the start (or kept context) of the current line on
    std::size_t m_nLine = 1;       // the number of the line at m_strBuffer[0]
    std::size_t m_nDiscarded = 0;  // bytes of that line already dropped
    std::size_t m_nResume = 0;     // where matching goes on in that line
    bool m_bLongLine = false;      // that line is searched in windows so far
    bool m_bHasCr = false;         // whether the region being split holds a CR
    std::size_t m_nHits = 0;
    std::vector<CSearchPattern::CRange> m_ranges;
};
