#pragma once

// A slow, plain model of Find in Files for the tests to compare against:
// lines split one byte at a time, fixed strings tried at every offset,
// regular expressions run by the PCRE2 interpreter on one line at a time,
// and the shown text decoded from the whole line.

#include "core/search/FileSearch.h"

#include <string>
#include <vector>

struct CReferenceHit {
    std::size_t m_nLine = 0;
    std::size_t m_nColumn = 0;
    std::size_t m_nLength = 0;
    std::string m_strText;
    bool operator==(const CReferenceHit&) const = default;
};

class CSearchReference {
public:
    // The lines of a text: CR LF, LF and lone CR end one; nothing after the last line end is no line.
    static std::vector<std::string> SplitLines(const std::string& strText);
    // The characters of a line, each a valid UTF-8 sequence or U+FFFD for one byte.
    static std::vector<std::pair<std::size_t, std::string>> Decode(const std::string& strLine);
    static std::string ShownText(const std::string& strLine, std::size_t nMatch);
    static std::string ShownText(const std::vector<std::pair<std::size_t, std::string>>& chars, std::size_t nMatch);
    static std::vector<CReferenceHit> Search(const CSearchOptions& options, const std::string& strText);
};
