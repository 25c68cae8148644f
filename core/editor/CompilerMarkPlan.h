#pragma once

#include "core/tools/JavacDiagnostic.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// What one javac run's messages for a file put on the file's text: a margin
// mark and the messages under each line they name, and a squiggle under the
// token javac's caret pointed at. Worked out once per file from its text, so
// placing thousands of messages costs one pass over the text.
class CCompilerMarkPlan {
public:
    // One message's share of an annotation: its bytes and its kind.
    struct CRun {
        std::size_t m_nLength = 0;
        EDiagnosticKind m_eKind = EDiagnosticKind::Error;
        bool operator==(const CRun&) const = default;
    };
    struct CLine {
        std::size_t m_nLine = 0;                            // 0-based
        bool m_bMarker = false;                             // notes alone get none
        EDiagnosticKind m_eMarker = EDiagnosticKind::Error; // an error when any message is one
        // The messages in javac's order, LF between: the first 100, then
        // "… and N more messages on this line" (its run a note's) for the rest.
        std::string m_strAnnotation;
        std::vector<CRun> m_vecRuns; // each message with the LF after it, in order
    };
    struct CSquiggle {
        std::size_t m_nStart = 0; // byte offset in the text
        std::size_t m_nLength = 0;
        EDiagnosticKind m_eKind = EDiagnosticKind::Error;
        bool operator==(const CSquiggle&) const = default;
    };

    // strText: the editor's text (CR LF, or any line breaks the editor
    // counts). bUtf8: whether the editor reads it as UTF-8; otherwise every
    // byte is a character. Messages for lines the text does not have are
    // left out.
    static CCompilerMarkPlan Make(std::string_view strText, const std::vector<CJavacDiagnostic>& vecDiagnostics,
                                  bool bUtf8);

    // The byte offset in strLine of javac's 1-based column. javac counts
    // UTF-16 units (a character beyond U+FFFF is two) and a tab as one;
    // a column past the line gives the line's length.
    static std::size_t ColumnOffset(std::string_view strLine, int nColumn, bool bUtf8);
    // The bytes to squiggle from nOffset: a whole identifier or number when
    // one starts there, a dot with the name after it, else one character;
    // at the end of the line, its
    // last character (nOffset moved back to it). 0 for an empty line.
    static std::size_t TokenLength(std::string_view strLine, std::size_t& nOffset, bool bUtf8);

    std::vector<CLine> m_vecLines;         // by line, ascending
    std::vector<CSquiggle> m_vecSquiggles; // by line, then javac's order
};
