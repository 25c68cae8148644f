#pragma once

#include <string>

enum class EDiagnosticKind { Error, Warning, Note };

// One message of javac: where it points and what it says. A message without
// a place (a note, an option warning) has an empty file, line 0, column 0.
struct CJavacDiagnostic {
    std::string m_strFile;   // absolute, or empty
    int m_nLine = 0;         // 1-based; 0 when none
    int m_nColumn = 0;       // 1-based, from the caret; 0 when javac showed none
    EDiagnosticKind m_eKind = EDiagnosticKind::Error;
    std::string m_strMessage; // every line of the message, LF between, no source or caret line

    bool operator==(const CJavacDiagnostic&) const = default;
};
