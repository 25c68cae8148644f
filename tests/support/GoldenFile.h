#pragma once

// Compares output with a golden file under tests/data/, byte for byte. On a
// mismatch the message names the first line that differs, shows both versions
// of it, and says where the actual output was written for a full diff.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace GoldenFile {

using CSubstitutions = std::vector<std::pair<std::string, std::string>>;

inline std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Line nLine (from 1) of strText without its break, or "<end of text>".
inline std::string LineOf(const std::string& strText, std::size_t nLine)
{
    std::size_t nStart = 0;
    for (std::size_t n = 1; n < nLine; ++n) {
        nStart = strText.find('\n', nStart);
        if (nStart == std::string::npos)
            return "<end of text>";
        ++nStart;
    }
    if (nStart >= strText.size())
        return "<end of text>";
    return strText.substr(nStart, strText.find('\n', nStart) - nStart);
}

inline std::string Substitute(std::string strText, const CSubstitutions& substitutions)
{
    for (const auto& [strFrom, strTo] : substitutions) {
        for (std::size_t nAt = strText.find(strFrom); nAt != std::string::npos;
             nAt = strText.find(strFrom, nAt + strTo.size()))
            strText.replace(nAt, strFrom.size(), strTo);
    }
    return strText;
}

// strActual against tests/data/<strName>, with each placeholder in the golden
// text (such as "@DIR@") replaced as substitutions say.
inline ::testing::AssertionResult Matches(const std::string& strName, const std::string& strActual,
                                          const CSubstitutions& substitutions = {})
{
    const std::filesystem::path golden = std::filesystem::path(TARNWICK_GOLDEN_DIR) / strName;
    if (!std::filesystem::is_regular_file(golden))
        return ::testing::AssertionFailure() << "golden file " << golden << " is missing";
    const std::string strExpected = Substitute(ReadBytes(golden), substitutions);
    if (strActual == strExpected)
        return ::testing::AssertionSuccess();
    std::size_t nAt = 0;
    while (nAt < strActual.size() && nAt < strExpected.size() && strActual[nAt] == strExpected[nAt])
        ++nAt;
    const auto nLine = 1 + static_cast<std::size_t>(std::count(strActual.begin(), strActual.begin() + nAt, '\n'));
    const std::filesystem::path actual =
        std::filesystem::temp_directory_path() / ("tarnwick-golden-" + golden.filename().string());
    std::ofstream(actual, std::ios::binary) << strActual;
    return ::testing::AssertionFailure() << "output differs from " << golden << " at byte " << nAt << ", line " << nLine
                                         << ":\n"
                                         << "  expected: " << LineOf(strExpected, nLine) << "\n"
                                         << "  actual:   " << LineOf(strActual, nLine) << "\n"
                                         << "(" << strExpected.size() << " bytes expected, " << strActual.size()
                                         << " actual; the actual output is in " << actual << ")";
}

} // namespace GoldenFile
