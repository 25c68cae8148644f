#include "core/editor/KeywordMatcher.h"

#include <cstring>

CKeywordMatcher::CKeywordMatcher(std::vector<std::string> keywords, std::string_view strWordChars)
    : m_keywords(std::move(keywords))
{
    for (char ch : strWordChars)
        m_isWord[static_cast<unsigned char>(ch)] = true;
    for (std::size_t i = 0; i < m_keywords.size(); ++i) {
        // An empty keyword would match everywhere and mark nothing.
        if (!m_keywords[i].empty())
            m_byFirstChar[static_cast<unsigned char>(m_keywords[i][0])].push_back(i);
    }
}

std::vector<std::string> CKeywordMatcher::SplitList(std::string_view strList)
{
    std::vector<std::string> words;
    while (strList.size() > 1) {
        const std::size_t nSemicolon = strList.find(';');
        if (nSemicolon == std::string_view::npos)
            break;
        words.emplace_back(strList.substr(0, nSemicolon));
        strList.remove_prefix(nSemicolon + 1);
    }
    return words;
}

void CKeywordMatcher::Mark(std::string_view strText, unsigned char* pCodes, unsigned char nCode) const
{
    const std::size_t nLength = strText.size();
    const char* pText = strText.data();
    for (std::size_t i = 0; i < nLength; ++i) {
        // A word character before i fails the word test for every keyword.
        if (i > 0 && IsWordChar(pText[i - 1]))
            continue;
        for (std::size_t nIndex : m_byFirstChar[static_cast<unsigned char>(pText[i])]) {
            const std::string& strKeyword = m_keywords[nIndex];
            const std::size_t nKeyLength = strKeyword.size();
            if (nKeyLength > nLength - i)
                continue;
            if (std::memcmp(pText + i, strKeyword.data(), nKeyLength) != 0)
                continue;
            if (i + nKeyLength < nLength && IsWordChar(pText[i + nKeyLength]))
                continue;
            std::memset(pCodes + i, nCode, nKeyLength);
        }
    }
}
