#include "core/search/RegexPattern.h"

#include "core/search/HitText.h"

#include <algorithm>

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

pcre2_code* CompileCode(const std::string& strPattern, uint32_t nOptions, bool bAnyCrLf, bool bInterpretOnly,
                        std::string& strError)
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
    if (!bInterpretOnly)
        pcre2_jit_compile(pCode, PCRE2_JIT_COMPLETE);
    return pCode;
}
} // namespace

std::unique_ptr<CRegexPattern> CRegexPattern::Compile(const CSearchOptions& options, std::string& strError)
{
    uint32_t nOptions = PCRE2_UTF;
    if (!options.m_bMatchCase)
        nOptions |= PCRE2_CASELESS;
    // The pattern alone first, so that an error's offset is in the user's text.
    pcre2_code* pPlain = CompileCode(options.m_strPattern, nOptions, false, false, strError);
    if (!pPlain)
        return nullptr;
    std::string strFull = options.m_strPattern;
    if (options.m_bWholeWord) {
        pcre2_code_free(pPlain);
        strFull = "(?<![A-Za-z0-9_])(?:" + options.m_strPattern + ")(?![A-Za-z0-9_])";
        pPlain = CompileCode(strFull, nOptions, false, false, strError);
        if (!pPlain)
            return nullptr;
    }
    std::unique_ptr<CRegexPattern> pPattern(new CRegexPattern);
    pPattern->m_pLineCode = pPlain;
    pPattern->m_pInvalidCode = CompileCode(strFull, nOptions | PCRE2_MATCH_INVALID_UTF, false, true, strError);
    if (!pPattern->m_pInvalidCode)
        return nullptr;
    if (IsBlockSafe(options.m_strPattern)) {
        std::string strIgnored;
        pPattern->m_pBlockCode = CompileCode(strFull, nOptions | PCRE2_MULTILINE, true, false, strIgnored);
    }
    return pPattern;
}

CRegexPattern::~CRegexPattern()
{
    pcre2_code_free(m_pLineCode);
    pcre2_code_free(m_pInvalidCode);
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
    // Valid UTF-8 goes to the JIT; a line with other bytes to the interpreter
    // with PCRE2_MATCH_INVALID_UTF, as JIT matching of such lines misses
    // matches (\W on U+00C9 in PCRE2 10.42).
    const bool bValid = CHitText::FirstInvalid(subject, 0, subject.size()) == subject.size();
    const pcre2_code* pCode = bValid ? m_pLineCode : m_pInvalidCode;
    const uint32_t nOptions = (bEndsLine ? 0 : PCRE2_NOTEOL) | (bValid ? PCRE2_NO_UTF_CHECK : 0);
    std::size_t nAt = nStart;
    while (nAt <= subject.size()) {
        const int nResult =
            pcre2_match(pCode, pSubject, subject.size(), nAt, nOptions, scratch.m_pData, scratch.m_pContext);
        if (nResult < 0)
            return; // no match, or a limit reached: nothing more on this line
        const PCRE2_SIZE* pOffsets = pcre2_get_ovector_pointer(scratch.m_pData);
        const std::size_t nBegin = pOffsets[0];
        const std::size_t nEnd = pOffsets[1] < nBegin ? nBegin : pOffsets[1];
        ranges.push_back({nBegin, nEnd - nBegin});
        // After an empty match, on by one character (one byte where none starts).
        nAt = nEnd > nBegin ? nEnd : nEnd + (nEnd < subject.size() ? std::max<std::size_t>(1, CHitText::CharLength(subject, nEnd)) : 1);
    }
}

std::size_t CRegexPattern::FindCandidate(std::string_view block, std::size_t nFrom) const
{
    if (!m_pBlockCode)
        return nFrom;
    CMatchScratch& scratch = Scratch();
    // Growing pieces of whole lines, so that a candidate near nFrom costs
    // little; a line with bytes that are not UTF-8 is a candidate as it is
    // (MatchFrom decides), since the JIT code takes valid UTF-8 only.
    std::size_t nAt = nFrom;
    std::size_t nPiece = 4096;
    while (nAt < block.size()) {
        std::size_t nEnd = nAt + nPiece < block.size() ? nAt + nPiece : block.size();
        while (nEnd < block.size() && block[nEnd - 1] != '\n' && block[nEnd - 1] != '\r')
            ++nEnd;
        if (nEnd < block.size() && block[nEnd - 1] == '\r' && block[nEnd] == '\n')
            ++nEnd;
        const std::size_t nBad = CHitText::FirstInvalid(block, nAt, nEnd);
        bool bCut = false;
        if (nBad < nEnd) {
            std::size_t nLineStart = nBad;
            while (nLineStart > nAt && block[nLineStart - 1] != '\n' && block[nLineStart - 1] != '\r')
                --nLineStart;
            if (nLineStart == nAt)
                return nAt;
            nEnd = nLineStart;
            bCut = true;
        }
        const int nResult = pcre2_match(m_pBlockCode, reinterpret_cast<PCRE2_SPTR>(block.data() + nAt), nEnd - nAt, 0,
                                        PCRE2_NO_UTF_CHECK, scratch.m_pData, scratch.m_pContext);
        if (nResult >= 0)
            return nAt + pcre2_get_ovector_pointer(scratch.m_pData)[0];
        if (nResult != PCRE2_ERROR_NOMATCH)
            return nAt; // a limit: let the lines decide one by one
        if (bCut)
            return nEnd;
        nAt = nEnd;
        nPiece *= 2;
    }
    return std::string_view::npos;
}
