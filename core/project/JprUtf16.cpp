#include "core/project/JprUtf16.h"

#include <cstdint>

static std::uint32_t UnitAt(std::string_view bytes, std::size_t nIndex)
{
    const auto nLow = static_cast<unsigned char>(bytes[2 * nIndex]);
    const auto nHigh = static_cast<unsigned char>(bytes[2 * nIndex + 1]);
    return nLow | (static_cast<std::uint32_t>(nHigh) << 8);
}

static void AppendUtf8(std::string& str, std::uint32_t nCode)
{
    if (nCode < 0x80) {
        str.push_back(static_cast<char>(nCode));
    } else if (nCode < 0x800) {
        str.push_back(static_cast<char>(0xC0 | (nCode >> 6)));
        str.push_back(static_cast<char>(0x80 | (nCode & 0x3F)));
    } else if (nCode < 0x10000) {
        str.push_back(static_cast<char>(0xE0 | (nCode >> 12)));
        str.push_back(static_cast<char>(0x80 | ((nCode >> 6) & 0x3F)));
        str.push_back(static_cast<char>(0x80 | (nCode & 0x3F)));
    } else {
        str.push_back(static_cast<char>(0xF0 | (nCode >> 18)));
        str.push_back(static_cast<char>(0x80 | ((nCode >> 12) & 0x3F)));
        str.push_back(static_cast<char>(0x80 | ((nCode >> 6) & 0x3F)));
        str.push_back(static_cast<char>(0x80 | (nCode & 0x3F)));
    }
}

static bool IsHighSurrogate(std::uint32_t nUnit)
{
    return nUnit >= 0xD800 && nUnit <= 0xDBFF;
}
static bool IsLowSurrogate(std::uint32_t nUnit)
{
    return nUnit >= 0xDC00 && nUnit <= 0xDFFF;
}

std::string CJprUtf16::ToUtf8(std::string_view bytes)
{
    const std::size_t nUnits = bytes.size() / 2;
    std::string str;
    str.reserve(nUnits);
    for (std::size_t i = 0; i < nUnits; ++i) {
        const std::uint32_t nUnit = UnitAt(bytes, i);
        if (IsHighSurrogate(nUnit) && i + 1 < nUnits && IsLowSurrogate(UnitAt(bytes, i + 1))) {
            const std::uint32_t nLow = UnitAt(bytes, ++i);
            AppendUtf8(str, 0x10000 + ((nUnit - 0xD800) << 10) + (nLow - 0xDC00));
        } else if (IsHighSurrogate(nUnit) || IsLowSurrogate(nUnit)) {
            str.push_back('?');
        } else {
            AppendUtf8(str, nUnit);
        }
    }
    return str;
}
