#pragma once

#include <cstddef>
#include <string_view>

// The bytes that count as part of a word for "Whole word": ASCII letters,
// digits and '_'. Bytes of other characters never join a word, so a match
// next to an accented letter still counts as whole.
inline bool IsWordByte(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// ASCII-only case folding, as the fixed-string search uses it.
inline unsigned char FoldAscii(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

// Whether [nOffset, nOffset + nLength) in subject has no word byte on either
// side; bEndsLine false means the subject's end is not the line's, and a
// match touching it cannot be judged, so it fails.
inline bool IsWholeWordAt(std::string_view subject, std::size_t nOffset, std::size_t nLength)
{
    if (nOffset > 0 && IsWordByte(static_cast<unsigned char>(subject[nOffset - 1])))
        return false;
    const std::size_t nEnd = nOffset + nLength;
    return nEnd >= subject.size() || !IsWordByte(static_cast<unsigned char>(subject[nEnd]));
}
