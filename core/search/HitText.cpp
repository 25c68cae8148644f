#include "core/search/HitText.h"

#include <cstdint>
#include <cstring>
#include <vector>

std::size_t CHitText::CharLength(std::string_view text, std::size_t nAt)
{
    const auto Byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char c = Byte(nAt);
    if (c < 0x80)
        return 1;
    std::size_t nLength = 0;
    unsigned char nLow = 0x80;
    unsigned char nHigh = 0xBF;
    if (c >= 0xC2 && c <= 0xDF)
        nLength = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
        nLength = 3;
        if (c == 0xE0)
            nLow = 0xA0; // no overlong forms
        else if (c == 0xED)
            nHigh = 0x9F; // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        nLength = 4;
        if (c == 0xF0)
            nLow = 0x90;
        else if (c == 0xF4)
            nHigh = 0x8F; // nothing past U+10FFFF
    } else
        return 0;
    if (nAt + nLength > text.size())
        return 0;
    if (Byte(nAt + 1) < nLow || Byte(nAt + 1) > nHigh)
        return 0;
    for (std::size_t i = 2; i < nLength; ++i) {
        if (Byte(nAt + i) < 0x80 || Byte(nAt + i) > 0xBF)
            return 0;
    }
    return nLength;
}

std::size_t CHitText::FirstInvalid(std::string_view text, std::size_t nFrom, std::size_t nTo)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    std::size_t i = nFrom;
    while (i < nTo) {
        // ASCII 32 bytes at a time, then eight.
        if (i + 32 <= nTo) {
            std::uint64_t nWords[4];
            std::memcpy(nWords, p + i, 32);
            if (((nWords[0] | nWords[1] | nWords[2] | nWords[3]) & 0x8080808080808080ull) == 0) {
                i += 32;
                continue;
            }
        }
        if (i + 8 <= nTo) {
            std::uint64_t nWord;
            std::memcpy(&nWord, p + i, 8);
            if ((nWord & 0x8080808080808080ull) == 0) {
                i += 8;
                continue;
            }
        }
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        const std::size_t nLength = CharLength(text.substr(0, nTo), i);
        if (nLength == 0)
            return i;
        i += nLength;
    }
    return nTo;
}

std::string CHitText::Make(std::string_view subject, std::size_t nMatch, bool bWholeLine, bool bEndsLine)
{
    // Only the bytes that can hold the shown characters are decoded: a
    // character takes at most 4 bytes, so 4 * kMaxChars bytes either side of
    // the match suffice, however long the line.
    const std::size_t nSpan = 4 * kMaxChars + 4;
    std::size_t nFrom = nMatch > nSpan ? nMatch - nSpan : 0;
    const bool bFromLineStart = bWholeLine && nFrom == 0;
    // Start on a character's first byte where the window cuts into one.
    for (int i = 0; i < 3 && nFrom > 0 && nFrom < subject.size() &&
                    (static_cast<unsigned char>(subject[nFrom]) & 0xC0) == 0x80;
         ++i)
        ++nFrom;
    const std::size_t nTo = subject.size() - nMatch > nSpan ? nMatch + nSpan : subject.size();
    const bool bToLineEnd = (bWholeLine || bEndsLine) && nTo == subject.size();

    // Character starts in [nFrom, nTo), and which one holds the match.
    std::vector<std::size_t> starts;
    std::vector<std::size_t> lengths;
    std::size_t nMatchChar = 0;
    for (std::size_t i = nFrom; i < nTo;) {
        const std::size_t nLength = CharLength(subject, i);
        if (i <= nMatch)
            nMatchChar = starts.size();
        starts.push_back(i);
        lengths.push_back(nLength);
        i += nLength == 0 ? 1 : nLength;
    }
    std::size_t nFirst = 0;
    std::size_t nLast = starts.size();
    const bool bWholeFits = bFromLineStart && bToLineEnd && starts.size() <= kMaxChars;
    if (!bWholeFits) {
        nFirst = nMatchChar > kCharsBefore ? nMatchChar - kCharsBefore : 0;
        nLast = nFirst + kMaxChars < starts.size() ? nFirst + kMaxChars : starts.size();
        if (nLast - nFirst < kMaxChars)
            nFirst = nLast > kMaxChars ? nLast - kMaxChars : 0;
    }
    std::string strText;
    strText.reserve(nLast > nFirst ? (nLast - nFirst) * 2 : 0);
    for (std::size_t n = nFirst; n < nLast; ++n) {
        if (lengths[n] == 0)
            strText += "\xEF\xBF\xBD";
        else
            strText.append(subject.data() + starts[n], lengths[n]);
    }
    return strText;
}
