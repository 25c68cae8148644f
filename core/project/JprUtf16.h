#pragma once

#include <string>
#include <string_view>

// Conversion of the UTF-16 strings an archive may hold into the byte strings
// the rest of the program uses (UTF-8, the multibyte encoding here).
class CJprUtf16 {
public:
    // bytes: UTF-16LE code units, two bytes each (an odd last byte is ignored).
    // A lone surrogate becomes '?', as a code-page conversion would render it.
    static std::string ToUtf8(std::string_view bytes);
};
