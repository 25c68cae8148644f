#pragma once

#include "core/search/FileSearch.h"

#include <string>

// A fixed string found with memchr/memmem; without "Match case" ASCII
// letters match in either case (other bytes must be equal).
class CFixedPattern : public CSearchPattern {
public:
    CFixedPattern(std::string strNeedle, bool bMatchCase, bool bWholeWord);

    void MatchFrom(std::string_view subject, std::size_t nStart, bool bEndsLine,
                   std::vector<CRange>& ranges) const override;
    std::size_t FindCandidate(std::string_view block, std::size_t nFrom) const override;

private:
    // The first occurrence at or after nFrom, ignoring the word test; npos when none.
    std::size_t FindRaw(std::string_view text, std::size_t nFrom) const;

    std::string m_strNeedle; // folded to lower case without "Match case"
    bool m_bMatchCase;
    bool m_bWholeWord;
    unsigned char m_cFirstLower = 0;
    unsigned char m_cFirstUpper = 0;
    // With "Match case": where in the needle its rarest byte stands, found
    // first with memchr; npos to leave the whole search to memmem.
    std::size_t m_nRare = std::string::npos;
};
