#pragma once

#include <string>
#include <string_view>

// Reading the files a command is given and writing its listing, with the
// reasons for a failure printed to stderr as "tarnwick-cli: FILE: reason".
class CCliIo {
public:
    // The path made absolute and lexically normal, as project files store it.
    static std::string AbsolutePath(const std::string& strPath);

    // The whole file, bytes as they are. False (reason printed) when it is
    // missing, not a regular file or cannot be read.
    static bool ReadInputFile(const std::string& strPath, std::string& strBytes);
    // False (reason printed) when strPath names something other than a
    // regular file, such as a FIFO, which reading would wait on for ever, or
    // a folder. A missing file passes, for the caller to report.
    static bool IsRegularOrMissing(const std::string& strPath);
    // A source file as the editor holds it: read, then every line break CR LF.
    static bool ReadEditorText(const std::string& strPath, std::string& strText);

    // Writes to stdout and flushes; false (reason printed) when that fails,
    // so a full disk or a closed pipe never passes for a complete listing.
    static bool WriteOutput(std::string_view strText);

    // Flushes what was printed to stdout; false (reason printed) when any of
    // it could not be written.
    static bool FlushOutput();

    static void PrintError(const std::string& strPath, const std::string& strReason);
};
