#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

// Pairs ( ) [ ] { } as the editor highlights them. Only braces of the brace's
// own style count, so a brace in a comment or string pairs with braces of
// that comment or string alone. The search stops at a bound, so a keystroke in
// a file of megabytes never scans up to a partner megabytes away.
class CBraceMatch {
public:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    // How far from the brace the partner is looked for.
    static constexpr std::size_t kSearchLimit = 100 * 1024;

    enum class EResult { NoBrace, Matched, Unmatched, TooFar };

    // The brace just before nCaret, else the one at nCaret, else kNone.
    static std::size_t BraceNear(char chBefore, char chAt, std::size_t nCaret);
    static bool IsBrace(char ch);
    // True for ( [ {: its partner lies after it.
    static bool Opens(char ch);

    // Looks for the partner of the brace at nBrace. strRange holds the text
    // the search may read, from nRangeStart on: after the brace for an
    // opening one, before it (up to and with it) for a closing one. styleAt
    // gives the style of a text offset. bRangeAtTextEnd: the range reaches
    // the end (or start) of the text, so running out of it means no partner
    // at all rather than one too far away.
    static EResult FindPartner(std::string_view strRange, std::size_t nRangeStart, std::size_t nBrace,
                               bool bRangeAtTextEnd, const std::function<int(std::size_t)>& styleAt,
                               std::size_t& nPartner);
};
