#pragma once

#include "core/findinfiles/FoundFile.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the Find Results window lists: per file a line with its count, then
// one line per match ("path:line:column: text"), a line for each file that
// could not be read, and the total once the search is over. Lines are made
// when shown, so a hundred thousand matches cost little more than their text.
class CFindResults {
public:
    enum class ERow { File, Hit, Error, Total };

    // Where a match is: the file to open and the match's bytes on its line.
    struct CLocation {
        std::string m_strPath;
        std::size_t m_nLine = 0;   // from 1
        std::size_t m_nColumn = 0; // from 1, in bytes
        std::size_t m_nLength = 0; // in bytes
    };

    void Clear();
    // A file with no matches and no error adds nothing; a continued part
    // adds its matches to the file added last.
    void Add(CFoundFile file);
    // Adds the total line; bStopped says the search did not finish.
    void Finish(bool bStopped);
    bool IsFinished() const { return m_bFinished; }

    std::size_t RowCount() const { return m_rows.size(); }
    ERow Kind(std::size_t nRow) const { return m_rows[nRow].m_eKind; }
    std::string RowText(std::size_t nRow) const;
    // The match of a hit line, or the first match of a file line.
    std::optional<CLocation> Location(std::size_t nRow) const;
    // The next hit line after nFrom (before it when nDirection < 0), wrapping
    // round; from none, the first (or last) one. None when nothing matched.
    std::optional<std::size_t> NextHit(std::optional<std::size_t> nFrom, int nDirection) const;

    std::size_t HitCount() const { return m_nHits; }
    std::size_t FilesWithHits() const { return m_nFilesWithHits; }
    // "12 matches in 4 files", "1 match in 1 file" or "No matches".
    std::string TotalText() const;
    // "Searching: 3 of 10 files..."
    static std::string ProgressText(std::size_t nSearched, std::size_t nFiles);

private:
    struct CFile {
        std::string m_strShownPath;
        std::string m_strPath;
        std::size_t m_nHits = 0;
        std::string m_strError;
    };
    struct CRow {
        ERow m_eKind = ERow::Hit;
        std::uint32_t m_nFile = 0;
        std::uint32_t m_nColumn = 0;
        std::size_t m_nLine = 0;
        std::size_t m_nLength = 0;
        std::string m_strText; // a hit's line text
    };

    std::vector<CFile> m_files;
    std::vector<CRow> m_rows;
    std::size_t m_nHits = 0;
    std::size_t m_nFilesWithHits = 0;
    bool m_bFinished = false;
    bool m_bStopped = false;
};
