#include "core/editor/HtmlTagNames.h"

#include <algorithm>
#include <cstring>

CHtmlTagNames::CHtmlTagNames(std::vector<std::string> names, std::string_view strWordChars) : m_names(std::move(names))
{
    for (char ch : strWordChars)
        m_isWord[static_cast<unsigned char>(ch)] = true;
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        const std::string& strName = m_names[i];
        if (strName.empty())
            continue;
        if (std::all_of(strName.begin(), strName.end(), [this](char ch) { return IsWordChar(ch); })) {
            m_wordNames.insert(strName);
            m_nLongestWordName = std::max(m_nLongestWordName, strName.size());
        } else {
            m_otherByFirstChar[static_cast<unsigned char>(strName[0])].push_back(i);
        }
    }
}

void CHtmlTagNames::Mark(std::string_view strText, unsigned char* pCodes, unsigned char nCode) const
{
    const std::size_t nLength = strText.size();
    const char* pText = strText.data();
    for (std::size_t i = 0; i < nLength; ++i) {
        // A word character before i fails the word test for every name.
        if (i > 0 && IsWordChar(pText[i - 1]))
            continue;
        for (std::size_t nIndex : m_otherByFirstChar[static_cast<unsigned char>(pText[i])]) {
            const std::string& strName = m_names[nIndex];
            const std::size_t nNameLength = strName.size();
            if (nNameLength > nLength - i || std::memcmp(pText + i, strName.data(), nNameLength) != 0)
                continue;
            if (i + nNameLength < nLength && IsWordChar(pText[i + nNameLength]))
                continue;
            std::memset(pCodes + i, nCode, nNameLength);
        }
        if (!IsWordChar(pText[i]))
            continue;
        std::size_t j = i + 1;
        while (j < nLength && IsWordChar(pText[j]))
            ++j;
        if (j - i <= m_nLongestWordName && m_wordNames.count(std::string_view(pText + i, j - i)))
            std::memset(pCodes + i, nCode, j - i);
        // Inside the run every offset follows a word character.
        i = j - 1;
    }
}
