#pragma once

#include <atomic>
#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Find in Files: what to look for, where, and what was found. Matching is
// on the bytes the files hold, line by line, with lines counted as the
// editor counts them (CR LF, LF and lone CR each end one line).

struct CSearchOptions {
    std::string m_strPattern; // UTF-8
    bool m_bRegex = false;    // a PCRE2 regular expression, else a fixed string
    bool m_bMatchCase = true;
    bool m_bWholeWord = false; // neither side of the match touches a letter, digit or '_'
};

// A compiled pattern. Matching is per line: ^ and $ anchor at the line's ends,
// a match never spans a line end; matches on one line do not overlap, each
// search resumes at the end of the previous match (one byte on after an empty one).
class CSearchPattern {
public:
    // Null, with strError set ("PCRE2 message at offset N" for a bad regular
    // expression, or why the pattern cannot be used), when it cannot compile.
    static std::unique_ptr<CSearchPattern> Compile(const CSearchOptions& options, std::string& strError);
    virtual ~CSearchPattern() = default;

    // The matches in one line (its bytes without the line end), as
    // [offset, offset + length) pairs in ascending order.
    struct CRange {
        std::size_t m_nOffset = 0;
        std::size_t m_nLength = 0;
    };
    virtual std::vector<CRange> MatchLine(std::string_view line) const;

    // The matches from nStart on in subject, appended to ranges. Text before
    // nStart is context (lookbehind and the word test see it; ^ matches only
    // at offset 0). Without bEndsLine the subject stops short of the line's
    // end: $ does not match there, and a match reaching that end may be cut
    // short, for the caller to look again with more text.
    virtual void MatchFrom(std::string_view subject, std::size_t nStart, bool bEndsLine,
                           std::vector<CRange>& ranges) const = 0;
    // Where the first match at or after nFrom may start in a block of whole
    // lines (line ends included), npos when no line from nFrom on has one. It
    // may point at a line without a match (MatchFrom decides), never past a
    // line with one.
    virtual std::size_t FindCandidate(std::string_view /*block*/, std::size_t nFrom) const { return nFrom; }
};

// One file to search: the path shown in the results and the path to read.
struct CSearchFile {
    std::string m_strShownPath; // as the project lists it, or as grep -r prints it under a folder
    std::string m_strPath;      // the file to read (absolute, or relative to the current folder)
};

// The files under a folder, recursively, whose names match one of the
// patterns ("*.java;*.html" style globs; none means every file), in byte
// order of their shown paths. Hidden folders (a name starting with '.') are
// skipped; symbolic links to folders are followed once, never into a loop.
// strFolder is shown as given.
std::vector<CSearchFile> FilesUnderFolder(const std::string& strFolder, const std::vector<std::string>& includes);

// One match.
struct CSearchHit {
    std::size_t m_nFile = 0;   // index into the searched files
    std::size_t m_nLine = 0;   // from 1
    std::size_t m_nColumn = 0; // from 1, in bytes
    std::size_t m_nLength = 0; // in bytes
    // The line without its line end as valid UTF-8 (U+FFFD for each byte
    // that is not); for a line longer than 500 characters, at most 500
    // characters around the match.
    std::string m_strText;
};

// What a search reports, in file order then line order, from the thread that
// runs it.
class ISearchSink {
public:
    virtual ~ISearchSink() = default;
    virtual void OnFileStarted(std::size_t /*nFile*/) {}
    virtual void OnHit(const CSearchHit& hit) = 0;
    // The file's count of matches once it is searched (0 included).
    virtual void OnFileDone(std::size_t /*nFile*/, std::size_t /*nHits*/) {}
    // A file that vanished, is not a regular file or cannot be read; the
    // search goes on with the next.
    virtual void OnFileError(std::size_t nFile, const std::string& strMessage) = 0;
};

// Searches the files in order. A file that holds a NUL byte in its first
// block is binary and skipped without a report. Files are read in blocks, so
// neither a huge file nor a huge line takes unbounded memory. unsavedTexts
// maps a file's m_strPath to the text an editor holds for it, searched
// instead of the file. Checks bStop between blocks and returns false when
// it stopped early.
bool SearchFiles(const CSearchPattern& pattern, const std::vector<CSearchFile>& files,
                 const std::map<std::string, std::string>& unsavedTexts, ISearchSink& sink,
                 const std::atomic<bool>& bStop);
