#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// Finds whole-word occurrences of a keyword list in a text. An occurrence at i
// counts unless the character before it or the one after it is a word
// character; occurrences may overlap. One pass over the text: at each offset
// only the keywords that start with the character there are compared.
class CKeywordMatcher {
public:
    CKeywordMatcher(std::vector<std::string> keywords, std::string_view strWordChars);

    // Splits a list in which each word is followed by ';'. While more than one
    // character remains, the text before the next ';' becomes a word and is
    // dropped with the ';'; the split stops when no ';' is left.
    static std::vector<std::string> SplitList(std::string_view strList);

    const std::vector<std::string>& Keywords() const { return m_keywords; }
    bool IsWordChar(char ch) const { return m_isWord[static_cast<unsigned char>(ch)]; }

    // Sets pCodes[i] = nCode for every character of every occurrence in strText;
    // pCodes has one entry per character of strText.
    void Mark(std::string_view strText, unsigned char* pCodes, unsigned char nCode) const;

private:
    std::vector<std::string> m_keywords;
    std::array<bool, 256> m_isWord{};
    // Indexes into m_keywords, grouped by the keyword's first byte.
    std::array<std::vector<std::size_t>, 256> m_byFirstChar;
};
