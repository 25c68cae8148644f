#include "core/search/FileSearch.h"

#include "core/search/FixedPattern.h"
#include "core/search/RegexPattern.h"

std::unique_ptr<CSearchPattern> CSearchPattern::Compile(const CSearchOptions& options, std::string& strError)
{
    strError.clear();
    if (options.m_bRegex)
        return CRegexPattern::Compile(options, strError);
    if (options.m_strPattern.empty()) {
        strError = "empty pattern";
        return nullptr;
    }
    return std::make_unique<CFixedPattern>(options.m_strPattern, options.m_bMatchCase, options.m_bWholeWord);
}

std::vector<CSearchPattern::CRange> CSearchPattern::MatchLine(std::string_view line) const
{
    std::vector<CRange> ranges;
    MatchFrom(line, 0, true, ranges);
    return ranges;
}
