// Feeds arbitrary text to the HTML colourer. Whole-text colouring must give
// one class code per character; colouring one line must stay on that line,
// read only the text before it, and give the same codes with the marker
// caches as without them, also after edits the caches are told of.
#include "core/editor/HtmlColourer.h"
#include "core/editor/MarkerStateCache.h"
#include "core/editor/TextLines.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

const CHtmlColourer& Colourer()
{
    static const CHtmlColourer colourer;
    return colourer;
}

void Check(bool bHolds)
{
    if (!bHolds)
        std::abort();
}

bool IsClassCode(unsigned char nCode)
{
    return nCode >= CHtmlColourer::kColourTag && nCode <= CHtmlColourer::kColourKeyword;
}

// A spread of at most sixteen line starts.
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

// The line at nCaret, coloured without and with caches, must agree and lie
// within the text; nothing after the line's end may count.
void CheckLine(std::string_view strText, std::size_t nCaret, CMarkerStateCache& tags, CMarkerStateCache& comments)
{
    const CHtmlColourer::CLineColours plain = Colourer().ColourLine(strText, nCaret);
    const CHtmlColourer::CLineColours cached = Colourer().ColourLine(strText, nCaret, &tags, &comments);
    Check(plain.m_nStart == cached.m_nStart && plain.m_codes == cached.m_codes);
    const std::size_t nEnd = CTextLines::LineTextEnd(strText, plain.m_nStart);
    Check(plain.m_nStart <= nCaret && plain.m_nStart + plain.m_codes.size() == nEnd);
    for (unsigned char nCode : plain.m_codes)
        Check(IsClassCode(nCode));
    const CHtmlColourer::CLineColours cut = Colourer().ColourLine(strText.substr(0, nEnd), nCaret);
    Check(cut.m_nStart == plain.m_nStart && cut.m_codes == plain.m_codes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    std::string strText(reinterpret_cast<const char*>(pData), nSize);
    const std::vector<unsigned char> codes = Colourer().ColourAll(strText);
    Check(codes.size() == nSize);
    for (unsigned char nCode : codes)
        Check(IsClassCode(nCode));

    CMarkerStateCache tags = CHtmlColourer::MakeTagCache();
    CMarkerStateCache comments = CHtmlColourer::MakeCommentCache();
    tags.Fill(strText);
    comments.Fill(strText);
    for (std::size_t nStart : LineStarts(strText))
        CheckLine(strText, nStart, tags, comments);

    // Edits told to the caches: cut the middle third out, then put a marker in.
    const std::size_t nFrom = nSize / 3;
    strText.erase(nFrom, nSize / 3);
    tags.OnTextChanged(nFrom);
    comments.OnTextChanged(nFrom);
    strText.insert(nFrom / 2, "<!--");
    tags.OnTextChanged(nFrom / 2);
    comments.OnTextChanged(nFrom / 2);
    for (std::size_t nStart : LineStarts(strText))
        CheckLine(strText, nStart, tags, comments);
    CheckLine(strText, strText.size(), tags, comments);
    return 0;
}
