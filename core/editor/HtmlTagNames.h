#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

// Finds whole-word occurrences of the tag names in a lower-case text, with
// the rule of CKeywordMatcher: an occurrence at i counts unless the character
// before it or the one after it is a word character. A name made of word
// characters only can then match only a whole run of word characters, so
// such names are looked up once per run; the others are compared at every
// offset where they could start.
class CHtmlTagNames {
public:
    CHtmlTagNames(std::vector<std::string> names, std::string_view strWordChars);

    const std::vector<std::string>& Names() const { return m_names; }

    // Sets pCodes[i] = nCode for every character of every occurrence in strText.
    void Mark(std::string_view strText, unsigned char* pCodes, unsigned char nCode) const;

private:
    bool IsWordChar(char ch) const { return m_isWord[static_cast<unsigned char>(ch)]; }

    std::vector<std::string> m_names;
    std::array<bool, 256> m_isWord{};
    std::unordered_set<std::string_view> m_wordNames; // views into m_names
    std::size_t m_nLongestWordName = 0;
    std::array<std::vector<std::size_t>, 256> m_otherByFirstChar; // the rest, by first byte
};
