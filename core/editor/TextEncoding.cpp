#include "core/editor/TextEncoding.h"

#include <algorithm>
#include <cstddef>

namespace {
constexpr std::size_t kSampleBytes = 64 * 1024;

bool StartsWith(std::string_view strBytes, std::string_view strPrefix)
{
    return strBytes.substr(0, strPrefix.size()) == strPrefix;
}
} // namespace

ETextKind CTextEncoding::Classify(std::string_view strBytes)
{
    using namespace std::string_view_literals;
    // UTF-32 LE's mark begins with UTF-16 LE's, so it is tested first.
    if (StartsWith(strBytes, "\xFF\xFE\0\0"sv) || StartsWith(strBytes, "\0\0\xFE\xFF"sv))
        return ETextKind::Utf32;
    if (StartsWith(strBytes, "\xFF\xFE"sv) || StartsWith(strBytes, "\xFE\xFF"sv))
        return ETextKind::Utf16;

    const std::string_view strSample = strBytes.substr(0, std::min(strBytes.size(), kSampleBytes));
    std::size_t nZeros[2] = {0, 0};
    for (std::size_t i = 0; i < strSample.size(); ++i)
        if (strSample[i] == '\0')
            ++nZeros[i % 2];
    const std::size_t nPairs = strSample.size() / 2;
    const std::size_t nAllZeros = nZeros[0] + nZeros[1];
    if (nPairs >= 2) {
        // Mostly ASCII UTF-16: at least 40 % of one half of the bytes are zero,
        // and almost none of the other half.
        for (int nHalf = 0; nHalf < 2; ++nHalf) {
            const std::size_t nThis = nZeros[nHalf];
            const std::size_t nOther = nZeros[1 - nHalf];
            if (nThis * 5 >= nPairs * 2 && nOther * 20 <= nPairs)
                return ETextKind::Utf16;
        }
    }
    // A stray zero byte or two is text with a slip in it; one byte in eight
    // is data.
    if (nAllZeros >= 8 && nAllZeros * 8 >= strSample.size())
        return ETextKind::Binary;
    return ETextKind::Editable;
}

std::string_view CTextEncoding::KindName(ETextKind eKind)
{
    switch (eKind) {
    case ETextKind::Editable: return "text";
    case ETextKind::Utf16: return "UTF-16";
    case ETextKind::Utf32: return "UTF-32";
    case ETextKind::Binary: return "binary data";
    }
    return "text";
}
