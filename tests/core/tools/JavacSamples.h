#pragma once

#include "tests/support/GoldenFile.h"

#include <string>

// javac's captured output and what it should parse to, kept under
// tests/data/javac; the captures ran in sources/proj, whose files exist.
namespace JavacSamples {

inline const std::string kFolder = std::string(TARNWICK_GOLDEN_DIR) + "/javac";

inline std::string Read(const std::string& strName)
{
    return GoldenFile::ReadBytes(kFolder + "/" + strName);
}

// The text with CR LF line ends, as the process window and the runner's
// closing lines have them.
inline std::string WithCrLf(const std::string& strText)
{
    std::string strOut;
    for (const char ch : strText) {
        if (ch == '\n')
            strOut += '\r';
        strOut += ch;
    }
    return strOut;
}

} // namespace JavacSamples
