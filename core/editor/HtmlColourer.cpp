#include "core/editor/HtmlColourer.h"

#include "core/editor/KeywordMatcher.h"
#include "core/editor/MarkRange.h"
#include "core/editor/TextLines.h"

#include <algorithm>

namespace {

constexpr std::size_t kNone = std::string_view::npos;

// ASCII lower case: tag names and markers are ASCII, so folding other bytes
// could not make or break a match.
void LowerCaseInPlace(std::string& strText)
{
    for (char& ch : strText)
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
}

std::string LowerCase(std::string_view strText)
{
    std::string strLower(strText);
    LowerCaseInPlace(strLower);
    return strLower;
}

// The closing quote of the string opened at nOpen. A quote after a backslash
// is escaped unless that backslash follows another one.
std::size_t FindClosingQuote(std::string_view strText, std::size_t nOpen)
{
    std::size_t e = strText.find('"', nOpen + 1);
    while (e != kNone && e > 1 && strText[e - 1] == '\\' && strText[e - 2] != '\\')
        e = strText.find('"', e + 1);
    return e;
}

// Tags: from each '<' through the next '>', or through the end of the text.
void MarkTags(std::string_view strText, std::vector<unsigned char>& codes)
{
    std::size_t p = 0;
    while (true) {
        const std::size_t a = strText.find('<', p);
        if (a == kNone)
            break;
        const std::size_t e = strText.find('>', a);
        const std::size_t nEnd = e == kNone ? strText.size() : e + 1;
        MarkRange(codes, a, nEnd, CHtmlColourer::kColourTag);
        p = nEnd;
    }
}

} // namespace

std::string_view CHtmlColourer::TagNameList()
{
    return "a;abbr;acronym;address;applet;area;b;base;basefont;bdo;bgsound;"
           "big;blink;blockquote;body;br;button;caption;center;cite;code;col;colgroup;"
           "comment;dd;del;dfn;dir;div;dl;dt;em;embed;fieldset;font;form;frame;frameset;"
           "h1;h2;h3;h4;h5;h6;head;hr;html;i;iframe;ilayer;img;input;ins;isindex;kbd;keygen;"
           "label;layer;legend;li;link;listing;map;marquee;menu;meta;multicol;nobr;noembed;"
           "noframes;nolayer;noscript;object;ol;optgroup;option;p;param;plaintext;pre;q;s;"
           "samp;script;select;server;small;spacer;span;strike;strong;style;sub;sup;table;tbody;"
           "td;textarea;tfoot;th;thead;title;tr;tt;u;ul;var;wbr;xmp;";
}

std::string_view CHtmlColourer::WordChars()
{
    return "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_$@%&";
}

CHtmlColourer::CHtmlColourer() : m_names(CKeywordMatcher::SplitList(TagNameList()), WordChars()) {}

std::vector<unsigned char> CHtmlColourer::ColourAll(std::string_view strText) const
{
    const std::size_t n = strText.size();
    std::vector<unsigned char> codes(n, kColourPlain);
    MarkTags(strText, codes);

    // Tag names. A name counts inside a tag, that is after a '<' with no '>'
    // between: exactly the inside of a tag run past its '<'. Both ends of a
    // run ('<', and '>' or the end of the text) fail the word test, so
    // matching within each run finds the same words as matching everywhere.
    // Only the runs need folding to lower case.
    std::string strLower;
    std::size_t a = strText.find('<');
    while (a != kNone) {
        const std::size_t e = strText.find('>', a);
        const std::size_t nEnd = e == kNone ? n : e + 1;
        strLower.assign(strText.substr(a, nEnd - a));
        LowerCaseInPlace(strLower);
        m_names.Mark(strLower, codes.data() + a, kColourKeyword);
        a = nEnd < n ? strText.find('<', nEnd) : kNone;
    }

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

    // Comments, tags and strings included.
    m_comments.MarkAll(strText, codes, kColourComment);
    return codes;
}

CHtmlColourer::CLineColours CHtmlColourer::ColourLine(std::string_view strText, std::size_t nCaret,
                                                      CMarkerStateCache* pTags, CMarkerStateCache* pComments) const
{
    const std::size_t nStart = CTextLines::LineStartAt(strText, nCaret);
    const std::size_t nEnd = CTextLines::LineTextEnd(strText, nStart);
    return ColourLineOf(strText.substr(0, nStart), strText.substr(nStart, nEnd - nStart), pTags, pComments);
}

CHtmlColourer::CLineColours CHtmlColourer::ColourLineOf(std::string_view strText, std::string_view strLineText,
                                                        CMarkerStateCache* pTags, CMarkerStateCache* pComments) const
{
    CLineColours line;
    line.m_nStart = strText.size();
    const std::string strLine = LowerCase(strLineText);
    const std::size_t n = strLine.size();
    std::vector<unsigned char>& codes = line.m_codes;
    codes.assign(n, kColourPlain);
    MarkTags(strLine, codes);

    // Tag names count where the last bracket before them is a '<', which may
    // lie on an earlier line.
    std::vector<unsigned char> names(n, 0);
    m_names.Mark(strLine, names.data(), 1);
    bool bInside = pTags ? pTags->IsOpenAt(strText, line.m_nStart)
                                   : IsInsideTag(strText, line.m_nStart);
    for (std::size_t i = 0; i < n; ++i) {
        if (names[i] && bInside)
            codes[i] = kColourKeyword;
        if (strLine[i] == '<')
            bInside = true;
        else if (strLine[i] == '>')
            bInside = false;
    }

    // Strings; one without a closing quote runs to the end of the line.
    std::size_t s = strLine.find('"');
    while (s != kNone) {
        const std::size_t e = FindClosingQuote(strLine, s);
        const std::size_t nStringEnd = e == kNone ? n : e + 1;
        MarkRange(codes, s, nStringEnd, kColourString);
        s = nStringEnd + 1 < n ? strLine.find('"', nStringEnd + 1) : kNone;
    }

    const bool bOpenBefore = pComments ? pComments->IsOpenAt(strText, line.m_nStart)
                                                 : IsInsideComment(strText, line.m_nStart);
    m_comments.MarkLine(strLine, bOpenBefore, codes, kColourComment);
    return line;
}

std::vector<CMarkerStateCache> CHtmlColourer::MakeCaches() const
{
    std::vector<CMarkerStateCache> caches;
    caches.push_back(MakeTagCache());
    caches.push_back(MakeCommentCache());
    return caches;
}

CHtmlColourer::CLineColours CHtmlColourer::ColourCachedLine(std::string_view strBefore, std::string_view strLine,
                                                            std::span<CMarkerStateCache> caches) const
{
    return ColourLineOf(strBefore, strLine, &caches[0], &caches[1]);
}

bool CHtmlColourer::IsInsideTag(std::string_view strText, std::size_t nPos)
{
    nPos = std::min(nPos, strText.size());
    for (std::size_t k = nPos; k > 0; --k) {
        if (strText[k - 1] == '<')
            return true;
        if (strText[k - 1] == '>')
            return false;
    }
    return false;
}

bool CHtmlColourer::IsInsideComment(std::string_view strText, std::size_t nPos)
{
    return MakeCommentCache().IsOpenAtUncached(strText, nPos);
}

std::array<std::uint32_t, 256> CHtmlColourer::ColourTable(std::uint32_t crPlain, std::uint32_t crKeyword,
                                                          std::uint32_t crComment, std::uint32_t crString,
                                                          std::uint32_t crTag)
{
    std::array<std::uint32_t, 256> table;
    table.fill(crPlain);
    table[kColourKeyword] = crKeyword;
    table[kColourComment] = crComment;
    table[kColourString] = crString;
    table[kColourTag] = crTag;
    return table;
}
