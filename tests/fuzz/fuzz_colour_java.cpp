// Feeds arbitrary text to the Java colourer. Whole-text colouring must give one
// class code per character, its run listing must cover the text in order, the
// restyling runs must cover what differs, and colouring one line must stay on
// that line, read only the text before it, and agree with whole-text colouring
// on text without strings or block comments.
#include "core/editor/ColourListing.h"
#include "core/editor/ColourRun.h"
#include "core/editor/JavaColourer.h"
#include "core/editor/TextLines.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

const CJavaColourer& Colourer()
{
    static const CJavaColourer colourer;
    return colourer;
}

bool IsClassCode(unsigned char nCode)
{
    return nCode == CJavaColourer::kColourPlain || nCode == CJavaColourer::kColourKeyword ||
           nCode == CJavaColourer::kColourComment || nCode == CJavaColourer::kColourString;
}

void Check(bool bHolds)
{
    if (!bHolds)
        std::abort();
}

void CheckCodes(const std::vector<unsigned char>& codes, std::size_t nSize)
{
    Check(codes.size() == nSize);
    for (unsigned char nCode : codes)
        Check(IsClassCode(nCode));
}

// "START END CLASS" lines: consecutive, non-empty, covering [0, nSize), and
// neighbours of different classes.
void CheckRunListing(const std::vector<unsigned char>& codes)
{
    const std::string strRuns = CColourListing::Runs(codes);
    std::size_t nExpectedStart = 0;
    std::size_t nStart = 0;
    std::size_t nEnd = 0;
    std::string strClass;
    std::string strPrevious;
    for (std::size_t nLine = 0; nLine < strRuns.size();) {
        const std::size_t nBreak = strRuns.find('\n', nLine);
        Check(nBreak != std::string::npos);
        char szClass[16] = {};
        Check(std::sscanf(strRuns.c_str() + nLine, "%zu %zu %15s", &nStart, &nEnd, szClass) == 3);
        strClass = szClass;
        nLine = nBreak + 1;
        Check(nStart == nExpectedStart && nStart < nEnd && nEnd <= codes.size());
        Check(strClass != strPrevious);
        for (std::size_t i = nStart; i < nEnd; ++i)
            Check(CColourListing::ClassName(codes[i]) == strClass);
        nExpectedStart = nEnd;
        strPrevious = strClass;
    }
    Check(nExpectedStart == codes.size());
}

// With nothing known on screen every maximal run is restyled, in order and
// without gaps; with the same codes on screen nothing is.
void CheckRunsToApply(const std::vector<unsigned char>& codes, std::size_t nBase)
{
    const auto identity = CColourRun::IdentityColours();
    const std::vector<CColourRun> runs = CColourRun::RunsToApply(codes, {}, nBase, identity);
    std::size_t nExpectedStart = nBase;
    for (std::size_t k = 0; k < runs.size(); ++k) {
        const CColourRun& run = runs[k];
        Check(run.m_nStart == nExpectedStart && run.m_nStart < run.m_nEnd && run.m_nEnd <= nBase + codes.size());
        for (std::size_t i = run.m_nStart; i < run.m_nEnd; ++i)
            Check(codes[i - nBase] == run.m_nCode);
        if (k > 0)
            Check(runs[k - 1].m_nCode != run.m_nCode);
        nExpectedStart = run.m_nEnd;
    }
    Check(nExpectedStart == nBase + codes.size());
    Check(CColourRun::RunsToApply(codes, codes, nBase, identity).empty());
}

// Colours the line holding nCaret and checks where it lies; returns it.
CJavaColourer::CLineColours CheckLine(std::string_view strText, std::size_t nCaret)
{
    CJavaColourer::CLineColours line = Colourer().ColourLine(strText, nCaret);
    const std::size_t nEnd = CTextLines::LineTextEnd(strText, line.m_nStart);
    Check(line.m_nStart <= nCaret && line.m_nStart <= strText.size());
    Check(line.m_nStart == 0 || strText[line.m_nStart - 1] == '\n' || strText[line.m_nStart - 1] == '\r');
    CheckCodes(line.m_codes, nEnd - line.m_nStart);
    // Nothing after the line's end is consulted.
    const CJavaColourer::CLineColours cut = Colourer().ColourLine(strText.substr(0, nEnd), nCaret);
    Check(cut.m_nStart == line.m_nStart && cut.m_codes == line.m_codes);
    return line;
}

// The line starts to check: all of them for short texts, a spread of sixteen
// otherwise (each line colouring looks back over the text before it).
std::vector<std::size_t> LineStarts(std::string_view strText)
{
    std::vector<std::size_t> starts;
    for (std::size_t nStart = 0; nStart != CTextLines::kNoLine; nStart = CTextLines::NextLineStart(strText, nStart))
        starts.push_back(nStart);
    if (starts.size() <= 16)
        return starts;
    std::vector<std::size_t> spread;
    for (std::size_t k = 0; k < 16; ++k)
        spread.push_back(starts[k * (starts.size() - 1) / 15]);
    return spread;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string_view strText(reinterpret_cast<const char*>(pData), nSize);
    const std::vector<unsigned char> codes = Colourer().ColourAll(strText);
    CheckCodes(codes, nSize);
    CheckRunListing(codes);
    CheckRunsToApply(codes, nSize % 7);
    for (std::size_t nStart : LineStarts(strText))
        CheckLine(strText, nStart);
    CheckLine(strText, nSize);

    // Without quotes, block comment openers or lone carriage returns both
    // colourings describe the same thing, line by line.
    std::string strPlain(strText);
    for (std::size_t i = 0; i < strPlain.size(); ++i) {
        if (strPlain[i] == '"')
            strPlain[i] = '\'';
        else if (strPlain[i] == '*')
            strPlain[i] = '+';
        else if (strPlain[i] == '\r' && (i + 1 == strPlain.size() || strPlain[i + 1] != '\n'))
            strPlain[i] = ' ';
    }
    const std::vector<unsigned char> plainCodes = Colourer().ColourAll(strPlain);
    for (std::size_t nStart : LineStarts(strPlain)) {
        const CJavaColourer::CLineColours line = CheckLine(strPlain, nStart);
        for (std::size_t i = 0; i < line.m_codes.size(); ++i)
            Check(line.m_codes[i] == plainCodes[line.m_nStart + i]);
    }
    return 0;
}
