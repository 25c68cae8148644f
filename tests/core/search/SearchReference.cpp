#include "tests/core/search/SearchReference.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <stdexcept>

std::vector<std::string> CSearchReference::SplitLines(const std::string& strText)
{
    std::vector<std::string> lines;
    std::string strLine;
    for (std::size_t i = 0; i < strText.size(); ++i) {
        if (strText[i] == '\r' || strText[i] == '\n') {
            if (strText[i] == '\r' && i + 1 < strText.size() && strText[i + 1] == '\n')
                ++i;
            lines.push_back(strLine);
            strLine.clear();
        } else {
            strLine += strText[i];
        }
    }
    if (!strLine.empty())
        lines.push_back(strLine);
    return lines;
}

std::vector<std::pair<std::size_t, std::string>> CSearchReference::Decode(const std::string& strLine)
{
    std::vector<std::pair<std::size_t, std::string>> chars;
    std::size_t i = 0;
    while (i < strLine.size()) {
        const auto c = static_cast<unsigned char>(strLine[i]);
        // The code point a sequence of n bytes spells, or -1 when it is not one.
        const auto Sequence = [&](std::size_t n) -> long {
            if (i + n > strLine.size())
                return -1;
            long nCode = c & (0xFF >> (n + 1));
            for (std::size_t k = 1; k < n; ++k) {
                const auto d = static_cast<unsigned char>(strLine[i + k]);
                if ((d & 0xC0) != 0x80)
                    return -1;
                nCode = (nCode << 6) | (d & 0x3F);
            }
            return nCode;
        };
        std::size_t n = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        const long nCode = n ? Sequence(n) : -1;
        const long nMin = n == 2 ? 0x80 : n == 3 ? 0x800 : n == 4 ? 0x10000 : 0;
        const bool bValid = nCode >= nMin && nCode <= 0x10FFFF && !(nCode >= 0xD800 && nCode <= 0xDFFF);
        if (n == 0 || !bValid) {
            chars.push_back({i, "\xEF\xBF\xBD"});
            ++i;
        } else {
            chars.push_back({i, strLine.substr(i, n)});
            i += n;
        }
    }
    return chars;
}

std::string CSearchReference::ShownText(const std::string& strLine, std::size_t nMatch)
{
    return ShownText(Decode(strLine), nMatch);
}

std::string CSearchReference::ShownText(const std::vector<std::pair<std::size_t, std::string>>& chars,
                                        std::size_t nMatch)
{
    std::size_t nFirst = 0;
    std::size_t nLast = chars.size();
    if (chars.size() > 500) {
        std::size_t nMatchChar = 0;
        while (nMatchChar + 1 < chars.size() && chars[nMatchChar + 1].first <= nMatch)
            ++nMatchChar;
        nFirst = nMatchChar > 250 ? nMatchChar - 250 : 0;
        nLast = std::min(chars.size(), nFirst + 500);
        nFirst = nLast - 500;
    }
    std::string strText;
    for (std::size_t n = nFirst; n < nLast; ++n)
        strText += chars[n].second;
    return strText;
}

namespace {
bool IsWord(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
} // namespace

std::vector<CReferenceHit> CSearchReference::Search(const CSearchOptions& options, const std::string& strText)
{
    const std::vector<std::string> lines = SplitLines(strText);
    std::vector<CReferenceHit> hits;
    pcre2_code* pCode = nullptr;
    if (options.m_bRegex) {
        const std::string strPattern = options.m_bWholeWord
                                           ? "(?<![A-Za-z0-9_])(?:" + options.m_strPattern + ")(?![A-Za-z0-9_])"
                                           : options.m_strPattern;
        int nError = 0;
        PCRE2_SIZE nOffset = 0;
        pCode = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(strPattern.data()), strPattern.size(),
                              PCRE2_UTF | PCRE2_MATCH_INVALID_UTF | (options.m_bMatchCase ? 0 : PCRE2_CASELESS),
                              &nError, &nOffset, nullptr);
        if (!pCode)
            throw std::runtime_error("reference cannot compile " + strPattern);
    }
    pcre2_match_data* pData = pcre2_match_data_create(1, nullptr);
    for (std::size_t nLine = 0; nLine < lines.size(); ++nLine) {
        const std::string& strLine = lines[nLine];
        std::vector<std::pair<std::size_t, std::string>> chars;
        const auto Add = [&](std::size_t nAt, std::size_t nLength) {
            if (chars.empty())
                chars = Decode(strLine);
            hits.push_back({nLine + 1, nAt + 1, nLength, ShownText(chars, nAt)});
        };
        if (!options.m_bRegex) {
            const std::string& strNeedle = options.m_strPattern;
            std::size_t nAt = 0;
            while (nAt + strNeedle.size() <= strLine.size()) {
                bool bEqual = true;
                for (std::size_t k = 0; k < strNeedle.size() && bEqual; ++k)
                    bEqual = options.m_bMatchCase ? strLine[nAt + k] == strNeedle[k]
                                                  : Lower(strLine[nAt + k]) == Lower(strNeedle[k]);
                const std::size_t nEnd = nAt + strNeedle.size();
                if (bEqual && options.m_bWholeWord)
                    bEqual = (nAt == 0 || !IsWord(strLine[nAt - 1])) && (nEnd == strLine.size() || !IsWord(strLine[nEnd]));
                if (bEqual) {
                    Add(nAt, strNeedle.size());
                    nAt = nEnd;
                } else {
                    ++nAt;
                }
            }
            continue;
        }
        std::size_t nAt = 0;
        while (nAt <= strLine.size()) {
            const int nResult = pcre2_match(pCode, reinterpret_cast<PCRE2_SPTR>(strLine.data()), strLine.size(), nAt,
                                            0, pData, nullptr);
            if (nResult < 0)
                break;
            const PCRE2_SIZE* pOffsets = pcre2_get_ovector_pointer(pData);
            Add(pOffsets[0], pOffsets[1] - pOffsets[0]);
            // After an empty match, on by one character (a byte that starts none counts as one).
            nAt = pOffsets[1];
            if (pOffsets[1] == pOffsets[0]) {
                const auto chars1 = Decode(strLine.substr(nAt, 4));
                nAt += chars1.empty() || chars1[0].second == "\xEF\xBF\xBD" ? 1 : chars1[0].second.size();
            }
        }
    }
    pcre2_match_data_free(pData);
    pcre2_code_free(pCode);
    return hits;
}
