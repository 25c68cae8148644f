#include "core/editor/JavaColourer.h"

#include "core/editor/MarkRange.h"
#include "core/editor/TextLines.h"

#include <algorithm>

namespace {

constexpr std::size_t kNone = std::string_view::npos;

// The closing quote of the string opened at nOpen: the next quote whose
// preceding character is not a backslash. Only that one character is looked
// at, so "\\" followed by a quote does not close the string.
std::size_t FindClosingQuote(std::string_view strText, std::size_t nOpen)
{
    std::size_t e = strText.find('"', nOpen + 1);
    while (e != kNone && strText[e - 1] == '\\')
        e = strText.find('"', e + 1);
    return e;
}

// The first "//" at or after nFrom whose '/' is not already string-coloured.
std::size_t FindLineComment(std::string_view strText, const std::vector<unsigned char>& codes, std::size_t nFrom)
{
    std::size_t d = strText.find("//", nFrom);
    while (d != kNone && codes[d] == CJavaColourer::kColourString)
        d = strText.find("//", d + 1);
    return d;
}

} // namespace

std::string_view CJavaColourer::KeywordList()
{
    return "abstract;boolean;break;byte;byvalue;case;cast;"
           "default;do;double;else;extends;false;final;goto;if;implements;"
           "import;inner;instanceof;int;operator;outer;package;private;"
           "protected;public;rest;synchronized;this;throw;throws;transient;"
           "true;try;catch;char;class;const;continue;finally;float;for;future;"
           "generic;interface;long;native;new;null;return;short;static;super;"
           "switch;var;void;volatile;while;";
}

std::string_view CJavaColourer::WordChars()
{
    return "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_";
}

CJavaColourer::CJavaColourer() : m_matcher(CKeywordMatcher::SplitList(KeywordList()), WordChars()) {}

std::vector<unsigned char> CJavaColourer::ColourAll(std::string_view strText) const
{
    const std::size_t n = strText.size();
    std::vector<unsigned char> codes(n, kColourPlain);
    m_matcher.Mark(strText, codes.data(), kColourKeyword);

    // Strings. The character right after a closing quote never opens the next
    // string. A quote that finds no closer ends the pass: every later quote is
    // escaped, so none of them could be closed either.
    std::size_t p = 0;
    while (true) {
        const std::size_t s = strText.find('"', p);
        if (s == kNone)
            break;
        const std::size_t e = FindClosingQuote(strText, s);
        if (e == kNone)
            break;
        MarkRange(codes, s, e + 1, kColourString);
        p = e + 2;
        if (p + 1 >= n)
            break;
    }

    // Line comments run to the line feed, which keeps its own class.
    p = 0;
    while (true) {
        const std::size_t d = FindLineComment(strText, codes, p);
        if (d == kNone)
            break;
        std::size_t e = strText.find('\n', d);
        if (e == kNone)
            e = n;
        MarkRange(codes, d, e, kColourComment);
        p = e + 1;
    }

    // Block comments ignore strings and line comments.
    m_comments.MarkAll(strText, codes, kColourComment);
    return codes;
}

CJavaColourer::CLineColours CJavaColourer::ColourLine(std::string_view strText, std::size_t nCaret,
                                                      CMarkerStateCache* pComments) const
{
    const std::size_t nStart = CTextLines::LineStartAt(strText, nCaret);
    const std::size_t nEnd = CTextLines::LineTextEnd(strText, nStart);
    return ColourLineOf(strText.substr(0, nStart), strText.substr(nStart, nEnd - nStart), pComments);
}

CJavaColourer::CLineColours CJavaColourer::ColourLineOf(std::string_view strText, std::string_view strLine,
                                                        CMarkerStateCache* pComments) const
{
    CLineColours line;
    line.m_nStart = strText.size();
    const std::size_t n = strLine.size();
    std::vector<unsigned char>& codes = line.m_codes;
    codes.assign(n, kColourPlain);
    m_matcher.Mark(strLine, codes.data(), kColourKeyword);

    // Strings; one without a closing quote runs to the end of the line.
    std::size_t s = strLine.find('"');
    while (s != kNone) {
        const std::size_t e = FindClosingQuote(strLine, s);
        const std::size_t nStringEnd = e == kNone ? n : e + 1;
        MarkRange(codes, s, nStringEnd, kColourString);
        s = strLine.find('"', nStringEnd + 1);
    }

    const std::size_t d = FindLineComment(strLine, codes, 0);
    if (d != kNone)
        MarkRange(codes, d, n, kColourComment);

    const bool bOpenBefore =
        pComments ? pComments->IsOpenAt(strText, line.m_nStart) : IsInsideBlockComment(strText, line.m_nStart);
    m_comments.MarkLine(strLine, bOpenBefore, codes, kColourComment);
    return line;
}

std::vector<CMarkerStateCache> CJavaColourer::MakeCaches() const
{
    std::vector<CMarkerStateCache> caches;
    caches.push_back(MakeCommentCache());
    return caches;
}

CJavaColourer::CLineColours CJavaColourer::ColourCachedLine(std::string_view strBefore, std::string_view strLine,
                                                            std::span<CMarkerStateCache> caches) const
{
    return ColourLineOf(strBefore, strLine, &caches[0]);
}

bool CJavaColourer::IsInsideBlockComment(std::string_view strText, std::size_t nPos)
{
    const std::string_view strBefore = strText.substr(0, std::min(nPos, strText.size()));
    // Only the marker that starts last matters; both contain a '/', so walk
    // back over the slashes and look at their neighbours.
    for (std::size_t k = strBefore.size(); k > 0; --k) {
        const std::size_t nSlash = k - 1;
        if (strBefore[nSlash] != '/')
            continue;
        if (nSlash + 1 < strBefore.size() && strBefore[nSlash + 1] == '*')
            return true;
        if (nSlash > 0 && strBefore[nSlash - 1] == '*')
            return false;
    }
    return false;
}

std::array<std::uint32_t, 256> CJavaColourer::ColourTable(std::uint32_t crPlain, std::uint32_t crKeyword,
                                                          std::uint32_t crComment, std::uint32_t crString)
{
    std::array<std::uint32_t, 256> table;
    table.fill(crPlain);
    table[kColourKeyword] = crKeyword;
    table[kColourComment] = crComment;
    table[kColourString] = crString;
    return table;
}
