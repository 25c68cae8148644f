#pragma once

#include "core/project/ErrorLocation.h"

#include <climits>
#include <optional>
#include <string_view>

class CJavaFileList;

// Reads a compiler message line of the process output back to a project
// file and a line number. Pure: the output text and the list are all it sees.
class CErrorLineMatcher {
public:
    // The text of line nLineIndex (0-based). Lines end at a carriage return
    // and the next one starts two characters later (after the CR LF). A line
    // without a carriage return after it (the last one) has no text: none.
    static std::optional<std::string_view> LineAt(std::string_view strOutput, int nLineIndex);

    // The first Java file (in list order) whose name occurs in the line at
    // offset 0 or right after a folder separator ('\' only in a line that
    // starts with a Windows path), with the number that follows the name one
    // character later (see ReadLineNumber). The path is left empty: the
    // project resolves it.
    static std::optional<CErrorLocation> Match(std::string_view strOutput, int nLineIndex,
                                               const CJavaFileList& javaFiles);

    // A line number: leading blanks, then digits; 0 when there are none
    // (a sign is no digit). Larger than kMostLineNumber reads as that, so
    // the number less one, the editor's line, never overflows.
    static int ReadLineNumber(std::string_view strText);

    static constexpr int kMostLineNumber = INT_MAX;
};
