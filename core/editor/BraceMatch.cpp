#include "core/editor/BraceMatch.h"

namespace {
char PartnerOf(char ch)
{
    switch (ch) {
    case '(': return ')';
    case ')': return '(';
    case '[': return ']';
    case ']': return '[';
    case '{': return '}';
    case '}': return '{';
    default: return 0;
    }
}
} // namespace

bool CBraceMatch::IsBrace(char ch)
{
    return PartnerOf(ch) != 0;
}

bool CBraceMatch::Opens(char ch)
{
    return ch == '(' || ch == '[' || ch == '{';
}

std::size_t CBraceMatch::BraceNear(char chBefore, char chAt, std::size_t nCaret)
{
    if (nCaret > 0 && IsBrace(chBefore))
        return nCaret - 1;
    if (IsBrace(chAt))
        return nCaret;
    return kNone;
}

CBraceMatch::EResult CBraceMatch::FindPartner(std::string_view strRange, std::size_t nRangeStart, std::size_t nBrace,
                                              bool bRangeAtTextEnd, const std::function<int(std::size_t)>& styleAt,
                                              std::size_t& nPartner)
{
    nPartner = kNone;
    if (nBrace < nRangeStart || nBrace - nRangeStart >= strRange.size())
        return EResult::NoBrace;
    const char chBrace = strRange[nBrace - nRangeStart];
    const char chPartner = PartnerOf(chBrace);
    if (!chPartner)
        return EResult::NoBrace;
    const int nStyle = styleAt(nBrace);
    const bool bForward = Opens(chBrace);
    std::size_t nDepth = 0;
    std::size_t i = nBrace - nRangeStart;
    while (bForward ? ++i < strRange.size() : i-- > 0) {
        const char ch = strRange[i];
        if (ch != chBrace && ch != chPartner)
            continue;
        if (styleAt(nRangeStart + i) != nStyle)
            continue;
        if (ch == chBrace) {
            ++nDepth;
        } else if (nDepth == 0) {
            nPartner = nRangeStart + i;
            return EResult::Matched;
        } else {
            --nDepth;
        }
    }
    return bRangeAtTextEnd ? EResult::Unmatched : EResult::TooFar;
}
