#include "core/editor/JavaColourer.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

// The colouring passes written out literally (repeated searching, no
// shortcuts) to check that the linear colourer gives identical codes.
namespace {

using CCodes = std::vector<unsigned char>;
constexpr auto kNone = std::string::npos;
constexpr unsigned char P = CJavaColourer::kColourPlain, K = CJavaColourer::kColourKeyword,
                        C = CJavaColourer::kColourComment, S = CJavaColourer::kColourString;

void Fill(CCodes& codes, std::size_t a, std::size_t b, unsigned char nCode)
{
    for (std::size_t i = a; i < b && i < codes.size(); ++i)
        codes[i] = nCode;
}

void ReferenceKeywords(const std::string& t, CCodes& codes)
{
    static const CJavaColourer colourer;
    const std::string_view strWord = CJavaColourer::WordChars();
    auto isWord = [&](char ch) { return strWord.find(ch) != kNone; };
    for (const std::string& k : colourer.Keywords()) {
        for (std::size_t i = t.find(k); i != kNone; i = t.find(k, i + 1)) {
            if ((i > 0 && isWord(t[i - 1])) || (i + k.size() < t.size() && isWord(t[i + k.size()])))
                continue;
            Fill(codes, i, i + k.size(), K);
        }
    }
}

std::size_t ReferenceLineComment(const std::string& t, const CCodes& codes, std::size_t p)
{
    std::size_t d = t.find("//", p);
    while (d != kNone && codes[d] == S)
        d = t.find("//", d + 1);
    return d;
}

CCodes ReferenceAll(const std::string& t)
{
    const long n = static_cast<long>(t.size());
    CCodes codes(t.size(), P);
    ReferenceKeywords(t, codes);
    long p = 0;
    do {
        const std::size_t s = t.find('"', p);
        if (s == kNone)
            break;
        std::size_t e = t.find('"', s + 1);
        while (e != kNone && t[e - 1] == '\\')
            e = t.find('"', e + 1);
        std::size_t end = s;
        if (e != kNone) {
            end = e + 1;
            Fill(codes, s, end, S);
        }
        p = static_cast<long>(end) + 1;
    } while (p < n - 1);
    for (std::size_t q = 0, d; (d = ReferenceLineComment(t, codes, q)) != kNone;) {
        const std::size_t e = t.find('\n', d) == kNone ? t.size() : t.find('\n', d);
        Fill(codes, d, e, C);
        q = e + 1;
    }
    for (std::size_t q = 0, d; (d = t.find("/*", q)) != kNone;) {
        const std::size_t e = t.find("*/", d);
        const std::size_t end = e == kNone ? t.size() : e + 2;
        Fill(codes, d, end, C);
        q = end + 1;
    }
    return codes;
}

bool ReferenceInside(const std::string& t, std::size_t pos)
{
    const std::string b = t.substr(0, pos);
    if (b.find("/*") == kNone)
        return false;
    return b.find("*/") == kNone || b.rfind("/*") > b.rfind("*/");
}

CCodes ReferenceLine(const std::string& text, std::size_t caret, std::size_t& nStart)
{
    const std::size_t nPrev = text.rfind("\r\n", caret == 0 ? 0 : caret - 1);
    nStart = (caret == 0 || nPrev == kNone) ? 0 : nPrev + 2;
    const std::size_t nNext = text.find("\r\n", nStart);
    const std::string t = text.substr(nStart, (nNext == kNone ? text.size() : nNext) - nStart);
    const std::size_t n = t.size();
    CCodes codes(n, P);
    ReferenceKeywords(t, codes);
    for (std::size_t s = t.find('"'); s != kNone;) {
        std::size_t e = t.find('"', s + 1);
        while (e != kNone && e > 1 && e < n && t[e - 1] == '\\')
            e = t.find('"', e + 1);
        const std::size_t end = e == kNone ? n : e + 1;
        Fill(codes, s, end, S);
        s = t.find('"', end + 1);
    }
    const std::size_t d = ReferenceLineComment(t, codes, 0);
    if (d != kNone)
        Fill(codes, d, n, C);
    const bool o = ReferenceInside(text, nStart);
    if (t.find("*/") == kNone && o && n > 0)
        Fill(codes, 0, n, C);
    for (std::size_t q = 0;;) {
        const std::size_t open = t.find("/*", q);
        if (open == kNone) {
            const std::size_t e = t.find("*/");
            if (e != kNone && o)
                Fill(codes, 0, e + 2, C);
            break;
        }
        const std::size_t e = t.find("*/", open);
        Fill(codes, open, e == kNone ? n : e + 2, C);
        if (e == kNone)
            break;
        q = e;
    }
    return codes;
}

std::string RandomJava(std::mt19937& random)
{
    static const char* kTokens[] = {"/", "*", "\"", "\\", "\r\n", "int", "do", "double",
                                    " ", "x", "//", "/*", "*/",   "_",   "2"};
    std::string strText;
    const int nTokens = static_cast<int>(random() % 40);
    for (int i = 0; i < nTokens; ++i)
        strText += kTokens[random() % std::size(kTokens)];
    return strText;
}

} // namespace

TEST(JavaColourReference, LinearPassesMatchTheLiteralAlgorithm)
{
    std::mt19937 random(20240611);
    const CJavaColourer colourer;
    for (int nCase = 0; nCase < 2500; ++nCase) {
        const std::string strText = RandomJava(random);
        ASSERT_EQ(colourer.ColourAll(strText), ReferenceAll(strText)) << strText;
        for (std::size_t nCaret = 0; nCaret <= strText.size(); ++nCaret) {
            if (nCaret > 0 && strText[nCaret - 1] == '\r')
                continue; // never between CR and LF
            ASSERT_EQ(CJavaColourer::IsInsideBlockComment(strText, nCaret), ReferenceInside(strText, nCaret));
            std::size_t nStart = 0;
            const CCodes expected = ReferenceLine(strText, nCaret, nStart);
            const CJavaColourer::CLineColours line = colourer.ColourLine(strText, nCaret);
            ASSERT_EQ(line.m_nStart, nStart) << strText << " @" << nCaret;
            ASSERT_EQ(line.m_codes, expected) << strText << " @" << nCaret;
        }
    }
}
