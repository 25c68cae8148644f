#pragma once

#include "core/tools/JavacDiagnostic.h"

#include <string>
#include <string_view>
#include <vector>

// Reads javac's output back as messages. javac writes each as a head line
// ("Hello.java:12: error: text", "warning: [options] text", "Note: text"),
// then, for a place in a file, the source line and a caret line under it,
// and any further lines of the message ("  symbol:   variable x") before or
// after those two. Counts such as "2 errors" end a message and are not one.
class CJavacDiagnostics {
public:
    // strOutput: the captured output, LF or CR LF line ends. strFolder: the
    // folder javac ran in, which relative file names are taken against.
    // Linear in the size of the output.
    static std::vector<CJavacDiagnostic> Parse(std::string_view strOutput, const std::string& strFolder);

    // "error", "warning" or "note".
    static const char* KindName(EDiagnosticKind eKind);
};
