#include "core/search/RegexPattern.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

namespace {
// Match data and a JIT stack per thread: one allocation per thread, not per line.
struct CMatchScratch {
    pcre2_match_data* m_pData = nullptr;
    pcre2_match_context* m_pContext = nullptr;
    pcre2_jit_stack* m_pStack = nullptr;
    CMatchScratch()
    {
        m_pData = pcre2_match_data_create(1, nullptr);
        m_pContext = pcre2_match_context_create(nullptr);
        m_pStack = pcre2_jit_stack_create(32 * 1024, 4 * 1024 * 1024, nullptr);
        if (m_pContext && m_pStack)
            pcre2_jit_stack_assign(m_pContext, nullptr, m_pStack);
    }
    ~CMatchScratch()
    {
        pcre2_jit_stack_free(m_pStack);
        pcre2_match_context_free(m_pContext);
        pcre2_match_data_free(m_pData);
    }
};

CMatchScratch& Scratch()
{
    thread_local CMatchScratch scratch;
    return scratch;
}

std::string ErrorText(int nCode, PCRE2_SIZE nOffset)
{
    PCRE2_UCHAR buffer[256];
    if (pcre2_get_error_message(nCode, buffer, sizeof buffer) < 0)
        return "invalid regular expression at offset " + std::to_string(nOffset);
    return std::string(reinterpret_cast<const char*>(buffer)) + " at offset " + std::to_string(nOffset);
}

pcre2_code* CompileCode(const std::string& strPattern, uint32_t nOptions, bool bAnyCrLf, std::string& strError)
{
    pcre2_compile_context* pContext = pcre2_compile_context_create(nullptr);
    if (bAnyCrLf)
        pcre2_set_newline(pContext, PCRE2_NEWLINE_ANYCRLF);
    int nError = 0;
    PCRE2_SIZE nOffset = 0;
    pcre2_code* pCode = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(strPattern.data()), strPattern.size(), nOptions,
                                      &nError, &nOffset, pContext);
    pcre2_compile_context_free(pContext);
    if (!pCode) {
        strError = ErrorText(nError, nOffset);
        return nullptr;
    }
    // Without JIT support the interpreter runs the same code.
    pcre2_jit_compile(pCode, PCRE2_JIT_COMPLETE);
    return pCode;
}
} // namespace

std::unique_ptr<CRegexPattern> CRegexPattern::Compile(const CSearchOptions& options, std::string& strError)
{
    uint32_t nOptions = PCRE2_UTF | PCRE2_MATCH_INVALID_UTF;
    if (!options.m_bMatchCase)
        nOptions |= PCRE2_CASELESS;
    // The pattern alone first, so that an error's offset is in the user's text.
    pcre2_code* pPlain = CompileCode(options.m_strPattern, nOptions, false, strError);
    if (!pPlain)
        return nullptr;
    std::string strFull = options.m_strPattern;
    if (options.m_bWholeWord) {
        pcre2_code_free(pPlain);
        strFull = "(?<![A-Za-z0-9_])(?:" + options.m_strPattern + ")(?![A-Za-z0-9_])";
        pPlain = CompileCode(strFull, nOptions, false, strError);
        if (!pPlain)
            return nullptr;
    }
    std::unique_ptr<CRegexPattern> pPattern(new CRegexPattern);
    pPattern->m_pLineCode = pPlain;
    if (IsBlockSafe(options.m_strPattern)) {
        std::string strIgnored;
        pPattern->m_pBlockCode = CompileCode(strFull, nOptions | PCRE2_MULTILINE, true, strIgnored);
    }
    return pPattern;
}

CRegexPattern::~CRegexPattern()
{
    pcre2_code_free(m_pLineCode);
    pcre2_code_free(m_pBlockCode);
}

bool CRegexPattern::IsBlockSafe(std::string_view strPattern)
{
    for (std::size_t i = 0; i + 1 < strPattern.size(); ++i) {
        const char c = strPattern[i];
        const char cNext = strPattern[i + 1];
        if (c == '\\') {
            if (cNext == 'A' || cNext == 'z' || cNext == 'Z' || cNext == 'G' || cNext == 'K')
                return false;
            ++i; // an escaped character is itself
            continue;
        }
        if (c == '(' && (cNext == '*' || (cNext == '?' && (i + 2 >= strPattern.size() || strPattern[i + 2] != ':'))))
            return false;
        if ((c == '*' || c == '+' || c == '?' || c == '}') && cNext == '+')
            return false;
    }
    return true;
}

void CRegexPattern::MatchFrom(std::string_view subject, std::size_t nStart, bool bEndsLine,
                              std::vector<CRange>& ranges) const
{
    CMatchScratch& scratch = Scratch();
    const auto* pSubject = reinterpret_cast<PCRE2_SPTR>(subject.data());
    const uint32_t nOptions = bEndsLine ? 0 : PCRE2_NOTEOL;
    std::size_t nAt = nStart;
    while (nAt <= subject.size()) {
        const int nResult = pcre2_match(m_pLineCode, pSubject, subject.size(), nAt, nOptions, scratch.m_pData,
                                        scratch.m_pContext);
        if (nResult < 0)
            return; // no match, or a limit reached: nothing more on this line
        const PCRE2_SIZE* pOffsets = pcre2_get_ovector_pointer(scratch.m_pData);
        const std::size_t nBegin = pOffsets[0];
        // \K can put the start after the end; such a match counts as empty there.
        const std::size_t nEnd = pOffsets[1] < nBegin ? nBegin : pOffsets[1];
        ranges.push_back({nBegin, nEnd - nBegin});
        nAt = nEnd > nBegin ? nEnd : nEnd + 1;
    }
}

std::size_t CRegexPattern::FindCandidate(std::string_view block, std::size_t nFrom) const
{
    if (!m_pBlockCode)
        return nFrom;
    CMatchScratch& scratch = Scratch();
    const int nResult = pcre2_match(m_pBlockCode, reinterpret_cast<PCRE2_SPTR>(block.data()), block.size(), nFrom, 0,
                                    scratch.m_pData, scratch.m_pContext);
    if (nResult == PCRE2_ERROR_NOMATCH)
        return std::string_view::npos;
    if (nResult < 0)
        return nFrom; // a limit: let the lines decide one by one
    return pcre2_get_ovector_pointer(scratch.m_pData)[0];
}
