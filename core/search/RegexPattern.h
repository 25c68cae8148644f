#pragma once

#include "core/search/FileSearch.h"

#include <memory>
#include <string>

typedef struct pcre2_real_code_8 pcre2_code_8;

// A PCRE2 regular expression over UTF-8 (PCRE2_MATCH_INVALID_UTF: bytes
// that are not UTF-8 never fail a search, no character matches them).
// Without "Match case" it is PCRE2_CASELESS, which folds Unicode letters
// too. JIT-compiled where the library can, else interpreted.
class CRegexPattern : public CSearchPattern {
public:
    // Null with strError ("PCRE2 message at offset N") when it does not compile.
    static std::unique_ptr<CRegexPattern> Compile(const CSearchOptions& options, std::string& strError);
    ~CRegexPattern() override;

    void MatchFrom(std::string_view subject, std::size_t nStart, bool bEndsLine,
                   std::vector<CRange>& ranges) const override;
    std::size_t FindCandidate(std::string_view block, std::size_t nFrom) const override;

    // Whether a block-wide search can locate lines for this pattern: true
    // unless it uses constructs that see a subject's ends or cannot backtrack
    // (\A \z \Z \G \K, lookaround and other "(?" groups, verbs, possessive
    // quantifiers), which could behave otherwise across line ends.
    static bool IsBlockSafe(std::string_view strPattern);

private:
    CRegexPattern() = default;

    pcre2_code_8* m_pLineCode = nullptr;    // matches one line of valid UTF-8 (JIT)
    pcre2_code_8* m_pInvalidCode = nullptr; // one line holding other bytes too (interpreter)
    pcre2_code_8* m_pBlockCode = nullptr; // multiline over whole blocks; null when unsafe
};
