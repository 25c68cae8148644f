#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The text a hit shows: its line as valid UTF-8, each byte that does not
// belong to a well-formed UTF-8 character shown as U+FFFD. A line of more
// than kMaxChars characters shows kMaxChars of them around the match: up to
// kCharsBefore before its start, the window moved back when the line ends
// sooner.
class CHitText {
public:
    static constexpr std::size_t kMaxChars = 500;
    static constexpr std::size_t kCharsBefore = 250;

    // subject holds the line, or for a very long line the part of it around
    // the match (bWholeLine false: then neither end is taken as the line's
    // unless bEndsLine says the subject reaches the line's end).
    static std::string Make(std::string_view subject, std::size_t nMatch, bool bWholeLine, bool bEndsLine);

    // The length in bytes of the well-formed UTF-8 character at text[nAt], 0
    // when the byte there does not start one.
    static std::size_t CharLength(std::string_view text, std::size_t nAt);
    // The offset of the first byte in [nFrom, nTo) that is not part of a
    // well-formed character; nTo when there is none.
    static std::size_t FirstInvalid(std::string_view text, std::size_t nFrom, std::size_t nTo);
};
