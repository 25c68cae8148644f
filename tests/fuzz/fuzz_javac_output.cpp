// Feeds arbitrary text to the javac output reader as a tool's output. Every
// message it finds must be well formed, and the same output with CR LF line
// ends must read as the same messages.
#include "core/tools/JavacDiagnostics.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {
void Check(bool bHolds)
{
    if (!bHolds)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string_view strOutput(reinterpret_cast<const char*>(pData), nSize);
    const std::vector<CJavacDiagnostic> found = CJavacDiagnostics::Parse(strOutput, "/work/src");
    for (const CJavacDiagnostic& diagnostic : found) {
        Check(diagnostic.m_nLine >= 0 && diagnostic.m_nColumn >= 0);
        Check(diagnostic.m_strFile.empty() || diagnostic.m_strFile.front() == '/');
        Check(diagnostic.m_strMessage.find('\r') == std::string::npos || strOutput.find('\r') != std::string::npos);
    }
    // The same lines with CR LF breaks (where the output had none of its own).
    if (strOutput.find('\r') != std::string_view::npos)
        return 0;
    std::string strCrLf;
    for (const char ch : strOutput) {
        if (ch == '\n')
            strCrLf.push_back('\r');
        strCrLf.push_back(ch);
    }
    Check(CJavacDiagnostics::Parse(strCrLf, "/work/src") == found);
    return 0;
}
